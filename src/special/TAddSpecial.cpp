#include "special/TAddSpecial.h"

#include "ui/RaisedFrame.h"

namespace tarnwick {

TAddSpecial::TAddSpecial(Platform& platform, Session& session, MenuWindowControl& menu)
    : m_platform(platform), m_session(session), m_menu(menu) {}

void TAddSpecial::FormCreate() {
  const Size screen = m_platform.screen.ScreenSize();
  WindowSpec spec;
  spec.className = "TAddSpecial";
  spec.title = "Tarnwick";
  spec.bounds.left = (screen.width - kWidth) / 2;
  spec.bounds.top = (screen.height - kHeight) / 2;
  spec.bounds.right = spec.bounds.left + kWidth;
  spec.bounds.bottom = spec.bounds.top + kHeight;
  m_window = m_platform.windows.Create(spec, *this);
}

void TAddSpecial::Open(Cell target, int menuId) {
  m_target = target;
  m_targetMenuId = menuId;
  m_window->ShowActivate();
}

void TAddSpecial::FormPaint(Canvas& canvas) {
  const Rect client{0, 0, kWidth, kHeight};
  canvas.FillRect(client, m_session.Options().Background);
  DrawRaisedFrame(canvas, client);
}

}  // namespace tarnwick
