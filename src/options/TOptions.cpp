#include "options/TOptions.h"

#include "activation/TriggerMonitor.h"
#include "contextmenu/TAMenu.h"
#include "menuwindow/TTarnwick.h"
#include "storage/Configuration.h"
#include "storage/TextEncoding.h"
#include "menuwindow/RaisedFrame.h"

namespace tarnwick {

TOptions::TOptions(Platform& platform) : m_platform(platform) {}

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

  m_configPath = m_platform.host.ExecutableFolder() + kConfigFileName;
  m_store = std::make_unique<ConfigurationFile>(m_platform.files, m_configPath);
  // A missing or unreadable file reads as empty: every value takes its default.
  std::string bytes = m_store->Read();
  m_file = IniFile::Parse(DecodeTextFile(bytes, m_platform.codePage));
  if (!bytes.empty() && !HasKnownSection(m_file)) m_store->KeepUnusableFile();

  LoadSettings(m_file, WindowFont, Options);
  Menus = ReadMenuList(m_file);
  m_showAtStart = ShowOptionsAtStart(m_file);
}

void TOptions::ShowAtStartIfNeeded() {
  if (m_showAtStart) m_window->ShowActivate();
}

bool TOptions::Save(bool nobodyToAsk) {
  const std::string text = ConfigurationText(Options, Menus, m_menuWindow->Table());
  const std::string bytes = EncodeTextFile(text, m_platform.codePage);
  const WriteResult result = m_store->Save(bytes);
  if (result) return true;
  std::string message = "Unable to write to " + result.path;
  if (!result.reason.empty()) message += ": " + result.reason;
  if (nobodyToAsk) {
    m_platform.dialogs.LogError(message);
  } else {
    m_platform.dialogs.ShowError(message);
  }
  return false;
}

void TOptions::FormPaint(Canvas& canvas) {
  const Rect client{0, 0, kWidth, kHeight};
  canvas.FillRect(client, Options.Background);
  DrawRaisedFrame(canvas, client);
}

void TOptions::FormClose() {
  if (Flags.PopupsDisabled) m_platform.tray.Remove(*m_window);
  // A failed save has been reported and the previous file kept; the close goes on.
  if (Options.Autosave && m_menuWindow != nullptr) SaveSettings();
}

void TOptions::FormQueryEndSession() {
  if (Options.Autosave && m_menuWindow != nullptr) Save(true);
}

}  // namespace tarnwick

namespace tarnwick {

void TOptions::StartTriggerMonitor() { m_window->StartTimer(kTriggerTimerId, kTriggerIntervalMs); }

void TOptions::FormTimer(int timerId) {
  if (timerId == kTriggerTimerId) TriggerMonitor();
}

void TOptions::TriggerMonitor() {
  if (m_menuWindow == nullptr) return;
  Window& menu = m_menuWindow->FormWindow();
  TickInput in;
  in.cursor = m_platform.screen.CursorPos();
  in.screen = m_platform.screen.ScreenSize();
  in.menuLocked = Flags.MenuLocked;
  in.dialogOpen = Flags.DialogOpen;
  in.popupsDisabled = Flags.PopupsDisabled;
  in.menuShowing = m_menuWindow->MenuShowing;
  in.excludeCorners = Options.ExcludeCorners;
  in.triggerEnabled = &Options.TriggerEnabled;
  in.activeTrigger = m_menuWindow->ActiveTrigger;
  in.menuVisible = menu.IsVisible();
  in.menuBounds = menu.Bounds();
  if (m_contextMenu != nullptr) {
    in.contextVisible = m_contextMenu->FormWindow().IsVisible();
    in.contextBounds = m_contextMenu->FormWindow().Bounds();
  }

  const TickActions actions = DecideTick(in);
  if (actions.raiseMenu) menu.RaiseToTop();
  if (actions.hideMenu) m_menuWindow->HideMenu();
  if (actions.hideContextMenu) m_contextMenu->Hide();
  if (actions.showTrigger >= 0) m_menuWindow->ShowMenuAt(in.cursor.x, in.cursor.y, actions.showTrigger);
}

void TOptions::DisableActivation() {
  m_menuWindow->HideMenu();
  Flags.PopupsDisabled = true;
  if (!m_platform.tray.Add(*m_window)) Flags.PopupsDisabled = false;
}

void TOptions::EnableActivation() {
  m_platform.tray.Remove(*m_window);
  Flags.PopupsDisabled = false;
}

void TOptions::FormTrayClick(MouseButton button) {
  const Point cursor = m_platform.screen.CursorPos();
  if (button == MouseButton::Left) {
    if (!Options.TrayMenu) {
      EnableActivation();
      // A locked menu was hidden when activation went off; it comes back where it was.
      if (Flags.MenuLocked) m_menuWindow->ShowMenuAt(m_menuWindow->AnchorX, m_menuWindow->AnchorY, -1);
    } else if (Options.TriggerEnabled[8]) {
      m_menuWindow->ShowMenuAt(cursor.x, cursor.y, 8);
    }
  } else if (button == MouseButton::Right && Options.TrayMenu && Options.TriggerEnabled[9]) {
    m_menuWindow->ShowMenuAt(cursor.x, cursor.y, 9);
  }
}

void TOptions::FormTaskbarCreated() {
  if (Flags.PopupsDisabled) m_platform.tray.Add(*m_window);
}

}  // namespace tarnwick
