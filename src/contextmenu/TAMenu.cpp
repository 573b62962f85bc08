#include "contextmenu/TAMenu.h"

#include "ui/RaisedFrame.h"

namespace tarnwick {

TAMenu::TAMenu(Platform& platform, const Session& session) : m_platform(platform), m_session(session) {}

Rect TAMenu::RestingBounds() const {
  const Size screen = m_platform.screen.ScreenSize();
  return {screen.width - 1, screen.height - 1, screen.width, screen.height};
}

void TAMenu::FormCreate() {
  WindowSpec spec;
  spec.className = "TAMenu";
  spec.title = "Tarnwick";
  spec.bounds = RestingBounds();
  spec.topmost = true;
  spec.toolWindow = true;
  m_window = m_platform.windows.Create(spec, *this);
}

void TAMenu::Hide() {
  m_window->Hide();
  m_window->SetBounds(RestingBounds());
}

void TAMenu::FormPaint(Canvas& canvas) {
  const Rect bounds = m_window->Bounds();
  const Rect client{0, 0, bounds.Width(), bounds.Height()};
  canvas.FillRect(client, m_session.Options().Background);
  DrawRaisedFrame(canvas, client);
}

}  // namespace tarnwick
