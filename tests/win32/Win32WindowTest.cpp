#include "platform/win32/Win32Window.h"

#include <windows.h>

#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/win32/Unicode.h"
#include "platform/win32/Win32Tray.h"
#include "platform/win32/Win32Controls.h"
#include "platform/win32/Win32WindowFactory.h"
#include "win32/QuietForms.h"
#include "win32/MessagePump.h"

namespace tarnwick {
namespace {

using test::PumpFor;
using test::PumpUntil;

class RecordingDialogs final : public NoDialogs {
 public:
  void ShowError(const std::string& message) override { errors.push_back(message); }
  void LogError(const std::string& message) override { errors.push_back(message); }
  std::vector<std::string> errors;
};

enum class Throw { Nothing, StdException, Other };

std::string Text(Point point) { return std::to_string(point.x) + "," + std::to_string(point.y); }

std::string Text(MouseButton button) {
  switch (button) {
    case MouseButton::Left: return "left";
    case MouseButton::Right: return "right";
    case MouseButton::Middle: return "middle";
  }
  return "?";
}

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
  void FormMouseMove(Point point) override { mouse.push_back("move " + Text(point)); }
  void FormMouseDown(MouseButton button, Point point) override {
    mouse.push_back("down " + Text(button) + " " + Text(point));
  }
  void FormMouseUp(MouseButton button, Point point) override {
    mouse.push_back("up " + Text(button) + " " + Text(point));
  }
  void FormMouseDoubleClick(MouseButton button, Point point) override {
    if (!tellsDoubleClicks) {
      WindowEvents::FormMouseDoubleClick(button, point);
      return;
    }
    mouse.push_back("double " + Text(button) + " " + Text(point));
  }
  void FormTrayClick(MouseButton button) override { trayClicks.push_back(Text(button)); }
  void FormTaskbarCreated() override { ++taskbarCreations; }
  void FormHotkey(int hotkeyId) override {
    hotkeys.push_back(hotkeyId);
    Raise();
  }
  void FormDropFiles(Point point, bool inClient, const std::vector<std::string>& files) override {
    drops.push_back({point, inClient, files});
    Raise();
  }

  void FormEditChanged(int controlId) override { controls.push_back("changed " + std::to_string(controlId)); }
  void FormEditKeyDown(int controlId, int key) override {
    controls.push_back("key down " + std::to_string(controlId) + " " + std::to_string(key));
  }
  void FormEditKeyUp(int controlId, int key) override {
    controls.push_back("key up " + std::to_string(controlId) + " " + std::to_string(key));
  }
  void FormScrolled(int controlId, int position) override {
    controls.push_back("scrolled " + std::to_string(controlId) + " " + std::to_string(position));
  }

  std::vector<std::string> controls;
  Throw raise = Throw::Nothing;
  // Off: the form keeps the default, which takes a double click as a press.
  bool tellsDoubleClicks = false;
  int paints = 0;
  int closes = 0;
  int endSessionQueries = 0;
  int taskbarCreations = 0;
  std::vector<int> timers;
  std::vector<std::string> mouse;
  std::vector<std::string> trayClicks;
  std::vector<int> hotkeys;
  struct Drop {
    Point point;
    bool inClient;
    std::vector<std::string> files;
  };
  std::vector<Drop> drops;

 private:
  void Raise() {
    if (raise == Throw::StdException) throw std::runtime_error("boom");
    if (raise == Throw::Other) throw 42;
  }
};

class Win32WindowTest : public ::testing::Test {
 protected:
  std::unique_ptr<Window> Make(WindowSpec spec) { return factory_.Create(spec, m_events); }

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

