// A save of a large configuration as the program makes one, with the real Win32 file system,
// run under Wine by scripts/memory-bench.sh (or on Windows). Every timed save follows a change
// of one setting, so each one reads the previous file, keeps it as Tarnwick.ini.bak and
// writes Tarnwick.ini, both atomically (temporary file, flush, rename). Printed are the medians
// of RUNS saves: building the text, encoding it in the ANSI code page, the file step
// (ConfigurationFile::Save) and the whole; and a save of unchanged bytes, which only reads and
// compares.
//
// Usage: tarnwick_save_bench [ITEMS] [RUNS]   (default: 20000 15)
// Exits non-zero when the files on the disk are not what the last saves wrote.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cwchar>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "SampleConfiguration.h"
#include "platform/win32/Unicode.h"
#include "platform/win32/Win32AnsiCodePage.h"
#include "platform/win32/Win32FileSystem.h"
#include "storage/AtomicFile.h"
#include "storage/Configuration.h"
#include "storage/ConfigurationFile.h"
#include "storage/TextEncoding.h"

namespace tarnwick::bench {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::duration duration) {
  return std::chrono::duration<double, std::milli>(duration).count();
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

int Run(int itemCount, int runs) {
  const fs::path folder =
      fs::temp_directory_path() / (L"tarnwick-save-bench-" + std::to_wstring(GetCurrentProcessId()));
  std::error_code error;
  fs::create_directories(folder, error);
  if (error) {
    std::fprintf(stderr, "cannot create %s: %s\n", Narrow(folder.wstring()).c_str(), error.message().c_str());
    return 1;
  }
  const std::string path = Narrow((folder / kConfigFileName).wstring());

  const Win32AnsiCodePage ansi;
  Win32FileSystem files;
  const std::string original = SampleConfigurationBytes(itemCount, ansi);
  LoadedConfiguration loaded(ansi);
  LoadConfiguration(original, loaded);
  if (!WriteFileAtomically(files, path, original)) {
    std::fprintf(stderr, "cannot write %s\n", path.c_str());
    return 1;
  }
  ConfigurationFile store(files, path);

  std::vector<double> texts, encodings, fileSteps, wholes, unchanged;
  std::string previous = original, last = original;
  bool saved = true;
  for (int run = 0; run < runs && saved; ++run) {
    // One setting changed since the last save: the bytes differ, so the backup step runs.
    loaded.settings.MenuFont.Size = loaded.settings.MenuFont.Size == 9 ? 10 : 9;
    const Clock::time_point start = Clock::now();
    const std::string text = ConfigurationText(loaded.settings, loaded.menus, loaded.table);
    const Clock::time_point built = Clock::now();
    std::string bytes = EncodeTextFile(text, ansi);
    const Clock::time_point encoded = Clock::now();
    saved = static_cast<bool>(store.Save(bytes));
    const Clock::time_point written = Clock::now();
    texts.push_back(Milliseconds(built - start));
    encodings.push_back(Milliseconds(encoded - built));
    fileSteps.push_back(Milliseconds(written - encoded));
    wholes.push_back(Milliseconds(written - start));
    previous = std::move(last);
    last = std::move(bytes);

    const Clock::time_point again = Clock::now();
    saved = saved && static_cast<bool>(store.Save(last));
    unchanged.push_back(Milliseconds(Clock::now() - again));
  }

  const bool filesRight = saved && files.ReadWhole(path) == last && files.ReadWhole(store.BackupPath()) == previous;
  std::printf("save of %d items (%zu bytes), median of %d saves, in %s\n", itemCount, last.size(), runs,
              Narrow(folder.wstring()).c_str());
  std::printf("  text (ConfigurationText)                               %9.2f ms\n", Median(texts));
  std::printf("  encoding in the ANSI code page                         %9.2f ms\n", Median(encodings));
  std::printf("  file step: read previous, write .bak, write the file   %9.2f ms\n", Median(fileSteps));
  std::printf("  whole save with the backup step                        %9.2f ms\n", Median(wholes));
  std::printf("  file step of unchanged bytes (read, compare, no write) %9.2f ms\n", Median(unchanged));
  if (!filesRight) std::printf("  THE FILES ON THE DISK ARE NOT WHAT THE SAVES WROTE\n");

  fs::remove_all(folder, error);
  return filesRight ? 0 : 1;
}

}  // namespace
}  // namespace tarnwick::bench

int wmain(int argc, wchar_t** argv) {
  const int items = argc > 1 ? std::max(0, static_cast<int>(std::wcstol(argv[1], nullptr, 10))) : 20000;
  const int runs = argc > 2 ? std::max(1, static_cast<int>(std::wcstol(argv[2], nullptr, 10))) : 15;
  return tarnwick::bench::Run(items, runs);
}
