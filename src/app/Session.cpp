#include "app/Session.h"

#include <algorithm>

#include "activation/RunAtLogOn.h"
#include "model/Text.h"
#include "options/LanguageFile.h"
#include "storage/AtomicFile.h"
#include "storage/Configuration.h"
#include "storage/IniFile.h"
#include "storage/TextEncoding.h"

namespace tarnwick {

namespace {

// Whether two full paths name the same file as Windows matches names: letters without regard
// to case, and either separator.
bool SamePath(std::string a, std::string b) {
  std::replace(a.begin(), a.end(), '/', '\\');
  std::replace(b.begin(), b.end(), '/', '\\');
  return EqualsIgnoreCase(a, b);
}

}  // namespace

Session::Session(Platform& platform, HotkeyBinder& hotkeys)
    : m_platform(platform),
      m_configPath(platform.host.ExecutableFolder() + kConfigFileName),
      m_file(platform.files, m_configPath),
      m_icons(platform.icons),
      m_table(m_menus, m_icons, hotkeys) {}

std::string Session::ReadConfigurationBytes() { return m_file.Read(); }

void Session::ReportFailure(const std::string& message, FailureReport report) {
  if (report == FailureReport::DebuggerOutput) {
    m_platform.dialogs.LogError(message);
  } else {
    m_platform.dialogs.ShowError(message);
  }
}

void Session::ReportWriteFailure(const WriteResult& result, FailureReport report) {
  std::string message = "Unable to write to " + result.path;
  if (!result.reason.empty()) message += ": " + result.reason;
  ReportFailure(message, report);
}

bool Session::WriteConfigurationBytes(std::string_view bytes, FailureReport report) {
  const WriteResult result = m_file.Save(bytes);
  if (result) return true;
  ReportWriteFailure(result, report);
  return false;
}

void Session::Load(const FontSpec& windowFont) {
  std::string bytes = ReadConfigurationBytes();
  IniFile file = IniFile::Parse(DecodeTextFile(bytes, m_platform.codePage));
  const bool hadBytes = !bytes.empty();
  // Only the parsed text is needed from here on; the file's bytes go before the items come.
  std::string().swap(bytes);
  LoadParsed(file, hadBytes, windowFont);
}

void Session::LoadBytes(std::string_view bytes, const FontSpec& windowFont) {
  LoadParsed(IniFile::Parse(DecodeTextFile(bytes, m_platform.codePage)), !bytes.empty(), windowFont);
}

void Session::LoadParsed(const IniFile& file, bool hadBytes, const FontSpec& windowFont) {
  // A file of which nothing could be used is kept aside by the first save instead of lost.
  if (hadBytes && !HasKnownSection(file)) m_file.KeepUnusableFile();
  // The language file comes first: its typeface is the default of the menu font.
  m_texts.Font = windowFont;
  m_settings.LanguageFile = file.ReadString("Setting", "Language", "");
  LoadLanguage();
  LoadSettings(file, m_texts.Font, m_settings);
  m_menus = ReadMenuList(file);
  m_showOptionsAtStart = tarnwick::ShowOptionsAtStart(file);
  if (IsLegacyLayout(file)) {
    LoadLegacyMenus(file, m_table, m_settings.Text);
  } else {
    LoadMenus(file, m_table, m_menus, m_settings.Text);
  }
}

void Session::LoadLanguage() {
  const std::string path = LanguageFilePath(m_settings.LanguageFile, m_platform.host.ExecutableFolder());
  const std::optional<std::string> bytes = m_platform.files.ReadWhole(path);
  tarnwick::LoadLanguage(IniFile::Parse(DecodeTextFile(bytes.value_or(""), m_platform.codePage)), m_texts);
}

bool Session::Save(FailureReport report) {
  if (!WriteConfigurationBytes(SavedBytes(), report)) return false;
  // The log-on entry follows the setting as saved, and only then.
  if (UpdateRunKey(m_platform.runList, m_settings.Startup, m_platform.host.ExecutablePath())) return true;
  ReportFailure(std::string("Failed to set data for '") + kRunValueName + "'", report);
  return false;
}

std::string Session::SavedBytes() const {
  return EncodeTextFile(ConfigurationText(m_settings, m_menus, m_table), m_platform.codePage);
}

bool Session::ExportMenu(int menuId, const std::string& path) {
  if (SamePath(path, m_configPath)) return false;
  const std::string bytes =
      ExportedMenuBytes(m_table, menuId, m_table.ColumnsOf(menuId), m_table.RowsOf(menuId), m_platform.codePage);
  const WriteResult result = WriteFileAtomically(m_platform.files, path, bytes);
  if (result) return true;
  ReportWriteFailure(result, FailureReport::Box);
  return false;
}

std::optional<ImportedMenu> Session::ReadMenuFile(const std::string& path) {
  const std::optional<std::string> bytes = m_platform.files.ReadWhole(path);
  if (!bytes) {
    std::string message = "Unable to read " + path;
    if (const std::string reason = m_platform.files.LastError(); !reason.empty()) message += ": " + reason;
    ReportFailure(message, FailureReport::Box);
    return std::nullopt;
  }
  return ParseMenuFile(*bytes, m_settings.Text, m_settings.HideDupNo, m_platform.codePage);
}

void Session::FillImportedMenu(int menuId, const ImportedMenu& menu) {
  if (!m_menus.HasMenu(menuId)) return;
  m_table.ColumnsOf(menuId) = menu.columns;
  m_table.RowsOf(menuId) = menu.rows;
  m_table.Reserve(m_table.Count() + menu.items.size());
  for (Item item : menu.items) {
    item.MenuId = menuId;
    m_table.AddItem(std::move(item));
  }
  // AddItem grows the rows for a full column, but a file may place items past its own grid
  // size, and a menu that was not empty may hold items past it too: no item is left out of
  // reach.
  int columns = m_table.ColumnsOf(menuId);
  int rows = m_table.RowsOf(menuId);
  for (const Item& item : m_table.Items()) {
    if (item.MenuId != menuId) continue;
    columns = std::max(columns, item.Column + 1);
    rows = std::max(rows, item.Row + 1);
  }
  m_table.ColumnsOf(menuId) = columns;
  m_table.RowsOf(menuId) = rows;
}

}  // namespace tarnwick
