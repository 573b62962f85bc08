// The menu as a user meets it: pushed into the bottom-right corner, hovered, clicked, left, and
// switched off by an item and on again from the notification area.
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "e2e/Harness.h"
#include "wine/WineTray.h"

namespace tarnwick::e2e {
namespace {

namespace fs = std::filesystem;
using test::ClickWineTrayIcon;
using test::WineTrayIcons;

constexpr const wchar_t* kMenuWindowClass = L"TTarnwick";

constexpr COLORREF kEdgeLight = 0xAFAFAF;
constexpr COLORREF kEdgeDark = 0x5F5F5F;
constexpr COLORREF kBackground = 0x000000;  // the default
constexpr COLORREF kHighlight = 0x3366CC;   // 0x00BBGGRR, unlike anything else on the screen

// One column of three rows whose labels are narrower than the 50-pixel minimum: each column is
// 100 wide plus a 2-pixel groove, each row 20 high plus the 2-pixel frame.
constexpr int kMenuWidth = 102;
constexpr int kMenuHeight = 62;
constexpr int kRows = 3;

// A point inside the cell of `row` (0 is the bottom row) in client coordinates, clear of its
// caption, which starts at x = 28.
POINT CellPoint(int row, int x = 80) { return POINT{x, (kRows - row - 1) * 20 + 10}; }

struct MenuItem {
    std::string description;
    std::string exec;
    std::string startIn;
    std::string parameters;
    int mode = 1;
    bool disableAfterRun = false;
    int row = 0;
};

struct Options {
    bool trayMenu = false;
};

// A saved configuration (no options window at start) with one menu of one column and three
// rows, popped up by the bottom-right corner and, with "Tray Menu" on, a tray left click.
std::string Configuration(const std::vector<MenuItem>& items, const Options& options = {}) {
    std::string ini =
        "[Setting]\r\nVersion=2.0\r\nSensitive=2\r\nAutosave=0\r\nStartup=0\r\nTarnwik=1\r\n"
        "Exclude Corners=1\r\n";
    ini += "Tray Menu=" + std::string(options.trayMenu ? "1" : "0") + "\r\n";
    ini += "Background=" + std::to_string(kBackground) + "\r\n";
    ini += "Highlight=" + std::to_string(kHighlight) + "\r\n";
    ini += "[Menu]\r\nTarnwick=0\r\n[Menu Column]\r\nTarnwick=1\r\n[Menu Row]\r\nTarnwick=" +
           std::to_string(kRows) + "\r\n";
    ini += "[Popup Enabled]\r\nBottom Right=1\r\nTray Left Click=1\r\n[Popup]\r\nBottom Right=0\r\n"
           "Tray Left Click=0\r\n";
    for (const MenuItem& item : items) {
        ini += "[" + item.description + "]\r\n";
        ini += "Exec=" + item.exec + "\r\n";
        ini += "Start=" + item.startIn + "\r\n";
        ini += "Para=" + item.parameters + "\r\n";
        ini += "Mode=" + std::to_string(item.mode) + "\r\n";
        ini += "Disable=" + std::string(item.disableAfterRun ? "1" : "0") + "\r\n";
        ini += "Column=0\r\nRow=" + std::to_string(item.row) + "\r\nType=0\r\n";
    }
    return ini;
}

bool operator==(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

std::string Text(const RECT& r) {
    char text[64];
    std::snprintf(text, sizeof text, "(%ld,%ld)-(%ld,%ld)", r.left, r.top, r.right, r.bottom);
    return text;
}

class MenuWindowTest : public TarnwickE2eTest {
protected:
    // Starts Tarnwick with the configuration and returns its menu window, which rests hidden
    // (or as one pixel in the corner) until a trigger pops it up.
    HWND Start(const std::string& configuration) {
        WriteIni(configuration);
        m_app = &Launch();
        if (!m_app->IsStarted()) {
            return nullptr;
        }
        return m_app->WaitForWindow(kMenuWindowClass);
    }

    // Pushes the cursor into the bottom-right corner and waits for the menu to show, sized and
    // placed so that its bottom-right pixel is the corner pixel.
    bool PopUpAtBottomRight(HWND menu) {
        const SIZE screen = ScreenSize();
        EXPECT_TRUE(PushCursorTo(screen.cx - 1, screen.cy - 1));
        return WaitForMenuAt(menu, BottomRightRect());
    }

    static RECT BottomRightRect() {
        const SIZE screen = ScreenSize();
        return RECT{screen.cx - kMenuWidth, screen.cy - kMenuHeight, screen.cx, screen.cy};
    }

    // Waits until the menu is placed there and on the screen (its top-left frame pixel drawn),
    // as a cursor move over it needs.
    static bool WaitForMenuAt(HWND menu, const RECT& expected) {
        const bool shown = WaitUntil(
            [&] {
                return IsShown(menu) && WindowRect(menu) == expected &&
                       ScreenPixel(expected.left, expected.top) == kEdgeLight;
            },
            2s);
        EXPECT_TRUE(shown) << "menu at " << Text(WindowRect(menu)) << (IsShown(menu) ? " shown" : " hidden")
                           << ", expected shown at " << Text(expected);
        return shown;
    }

    static bool WaitForHidden(HWND menu) { return WaitUntil([&] { return !IsShown(menu); }, 2s); }

    // Moves the cursor to a point of the menu's client area, the window being where it shows,
    // and returns once the menu has taken the move.
    static bool HoverAt(HWND menu, POINT client) {
        const RECT r = WindowRect(menu);
        return PushCursorTo(r.left + client.x, r.top + client.y, menu);
    }

    static bool WaitForPixel(HWND menu, POINT client, COLORREF colour) {
        const RECT r = WindowRect(menu);
        return WaitUntil([&] { return ScreenPixel(r.left + client.x, r.top + client.y) == colour; }, 2s);
    }

    static COLORREF PixelOf(HWND menu, POINT client) {
        const RECT r = WindowRect(menu);
        return ScreenPixel(r.left + client.x, r.top + client.y);
    }

    std::vector<MenuItem> ThreeLabels() {
        const std::string probe = CopyLaunchProbe(L"probe\\unused.exe").string();
        return {{"A", probe, "", "", 1, false, 0}, {"B", probe, "", "", 1, false, 1},
                {"C", probe, "", "", 1, false, 2}};
    }

    TarnwickProcess* m_app = nullptr;
};

TEST_F(MenuWindowTest, CornerPopsUpTheMenuWithItsBottomRightPixelOnTheCorner) {
    HWND menu = Start(Configuration(ThreeLabels()));
    ASSERT_NE(menu, nullptr);
    ASSERT_TRUE(WaitForHidden(menu)) << "the first tick hides the resting one-pixel window";

    const SIZE screen = ScreenSize();
    const auto pushed = std::chrono::steady_clock::now();
    ASSERT_TRUE(PushCursorTo(screen.cx - 1, screen.cy - 1));
    const RECT expected = BottomRightRect();
    // Polled finely: the time it takes is reported (not asserted) as the corner-to-menu latency.
    const bool onScreen = WaitUntil(
        [&] {
            return IsShown(menu) && WindowRect(menu) == expected &&
                   ScreenPixel(expected.right - 1, expected.bottom - 1) == kEdgeDark;
        },
        2s, 1ms);
    const auto latency = std::chrono::duration_cast<Milliseconds>(std::chrono::steady_clock::now() - pushed);
    EXPECT_TRUE(onScreen) << "menu at " << Text(WindowRect(menu)) << ", expected " << Text(expected);
    RecordProperty("cornerToMenuMs", static_cast<int>(latency.count()));
    std::printf("corner to menu on screen: %lld ms\n", static_cast<long long>(latency.count()));
}

TEST_F(MenuWindowTest, MenuHasARaisedTwoPixelFrame) {
    HWND menu = Start(Configuration(ThreeLabels()));
    ASSERT_NE(menu, nullptr);
    ASSERT_TRUE(PopUpAtBottomRight(menu));

    struct Case {
        int x, y;
        COLORREF colour;
    };
    // Light along the top and left, dark along the bottom and right; the dark edges are drawn
    // last, so the top-right and bottom-left corner pixels are dark.
    const Case cases[] = {
        {0, 0, kEdgeLight},
        {1, 1, kEdgeLight},
        {50, 1, kEdgeLight},
        {1, 30, kEdgeLight},
        {kMenuWidth - 1, kMenuHeight - 1, kEdgeDark},
        {kMenuWidth - 2, kMenuHeight - 2, kEdgeDark},
        {50, kMenuHeight - 2, kEdgeDark},
        {kMenuWidth - 2, 30, kEdgeDark},
        {kMenuWidth - 1, 0, kEdgeDark},
        {0, kMenuHeight - 1, kEdgeDark},
        {2, 2, kBackground},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "client pixel " << c.x << "," << c.y);
        EXPECT_TRUE(WaitForPixel(menu, POINT{c.x, c.y}, c.colour))
            << std::hex << "0x" << PixelOf(menu, POINT{c.x, c.y}) << " instead of 0x" << c.colour;
    }
}

TEST_F(MenuWindowTest, HoverHighlightsTheCellUnderTheCursorCellByCell) {
    HWND menu = Start(Configuration(ThreeLabels()));
    ASSERT_NE(menu, nullptr);
    ASSERT_TRUE(PopUpAtBottomRight(menu));
    ASSERT_TRUE(WaitForPixel(menu, CellPoint(1), kBackground));

    ASSERT_TRUE(HoverAt(menu, CellPoint(1, 40)));
    EXPECT_TRUE(WaitForPixel(menu, CellPoint(1), kHighlight));
    EXPECT_EQ(PixelOf(menu, CellPoint(0)), kBackground);

    ASSERT_TRUE(HoverAt(menu, CellPoint(0, 40)));
    EXPECT_TRUE(WaitForPixel(menu, CellPoint(0), kHighlight));
    EXPECT_TRUE(WaitForPixel(menu, CellPoint(1), kBackground)) << "the old cell loses its highlight";
    EXPECT_TRUE(IsShown(menu));
}

TEST_F(MenuWindowTest, ClickLaunchesTheItemAsStoredAndHidesTheMenu) {
    struct Case {
        const char* name;
        fs::path probe;       // relative to the test folder
        std::string startIn;  // relative to the test folder; empty: none
        std::string parameters;
        int mode;
        int showWindow;  // what the program is started with
    };
    const Case cases[] = {
        {"maximised, in its folder, with parameters", L"probe dir\\max probe.exe", "start here",
         "--opt \"two words\" x\\y", 2, SW_SHOWMAXIMIZED},
        {"minimised, nothing else", L"probe dir\\min probe.exe", "", "", 0, SW_MINIMIZE},
        // A shortcut saved "minimised" stores 7; it opens normally.
        {"unknown mode", L"probe dir\\odd probe.exe", "", "-x", 7, SW_SHOWNORMAL},
    };
    std::vector<MenuItem> items;
    for (int row = 0; row < kRows; ++row) {
        const Case& c = cases[row];
        const std::string start = c.startIn.empty() ? "" : (Folder() / c.startIn).string();
        if (!start.empty()) {
            fs::create_directories(start);
        }
        items.push_back({"Probe " + std::to_string(row), CopyLaunchProbe(c.probe).string(), start, c.parameters,
                         c.mode, false, row});
    }
    HWND menu = Start(Configuration(items));
    ASSERT_NE(menu, nullptr);

    for (int row = 0; row < kRows; ++row) {
        const Case& c = cases[row];
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(PopUpAtBottomRight(menu));
        ASSERT_TRUE(HoverAt(menu, CellPoint(row, 40)));
        ASSERT_TRUE(WaitForPixel(menu, CellPoint(row), kHighlight));
        ClickLeftButton();

        const std::optional<ProbeReport> report = WaitForProbeReport(Folder() / c.probe);
        ASSERT_TRUE(report.has_value()) << "the item's program did not run";
        const std::string exe = (Folder() / c.probe).string();
        const std::string expectedLine = "\"" + exe + "\"" + (c.parameters.empty() ? "" : " " + c.parameters);
        // The quoted program, then the parameters verbatim, and nothing else but blanks.
        EXPECT_EQ(report->commandLine.substr(0, expectedLine.size()), expectedLine);
        EXPECT_EQ(report->commandLine.find_last_not_of(' ') + 1, expectedLine.size()) << report->commandLine;
        // No folder of its own: it starts in Tarnwick's current folder.
        const fs::path folder = c.startIn.empty() ? WorkFolder() : Folder() / c.startIn;
        EXPECT_EQ(fs::path(report->folder), folder);
        EXPECT_EQ(report->showWindow, c.showWindow);
        EXPECT_TRUE(WaitForHidden(menu)) << "the menu hides after a click";
    }
}

// A window of this process whose thread never takes its messages, as a hung program's.
class HungWindow {
public:
    HungWindow() {
        HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        m_thread = std::thread([this, ready] {
            WNDCLASSW wc{};
            wc.lpfnWndProc = DefWindowProcW;
            wc.hInstance = GetModuleHandleW(nullptr);
            wc.lpszClassName = L"TarnwickHungTarget";
            RegisterClassW(&wc);
            m_window = CreateWindowW(L"TarnwickHungTarget", L"Hung", WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
                                     nullptr, wc.hInstance, nullptr);
            SetEvent(ready);
            WaitForSingleObject(m_release, INFINITE);
            DestroyWindow(m_window);
        });
        WaitForSingleObject(ready, INFINITE);
        CloseHandle(ready);
    }
    ~HungWindow() {
        SetEvent(m_release);
        m_thread.join();
        CloseHandle(m_release);
    }
    HungWindow(const HungWindow&) = delete;
    HungWindow& operator=(const HungWindow&) = delete;
    HWND Get() const { return m_window; }

private:
    HANDLE m_release = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HWND m_window = nullptr;
    std::thread m_thread;
};

TEST_F(MenuWindowTest, TheMenuKeepsAnsweringWhileTheTargetOfAWindowMessageHangs) {
    HungWindow hung;
    ASSERT_NE(hung.Get(), nullptr);
    HWND menu = Start(Configuration({{"Message", "Send", "", "TarnwickHungTarget;Hung;32769;0;0", 1, false, 0}}));
    ASSERT_NE(menu, nullptr);
    ASSERT_TRUE(PopUpAtBottomRight(menu));
    ASSERT_TRUE(HoverAt(menu, CellPoint(0, 40)));
    ASSERT_TRUE(WaitForPixel(menu, CellPoint(0), kHighlight));
    ClickLeftButton();
    ASSERT_TRUE(WaitForHidden(menu));

    // The target never answers; the menu does, at once, and pops up again.
    DWORD_PTR answer = 0;
    EXPECT_NE(SendMessageTimeoutW(menu, WM_NULL, 0, 0, SMTO_NORMAL, 1000, &answer), 0)
        << "the menu window does not answer while the target hangs";
    PushCursorTo(ScreenSize().cx / 2, ScreenSize().cy / 2);
    EXPECT_TRUE(PopUpAtBottomRight(menu));
}

TEST_F(MenuWindowTest, LeavingTheMenuHidesItAndTheCornerPopsItUpAgain) {
    HWND menu = Start(Configuration(ThreeLabels()));
    ASSERT_NE(menu, nullptr);
    ASSERT_TRUE(PopUpAtBottomRight(menu));
    ASSERT_TRUE(HoverAt(menu, CellPoint(1, 40)));
    PushCursorTo(ScreenSize().cx / 2, ScreenSize().cy / 2);
    EXPECT_TRUE(WaitForHidden(menu));
    EXPECT_TRUE(PopUpAtBottomRight(menu)) << "hiding re-arms the triggers";
}

TEST_F(MenuWindowTest, DisableAfterRunStopsTheCornersUntilTheTrayIconIsClicked) {
    const fs::path probe = L"probe\\disabling probe.exe";
    std::vector<MenuItem> items = ThreeLabels();
    items[0] = {"Disabling", CopyLaunchProbe(probe).string(), "", "", 1, true, 0};
    HWND menu = Start(Configuration(items, Options{.trayMenu = false}));
    ASSERT_NE(menu, nullptr);
    ASSERT_TRUE(WineTrayIcons().empty());

    ASSERT_TRUE(PopUpAtBottomRight(menu));
    ASSERT_TRUE(HoverAt(menu, CellPoint(0, 40)));
    ASSERT_TRUE(WaitForPixel(menu, CellPoint(0), kHighlight));
    ClickLeftButton();
    ASSERT_TRUE(WaitForProbeReport(Folder() / probe).has_value());
    EXPECT_TRUE(WaitForHidden(menu));
    std::vector<HWND> icons;
    ASSERT_TRUE(WaitUntil([&] { return (icons = WineTrayIcons()).size() == 1; }, 2s)) << "no tray icon";

    // Several ticks with the cursor in the corner pop nothing up.
    const SIZE screen = ScreenSize();
    ASSERT_TRUE(PushCursorTo(screen.cx - 1, screen.cy - 1));
    EXPECT_FALSE(WaitUntil([&] { return IsShown(menu); }, 500ms)) << "the corner still pops up the menu";

    // With "Tray Menu" off a left click on the icon switches the corners back on.
    ParkCursorAtCentre();
    ClickWineTrayIcon(icons[0], WM_LBUTTONDOWN, WM_LBUTTONUP);
    EXPECT_TRUE(WaitUntil([] { return WineTrayIcons().empty(); }, 2s)) << "the icon stays";
    EXPECT_TRUE(PopUpAtBottomRight(menu));
}

TEST_F(MenuWindowTest, ExitItemFromTheTrayMenuEndsTheApplicationAndRemovesTheIcon) {
    const fs::path probe = L"probe\\disabling probe.exe";
    std::vector<MenuItem> items = ThreeLabels();
    items[0] = {"Quit", "exit", "", "", 1, false, 0};
    items[1] = {"Disabling", CopyLaunchProbe(probe).string(), "", "", 1, true, 1};
    HWND menu = Start(Configuration(items, Options{.trayMenu = true}));
    ASSERT_NE(menu, nullptr);

    ASSERT_TRUE(PopUpAtBottomRight(menu));
    ASSERT_TRUE(HoverAt(menu, CellPoint(1, 40)));
    ASSERT_TRUE(WaitForPixel(menu, CellPoint(1), kHighlight));
    ClickLeftButton();
    std::vector<HWND> icons;
    ASSERT_TRUE(WaitUntil([&] { return (icons = WineTrayIcons()).size() == 1; }, 2s)) << "no tray icon";

    // With "Tray Menu" on, a left click on the icon pops up its menu at the cursor, at once.
    const SIZE screen = ScreenSize();
    ParkCursorAtCentre();
    ClickWineTrayIcon(icons[0], WM_LBUTTONDOWN, WM_LBUTTONUP);
    const RECT atCursor{screen.cx / 2, screen.cy / 2, screen.cx / 2 + kMenuWidth, screen.cy / 2 + kMenuHeight};
    ASSERT_TRUE(WaitForMenuAt(menu, atCursor));

    ASSERT_TRUE(HoverAt(menu, CellPoint(0, 40)));
    ASSERT_TRUE(WaitForPixel(menu, CellPoint(0), kHighlight));
    ClickLeftButton();
    EXPECT_EQ(m_app->WaitForExit(), std::optional<DWORD>(0));
    EXPECT_TRUE(WaitUntil([] { return WineTrayIcons().empty(); }, 2s)) << "an icon is left behind";
}

}  // namespace
}  // namespace tarnwick::e2e
