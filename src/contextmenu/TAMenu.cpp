#include "contextmenu/TAMenu.h"

#include "menuwindow/RaisedFrame.h"
#include "options/TOptions.h"

namespace tarnwick {

TAMenu::TAMenu(Platform& platform, TOptions& options) : m_platform(platform), m_options(options) {}

void TAMenu::FormCreate() {
  const Size screen = m_platform.screen.ScreenSize();
  WindowSpec spec;
  spec.className = "TAMenu";
  spec.title = "Tarnwick";
  spec.bounds = {screen.width - 1, screen.height - 1, screen.width, screen.height};
  spec.topmost = true;
  spec.toolWindow = true;
  m_window = m_platform.windows.Create(spec, *this);
}

void TAMenu::Hide() {
  const Size screen = m_platform.screen.ScreenSize();
  m_window->Hide();
  m_window->SetBounds({screen.width - 1, screen.height - 1, screen.width, screen.height});
}

void TAMenu::FormPaint(Canvas& canvas) {
  const Rect bounds = m_window->Bounds();
  const Rect client{0, 0, bounds.Width(), bounds.Height()};
  canvas.FillRect(client, m_options.Options.Background);
  DrawRaisedFrame(canvas, client);
}

}  // namespace tarnwick
