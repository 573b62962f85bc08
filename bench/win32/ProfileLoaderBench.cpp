// Our configuration load against one built on the Windows profile functions, run under Wine
// by scripts/bench.sh. The profile loader reads the file as a straightforward program would:
// GetPrivateProfileSectionNamesW for the sections, then one GetPrivateProfileStringW call per
// key (and one per key listing), each with the program's 2048-character buffer. It exists only
// here, as the yardstick.
//
// Usage: tarnwick_profile_bench [ITEMS...]   (default: 100 1000)
// Prints one line per size; exits non-zero when the two loaders do not load the same thing.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "SampleConfiguration.h"
#include "model/Numbers.h"
#include "platform/win32/Unicode.h"
#include "platform/win32/Win32AnsiCodePage.h"
#include "platform/win32/Win32FileSystem.h"
#include "storage/AtomicFile.h"

namespace tarnwick::bench {
namespace {

class ProfileReader {
 public:
  explicit ProfileReader(std::wstring path) : m_path(std::move(path)) {}

  std::string ReadString(std::string_view section, std::string_view key, std::string_view fallback) {
    wchar_t value[2048];
    GetPrivateProfileStringW(Widen(section).c_str(), Widen(key).c_str(), Widen(fallback).c_str(),
                             value, 2048, m_path.c_str());
    return Narrow(value);
  }
  int ReadInt(std::string_view section, std::string_view key, int fallback) {
    return IntOr(ReadString(section, key, ""), fallback, /*allowHex=*/true);
  }
  bool ReadBool(std::string_view section, std::string_view key, bool fallback) {
    return ReadInt(section, key, fallback ? 1 : 0) != 0;
  }
  std::vector<std::string> KeyNames(std::string_view section) {
    const std::wstring wideSection = Widen(section);
    return List([&](wchar_t* buffer, DWORD size) {
      return GetPrivateProfileStringW(wideSection.c_str(), nullptr, L"", buffer, size, m_path.c_str());
    });
  }
  std::vector<std::string> SectionNames() {
    return List([&](wchar_t* buffer, DWORD size) {
      return GetPrivateProfileSectionNamesW(buffer, size, m_path.c_str());
    });
  }

 private:
  // A list of names ending in an empty one; the buffer grows until the whole list fits.
  static std::vector<std::string> List(const std::function<DWORD(wchar_t*, DWORD)>& read) {
    std::vector<wchar_t> buffer(4096);
    DWORD length = read(buffer.data(), static_cast<DWORD>(buffer.size()));
    while (length + 2 >= buffer.size()) {
      buffer.resize(buffer.size() * 4);
      length = read(buffer.data(), static_cast<DWORD>(buffer.size()));
    }
    std::vector<std::string> names;
    for (const wchar_t* name = buffer.data(); *name != L'\0'; name += wcslen(name) + 1) {
      names.push_back(Narrow(name));
    }
    return names;
  }

