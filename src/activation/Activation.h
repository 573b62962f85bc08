#pragma once

#include "app/Session.h"
#include "platform/Platform.h"
#include "ui/WindowControls.h"

namespace tarnwick {

// How the menus are reached: the timer that watches the screen's corners and edges, and the
// tray icon that stands in for them while activation is off.
class Activation {
 public:
  Activation(Platform& platform, Session& session) : m_platform(platform), m_session(session) {}

  // The windows, once they exist: the tray icon and the timer belong to trayWindow.
  void Attach(Window& trayWindow, MenuWindowControl& menu, ContextMenuControl& contextMenu);
  // The 100 ms timer that watches the screen's corners and edges; runs until the end.
  void StartTriggerMonitor();
  void Timer(int timerId);
  // One tick of the trigger monitor.
  void Tick();

  void Disable();
  void Enable();
  void TrayClick(MouseButton button);
  // The task bar came back (Explorer restarted): a shown icon must be added again.
  void TaskbarCreated();
  // At the end: the icon does not outlive the program.
  void RemoveTrayIcon();

 private:
  Platform& m_platform;
  Session& m_session;
  Window* m_trayWindow = nullptr;
  MenuWindowControl* m_menu = nullptr;
  ContextMenuControl* m_contextMenu = nullptr;
};

}  // namespace tarnwick