  RecordingDialogs m_dialogs;
  RecordingEvents m_events;
  Win32WindowFactory factory_{m_dialogs, nullptr};
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

TEST_F(Win32WindowTest, CloseRunsFormCloseOnceFromTheLoop) {
  struct Case {
    const char* name;
    bool mainWindow;
    bool destroyedAtOnce;  // else hidden, and destroyed with its object after the loop
    bool endsLoop;
  };
  const Case cases[] = {
      {"other window", false, true, false},
      {"main window", true, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    m_events.closes = 0;
    auto window = Make(Spec(true, false, c.mainWindow));
    HWND hwnd = HandleOf(window);
    window->ShowNoActivate();
    // A second request already queued behind the first (an exit clicked twice) changes nothing.
    window->Close();
    window->Close();
    EXPECT_EQ(m_events.closes, 0) << "Close posts; the handler runs from the loop";
    bool quit = false;
    EXPECT_TRUE(PumpUntil([&] { return m_events.closes > 0; }, 3000, &quit));
    PumpFor(50, &quit);
    EXPECT_EQ(m_events.closes, 1);
    EXPECT_EQ(IsWindow(hwnd) == FALSE, c.destroyedAtOnce);
    EXPECT_FALSE(IsWindowVisible(hwnd));
    EXPECT_EQ(quit, c.endsLoop);
    window.reset();
    EXPECT_FALSE(IsWindow(hwnd));
    PumpFor(20, &quit);
    EXPECT_EQ(quit, c.endsLoop) << "destroying the object afterwards posts no second quit";
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
  EXPECT_EQ(m_events.closes, 0);
}

TEST_F(Win32WindowTest, QueryEndSessionAlwaysAgrees) {
  auto window = Make(Spec());
  EXPECT_EQ(SendMessageW(HandleOf(window), WM_QUERYENDSESSION, 0, 0), TRUE);
  EXPECT_EQ(m_events.endSessionQueries, 1);
  m_events.raise = Throw::StdException;
  EXPECT_EQ(SendMessageW(HandleOf(window), WM_QUERYENDSESSION, 0, 0), TRUE);
  EXPECT_EQ(m_events.endSessionQueries, 2);
}

TEST_F(Win32WindowTest, TimerFiresWithItsIdUntilStopped) {
  auto window = Make(Spec());
  window->StartTimer(42, 10);
  ASSERT_TRUE(PumpUntil([&] { return m_events.timers.size() >= 2; }));
  EXPECT_EQ(m_events.timers[0], 42);
  EXPECT_EQ(m_events.timers[1], 42);
  window->StopTimer(42);
  m_events.timers.clear();
  PumpFor(100);
  EXPECT_TRUE(m_events.timers.empty());
}

TEST_F(Win32WindowTest, PaintsWhenShownAndInvalidated) {
  auto window = Make(Spec());
  HWND hwnd = HandleOf(window);
  window->ShowNoActivate();
  EXPECT_TRUE(window->IsVisible());
  EXPECT_NE(GetForegroundWindow(), hwnd);
  ASSERT_TRUE(PumpUntil([&] { return m_events.paints >= 1; }));
  const int paints = m_events.paints;
  window->Invalidate();
  ASSERT_TRUE(PumpUntil([&] { return m_events.paints > paints; }));
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

TEST_F(Win32WindowTest, SetBoundsLeavesNoOldPixelsBehind) {
  struct Case {
    const char* name;
    Rect bounds;
  };
  const Case cases[] = {
      {"grown from one pixel", Rect{30, 40, 130, 100}},
      {"moved at the same size", Rect{300, 200, 400, 260}},
      {"shrunk", Rect{300, 200, 350, 230}},
  };
  auto window = Make(Spec());
  window->SetBounds(Rect{29, 39, 30, 40});
  window->ShowNoActivate();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(PumpUntil([&] { return GetUpdateRect(HandleOf(window), nullptr, FALSE) == FALSE; }));
    window->SetBounds(c.bounds);
    RECT update{};
    GetUpdateRect(HandleOf(window), &update, FALSE);
    EXPECT_EQ((Rect{update.left, update.top, update.right, update.bottom}),
              (Rect{0, 0, c.bounds.Width(), c.bounds.Height()}));
  }
  window->Hide();
}

// Hints are tools of one tooltip owned by the window: shown at once, kept ten seconds, and
// replaced as a whole.
TEST_F(Win32WindowTest, HintsAreToolsOfTheWindowsTooltip) {
  auto window = Make(Spec());
  window->SetHints({});
  // The tooltip window the window owns, if any.
  const auto tooltip = [&] {
    std::pair<HWND, HWND> search(HandleOf(window), nullptr);
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND candidate, LPARAM data) -> BOOL {
          auto* found = reinterpret_cast<std::pair<HWND, HWND>*>(data);
          wchar_t name[64] = {};
          GetClassNameW(candidate, name, 64);
          if (GetWindow(candidate, GW_OWNER) != found->first || std::wstring(name) != TOOLTIPS_CLASSW) return TRUE;
          found->second = candidate;
          return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.second;
  };
  EXPECT_EQ(tooltip(), nullptr) << "no hints, no tooltip";

  window->SetHints({{{12, 40, 28, 56}, "Add menu"}, {{68, 40, 84, 56}, "Remove \xC3\xA9"}});
  HWND tip = tooltip();
  ASSERT_NE(tip, nullptr);
  EXPECT_EQ(SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0), 2);
  EXPECT_EQ(SendMessageW(tip, TTM_GETDELAYTIME, TTDT_INITIAL, 0), 0);
  EXPECT_EQ(SendMessageW(tip, TTM_GETDELAYTIME, TTDT_AUTOPOP, 0), 10000);
  wchar_t text[64] = {};
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.hwnd = HandleOf(window);
  tool.uId = 2;
  tool.lpszText = text;
  SendMessageW(tip, TTM_GETTEXTW, 64, reinterpret_cast<LPARAM>(&tool));
  EXPECT_EQ(std::wstring(text), L"Remove \u00E9");

  window->SetHints({{{1, 1, 5, 5}, "One"}});
  EXPECT_EQ(SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0), 1);
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
    m_dialogs.errors.clear();
    auto window = Make(Spec());
    HWND hwnd = HandleOf(window);
    m_events.raise = c.raise;

    SendMessageW(hwnd, WM_TIMER, 7, 0);
    EXPECT_EQ(m_dialogs.errors, std::vector<std::string>{c.shown});

    SendMessageW(hwnd, WM_PAINT, 0, 0);
    EXPECT_EQ(m_dialogs.errors.size(), 2u);

    // A close whose handler fails leaves the window in place.
    SendMessageW(hwnd, WM_CLOSE, 0, 0);
    EXPECT_EQ(m_dialogs.errors.size(), 3u);
    EXPECT_TRUE(IsWindow(hwnd));

    // The window goes on working.
    m_events.raise = Throw::Nothing;
    m_events.timers.clear();
    SendMessageW(hwnd, WM_TIMER, 8, 0);
    EXPECT_EQ(m_events.timers, std::vector<int>{8});
    EXPECT_EQ(m_dialogs.errors.size(), 3u);
  }
}

TEST_F(Win32WindowTest, DestroyingTheFactoryTakesOwnedWindowsAlong) {
  RecordingDialogs dialogs;
  auto factory = std::make_unique<Win32WindowFactory>(dialogs, nullptr);
  auto owned = factory->Create(Spec(false), m_events);
  auto tool = factory->Create(Spec(true), m_events);
  HWND ownedHwnd = HandleOf(owned);
  factory.reset();
  // The owner took its window along; the object knows, and its own destruction is harmless.
  EXPECT_FALSE(IsWindow(ownedHwnd));
  EXPECT_EQ(HandleOf(owned), nullptr);
  owned.reset();
  tool.reset();
}

TEST_F(Win32WindowTest, MouseMessagesBecomeEventsWithSignedClientCoordinates) {
  struct Case {
    UINT message;
    int x, y;
    const char* event;
    bool tellsDoubleClicks = false;
  };
  const Case cases[] = {
      {WM_MOUSEMOVE, 12, 34, "move 12,34"},
      {WM_MOUSEMOVE, -3, -70, "move -3,-70"},
      {WM_LBUTTONDOWN, 5, 6, "down left 5,6"},
      {WM_LBUTTONDBLCLK, 5, 6, "down left 5,6"},  // by default a double click is a second press
      {WM_RBUTTONDOWN, 7, 8, "down right 7,8"},
      {WM_RBUTTONDBLCLK, 7, 8, "down right 7,8"},
      {WM_MBUTTONDOWN, 9, 10, "down middle 9,10"},
      {WM_MBUTTONDBLCLK, 9, 10, "down middle 9,10"},
      {WM_LBUTTONDOWN, 5, 6, "down left 5,6", true},
      {WM_LBUTTONDBLCLK, 5, 6, "double left 5,6", true},
      {WM_RBUTTONDBLCLK, 7, -8, "double right 7,-8", true},
      {WM_MBUTTONDBLCLK, 9, 10, "double middle 9,10", true},
      {WM_LBUTTONUP, -40, 300, "up left -40,300"},
      {WM_RBUTTONUP, 250, -1, "up right 250,-1"},
      {WM_MBUTTONUP, 0, 0, "up middle 0,0"},
  };
  auto window = Make(Spec(true, true));
  HWND hwnd = HandleOf(window);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.event);
    m_events.mouse.clear();
    m_events.tellsDoubleClicks = c.tellsDoubleClicks;
    PostMessageW(hwnd, c.message, 0, MAKELPARAM(c.x, c.y));
    PumpUntil([&] { return !m_events.mouse.empty(); }, 1000);
    EXPECT_EQ(m_events.mouse, std::vector<std::string>{c.event});
  }
  ReleaseCapture();
}

