// The corner stays shut while a fullscreen program is in front or a mouse button is held, and
// pops up as soon as neither is the case any more.
#include <string>

#include "e2e/Harness.h"

namespace tarnwick::e2e {
namespace {

constexpr const wchar_t* kMenuWindowClass = L"TTarnwick";

// A saved configuration with one empty menu popped up by the bottom-right corner at once.
std::string Configuration(bool fullscreenGuard) {
    return "[Setting]\r\nVersion=2.0\r\nSensitive=2\r\nAutosave=0\r\nStartup=0\r\nFullscreen Guard=" +
           std::string(fullscreenGuard ? "1" : "0") +
           "\r\n[Menu]\r\nTarnwick=0\r\n[Menu Column]\r\nTarnwick=1\r\n[Menu Row]\r\nTarnwick=1\r\n"
           "[Popup Enabled]\r\nBottom Right=1\r\n";
}

// A window of this program brought to the front: by default borderless over the whole screen,
// as a game or a video player in fullscreen is; or maximised with a caption, as an editor is.
class FullscreenWindow {
public:
    enum class Kind { Borderless, Maximised };
    explicit FullscreenWindow(Kind kind = Kind::Borderless) {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
        windowClass.lpszClassName = L"TarnwickTestFullscreen";
        RegisterClassW(&windowClass);
        const SIZE screen = ScreenSize();
        const DWORD style = kind == Kind::Borderless ? WS_POPUP : WS_OVERLAPPEDWINDOW;
        m_window = CreateWindowExW(0, windowClass.lpszClassName, L"Fullscreen", style, 0, 0, screen.cx, screen.cy,
                                   nullptr, nullptr, windowClass.hInstance, nullptr);
        ShowWindow(m_window, kind == Kind::Borderless ? SW_SHOW : SW_MAXIMIZE);
        SetForegroundWindow(m_window);
    }
    ~FullscreenWindow() { Close(); }
    FullscreenWindow(const FullscreenWindow&) = delete;
    FullscreenWindow& operator=(const FullscreenWindow&) = delete;

    bool InFront() const { return m_window != nullptr && GetForegroundWindow() == m_window; }
    void Close() {
        if (m_window != nullptr) DestroyWindow(m_window);
        m_window = nullptr;
    }

private:
    HWND m_window = nullptr;
};

// A menu popped up, not the one-pixel window that rests in the corner after the start: when the
// first tick comes only once the cursor is already in the corner, that pixel stays shown there.
bool IsPoppedUp(HWND menu) {
    RECT bounds{};
    return IsShown(menu) && GetWindowRect(menu, &bounds) && bounds.right - bounds.left > 1;
}

void PressLeftButton(bool down) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    SendInput(1, &input, sizeof input);
}

class TriggerGuardsTest : public TarnwickE2eTest {
protected:
    // Starts Tarnwick and returns its menu window once the first tick has hidden the resting
    // pixel.
    HWND Start(bool fullscreenGuard) {
        WriteIni(Configuration(fullscreenGuard));
        TarnwickProcess& app = Launch();
        if (!app.IsStarted()) return nullptr;
        HWND menu = app.WaitForWindow(kMenuWindowClass);
        if (menu == nullptr || !WaitUntil([&] { return !IsPoppedUp(menu); }, 2s)) return nullptr;
        return menu;
    }

    static bool PushIntoTheCorner() {
        const SIZE screen = ScreenSize();
        return PushCursorTo(screen.cx - 1, screen.cy - 1);
    }
};

TEST_F(TriggerGuardsTest, AFullscreenProgramInFrontKeepsTheCornerShutUntilItIsGone) {
    HWND menu = Start(true);
    ASSERT_NE(menu, nullptr);
    FullscreenWindow fullscreen;
    ASSERT_TRUE(WaitUntil([&] { return fullscreen.InFront(); }, 2s));

    ASSERT_TRUE(PushIntoTheCorner());
    // Several ticks with the cursor in the corner.
    EXPECT_FALSE(WaitUntil([&] { return IsPoppedUp(menu); }, 500ms)) << "the menu popped up over the fullscreen program";

    fullscreen.Close();
    EXPECT_TRUE(WaitUntil([&] { return IsPoppedUp(menu); }, 2s)) << "the corner stayed shut without it";
}

TEST_F(TriggerGuardsTest, WithTheGuardOffTheCornerPopsUpOverAFullscreenProgram) {
    HWND menu = Start(false);
    ASSERT_NE(menu, nullptr);
    FullscreenWindow fullscreen;
    ASSERT_TRUE(WaitUntil([&] { return fullscreen.InFront(); }, 2s));

    ASSERT_TRUE(PushIntoTheCorner());
    EXPECT_TRUE(WaitUntil([&] { return IsPoppedUp(menu); }, 2s));
}

// Here the work area is the whole screen (no task bar), as on a desktop whose task bar hides
// itself: a maximised window reaches past every edge (-4,-4 to 1284,804 under Wine), and still
// is no fullscreen program.
TEST_F(TriggerGuardsTest, AMaximisedWindowInFrontLetsTheCornerPopUp) {
    HWND menu = Start(true);
    ASSERT_NE(menu, nullptr);
    FullscreenWindow maximised(FullscreenWindow::Kind::Maximised);
    ASSERT_TRUE(WaitUntil([&] { return maximised.InFront(); }, 2s));

    ASSERT_TRUE(PushIntoTheCorner());
    EXPECT_TRUE(WaitUntil([&] { return IsPoppedUp(menu); }, 2s));
}

TEST_F(TriggerGuardsTest, AButtonHeldIntoTheCornerPopsNothingUntilItsRelease) {
    HWND menu = Start(true);
    ASSERT_NE(menu, nullptr);

    PressLeftButton(true);  // at the centre, where a drag starts
    ASSERT_TRUE(PushIntoTheCorner());
    EXPECT_FALSE(WaitUntil([&] { return IsPoppedUp(menu); }, 500ms)) << "the drag popped the menu up";

    PressLeftButton(false);
    EXPECT_TRUE(WaitUntil([&] { return IsPoppedUp(menu); }, 2s)) << "nothing after the release";
}

}  // namespace
}  // namespace tarnwick::e2e
