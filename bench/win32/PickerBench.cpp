// The item editor's icon picker over a file of 300 icons (this program, which carries them as
// resources), with the Win32 platform objects: the load of an item whose icon location is that
// file, which counts the file's icons and extracts those of the cells in view, then the rest as
// a scroll through the strip would. Prints the medians of the runs. Run under Wine: scripts/with-wine.sh wine build/windows/tarnwick_picker_bench.exe
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "app/Session.h"
#include "fakes/FakePlatform.h"
#include "fakes/QuietItemServices.h"
#include "options/ItemEditor.h"
#include "platform/win32/Unicode.h"
#include "Win32BenchPlatform.h"

namespace tarnwick::bench {
namespace {

namespace fs = std::filesystem;

constexpr int kRuns = 15;

int Run() {
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  const std::string iconFile = Narrow(self);
  const fs::path folder = fs::temp_directory_path() / L"tarnwick-picker-bench";
  fs::create_directories(folder);
  const std::string ini = "[Setting]\r\nVersion=2.0\r\n[Menu]\r\nTarnwick=0\r\n[Menu Column]\r\nTarnwick=1\r\n"
                          "[Menu Row]\r\nTarnwick=1\r\n[Icons]\r\nExec=C:\\icons.exe\r\nIcon=" +
                          iconFile + "\r\nIndex=150\r\nColumn=0\r\nRow=0\r\nType=0\r\n";
  if (FILE* file = _wfopen((folder / L"Tarnwick.ini").c_str(), L"wb")) {
    std::fwrite(ini.data(), 1, ini.size(), file);
    std::fclose(file);
  }

  Win32Platform win32(Narrow(folder.wstring()) + "\\");
  Win32Icons& icons = win32.icons;
  Platform& platform = win32.platform;
  fakes::AcceptingHotkeys binder;
  Session session(platform, binder);
  session.Load();
  ItemEditor editor(session, platform);

  std::vector<double> loads;
  std::vector<double> counts;
  std::vector<double> allIcons;
  for (int run = 0; run < kRuns; ++run) {
    Clock::time_point start = Clock::now();
    const int count = icons.CountFileIcons(iconFile);
    counts.push_back(Milliseconds(Clock::now() - start));
    start = Clock::now();
    editor.EditCell({0, 0, 0});
    // What the page then shows: the seven cells from the chosen one.
    icons.ShowPickerIcons(editor.IconIndex(), 7);
    loads.push_back(Milliseconds(Clock::now() - start));
    // Scrolled through to the end: every icon extracted.
    start = Clock::now();
    icons.ShowPickerIcons(0, count);
    allIcons.push_back(Milliseconds(Clock::now() - start));
    if (run == 0) {
      std::printf("icons in the file: %d; picker cells: %d; strip images: %d; chosen: %d\n", count,
                  editor.Picker() ? editor.Picker()->cells : -1, ImageList_GetImageCount(icons.PickerImageList()),
                  editor.IconIndex());
    }
  }
  std::printf("count of the file's icons: median %.2f ms\n", Median(counts));
  std::printf("load of the item (BuildIconPicker) and the icons of the 7 cells in view: median %.2f ms over %d runs\n",
              Median(loads), kRuns);
  std::printf("the other 293 icons, as a scroll through the strip extracts them: median %.2f ms\n", Median(allIcons));
  std::error_code ignored;
  fs::remove_all(folder, ignored);
  return 0;
}

}  // namespace
}  // namespace tarnwick::bench

int wmain() { return tarnwick::bench::Run(); }