TEST_F(Win32WindowTest, LeftPressCapturesTheMouseUntilItsRelease) {
  auto window = Make(Spec(true, true));
  HWND hwnd = HandleOf(window);
  window->ShowNoActivate();
  for (UINT press : {WM_RBUTTONDOWN, WM_MBUTTONDOWN}) {
    SendMessageW(hwnd, press, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(GetCapture(), nullptr) << "only the left button drags";
  }
  SendMessageW(hwnd, WM_LBUTTONDOWN, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(GetCapture(), hwnd) << "a release outside the window must still come here";
  SendMessageW(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(-20, -20));
  EXPECT_EQ(GetCapture(), nullptr);
  window->Hide();
}

TEST_F(Win32WindowTest, OnlyTopmostToolWindowsRefuseActivationByClick) {
  struct Case {
    const char* name;
    bool toolWindow;
    bool topmost;
    bool refuses;
  };
  const Case cases[] = {
      {"menu: topmost tool window", true, true, true},
      {"tool window", true, false, false},
      {"topmost window", false, true, false},
      {"plain window", false, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto window = Make(Spec(c.toolWindow, c.topmost));
    HWND hwnd = HandleOf(window);
    const LRESULT answer = SendMessageW(hwnd, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(hwnd),
                                        MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN));
    EXPECT_EQ(answer == MA_NOACTIVATE, c.refuses);
  }
}

TEST_F(Win32WindowTest, TrayCallbackReportsPressesOnly) {
  struct Case {
    LPARAM mouseMessage;
    std::vector<std::string> clicks;
  };
  const Case cases[] = {
      {WM_LBUTTONDOWN, {"left"}},    {WM_RBUTTONDOWN, {"right"}}, {WM_MOUSEMOVE, {}},
      {WM_LBUTTONUP, {}},            {WM_RBUTTONUP, {}},          {WM_LBUTTONDBLCLK, {}},
      {WM_MBUTTONDOWN, {}},
  };
  auto window = Make(Spec(false));
  HWND hwnd = HandleOf(window);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.mouseMessage);
    m_events.trayClicks.clear();
    PostMessageW(hwnd, kTrayCallbackMessage, kTrayIconId, c.mouseMessage);
    PumpFor(20);
    EXPECT_EQ(m_events.trayClicks, c.clicks);
    EXPECT_TRUE(m_events.mouse.empty()) << "the icon's mouse is not the window's";
  }
}

