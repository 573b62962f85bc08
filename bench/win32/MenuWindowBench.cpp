// Start-up and pop-up costs of the menu window with the real Win32 platform objects, run under
// Wine (or on Windows). Three measurements, each the median of RUNS runs:
//
//  1. Loading 500 items that point at 20 distinct programs (each program's own icon, "Default
//     Icon"): the real loader and item table, icons extracted into a fresh Win32Icons list,
//     once through SharedIcons (as the program does) and once straight into the list, so that
//     the two differ only in icon sharing. Also the images in the list and the growth of the
//     process's private memory.
//  2. The whole in-process start-up as the program runs it (Application::Start: options window, menu window with
//     the same 500 items, context menu, add-special dialog), with sharing, as shipped. The
//     program has no switch to turn sharing off, so the unshared start-up is given as this
//     plus the difference of the two loads in 1.
//  3. A 20 x 50 menu of 1,000 items: ShowMenuAt from a trigger, and a full synchronous paint
//     of the window through GDI (Repaint), each timed, then hidden again.
//
// The 20 programs are copies of Tarnwick.exe (beside this program) in a scratch folder, which
// is removed afterwards.
//
// Usage: tarnwick_menu_window_bench [RUNS]   (default 7)
#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/Application.h"
#include "menuwindow/SharedIcons.h"
#include "menuwindow/TTarnwick.h"
#include "fakes/QuietItemServices.h"
#include "platform/win32/Unicode.h"
#include "platform/win32/Win32Icons.h"
#include "storage/Configuration.h"
#include "storage/IniFile.h"
#include "Win32BenchPlatform.h"

namespace tarnwick::bench {
namespace {

namespace fs = std::filesystem;

constexpr int kPrograms = 20;

void PumpMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
}

// The process's committed private memory; Wine reports it as the pagefile usage (its
// PrivateUsage stays 0).
size_t PrivateBytes() {
  PROCESS_MEMORY_COUNTERS_EX counters{};
  counters.cb = sizeof counters;
  if (!GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                            sizeof counters)) {
    return 0;
  }
  return std::max(counters.PrivateUsage, counters.PagefileUsage);
}

// A saved configuration of one menu, columns x rows, popped up by the bottom-right corner at
// once (Sensitive=2); item i opens program i % 20 and shows its icon.
std::string Configuration(const std::vector<std::string>& programs, int columns, int rows) {
  std::string ini = "[Setting]\r\nVersion=2.0\r\nSensitive=2\r\nAutosave=0\r\nStartup=0\r\n";
  ini += "[Menu]\r\nTarnwick=0\r\n[Menu Column]\r\nTarnwick=" + std::to_string(columns);
  ini += "\r\n[Menu Row]\r\nTarnwick=" + std::to_string(rows);
  ini += "\r\n[Popup Enabled]\r\nBottom Right=1\r\n[Popup]\r\nBottom Right=0\r\n";
  for (int i = 0; i < columns * rows; ++i) {
    char item[64];
    std::snprintf(item, sizeof item, "[Item %04d]\r\nExec=", i);
    ini += item;
    ini += programs[static_cast<size_t>(i % kPrograms)];
    std::snprintf(item, sizeof item, "\r\nIcon=Default Icon\r\nColumn=%d\r\nRow=%d\r\nType=0\r\n", i / rows,
                  i % rows);
    ini += item;
  }
  return ini;
}

struct LoadResult {
  double milliseconds;
  int images;
  size_t privateBytes;
};

LoadResult LoadItems(const IniFile& file, bool shared) {
  Win32Icons icons;
  SharedIcons sharedIcons(icons);
  fakes::AcceptingHotkeys hotkeys;
  const MenuList menus = ReadMenuList(file);
  ItemTable table(menus, shared ? static_cast<Icons&>(sharedIcons) : icons, hotkeys);
  const size_t before = PrivateBytes();
  const Clock::time_point start = Clock::now();
  LoadMenus(file, table, menus, 0xFFFFFF);
  const double elapsed = Milliseconds(Clock::now() - start);
  return {elapsed, icons.ImageCount(), PrivateBytes() - before};
}

