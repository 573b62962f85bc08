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
  RuntimeFlags& flags = m_session.Flags();
  m_menu->HideMenu();
  flags.PopupsDisabled = true;
  if (!m_platform.tray.Add(*m_trayWindow)) flags.PopupsDisabled = false;
}

void Activation::Enable() {
  m_platform.tray.Remove(*m_trayWindow);
  m_session.Flags().PopupsDisabled = false;
}

void Activation::TrayClick(MouseButton button) {
  const Settings& options = m_session.Options();
  const Point cursor = m_platform.screen.CursorPos();
  if (button == MouseButton::Left) {
    if (!options.TrayMenu) {
      Enable();
      // A locked menu was hidden when activation went off; it comes back where it was.
      if (m_session.Flags().MenuLocked) m_menu->ShowMenuAt(m_menu->Anchor().x, m_menu->Anchor().y, kNoTrigger);
    } else if (options.TriggerEnabled[kTriggerTrayLeftClick]) {
      m_menu->ShowMenuAt(cursor.x, cursor.y, kTriggerTrayLeftClick);
    }
  } else if (button == MouseButton::Right && options.TrayMenu && options.TriggerEnabled[kTriggerTrayRightClick]) {
    m_menu->ShowMenuAt(cursor.x, cursor.y, kTriggerTrayRightClick);
  }
}

void Activation::TaskbarCreated() {
  if (m_session.Flags().PopupsDisabled) m_platform.tray.Add(*m_trayWindow);
}

void Activation::RemoveTrayIcon() {
  if (m_session.Flags().PopupsDisabled) m_platform.tray.Remove(*m_trayWindow);
}

}  // namespace tarnwick