TEST_F(Win32WindowTest, TaskbarCreatedBroadcastReachesTheWindow) {
  auto window = Make(Spec(false));
  const UINT taskbarCreated = RegisterWindowMessageW(L"TaskbarCreated");
  PostMessageW(HandleOf(window), taskbarCreated, 0, 0);
  ASSERT_TRUE(PumpUntil([&] { return m_events.taskbarCreations > 0; }, 1000));
  EXPECT_EQ(m_events.taskbarCreations, 1);
}

TEST_F(Win32WindowTest, RaiseToTopPutsTheWindowFirstWithoutActivatingIt) {
  auto menu = Make(Spec(true, true));
  auto other = Make(Spec(true, true));
  auto app = Make(Spec(false));  // the user's application, in the foreground
  menu->ShowNoActivate();
  other->ShowNoActivate();  // now above the menu
  app->ShowActivate();
  PumpFor(20);
  ASSERT_EQ(GetForegroundWindow(), HandleOf(app));
  const Rect before = menu->Bounds();

  menu->RaiseToTop();
  PumpFor(20);
  EXPECT_EQ(GetForegroundWindow(), HandleOf(app));
  EXPECT_EQ(menu->Bounds(), before);
  HWND first = HandleOf(menu), second = HandleOf(other);
  bool menuAbove = false;
  for (HWND w = GetTopWindow(nullptr); w != nullptr; w = GetWindow(w, GW_HWNDNEXT)) {
    if (w == first || w == second) {
      menuAbove = w == first;
      break;
    }
  }
  EXPECT_TRUE(menuAbove);
  menu->Hide();
  other->Hide();
  app->Hide();
}