// Returns the median milliseconds of the unshared load less those of the shared one.
double BenchLoading(const std::string& text, int runs) {
  const IniFile file = IniFile::Parse(text);
  double medians[2] = {};
  for (bool shared : {true, false}) {
    std::vector<double> times;
    LoadResult last{};
    for (int run = 0; run < runs; ++run) {
      last = LoadItems(file, shared);
      times.push_back(last.milliseconds);
    }
    medians[shared ? 0 : 1] = Median(times);
    std::printf("load 500 items of 20 programs, %-9s %8.1f ms, %3d images, private memory +%zu KiB\n",
                shared ? "shared:" : "unshared:", Median(times), last.images, last.privateBytes / 1024);
  }
  return medians[1] - medians[0];
}

void BenchStartup(const std::string& folder, int runs, double unsharedExtra) {
  std::vector<double> times;
  for (int run = 0; run < runs; ++run) {
    Win32Platform win32(folder);
    const Clock::time_point start = Clock::now();
    {
      Application application(win32.platform);
      application.Start();
      times.push_back(Milliseconds(Clock::now() - start));
      PumpMessages();
    }
    PumpMessages();
  }
  std::printf("start-up with those 500 items, shared:  %8.1f ms (unshared, by the load difference: %.1f ms)\n",
              Median(times), Median(times) + unsharedExtra);
}

void BenchShowAndPaint(const std::string& folder, int runs) {
  Win32Platform win32(folder);
  Application application(win32.platform);
  application.Start();
  TTarnwick& menu = application.MenuWindow();
  const Size screen = win32.screen.ScreenSize();
  std::vector<double> shows, paints;
  for (int run = 0; run < runs; ++run) {
    PumpMessages();
    const Clock::time_point start = Clock::now();
    menu.ShowMenuAt(screen.width - 1, screen.height - 1, 0);
    const Clock::time_point shown = Clock::now();
    menu.FormWindow().Repaint();
    GdiFlush();
    const Clock::time_point painted = Clock::now();
    shows.push_back(Milliseconds(shown - start));
    paints.push_back(Milliseconds(painted - shown));
    menu.HideMenu();
  }
  PumpMessages();
  std::printf("20 x 50 menu of 1,000 items: ShowMenuAt %.1f ms, full paint %.1f ms, together %.1f ms "
              "(window %d x %d)\n",
              Median(shows), Median(paints), Median(shows) + Median(paints), menu.Grid().WindowSize().width,
              menu.Grid().WindowSize().height);
}

bool WriteText(const fs::path& path, const std::string& text) {
  FILE* file = _wfopen(path.c_str(), L"wb");
  if (file == nullptr) return false;
  const bool ok = std::fwrite(text.data(), 1, text.size(), file) == text.size();
  return std::fclose(file) == 0 && ok;
}

int Run(int runs) {
  std::wstring self(32768, L'\0');
  self.resize(GetModuleFileNameW(nullptr, self.data(), static_cast<DWORD>(self.size())));
  const fs::path tarnwick = fs::path(self).parent_path() / L"Tarnwick.exe";
  const fs::path folder = fs::temp_directory_path() / (L"tarnwick-menu-bench-" + std::to_wstring(GetCurrentProcessId()));
  std::error_code error;
  fs::create_directories(folder, error);
  std::vector<std::string> programs;
  for (int i = 0; i < kPrograms && !error; ++i) {
    const fs::path program = folder / (L"program " + std::to_wstring(i) + L".exe");
    fs::copy_file(tarnwick, program, fs::copy_options::overwrite_existing, error);
    programs.push_back(Narrow(program.wstring()));
  }
  if (error) {
    std::fprintf(stderr, "cannot copy %s into %s: %s\n", Narrow(tarnwick.wstring()).c_str(),
                 Narrow(folder.wstring()).c_str(), error.message().c_str());
    return 1;
  }
  const std::string folderText = Narrow(folder.wstring()) + "\\";
  const fs::path ini = folder / L"Tarnwick.ini";

  const std::string fiveHundred = Configuration(programs, 10, 50);
  const double unsharedExtra = BenchLoading(fiveHundred, runs);
  if (!WriteText(ini, fiveHundred)) return 1;
  BenchStartup(folderText, runs, unsharedExtra);
  if (!WriteText(ini, Configuration(programs, 20, 50))) return 1;
  BenchShowAndPaint(folderText, runs);

  fs::remove_all(folder, error);
  return 0;
}

}  // namespace
}  // namespace tarnwick::bench

int wmain(int argc, wchar_t** argv) {
  const int runs = argc > 1 ? std::max(1, static_cast<int>(std::wcstol(argv[1], nullptr, 10))) : 7;
  return tarnwick::bench::Run(runs);
}
