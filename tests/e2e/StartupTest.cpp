#include <string>

#include "e2e/Harness.h"

namespace tarnwick::e2e {
namespace {

using StartupTest = TarnwickE2eTest;

constexpr const wchar_t* kMenuWindowClass = L"TTarnwick";

bool IsResting(HWND menuWindow) {
    const RECT r = WindowRect(menuWindow);
    const SIZE screen = ScreenSize();
    return r.left == screen.cx - 1 && r.top == screen.cy - 1 && r.right == screen.cx &&
           r.bottom == screen.cy;
}

TEST_F(StartupTest, FirstStartShowsTheOptionsWindowAndExitWritesVersionTwo) {
    TarnwickProcess& app = Launch();
    ASSERT_TRUE(app.IsStarted());
    const HWND options = app.WaitForWindow(kOptionsWindowClass);
    ASSERT_NE(options, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return IsShown(options); }, kStartTimeout));
    const RECT r = WindowRect(options);
    const SIZE screen = ScreenSize();
    EXPECT_EQ(r.right - r.left, 418);
    EXPECT_EQ(r.bottom - r.top, 330);
    EXPECT_EQ(r.left, (screen.cx - 418) / 2);
    EXPECT_EQ(r.top, (screen.cy - 330) / 2);

    EXPECT_EQ(app.Close(), std::optional<DWORD>(0));
    const std::optional<std::string> ini = ReadIni();
    ASSERT_TRUE(ini.has_value());
    EXPECT_EQ(ini->rfind("[Setting]\r\nVersion=2.0\r\n", 0), 0u) << *ini;
    EXPECT_NE(ini->find("[Menu]\r\nTarnwick=0\r\n"), std::string::npos) << *ini;
}

TEST_F(StartupTest, ASecondStartEndsAtOnceWithCodeZeroAndShowsNothing) {
    TarnwickProcess& first = Launch();
    ASSERT_NE(first.WaitForWindow(kOptionsWindowClass), nullptr);
    TarnwickProcess& second = Launch();
    ASSERT_TRUE(second.IsStarted());
    EXPECT_EQ(second.WaitForExit(kStartTimeout), std::optional<DWORD>(0));
    EXPECT_TRUE(first.IsRunning());
    EXPECT_EQ(first.Close(), std::optional<DWORD>(0));
}

TEST_F(StartupTest, AVersionTwoFileShowsNoWindowButTheRestingMenuPixel) {
    WriteIni("[Setting]\r\nVersion=2.0\r\n[Menu]\r\nTarnwick=0\r\n");
    TarnwickProcess& app = Launch();
    const HWND menu = app.WaitForWindow(kMenuWindowClass);
    ASSERT_NE(menu, nullptr);
    // The other windows are created after the menu window. (Counting the process's windows
    // does not tell: Wine's IME window and the hidden owner window are top-level too.)
    for (const wchar_t* name : {kOptionsWindowClass, L"TAMenu", L"TAddSpecial"}) {
        const HWND window = app.WaitForWindow(name);
        ASSERT_NE(window, nullptr) << "no window of class " << std::string(name, name + wcslen(name));
        EXPECT_FALSE(IsShown(window));
    }
    // The menu window rests on the bottom-right pixel until a menu pops up.
    EXPECT_TRUE(IsResting(menu));
    const LONG_PTR exStyle = GetWindowLongPtrW(menu, GWL_EXSTYLE);
    EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
    EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW);
    EXPECT_TRUE(exStyle & WS_EX_ACCEPTFILES);
    EXPECT_EQ(app.Close(), std::optional<DWORD>(0));
}

TEST_F(StartupTest, AutosaveOffLeavesTheFileExactlyAsItWas) {
    const std::string original =
        "[Setting]\r\nVersion=2.0\r\nAutosave=0\r\nHand Edited=kept\r\n[Menu]\r\nTarnwick=0\r\n";
    WriteIni(original);
    TarnwickProcess& app = Launch();
    EXPECT_EQ(app.Close(), std::optional<DWORD>(0));
    EXPECT_EQ(ReadIni(), std::optional<std::string>(original));
}

TEST_F(StartupTest, TheEndOfTheSessionSavesWithAutosaveOn) {
    WriteIni("[Setting]\r\nVersion=2.0\r\nHand Edited=dropped\r\n");
    TarnwickProcess& app = Launch();
    const HWND options = app.WaitForWindow(kOptionsWindowClass);
    ASSERT_NE(options, nullptr);
    DWORD_PTR answer = 0;
    ASSERT_NE(SendMessageTimeoutW(options, WM_QUERYENDSESSION, 0, 0, SMTO_NORMAL, 5000, &answer), 0);
    EXPECT_EQ(answer, static_cast<DWORD_PTR>(TRUE));
    const std::optional<std::string> saved = ReadIni();
    ASSERT_TRUE(saved.has_value());
    EXPECT_EQ(saved->find("Hand Edited"), std::string::npos);
    EXPECT_NE(saved->find("Autosave=1"), std::string::npos);
    EXPECT_EQ(app.Close(), std::optional<DWORD>(0));
}

// Every save brings the log-on entry "Tarnwick" in line with "Startup": the program's full path
// while on, no entry while off.
TEST_F(StartupTest, SavingWritesOrRemovesTheLogOnEntry) {
    const auto entry = [] {
        wchar_t data[1024] = {};
        DWORD size = sizeof data;
        const LSTATUS status = RegGetValueW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Run",
                                            L"Tarnwick", RRF_RT_REG_SZ, nullptr, data, &size);
        return status == ERROR_SUCCESS ? std::optional<std::wstring>(data) : std::nullopt;
    };
    WriteIni("[Setting]\r\nVersion=2.0\r\nStartup=1\r\nAutosave=1\r\n");
    EXPECT_EQ(Launch().Close(), std::optional<DWORD>(0));
    const std::wstring path = ExePath().wstring();
    EXPECT_EQ(entry(), std::optional<std::wstring>(path.find(L' ') == std::wstring::npos ? path : L"\"" + path + L"\""));

    WriteIni("[Setting]\r\nVersion=2.0\r\nStartup=0\r\nAutosave=1\r\n");
    EXPECT_EQ(Launch().Close(), std::optional<DWORD>(0));
    EXPECT_EQ(entry(), std::nullopt);
}

TEST_F(StartupTest, AChineseFileNameLoadsAndSavesIntact) {
    // UTF-8 with a byte-order mark, as the program writes text outside the ANSI code page.
    const std::string item = "[\xE6\x8A\xA5\xE5\x91\x8A]\r\nExec=C:\\\xE8\xB5\x84\xE6\x96\x99\\"
                             "\xE6\x8A\xA5\xE5\x91\x8A.txt\r\n";
    WriteIni("\xEF\xBB\xBF[Setting]\r\nVersion=2.0\r\n[Menu]\r\nTarnwick=0\r\n" + item);
    TarnwickProcess& app = Launch();
    EXPECT_EQ(app.Close(), std::optional<DWORD>(0));
    const std::optional<std::string> saved = ReadIni();
    ASSERT_TRUE(saved.has_value());
    EXPECT_EQ(saved->rfind("\xEF\xBB\xBF[Setting]", 0), 0u);
    EXPECT_NE(saved->find(item), std::string::npos) << *saved;
}

}  // namespace
}  // namespace tarnwick::e2e
