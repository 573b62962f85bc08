#include "win32/QuietForms.h"
#include "platform/win32/Win32ApplicationHost.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "platform/win32/Unicode.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32Window.h"
#include "platform/win32/Win32WindowFactory.h"

namespace tarnwick {
namespace {

// A name of this test process alone, so that a running copy of the program is not met.
std::wstring InstanceName() {
  return L"TarnwickHostTest." + std::to_wstring(GetCurrentProcessId());
}

TEST(Win32ApplicationHost, SecondInstanceIsFoundByMutexOrByWindowClass) {
  {
    Win32ApplicationHost first(InstanceName());
    EXPECT_FALSE(first.AnotherInstanceRunning());
    EXPECT_FALSE(first.AnotherInstanceRunning()) << "asking again must not find itself";
    Win32ApplicationHost second(InstanceName());
    EXPECT_TRUE(second.AnotherInstanceRunning());
  }
  // Both mutex handles are closed now; a window of the main class still marks a running copy.
  NoDialogs dialogs;
  NoEvents events;
  Win32WindowFactory factory(dialogs, nullptr);
  WindowSpec spec;
  spec.className = Narrow(InstanceName());
  auto window = factory.Create(spec, events);
  {
    Win32ApplicationHost third(InstanceName());
    EXPECT_TRUE(third.AnotherInstanceRunning());
  }
  window.reset();
  Win32ApplicationHost fourth(InstanceName());
  EXPECT_FALSE(fourth.AnotherInstanceRunning());
}

TEST(Win32ApplicationHost, ExecutableFolderHoldsTheRunningProgram) {
  Win32ApplicationHost host(InstanceName());
  const std::string folder = host.ExecutableFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(folder.back(), '\\');
  wchar_t path[MAX_PATH];
  ASSERT_GT(GetModuleFileNameW(nullptr, path, MAX_PATH), 0u);
  const std::wstring full = path;
  const std::string name = Narrow(full.substr(full.find_last_of(L'\\') + 1));
  EXPECT_TRUE(Win32FileSystem().FileExists(folder + name)) << folder << name;
}

TEST(Win32ApplicationHost, MessageLoopEndsWhenTheMainWindowCloses) {
  NoDialogs dialogs;
  NoEvents events;
  Win32WindowFactory factory(dialogs, nullptr);
  WindowSpec spec;
  spec.className = "TarnwickHostTestMain";
  spec.mainWindow = true;
  auto window = factory.Create(spec, events);
  HWND hwnd = static_cast<Win32Window&>(*window).Handle();
  window->ShowNoActivate();
  window->Close();

  // Should the loop not end, a quit message from elsewhere ends the test instead of a hang.
  const DWORD thread = GetCurrentThreadId();
  std::jthread watchdog([thread](std::stop_token stop) {
    for (int i = 0; i < 500 && !stop.stop_requested(); ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    if (!stop.stop_requested()) PostThreadMessageW(thread, WM_QUIT, 1, 0);
  });
  const auto start = std::chrono::steady_clock::now();
  Win32ApplicationHost(InstanceName()).RunMessageLoop();
  watchdog.request_stop();
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(4));
  // Closed means hidden; the window itself goes with its object, after the loop.
  EXPECT_TRUE(IsWindow(hwnd));
  EXPECT_FALSE(IsWindowVisible(hwnd));
  window.reset();
  EXPECT_FALSE(IsWindow(hwnd));
}

}  // namespace
}  // namespace tarnwick