  std::wstring m_path;
};

bool IsReservedExactly(const std::string& name) {
  for (const char* reserved : {"Setting", "Menu", "Menu Column", "Menu Row", "Popup Enabled", "Popup"}) {
    if (name == reserved) return true;
  }
  return false;
}

std::vector<int> ProfileGridSizes(ProfileReader& ini, const char* section, const char* settingKey,
                                  const MenuList& menus) {
  const std::vector<std::string> keys = ini.KeyNames(section);
  const int fallback = ini.ReadInt("Setting", settingKey, 1);
  std::vector<int> sizes;
  for (const std::string& name : menus.MenuNames) {
    const bool listed = std::find(keys.begin(), keys.end(), name) != keys.end();
    sizes.push_back(std::max(listed ? ini.ReadInt(section, name, 1) : fallback, 1));
  }
  return sizes;
}

// The same reads as LoadSettings, ReadMenuList and LoadMenus, for a current-layout file.
void ProfileLoad(ProfileReader& ini, LoadedConfiguration& loaded) {
  Settings& s = loaded.settings;
  const FontSpec font;
  s.LanguageFile = ini.ReadString("Setting", "Language", "");
  s.Startup = ini.ReadBool("Setting", "Startup", true);
  s.Autosave = ini.ReadBool("Setting", "Autosave", true);
  s.TrayMenu = ini.ReadBool("Setting", "Tray Menu", true);
  s.HideDupNo = ini.ReadBool("Setting", "Hide Dup No", true);
  s.GetShortcut = ini.ReadBool("Setting", "Get Shortcut", true);
  s.Tarnwik = ini.ReadBool("Setting", "Tarnwik", true);
  s.ExcludeCorners = ini.ReadBool("Setting", "Exclude Corners", true);
  s.Sensitive = ini.ReadInt("Setting", "Sensitive", 2);
  s.FullscreenGuard = ini.ReadBool("Setting", "Fullscreen Guard", true);
  s.AllMonitors = ini.ReadBool("Setting", "All Monitors", false);
  s.MenuFont.Face = ini.ReadString("Setting", "Font", font.Face);
  s.MenuFont.Italic = ini.ReadBool("Setting", "Italic", font.Italic);
  s.MenuFont.Bold = ini.ReadBool("Setting", "Bold", font.Bold);
  s.MenuFont.Size = ini.ReadInt("Setting", "FontSize", font.Size);
  s.Background = static_cast<Color>(ini.ReadInt("Setting", "Background", 0));
  s.Text = static_cast<Color>(ini.ReadInt("Setting", "Text", 16777215));
  s.Highlight = static_cast<Color>(ini.ReadInt("Setting", "Highlight", 8388608));
  s.HighlightText = static_cast<Color>(ini.ReadInt("Setting", "HighlightText", 65535));
  for (int i = 0; i < kTriggerCount; ++i) {
    s.TriggerEnabled[i] = ini.ReadBool("Popup Enabled", TriggerNames[i], s.TriggerEnabled[i]);
  }
  for (int i = 0; i < kTriggerCount; ++i) s.TriggerMenuIds[i] = ini.ReadInt("Popup", TriggerNames[i], 0);

  for (const std::string& name : ini.KeyNames("Menu")) loaded.menus.Add(name, ini.ReadInt("Menu", name, -1));
  if (loaded.menus.Count() == 0) loaded.menus.Add(kDefaultMenuName, 0);

  ItemTable& items = loaded.table;
  items.SetGridSizes(ProfileGridSizes(ini, "Menu Column", "Column", loaded.menus),
                     ProfileGridSizes(ini, "Menu Row", "Row", loaded.menus));
  for (const std::string& section : ini.SectionNames()) {
    if (IsReservedExactly(section)) continue;
    Item item;
    item.ProgramFile = ini.ReadString(section, "Exec", "");
    if (item.ProgramFile.empty()) continue;
    item.Description = section;
    item.StartIn = ini.ReadString(section, "Start", "");
    item.Parameters = ini.ReadString(section, "Para", "");
    item.WindowMode = ini.ReadInt(section, "Mode", 1);
    item.IconLocation = ini.ReadString(section, "Icon", "Default Icon");
    item.IconIndex = ini.ReadInt(section, "Index", -1);
    item.HotkeyModifiers = ini.ReadInt(section, "Mod", 0);
    item.HotkeyKey = ini.ReadInt(section, "KeyCode", 0);
    item.DisableAfterRun = ini.ReadBool(section, "Disable", false);
    item.ItemColor = static_cast<Color>(ini.ReadInt(section, "Color", static_cast<int32_t>(s.Text)));
    item.Column = ini.ReadInt(section, "Column", 0);
    item.Row = ini.ReadInt(section, "Row", 0);
    item.MenuId = ini.ReadInt(section, "Type", items.CurrentMenuId());
    items.AddItem(std::move(item));
  }
}

double Seconds() {
  static const double frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return static_cast<double>(f.QuadPart);
  }();
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) / frequency;
}

// Fastest of `runs` runs, in milliseconds; a few runs soften the noise of a shared machine.
double FastestMs(int runs, const std::function<void()>& run) {
  double best = 1e300;
  for (int i = 0; i < runs; ++i) {
    const double start = Seconds();
    run();
    best = std::min(best, (Seconds() - start) * 1000.0);
  }
  return best;
}

std::wstring TempFilePath(int itemCount) {
  wchar_t folder[MAX_PATH];
  GetTempPathW(MAX_PATH, folder);
  return std::wstring(folder) + L"tarnwick-bench-" + std::to_wstring(itemCount) + L".ini";
}

// Returns false when the loaders disagree.
bool Compare(int itemCount) {
  const Win32AnsiCodePage ansi;
  const std::string bytes = SampleConfigurationBytes(itemCount, ansi);
  const std::wstring path = TempFilePath(itemCount);
  Win32FileSystem files;
  if (!WriteFileAtomically(files, Narrow(path), bytes)) {
    std::printf("cannot write %ls\n", path.c_str());
    return false;
  }

  // Each timed run loads into a fresh table; the last one is saved afterwards for the check.
  std::unique_ptr<LoadedConfiguration> ours;
  const double oursMs = FastestMs(20, [&] {
    ours = std::make_unique<LoadedConfiguration>(ansi);
    const std::optional<std::string> read = files.ReadWhole(Narrow(path));
    LoadConfiguration(read.value_or(""), *ours);
  });

  std::unique_ptr<LoadedConfiguration> theirs;
  const double profileMs = FastestMs(itemCount > 2000 ? 1 : 3, [&] {
    theirs = std::make_unique<LoadedConfiguration>(ansi);
    // Drops the profile functions' cache of the file, so every run reads it as a start-up does.
    WritePrivateProfileStringW(nullptr, nullptr, nullptr, path.c_str());
    ProfileReader ini(path);
    ProfileLoad(ini, *theirs);
  });
  DeleteFileW(path.c_str());

  const bool same = SaveConfiguration(*ours) == bytes && SaveConfiguration(*theirs) == bytes;
  std::printf("%7d items %9zu bytes   ours %9.3f ms   profile functions %11.1f ms   %8.0fx%s\n",
              itemCount, bytes.size(), oursMs, profileMs, profileMs / oursMs,
              same ? "" : "   LOADERS DISAGREE");
  return same;
}

}  // namespace
}  // namespace tarnwick::bench

int wmain(int argc, wchar_t** argv) {
  std::vector<int> counts;
  for (int i = 1; i < argc; ++i) counts.push_back(_wtoi(argv[i]));
  if (counts.empty()) counts = {100, 1000};
  bool agree = true;
  for (int count : counts) agree = tarnwick::bench::Compare(count) && agree;
  return agree ? 0 : 1;
}
