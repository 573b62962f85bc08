#include "app/Session.h"

#include "storage/AtomicFile.h"
#include "storage/Configuration.h"
#include "storage/IniFile.h"
#include "storage/TextEncoding.h"

namespace tarnwick {

Session::Session(Platform& platform, HotkeyBinder& hotkeys)
    : m_platform(platform),
      m_configPath(platform.host.ExecutableFolder() + kConfigFileName),
      m_icons(platform.icons),
      m_table(m_menus, m_icons, hotkeys) {}

std::optional<std::string> Session::ReadConfigurationBytes() { return m_platform.files.ReadWhole(m_configPath); }

bool Session::WriteConfigurationBytes(std::string_view bytes) {
  if (WriteFileAtomically(m_platform.files, m_configPath, bytes)) return true;
  m_platform.dialogs.ShowError("Unable to write to " + m_configPath);
  return false;
}

void Session::Load(const FontSpec& windowFont) {
  const std::optional<std::string> bytes = ReadConfigurationBytes();
  LoadBytes(bytes ? std::string_view(*bytes) : std::string_view(), windowFont);
}

void Session::LoadBytes(std::string_view bytes, const FontSpec& windowFont) {
  const IniFile file = IniFile::Parse(DecodeTextFile(bytes, m_platform.codePage));
  LoadSettings(file, windowFont, m_settings);
  m_menus = ReadMenuList(file);
  m_showOptionsAtStart = tarnwick::ShowOptionsAtStart(file);
  if (IsLegacyLayout(file)) {
    LoadLegacyMenus(file, m_table, m_settings.Text);
  } else {
    LoadMenus(file, m_table, m_menus, m_settings.Text);
  }
}

bool Session::Save() { return WriteConfigurationBytes(SavedBytes()); }

std::string Session::SavedBytes() const {
  return EncodeTextFile(ConfigurationText(m_settings, m_menus, m_table), m_platform.codePage);
}

}  // namespace tarnwick
