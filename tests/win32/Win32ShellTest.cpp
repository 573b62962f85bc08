#include "win32/QuietForms.h"
#include "platform/win32/Win32Shell.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

#include "platform/win32/Win32Window.h"
#include "platform/win32/Win32WindowFactory.h"

namespace tarnwick {
namespace {

WindowId IdOf(HWND window) { return reinterpret_cast<WindowId>(window); }

// A plain window class whose procedure records the last message of the range it is sent.
struct Received {
  UINT message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
};
Received g_received;

LRESULT CALLBACK RecordingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message >= WM_APP) {
    g_received = {message, wParam, lParam};
    return 0;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

HWND MakeRecordingWindow() {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = &RecordingProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"TarnwickShellTestTarget";
  RegisterClassExW(&windowClass);
  return CreateWindowExW(0, L"TarnwickShellTestTarget", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

// A recording window on a thread of its own that pumps no messages until the object goes, as
// a hung program's window would. (A window dies with the thread that made it.)
class WindowOnStalledThread {
 public:
  WindowOnStalledThread() {
    HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    thread_ = std::thread([this, ready] {
      m_window = MakeRecordingWindow();
      SetEvent(ready);
      WaitForSingleObject(release_, INFINITE);
      DestroyWindow(m_window);
    });
    WaitForSingleObject(ready, INFINITE);
    CloseHandle(ready);
  }
  ~WindowOnStalledThread() {
    SetEvent(release_);
    thread_.join();
    CloseHandle(release_);
  }
  WindowOnStalledThread(const WindowOnStalledThread&) = delete;
  WindowOnStalledThread& operator=(const WindowOnStalledThread&) = delete;

  HWND Get() const { return m_window; }

 private:
  HANDLE release_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  HWND m_window = nullptr;
  std::thread thread_;
};

TEST(Win32Shell, FindTopWindowNeedsClassAndTitleToMatch) {
  NoDialogs dialogs;
  NoEvents events;
  Win32WindowFactory factory(dialogs, nullptr);
  WindowSpec spec;
  spec.className = "TarnwickShellTestFind";
  spec.title = "Target \xC3\xA9";
  auto window = factory.Create(spec, events);  // hidden windows are found too
  const WindowId id = IdOf(static_cast<Win32Window&>(*window).Handle());

  struct Case {
    const char* className;
    const char* title;
    bool found;
  };
  const Case cases[] = {
      {"TarnwickShellTestFind", "Target \xC3\xA9", true},
      {"TarnwickShellTestFind", "Target e", false},
      {"TarnwickShellTestOther", "Target \xC3\xA9", false},
      {"TarnwickShellTestFind", "", false},
  };
  Win32Shell shell;
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.className) + " / " + c.title);
    EXPECT_EQ(shell.FindTopWindow(c.className, c.title), c.found ? id : 0);
  }
}

TEST(Win32Shell, OwnWindowsAreThoseOfThisProcess) {
  NoDialogs dialogs;
  NoEvents events;
  Win32WindowFactory factory(dialogs, nullptr);
  WindowSpec spec;
  spec.className = "TarnwickShellTestOwn";
  auto window = factory.Create(spec, events);
  HWND own = static_cast<Win32Window&>(*window).Handle();

  WindowOnStalledThread otherThread;

  Win32Shell shell;
  EXPECT_TRUE(shell.IsOwnWindow(IdOf(own)));
  EXPECT_TRUE(shell.IsOwnWindow(IdOf(otherThread.Get()))) << "any thread of this process counts";
  // The desktop window belongs to another process (explorer under Wine, the system on Windows).
  EXPECT_FALSE(shell.IsOwnWindow(IdOf(GetDesktopWindow())));
  EXPECT_FALSE(shell.IsOwnWindow(0));
  DestroyWindow(own);
  EXPECT_FALSE(shell.IsOwnWindow(IdOf(own))) << "a destroyed window belongs to nobody";
  window.reset();
}

TEST(Win32Shell, SendWindowMessageDeliversNumberAndParameters) {
  HWND target = MakeRecordingWindow();
  ASSERT_NE(target, nullptr);
  g_received = {};
  Win32Shell().SendWindowMessage(IdOf(target), WM_APP + 7, 42, -9);
  // Sent from another thread: it arrives while this thread takes its messages.
  for (int i = 0; i < 500 && g_received.message == 0; ++i) {
    MSG msg;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_SENDMESSAGE);
    PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);
  }
  EXPECT_EQ(g_received.message, static_cast<UINT>(WM_APP + 7));
  EXPECT_EQ(g_received.wParam, 42u);
  EXPECT_EQ(g_received.lParam, -9);
  DestroyWindow(target);
}

TEST(Win32Shell, SendWindowMessageReturnsAtOnceWhileTheTargetHangs) {
  WindowOnStalledThread hung;
  // The call returns before the target answers (never) and before the time-out: a minute here,
  // which would end the test by ctest's time limit if the call waited for it.
  Win32Shell(std::chrono::minutes(1)).SendWindowMessage(IdOf(hung.Get()), WM_APP + 1, 0, 0);
}

}  // namespace
}  // namespace tarnwick
