#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "menuwindow/SharedIcons.h"
#include "model/ItemTable.h"
#include "model/MenuList.h"
#include "model/Settings.h"
#include "platform/Platform.h"
#include "storage/ConfigurationFile.h"
#include "storage/IniFile.h"
#include "storage/MenuExchange.h"
#include "ui/LanguageTexts.h"

namespace tarnwick {

// The program's state: the settings, the runtime flags, the menu list, the item table and
// the configuration file's path, with the one load and the one save of that file. The
// windows read and edit the state through it; nothing else holds a copy.
class Session {
 public:
  // Items register their hotkeys through hotkeys; the platform gives the file system, the
  // code page, the icons and the error display of a failed save.
  Session(Platform& platform, HotkeyBinder& hotkeys);
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // Reads the configuration file and loads it. A missing or unreadable file reads as empty:
  // every value takes its default. windowFont gives the defaults of the menu font.
  void Load(const FontSpec& windowFont = FontSpec{});
  // The load of the file's bytes: decode, parse, settings, menu list, then every item
  // through AddItem (the legacy loader for a 1.0 file).
  void LoadBytes(std::string_view bytes, const FontSpec& windowFont = FontSpec{});

  // How a failed save is reported: in a box, or, at the end of the session when nobody can
  // answer one, in the debugger output.
  enum class FailureReport { Box, DebuggerOutput };
  // Writes the whole configuration file (see ConfigurationFile::Save), then brings the log-on
  // entry in line with "Startup". On failure the report names the file or folder that refused
  // and the system's reason (the previous file stays as it was), or the entry that could not
  // be written, and false is returned.
  bool Save(FailureReport report = FailureReport::Box);
  // Reads the language file the "Language" setting names (or Language.ini beside the
  // executable) into the texts; a missing file leaves English.
  void LoadLanguage();

  // The bytes a save writes.
  std::string SavedBytes() const;

  // Writes one menu to a file of its own, atomically. False when nothing was written: the
  // path is the live configuration file (taken as a cancel, without a message: writing there
  // would throw away every other menu and setting) or the write failed (reported as a failed
  // save is, "Unable to write to <path>: <reason>").
  bool ExportMenu(int menuId, const std::string& path);
  // Reads a menu file; nullopt, after a report, when it cannot be read.
  std::optional<ImportedMenu> ReadMenuFile(const std::string& path);
  // Fills a menu just added from a menu file: its size, then every item through AddItem into
  // that menu. The counts then grow until every cell of the menu's items lies inside the grid.
  // Nothing happens for an id that names no menu.
  void FillImportedMenu(int menuId, const ImportedMenu& menu);

  Settings& Options() { return m_settings; }
  const Settings& Options() const { return m_settings; }
  RuntimeFlags& Flags() { return m_flags; }
  const RuntimeFlags& Flags() const { return m_flags; }
  MenuList& Menus() { return m_menus; }
  const MenuList& Menus() const { return m_menus; }
  ItemTable& Table() { return m_table; }
  const ItemTable& Table() const { return m_table; }
  // The windows' captions and messages, and their typeface.
  LanguageTexts& Texts() { return m_texts; }
  const LanguageTexts& Texts() const { return m_texts; }
  const std::string& ConfigPath() const { return m_configPath; }
  // The file loaded was not of the current version: the options window opens at start.
  bool ShowOptionsAtStart() const { return m_showOptionsAtStart; }

 private:
  // The only read and the only write of the configuration file.
  std::string ReadConfigurationBytes();
  // The parsed file, which is released when the load is done.
  void LoadParsed(const IniFile& file, bool hadBytes, const FontSpec& windowFont);
  bool WriteConfigurationBytes(std::string_view bytes, FailureReport report);
  void ReportFailure(const std::string& message, FailureReport report);
  void ReportWriteFailure(const WriteResult& result, FailureReport report);

  Platform& m_platform;
  std::string m_configPath;
  ConfigurationFile m_file;
  Settings m_settings;
  RuntimeFlags m_flags;
  LanguageTexts m_texts;
  MenuList m_menus;
  SharedIcons m_icons;  // before the table, which adds its items' icons through it
  ItemTable m_table;
  bool m_showOptionsAtStart = true;
};

}  // namespace tarnwick
