#pragma once

#include <memory>
#include <string>

#include "model/MenuList.h"
#include "model/Settings.h"
#include "platform/Platform.h"
#include "storage/ConfigurationFile.h"
#include "storage/IniFile.h"

namespace tarnwick {

class TAMenu;
class TTarnwick;

// The options window: the main window of the program. It owns the configuration file, the
// settings, the menu list and the runtime flags; closing it ends the application.
class TOptions final : public WindowEvents {
 public:
  static constexpr int kWidth = 418;
  static constexpr int kHeight = 330;

  explicit TOptions(Platform& platform);

  // Creates the window (hidden) and reads the configuration file.
  void FormCreate();
  // The menu window, created after this one; the save reads its items.
  void AttachMenuWindow(TTarnwick& menuWindow) { m_menuWindow = &menuWindow; }
  void AttachContextMenu(TAMenu& contextMenu) { m_contextMenu = &contextMenu; }
  void ShowAtStartIfNeeded();
  // The 100 ms timer that watches the screen's corners and edges; runs until the end.
  void StartTriggerMonitor();
  void TriggerMonitor();

  // Activation off: the menu hides, corners and edges pop nothing up, and the tray icon is
  // what is left to reach the program. If the shell refuses the icon, activation stays on.
  void DisableActivation();
  void EnableActivation();

  // Writes the whole configuration file. On failure the user is told which file or folder
  // refused and why (at the end of the session, the debugger is), the previous file stays as
  // it was, and false is returned.
  bool SaveSettings() { return Save(false); }

  void FormPaint(Canvas& canvas) override;
  void FormClose() override;
  void FormQueryEndSession() override;
  void FormTimer(int timerId) override;
  void FormTrayClick(MouseButton button) override;
  void FormTaskbarCreated() override;

  // The parsed configuration, read by the menu window's loader; empty once released.
  const IniFile& File() const { return m_file; }
  // Start-up is the only reader of the file: its text and index go once the menus are loaded.
  void ReleaseFile() { m_file = IniFile(); }
  const std::string& ConfigPath() const { return m_configPath; }
  Window& FormWindow() { return *m_window; }

  Settings Options;
  RuntimeFlags Flags;
  MenuList Menus;
  // The window's own font: the default of the menu font.
  FontSpec WindowFont;

 private:
  // nobodyToAsk: the session is ending, and a box would hold up the log-off unanswered.
  bool Save(bool nobodyToAsk);

  Platform& m_platform;
  std::unique_ptr<Window> m_window;
  TTarnwick* m_menuWindow = nullptr;
  TAMenu* m_contextMenu = nullptr;
  std::string m_configPath;
  std::unique_ptr<ConfigurationFile> m_store;
  IniFile m_file;
  bool m_showAtStart = false;
};

}  // namespace tarnwick
