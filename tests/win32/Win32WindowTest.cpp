#include "platform/win32/Win32Window.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/win32/Win32WindowFactory.h"
#include "win32/MessagePump.h"

namespace tarnwick {
namespace {

using test::PumpFor;
using test::PumpUntil;

class RecordingDialogs final : public Dialogs {
 public:
  void ShowError(const std::string& message) override { errors.push_back(message); }
  std::vector<std::string> errors;
};

enum class Throw { Nothing, StdException, Other };

class RecordingEvents final : public WindowEvents {
 public:
  void FormPaint(Canvas& canvas) override {
    ++paints;
    canvas.FillRect(Rect{0, 0, 10, 10}, 0x00FF00);
    Raise();
  }
  void FormClose() override {
    ++closes;
    Raise();
  }
  void FormQueryEndSession() override {
    ++endSessionQueries;
    Raise();
  }
  void FormTimer(int timerId) override {
    timers.push_back(timerId);
    Raise();
  }

  Throw raise = Throw::Nothing;
  int paints = 0;
  int closes = 0;
  int endSessionQueries = 0;
  std::vector<int> timers;

 private:
  void Raise() {
    if (raise == Throw::StdException) throw std::runtime_error("boom");
    if (raise == Throw::Other) throw 42;
  }
};

class Win32WindowTest : public ::testing::Test {
 protected:
  std::unique_ptr<Window> Make(WindowSpec spec) { return factory_.Create(spec, events_); }

  static WindowSpec Spec(bool toolWindow = true, bool topmost = false, bool mainWindow = false) {
    WindowSpec spec;
    spec.className = "TarnwickTestWindow";
    spec.title = "Test \xC3\xA9";
    spec.bounds = Rect{30, 40, 230, 140};
    spec.toolWindow = toolWindow;
    spec.topmost = topmost;
    spec.mainWindow = mainWindow;
    return spec;
  }

  static HWND HandleOf(const std::unique_ptr<Window>& window) {
    return static_cast<Win32Window&>(*window).Handle();
  }

