#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "fakes/FakePlatform.h"
#include "platform/Platform.h"
#include "platform/win32/GdiTextMeasure.h"
#include "platform/win32/Win32AnsiCodePage.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32Hotkeys.h"
#include "platform/win32/Win32Icons.h"
#include "platform/win32/Win32Screen.h"
#include "platform/win32/Win32Shell.h"
#include "platform/win32/Win32Shortcuts.h"
#include "platform/win32/Win32Tray.h"
#include "platform/win32/Win32WindowFactory.h"
#include "win32/QuietForms.h"

namespace tarnwick::bench {

using Clock = std::chrono::steady_clock;

inline double Milliseconds(Clock::duration duration) {
  return std::chrono::duration<double, std::milli>(duration).count();
}

inline double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// The scratch folder stands in for the executable's folder, where Tarnwick.ini is read.
class FolderHost final : public ApplicationHost {
 public:
  explicit FolderHost(std::string folder) : m_folder(std::move(folder)) {}
  bool AnotherInstanceRunning() override { return false; }
  std::string ExecutablePath() override { return m_folder + "Tarnwick.exe"; }
  std::string ExecutableFolder() override { return m_folder; }
  void RunMessageLoop() override {}

 private:
  std::string m_folder;
};

// Errors go to the console; every dialog is cancelled.
class PrintedDialogs final : public NoDialogs {
 public:
  void ShowError(const std::string& message) override { std::fprintf(stderr, "error: %s\n", message.c_str()); }
  void LogError(const std::string& message) override { ShowError(message); }
};

// The program's platform objects over a folder, fresh for each run (new image lists among them).
struct Win32Platform {
  explicit Win32Platform(const std::string& folder) : host(folder) {}

  FolderHost host;
  Win32FileSystem files;
  Win32AnsiCodePage codePage;
  PrintedDialogs dialogs;
  Win32Icons icons;
  Win32WindowFactory windows{dialogs, icons.ImageList(), icons.PickerImageList()};
  Win32Screen screen;
  Win32Hotkeys hotkeys;
  GdiTextMeasure measure;
  Win32Shell shell;
  Win32Tray tray;
  Win32Shortcuts shortcuts;
  // A benchmark never touches the user's log-on list.
  fakes::FakeRunList runList;
  Platform platform{host, files, codePage, dialogs, windows, screen, hotkeys, icons, measure, shell, tray, shortcuts,
                    runList};
};

}  // namespace tarnwick::bench
