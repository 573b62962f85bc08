// Writes a generated Tarnwick.ini for scripts/memory-bench.sh, in the ANSI code page the
// program reads it with: items that load without icon extraction or hotkeys (see
// SampleExtras::None), so that the idle memory measured is the program's own.
//
// Usage: tarnwick_sample_file ITEMS PATH
#include <windows.h>

#include <cstdio>
#include <cwchar>

#include "SampleConfiguration.h"
#include "platform/win32/Unicode.h"
#include "platform/win32/Win32AnsiCodePage.h"
#include "platform/win32/Win32FileSystem.h"
#include "storage/AtomicFile.h"

int wmain(int argc, wchar_t** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: tarnwick_sample_file ITEMS PATH\n");
    return 2;
  }
  wchar_t* end = nullptr;
  const long items = std::wcstol(argv[1], &end, 10);
  if (*end != L'\0' || items < 0) {
    std::fprintf(stderr, "tarnwick_sample_file: ITEMS must be a count\n");
    return 2;
  }
  const tarnwick::Win32AnsiCodePage ansi;
  tarnwick::Win32FileSystem files;
  const tarnwick::WriteResult written = tarnwick::WriteFileAtomically(
      files, tarnwick::Narrow(argv[2]),
      tarnwick::bench::SampleConfigurationBytes(static_cast<int>(items), ansi,
                                                tarnwick::bench::SampleExtras::None));
  if (!written) {
    std::fprintf(stderr, "tarnwick_sample_file: %s: %s\n", written.path.c_str(), written.reason.c_str());
    return 1;
  }
  return 0;
}