  RecordingDialogs dialogs_;
  RecordingEvents events_;
  Win32WindowFactory factory_{dialogs_};
};

TEST_F(Win32WindowTest, CreatesHiddenBorderlessWindowsAsAsked) {
  struct Case {
    const char* name;
    bool toolWindow;
    bool topmost;
  };
  const Case cases[] = {
      {"plain", false, false},
      {"topmost", false, true},
      {"tool window", true, false},
      {"topmost tool window", true, true},
  };
  HWND sharedOwner = nullptr;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto window = Make(Spec(c.toolWindow, c.topmost));
    HWND hwnd = HandleOf(window);
    ASSERT_TRUE(IsWindow(hwnd));

    const LONG_PTR exStyle = GetWindowLongPtrW(hwnd, GWL_EXSTYLE);
    EXPECT_EQ((exStyle & WS_EX_TOOLWINDOW) != 0, c.toolWindow);
    EXPECT_EQ((exStyle & WS_EX_TOPMOST) != 0, c.topmost);
    const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_FALSE(style & (WS_CAPTION | WS_THICKFRAME));
    EXPECT_FALSE(IsWindowVisible(hwnd));
    EXPECT_EQ(window->Bounds(), (Rect{30, 40, 230, 140}));

    wchar_t text[64];
    GetClassNameW(hwnd, text, 64);
    EXPECT_STREQ(text, L"TarnwickTestWindow");
    GetWindowTextW(hwnd, text, 64);
    EXPECT_STREQ(text, L"Test \u00E9");

    // Windows without their own task-bar button: tool windows, or owned by one hidden window.
    HWND owner = GetWindow(hwnd, GW_OWNER);
    if (c.toolWindow) {
      EXPECT_EQ(owner, nullptr);
    } else {
      ASSERT_NE(owner, nullptr);
      EXPECT_FALSE(IsWindowVisible(owner));
      if (sharedOwner == nullptr) sharedOwner = owner;
      EXPECT_EQ(owner, sharedOwner);
    }
  }
}

TEST_F(Win32WindowTest, CloseRunsFormCloseThenDestroysAndEndsLoopOnlyForMainWindow) {
  for (bool mainWindow : {false, true}) {
    SCOPED_TRACE(mainWindow ? "main window" : "other window");
    events_.closes = 0;
    auto window = Make(Spec(true, false, mainWindow));
    HWND hwnd = HandleOf(window);
    window->Close();
    EXPECT_EQ(events_.closes, 0) << "Close posts; the handler runs from the loop";
    bool quit = false;
    EXPECT_TRUE(PumpUntil([&] { return !IsWindow(hwnd); }, 3000, &quit));
    PumpFor(20, &quit);
    EXPECT_EQ(events_.closes, 1);
    EXPECT_EQ(HandleOf(window), nullptr);
    EXPECT_EQ(quit, mainWindow);
  }
}

TEST_F(Win32WindowTest, DestroyingTheObjectDestroysTheWindowSilently) {
  auto window = Make(Spec(false, false, true));
  HWND hwnd = HandleOf(window);
  window.reset();
  EXPECT_FALSE(IsWindow(hwnd));
  bool quit = false;
  PumpFor(20, &quit);
  EXPECT_FALSE(quit);
  EXPECT_EQ(events_.closes, 0);
}

TEST_F(Win32WindowTest, QueryEndSessionAlwaysAgrees) {
  auto window = Make(Spec());
  EXPECT_EQ(SendMessageW(HandleOf(window), WM_QUERYENDSESSION, 0, 0), TRUE);
  EXPECT_EQ(events_.endSessionQueries, 1);
  events_.raise = Throw::StdException;
  EXPECT_EQ(SendMessageW(HandleOf(window), WM_QUERYENDSESSION, 0, 0), TRUE);
  EXPECT_EQ(events_.endSessionQueries, 2);
}

TEST_F(Win32WindowTest, TimerFiresWithItsIdUntilStopped) {
  auto window = Make(Spec());
  window->StartTimer(42, 10);
  ASSERT_TRUE(PumpUntil([&] { return events_.timers.size() >= 2; }));
  EXPECT_EQ(events_.timers[0], 42);
  EXPECT_EQ(events_.timers[1], 42);
  window->StopTimer(42);
  events_.timers.clear();
  PumpFor(100);
  EXPECT_TRUE(events_.timers.empty());
}

TEST_F(Win32WindowTest, PaintsWhenShownAndInvalidated) {
  auto window = Make(Spec());
  HWND hwnd = HandleOf(window);
  window->ShowNoActivate();
  EXPECT_TRUE(window->IsVisible());
  EXPECT_NE(GetForegroundWindow(), hwnd);
  ASSERT_TRUE(PumpUntil([&] { return events_.paints >= 1; }));
  const int paints = events_.paints;
  window->Invalidate();
  ASSERT_TRUE(PumpUntil([&] { return events_.paints > paints; }));
  // Owner-drawn: the background is never erased by the system.
  HDC dc = GetDC(hwnd);
  EXPECT_EQ(SendMessageW(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0), 1);
  ReleaseDC(hwnd, dc);
  window->Hide();
  EXPECT_FALSE(window->IsVisible());
}

TEST_F(Win32WindowTest, ShowActivateBringsTheWindowToTheForeground) {
  auto window = Make(Spec());
  window->ShowActivate();
  PumpFor(20);
  EXPECT_TRUE(window->IsVisible());
  EXPECT_EQ(GetForegroundWindow(), HandleOf(window));
  window->Hide();
}

TEST_F(Win32WindowTest, SetBoundsMovesAndSizes) {
  auto window = Make(Spec());
  window->SetBounds(Rect{-5, 300, 95, 301});
  EXPECT_EQ(window->Bounds(), (Rect{-5, 300, 95, 301}));
}

TEST_F(Win32WindowTest, ExceptionsFromHandlersAreShownAndStopAtTheProcedure) {
  struct Case {
    const char* name;
    Throw raise;
    std::string shown;
  };
  const Case cases[] = {
      {"std::exception", Throw::StdException, "boom"},
      {"anything else", Throw::Other, "An unknown error occurred."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    dialogs_.errors.clear();
    auto window = Make(Spec());
    HWND hwnd = HandleOf(window);
    events_.raise = c.raise;

    SendMessageW(hwnd, WM_TIMER, 7, 0);
    EXPECT_EQ(dialogs_.errors, std::vector<std::string>{c.shown});

    SendMessageW(hwnd, WM_PAINT, 0, 0);
    EXPECT_EQ(dialogs_.errors.size(), 2u);

    // A close whose handler fails leaves the window in place.
    SendMessageW(hwnd, WM_CLOSE, 0, 0);
    EXPECT_EQ(dialogs_.errors.size(), 3u);
    EXPECT_TRUE(IsWindow(hwnd));

    // The window goes on working.
    events_.raise = Throw::Nothing;
    events_.timers.clear();
    SendMessageW(hwnd, WM_TIMER, 8, 0);
    EXPECT_EQ(events_.timers, std::vector<int>{8});
    EXPECT_EQ(dialogs_.errors.size(), 3u);
  }
}

TEST_F(Win32WindowTest, DestroyingTheFactoryTakesOwnedWindowsAlong) {
  RecordingDialogs dialogs;
  auto factory = std::make_unique<Win32WindowFactory>(dialogs);
  auto owned = factory->Create(Spec(false), events_);
  auto tool = factory->Create(Spec(true), events_);
  HWND ownedHwnd = HandleOf(owned);
  factory.reset();
  // The owner took its window along; the object knows, and its own destruction is harmless.
  EXPECT_FALSE(IsWindow(ownedHwnd));
  EXPECT_EQ(HandleOf(owned), nullptr);
  owned.reset();
  tool.reset();
}

}  // namespace
}  // namespace tarnwick
