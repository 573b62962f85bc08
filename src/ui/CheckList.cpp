#include "ui/CheckList.h"

#include "ui/ColorSwatch.h"

namespace tarnwick {

namespace {

constexpr Color kBlack = 0x000000;
constexpr Color kWhite = 0xFFFFFF;
constexpr int kCheckLeft = 2;
constexpr int kCheckSize = 11;
constexpr int kCaptionLeft = kCheckLeft + kCheckSize + 4;

}  // namespace

CheckList::CheckList(const Skin& skin, const Rect& bounds, Events events)
    : m_skin(skin), m_bounds(bounds), m_events(std::move(events)) {}

Rect CheckList::RowBounds(int row) const {
  const int top = m_bounds.top + row * kRowHeight;
  return {m_bounds.left, top, m_bounds.right, top + kRowHeight};
}

Rect CheckList::CheckBounds(int row) const {
  const Rect r = RowBounds(row);
  const int left = r.left + kCheckLeft;
  const int top = r.top + (kRowHeight - kCheckSize) / 2;
  return {left, top, left + kCheckSize, top + kCheckSize};
}

void CheckList::Paint(Canvas& canvas) const {
  DrawFieldFrame(canvas, m_bounds);
  canvas.SetFont(m_skin.font);
  for (int row = 0; row < Count(); ++row) {
    const Rect r = RowBounds(row);
    if (r.top >= m_bounds.bottom) break;
    const Rect box = CheckBounds(row);
    // The box: a black outline around white, with a tick when checked.
    canvas.FillRect(box, kBlack);
    canvas.FillRect({box.left + 1, box.top + 1, box.right - 1, box.bottom - 1}, kWhite);
    if (m_events.checked(row)) {
      canvas.Line({box.left + 2, box.top + 5}, {box.left + 4, box.top + 7}, kBlack, 2);
      canvas.Line({box.left + 4, box.top + 7}, {box.left + 9, box.top + 2}, kBlack, 2);
    }
    const bool selected = row == m_selected;
    const Rect caption{r.left + kCaptionLeft - 2, r.top, r.right, r.bottom};
    canvas.TextInRect(caption, {r.left + kCaptionLeft, r.top}, m_captions[static_cast<size_t>(row)],
                      selected ? kSelectedText : kBlack, selected ? kSelectedFill : kWhite);
  }
}

bool CheckList::MouseDown(MouseButton button, Point point) {
  if (button != MouseButton::Left || !m_bounds.Contains(point)) return false;
  const int row = (point.y - m_bounds.top) / kRowHeight;
  if (row >= Count()) return false;
  m_selected = row;
  m_events.selected(row);
  const Rect box = CheckBounds(row);
  // The whole height of the row left of the caption counts as the box: it is small to aim at.
  if (point.x < box.right + 1) m_events.toggled(row);
  return true;
}

}  // namespace tarnwick
