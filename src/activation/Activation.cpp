#include "activation/Activation.h"

#include "activation/TriggerMonitor.h"

namespace tarnwick {

void Activation::Attach(Window& trayWindow, MenuWindowControl& menu, ContextMenuControl& contextMenu) {
  m_trayWindow = &trayWindow;
  m_menu = &menu;
  m_contextMenu = &contextMenu;
}

void Activation::StartTriggerMonitor() { m_trayWindow->StartTimer(kTriggerTimerId, kTriggerIntervalMs); }

void Activation::Timer(int timerId) {
  if (timerId == kTriggerTimerId) Tick();
  if (timerId == kTrayRetryTimerId) RetryTrayIcon();
}

void Activation::Tick() {
  if (m_menu == nullptr) return;
  const RuntimeFlags& flags = m_session.Flags();
  const Settings& options = m_session.Options();
  TickInput in;
  in.cursor = m_platform.screen.CursorPos();
  in.screen = m_platform.screen.ScreenSize();
  in.menuLocked = flags.MenuLocked;
  in.dialogOpen = flags.DialogOpen();
  in.popupsDisabled = flags.PopupsDisabled;
  in.menuShowing = m_menu->MenuShowing();
  in.excludeCorners = options.ExcludeCorners;
  in.triggerEnabled = &options.TriggerEnabled;
  in.activeTrigger = m_menu->ActiveTrigger();
  in.menuVisible = m_menu->IsWindowVisible();
  in.menuBounds = m_menu->Bounds();
  in.contextVisible = m_contextMenu->IsVisible();
  in.contextBounds = m_contextMenu->Bounds();
  in.allMonitors = options.AllMonitors;
  if (in.allMonitors) in.monitors = m_platform.screen.Monitors();
  in.fullscreenGuard = options.FullscreenGuard;
  in.guards = &m_platform.screen;

  const TickActions actions = DecideTick(in);
  if (actions.raiseMenu) m_menu->RaiseToTop();
  if (actions.hideMenu) m_menu->HideMenu();
  if (actions.hideContextMenu) m_contextMenu->Hide();
  if (actions.showTrigger >= 0) m_menu->ShowMenuAt(in.cursor.x, in.cursor.y, actions.showTrigger);
}

void Activation::Disable() {
  m_menu->HideMenu();
  m_session.Flags().PopupsDisabled = true;
  AddTrayIcon();
}

void Activation::Enable() {
  StopTrayRetry();
  m_platform.tray.Remove(*m_trayWindow);
  m_session.Flags().PopupsDisabled = false;
}

void Activation::AddTrayIcon() {
  if (m_platform.tray.Add(*m_trayWindow)) {
    StopTrayRetry();
  } else if (m_trayRetriesLeft == 0) {
    m_trayRetriesLeft = kTrayRetries;
    m_trayWindow->StartTimer(kTrayRetryTimerId, kTrayRetryIntervalMs);
  }
}

void Activation::RetryTrayIcon() {
  if (m_trayRetriesLeft == 0) return;
  if (!m_session.Flags().PopupsDisabled) {
    StopTrayRetry();
    return;
  }
  if (m_platform.tray.Add(*m_trayWindow)) {
    StopTrayRetry();
    return;
  }
  if (--m_trayRetriesLeft > 0) return;
  StopTrayRetry();
  m_session.Flags().PopupsDisabled = false;
  RestoreLockedMenu();
}

void Activation::RestoreLockedMenu() {
  // A locked menu was hidden when activation went off; it comes back where it was.
  if (m_session.Flags().MenuLocked) m_menu->ShowMenuAt(m_menu->Anchor().x, m_menu->Anchor().y, kNoTrigger);
}

void Activation::StopTrayRetry() {
  m_trayRetriesLeft = 0;
  m_trayWindow->StopTimer(kTrayRetryTimerId);
}

void Activation::TrayClick(MouseButton button) {
  const Settings& options = m_session.Options();
  const Point cursor = m_platform.screen.CursorPos();
  if (button == MouseButton::Left) {
    if (!options.TrayMenu) {
      Enable();
      RestoreLockedMenu();
    } else if (options.TriggerEnabled[kTriggerTrayLeftClick]) {
      m_menu->ShowMenuAt(cursor.x, cursor.y, kTriggerTrayLeftClick);
    }
  } else if (button == MouseButton::Right && options.TrayMenu && options.TriggerEnabled[kTriggerTrayRightClick]) {
    m_menu->ShowMenuAt(cursor.x, cursor.y, kTriggerTrayRightClick);
  }
}

void Activation::TaskbarCreated() {
  if (m_session.Flags().PopupsDisabled) AddTrayIcon();
}

void Activation::RemoveTrayIcon() {
  if (m_session.Flags().PopupsDisabled) m_platform.tray.Remove(*m_trayWindow);
}

}  // namespace tarnwick
