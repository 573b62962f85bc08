#pragma once

#include "app/Session.h"
#include "platform/Platform.h"
#include "ui/WindowControls.h"

namespace tarnwick {

// While the shell refuses the tray icon, it is asked again every two seconds for a minute.
inline constexpr int kTrayRetryTimerId = 2;
inline constexpr int kTrayRetryIntervalMs = 2000;
inline constexpr int kTrayRetries = 30;

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
  // Shows the icon of the disabled state. Right after log-on the task bar may not be up yet
  // and the shell refuses the icon: it is asked again every two seconds for a minute (and at
  // once when the task bar announces itself). Should the icon still be missing then,
  // activation comes back on, as the icon is the only way to switch it on again.
  void AddTrayIcon();
  void RetryTrayIcon();
  void StopTrayRetry();
  void RestoreLockedMenu();

  Platform& m_platform;
  Session& m_session;
  Window* m_trayWindow = nullptr;
  MenuWindowControl* m_menu = nullptr;
  ContextMenuControl* m_contextMenu = nullptr;
  int m_trayRetriesLeft = 0;  // while the shell refuses the icon
};

}  // namespace tarnwick