TEST_F(Win32WindowTest, RepaintPaintsBeforeItReturns) {
  auto window = Make(Spec());
  window->ShowNoActivate();
  ASSERT_TRUE(PumpUntil([&] { return m_events.paints >= 1; }));
  const int paints = m_events.paints;
  window->Repaint();
  EXPECT_EQ(m_events.paints, paints + 1);
  window->Hide();
}

TEST_F(Win32WindowTest, DrawPaintsOnTheScreenOutsideAPaintRequest) {
  auto window = Make(Spec(true, true));
  window->ShowNoActivate();
  ASSERT_TRUE(PumpUntil([&] { return m_events.paints >= 1; }));
  PumpFor(20);
  const int paints = m_events.paints;
  window->Draw([](Canvas& canvas) { canvas.FillRect(Rect{20, 30, 40, 50}, 0x0000FF); });
  EXPECT_EQ(m_events.paints, paints);
  HDC screen = GetDC(nullptr);
  // The window's client (20, 30) is at screen (50, 70). Wine copies a window's pixels to the
  // screen a few milliseconds after they are drawn.
  EXPECT_TRUE(PumpUntil([&] { return GetPixel(screen, 50, 70) == 0x0000FFu; }, 1000));
  EXPECT_EQ(GetPixel(screen, 69, 89), 0x0000FFu);
  EXPECT_NE(GetPixel(screen, 70, 90), 0x0000FFu);
  ReleaseDC(nullptr, screen);
  window->Hide();
}

TEST_F(Win32WindowTest, ClientToScreenOffsetsByTheWindowOrigin) {
  auto window = Make(Spec());
  EXPECT_EQ(window->ClientToScreen(Point{0, 0}), (Point{30, 40}));
  EXPECT_EQ(window->ClientToScreen(Point{-5, 7}), (Point{25, 47}));
}

// Text changes (also the program's own), the keys of a box that takes them, and the moves of a
// scroll bar, which counts steps and stops at its last position.
TEST_F(Win32WindowTest, ChildControlsReportChangesKeysAndScrolling) {
  auto window = Make(Spec());
  EditBox& plain = window->AddEditBox(7, Rect{0, 0, 100, 20});
  EditBox& keys = window->AddEditBox(8, Rect{0, 30, 100, 50});
  ScrollBar& bar = window->AddScrollBar(9, Rect{0, 60, 100, 76});
  keys.SetTakesKeys(true);
  keys.SetReadOnly(true);
  plain.SetText("typed");
  EXPECT_EQ(m_events.controls, std::vector<std::string>{"changed 7"});

  m_events.controls.clear();
  HWND keyBox = static_cast<Win32EditBox&>(keys).Handle();
  HWND plainBox = static_cast<Win32EditBox&>(plain).Handle();
  SendMessageW(plainBox, WM_KEYUP, VK_F7, 0);
  SendMessageW(keyBox, WM_KEYDOWN, VK_F7, 0);
  SendMessageW(keyBox, WM_SYSKEYUP, VK_F7, 0);
  EXPECT_EQ(m_events.controls, (std::vector<std::string>{"key down 8 118", "key up 8 118"}))
      << "only the box that takes keys reports them";
  MSG tab{keyBox, WM_KEYDOWN, VK_TAB, 0, 0, {}};
  EXPECT_EQ(SendMessageW(keyBox, WM_GETDLGCODE, VK_TAB, reinterpret_cast<LPARAM>(&tab)) & DLGC_WANTALLKEYS, 0)
      << "Tab still moves the focus on";
  MSG enter{keyBox, WM_KEYDOWN, VK_RETURN, 0, 0, {}};
  EXPECT_NE(SendMessageW(keyBox, WM_GETDLGCODE, VK_RETURN, reinterpret_cast<LPARAM>(&enter)) & DLGC_WANTALLKEYS, 0);

  m_events.controls.clear();
  bar.SetRange(300, 7);
  HWND barHandle = static_cast<Win32ScrollBar&>(bar).Handle();
  for (const WORD request : {SB_LINERIGHT, SB_PAGERIGHT, SB_LINELEFT, SB_RIGHT, SB_LINERIGHT, SB_LEFT}) {
    SendMessageW(HandleOf(window), WM_HSCROLL, MAKEWPARAM(request, 0), reinterpret_cast<LPARAM>(barHandle));
  }
  EXPECT_EQ(m_events.controls, (std::vector<std::string>{"scrolled 9 1", "scrolled 9 8", "scrolled 9 7",
                                                         "scrolled 9 293", "scrolled 9 293", "scrolled 9 0"}));
  EXPECT_EQ(bar.Position(), 0);
}

