#include "SampleConfiguration.h"

#include <array>
#include <string_view>
#include <vector>

#include "storage/Configuration.h"
#include "storage/IniFile.h"
#include "storage/TextEncoding.h"

namespace tarnwick::bench {

namespace {

constexpr std::array<std::string_view, 8> kMenuNames = {
    "Tools", "Documents", "Projects", "Web", "Admin", "Media", "Games", "Caf\xC3\xA9 & Misc"};
constexpr int kColumnsPerMenu = 8;

struct Program {
  std::string_view vendor;
  std::string_view name;
  std::string_view exe;
  std::string_view parameters;
};

constexpr std::array<Program, 10> kPrograms = {{
    {"Microsoft", "Visual Studio Code", "Code.exe", "--new-window \"D:\\Work\\Repo %d\""},
    {"Mozilla", "Firefox", "firefox.exe", "-P \"Profile %d\" -no-remote"},
    {"Notepad++", "Notepad++", "notepad++.exe", "-multiInst -nosession"},
    {"7-Zip", "7-Zip File Manager", "7zFM.exe", ""},
    {"VideoLAN", "VLC media player", "vlc.exe", "--started-from-file \"E:\\Media\\Clip %d.mkv\""},
    {"GIMP 2", "GIMP", "gimp-2.10.exe", ""},
    {"PuTTY", "PuTTY", "putty.exe", "-load \"server-%d\""},
    {"Git", "Git Bash", "git-bash.exe", "--cd=\"D:\\Work\\Repo %d\""},
    {"LibreOffice", "LibreOffice Writer", "swriter.exe", "-o \"D:\\Docs\\Letter %d.odt\""},
    {"Inkscape", "Inkscape", "inkscape.exe", ""},
}};

std::string WithNumber(std::string_view pattern, int number) {
  std::string text;
  const size_t at = pattern.find("%d");
  if (at == std::string_view::npos) return std::string(pattern);
  text += pattern.substr(0, at);
  text += std::to_string(number);
  text += pattern.substr(at + 2);
  return text;
}

Item SampleItem(int index, int menuId, SampleExtras extras) {
  Item item;
  const Program& program = kPrograms[static_cast<size_t>(index) % kPrograms.size()];
  item.MenuId = menuId;
  item.ItemColor = 0xFFFFFF;
  switch (index % 9) {
    case 0:
    case 1:
    case 2:
    case 3:
      item.Description = std::string(program.name) + " " + std::to_string(index);
      item.ProgramFile = "C:\\Program Files\\" + std::string(program.vendor) + "\\" +
                         std::string(program.exe);
      item.StartIn = "D:\\Work\\Repo " + std::to_string(index);
      item.Parameters = WithNumber(program.parameters, index);
      item.IconLocation = "Default Icon";
      break;
    case 4:
      item.Description = "Report " + std::to_string(2000 + index % 25) + "-" + std::to_string(index);
      item.ProgramFile = "D:\\Documents\\Reports\\Report " + std::to_string(index) + ".docx";
      item.IconLocation = "C:\\Windows\\System32\\shell32.dll";
      item.IconIndex = 1;
      item.ItemColor = 0x00C0FF;
      break;
    case 5:
      item.Description = "Folder " + std::to_string(index);
      item.ProgramFile = "\\\\fileserver\\projects\\Project " + std::to_string(index);
      item.IconLocation = "C:\\Windows\\System32\\shell32.dll";
      item.IconIndex = 4;
      break;
    case 6:
      item.Description = "Wiki page " + std::to_string(index);
      item.ProgramFile = "https://intranet.example/wiki/index.php?title=Page_" + std::to_string(index);
      item.IconLocation = "Default Icon";
      break;
    case 7:
      item.Description = "Separator " + std::to_string(index);
      item.ProgramFile = "separator";
      item.Parameters = "  Section " + std::to_string(index) + "  ";  // blanks kept by quoting
      item.IconLocation = "0";
      break;
    default:
      item.Description = "Caf\xC3\xA9 notes " + std::to_string(index);
      item.ProgramFile = "C:\\Users\\Ren\xC3\xA9\\Notes\\caf\xC3\xA9 " + std::to_string(index) + ".txt";
      item.IconLocation = "Default Icon";
      item.DisableAfterRun = true;
      break;
  }
  if (extras == SampleExtras::None) {
    item.IconLocation = "1";
    item.IconIndex = -1;
  } else if (index % 20 == 3) {
    item.HotkeyModifiers = 3;  // Ctrl+Alt
    item.HotkeyKey = 0x41 + index % 26;
  }
  const int perMenu = index / static_cast<int>(kMenuNames.size());
  item.Column = perMenu % kColumnsPerMenu;
  item.Row = perMenu / kColumnsPerMenu;
  return item;
}

}  // namespace

std::string SampleConfigurationBytes(int itemCount, const AnsiCodePage& ansi, SampleExtras extras) {
  LoadedConfiguration sample(ansi);
  sample.settings.MenuFont.Face = "Segoe UI";
  sample.settings.MenuFont.Size = 9;
  for (size_t m = 0; m < kMenuNames.size(); ++m) {
    sample.menus.Add(std::string(kMenuNames[m]), static_cast<int>(m));
  }
  sample.table.SetGridSizes(std::vector<int>(kMenuNames.size(), kColumnsPerMenu),
                            std::vector<int>(kMenuNames.size(), 1));
  for (int i = 0; i < itemCount; ++i) {
    sample.table.AddItem(SampleItem(i, i % static_cast<int>(kMenuNames.size()), extras));
  }
  return SaveConfiguration(sample);
}

LoadedConfiguration::LoadedConfiguration(const AnsiCodePage& ansi)
    : m_quiet(ansi), session(m_quiet.platform, m_hotkeys) {}

void LoadConfiguration(const std::string& bytes, LoadedConfiguration& loaded) { loaded.session.LoadBytes(bytes); }

std::string SaveConfiguration(const LoadedConfiguration& loaded) { return loaded.session.SavedBytes(); }

}  // namespace tarnwick::bench
