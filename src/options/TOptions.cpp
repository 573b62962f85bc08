#include "options/TOptions.h"

#include "ui/RaisedFrame.h"

namespace tarnwick {

TOptions::TOptions(Platform& platform, Session& session, Activation& activation)
    : m_platform(platform), m_session(session), m_activation(activation) {}

void TOptions::FormCreate() {
  const Size screen = m_platform.screen.ScreenSize();
  WindowSpec spec;
  spec.className = "Tarnwick";
  spec.title = "Tarnwick";
  spec.bounds.left = (screen.width - kWidth) / 2;
  spec.bounds.top = (screen.height - kHeight) / 2;
  spec.bounds.right = spec.bounds.left + kWidth;
  spec.bounds.bottom = spec.bounds.top + kHeight;
  spec.mainWindow = true;
  m_window = m_platform.windows.Create(spec, *this);
}

void TOptions::ShowAtStartIfNeeded() {
  if (m_session.ShowOptionsAtStart()) m_window->ShowActivate();
}

void TOptions::ShowPage(OptionsPage page) {
  // The pages themselves come with the options window's next landing; the choice is kept.
  m_page = page;
  m_window->ShowActivate();
}

void TOptions::FormPaint(Canvas& canvas) {
  const Rect client{0, 0, kWidth, kHeight};
  canvas.FillRect(client, m_session.Options().Background);
  DrawRaisedFrame(canvas, client);
}

void TOptions::FormClose() {
  m_activation.RemoveTrayIcon();
  // A failed save has been reported and the previous file kept; the close goes on.
  if (m_session.Options().Autosave) SaveSettings();
}

void TOptions::FormQueryEndSession() {
  // Nobody is there to answer a box, which would hold up the log-off.
  if (m_session.Options().Autosave) m_session.Save(Session::FailureReport::DebuggerOutput);
}

}  // namespace tarnwick
