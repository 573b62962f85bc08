#include "menuwindow/PointerGesture.h"

namespace tarnwick {

PointerGesture::Feedback PointerGesture::Move(Cell from) {
  if (!m_held) return Feedback::Highlight;
  // The source is the cell left by the first move with the button held. Each coordinate is
  // kept from the first move that had one: after a press in a groove, the next cell left.
  if (m_source.column == -1) m_source.column = from.column;
  if (m_source.row == -1) m_source.row = from.row;
  m_dragged = true;
  return Feedback::DropMarker;
}

PointerGesture::Release PointerGesture::EndAtRelease() {
  const Release release{m_dragged, m_source};
  Reset();
  return release;
}

void PointerGesture::Reset() {
  m_held = false;
  m_dragged = false;
  m_source = Cell{};
}

}  // namespace tarnwick