TEST_F(Win32WindowTest, HotkeyMessagesReportTheirId) {
  auto window = Make(Spec());
  for (WPARAM id : {WPARAM{0}, WPARAM{7}, WPARAM{40000}}) {
    PostMessageW(HandleOf(window), WM_HOTKEY, id, MAKELPARAM(MOD_CONTROL | MOD_ALT, VK_F5));
  }
  ASSERT_TRUE(PumpUntil([&] { return m_events.hotkeys.size() == 3; }, 1000));
  EXPECT_EQ(m_events.hotkeys, (std::vector<int>{0, 7, 40000}));
}

// A drop as the shell hands it over: a DROPFILES block of UTF-16 names, each ended by a NUL,
// with one more NUL after the last. fNC set means the point lies outside the client area.
HGLOBAL MakeDrop(POINT point, bool nonClient, const std::vector<std::wstring>& names) {
  std::wstring list;
  for (const std::wstring& name : names) list += name + L'\0';
  list += L'\0';
  const size_t bytes = sizeof(DROPFILES) + list.size() * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes);
  auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
  drop->pFiles = sizeof(DROPFILES);
  drop->pt = point;
  drop->fNC = nonClient;
  drop->fWide = TRUE;
  std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), list.data(), list.size() * sizeof(wchar_t));
  GlobalUnlock(memory);
  return memory;
}

// GlobalFlags of memory that DragFinish has freed.
bool Released(HGLOBAL memory) { return GlobalFlags(memory) == GMEM_INVALID_HANDLE; }

TEST_F(Win32WindowTest, DroppedFilesArriveWholeInDropOrderAndTheDropIsReleased) {
  std::wstring longName = L"C:\\";
  while (longName.size() < 1500) longName += std::wstring(90, L'n') + L"\\";
  longName += L"end.txt";
  const std::wstring unicodeName = L"C:\\d\u00E9j\u00E0 vu\\\u2713 \U0001D11E.doc";
  struct Case {
    const char* name;
    POINT point;
    bool nonClient;
    std::vector<std::wstring> files;
  };
  const Case cases[] = {
      {"in the client area", {12, 34}, false, {L"C:\\a.txt", unicodeName, longName}},
      {"outside the client area", {-5, 500}, true, {L"C:\\b.txt"}},
  };
  auto window = Make(Spec());
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    m_events.drops.clear();
    HGLOBAL memory = MakeDrop(c.point, c.nonClient, c.files);
    SendMessageW(HandleOf(window), WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
    ASSERT_EQ(m_events.drops.size(), 1u);
    const auto& drop = m_events.drops[0];
    EXPECT_EQ(drop.point, (Point{c.point.x, c.point.y}));
    EXPECT_EQ(drop.inClient, !c.nonClient);
    std::vector<std::string> expected;
    for (const std::wstring& file : c.files) expected.push_back(Narrow(file));
    EXPECT_EQ(drop.files, expected);
    EXPECT_TRUE(Released(memory));
  }
}

TEST_F(Win32WindowTest, ADropIsReleasedWhenItsHandlerThrows) {
  auto window = Make(Spec());
  m_events.raise = Throw::StdException;
  HGLOBAL memory = MakeDrop({1, 1}, false, {L"C:\\a.txt"});
  SendMessageW(HandleOf(window), WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
  EXPECT_EQ(m_events.drops.size(), 1u);
  EXPECT_EQ(m_dialogs.errors, std::vector<std::string>{"boom"});
  EXPECT_TRUE(Released(memory));
}

}  // namespace
}  // namespace tarnwick
