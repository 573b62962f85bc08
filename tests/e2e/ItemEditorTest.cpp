// The options window's item editor, as a user reaches it: "Properties" on a popped-up menu's
// item opens the Menu Item page on that cell; what is typed and clicked there reaches the item
// with Apply, and the file with the next save.
#include <string>
#include <vector>

#include "e2e/Harness.h"

namespace tarnwick::e2e {
namespace {

namespace fs = std::filesystem;

constexpr const wchar_t* kMenuWindowClass = L"TTarnwick";
constexpr const wchar_t* kContextMenuClass = L"TAMenu";
// Entries on a cell of a one-column, three-row menu: Add, Add Special, Add Column, Remove,
// Remove Row, Properties, ...
constexpr int kProperties = 5;

// Client points of the options window: the Menu Item page lies at 8,40.
constexpr POINT kDescriptionBox{8 + 106, 40 + 40};
constexpr POINT kHotkeyBox{8 + 178, 40 + 160};
constexpr POINT kCtrlToggle{8 + 120 + 8, 40 + 161 + 8};
constexpr POINT kAltToggle{8 + 136 + 8, 40 + 161 + 8};
constexpr POINT kApply{332 + 8, 296 + 8};

std::string Utf8(const std::wstring& text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(size > 0 ? size - 1 : 0), '\0');
    if (size > 1) WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, bytes.data(), size, nullptr, nullptr);
    return bytes;
}

// One column of three rows, popped up by the bottom-right corner, autosave on; then the items.
std::string Configuration(const std::string& items) {
    return "[Setting]\r\nVersion=2.0\r\nSensitive=2\r\nStartup=0\r\nAutosave=1\r\n"
           "[Menu]\r\nTarnwick=0\r\n[Menu Column]\r\nTarnwick=1\r\n[Menu Row]\r\nTarnwick=3\r\n"
           "[Popup Enabled]\r\nBottom Right=1\r\n[Popup]\r\nBottom Right=0\r\n" +
           items;
}

std::string Item(const std::string& name, const std::string& exec, int row, const std::string& extra = "") {
    return "[" + name + "]\r\nExec=" + exec + "\r\nIcon=-1\r\nColumn=0\r\nRow=" + std::to_string(row) +
           "\r\nType=0\r\n" + extra;
}

bool HasSection(const std::string& ini, const std::string& name) {
    return ini.find("\r\n[" + name + "]\r\n") != std::string::npos;
}

// The text of another process's edit box: GetWindowText would give its caption, which is empty.
std::wstring TextOf(HWND box) {
    std::wstring text(static_cast<size_t>(SendMessageW(box, WM_GETTEXTLENGTH, 0, 0)) + 1, L'\0');
    text.resize(static_cast<size_t>(
        SendMessageW(box, WM_GETTEXT, static_cast<WPARAM>(text.size()), reinterpret_cast<LPARAM>(text.data()))));
    return text;
}

class ItemEditorTest : public TarnwickE2eTest {
protected:
    // Starts Tarnwick with the items, pops the menu up, and runs "Properties" on the cell of
    // `row`; returns the options window, shown on the Menu Item page.
    HWND OpenProperties(const std::string& items, int row) {
        WriteIni(Configuration(items));
        m_app = &Launch();
        m_menu = m_app->IsStarted() ? m_app->WaitForWindow(kMenuWindowClass) : nullptr;
        if (m_menu == nullptr) return nullptr;
        // Items are loaded (and their hotkeys registered) once the menu window takes files.
        if (!WaitUntil([&] { return (GetWindowLongPtrW(m_menu, GWL_EXSTYLE) & WS_EX_ACCEPTFILES) != 0; },
                       kStartTimeout)) {
            return nullptr;
        }
        const SIZE screen = ScreenSize();
        EXPECT_TRUE(PushCursorTo(screen.cx - 1, screen.cy - 1));
        const auto poppedUp = [&] {
            const RECT r = WindowRect(m_menu);
            return r.right == screen.cx && r.bottom == screen.cy && IsOnScreen(m_menu);
        };
        if (!WaitUntil(poppedUp, 2s)) {
            ADD_FAILURE() << "the menu did not pop up";
            return nullptr;
        }
        const RECT menu = WindowRect(m_menu);
        const int rows = (menu.bottom - menu.top - 2) / 20;
        EXPECT_TRUE(PushCursorTo(menu.left + 60, menu.top + (rows - row - 1) * 20 + 10, m_menu));
        ClickRightButton();
        HWND context = nullptr;
        const bool painted = WaitUntil(
            [&] {
                context = m_app->Window(kContextMenuClass);
                return context != nullptr && IsOnScreen(context);
            },
            2s);
        if (!painted) {
            ADD_FAILURE() << "the context menu did not open";
            return nullptr;
        }
        ChooseContextEntry(context, kProperties);
        HWND options = m_app->WaitForWindow(kOptionsWindowClass);
        if (options == nullptr || !WaitUntil([&] { return IsShown(options); }, 2s)) return nullptr;
        m_options = options;
        return options;
    }

    void ClickAt(POINT client) {
        const RECT r = WindowRect(m_options);
        EXPECT_TRUE(PushCursorTo(r.left + client.x, r.top + client.y, m_options));
        ClickLeftButton();
    }

    // The edit box of the options window whose top-left corner is at that client point.
    HWND EditAt(POINT client) const {
        for (HWND child = FindWindowExW(m_options, nullptr, L"Edit", nullptr); child != nullptr;
             child = FindWindowExW(m_options, child, L"Edit", nullptr)) {
            RECT r = WindowRect(child);
            MapWindowPoints(HWND_DESKTOP, m_options, reinterpret_cast<POINT*>(&r), 2);
            if (r.left == client.x && r.top == client.y) return child;
        }
        return nullptr;
    }

    TarnwickProcess* m_app = nullptr;
    HWND m_menu = nullptr;
    HWND m_options = nullptr;
};

TEST_F(ItemEditorTest, ADescriptionTypedAndAppliedIsWhatTheSaveWrites) {
    HWND options = OpenProperties(Item("A", "C:\\a.exe", 0) + Item("B", "C:\\b.exe", 1, "Para=-x\r\n"), 1);
    ASSERT_NE(options, nullptr);
    HWND description = EditAt(kDescriptionBox);
    ASSERT_NE(description, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return TextOf(description) == L"B"; }, 2s)) << "the page shows the cell's item";
    ASSERT_TRUE(IsShown(description));

    // As typing does, the box's text changes and the window hears of it.
    SendMessageW(description, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Renamed"));
    ClickAt(kApply);
    ASSERT_TRUE(WaitUntil([&] { return !IsShown(options); }, 2s)) << "Apply hides the window";

    ASSERT_EQ(m_app->Close(), std::optional<DWORD>(0));
    const std::string saved = ReadIni().value_or("");
    EXPECT_TRUE(HasSection(saved, "Renamed")) << saved;
    EXPECT_FALSE(HasSection(saved, "B")) << saved;
    EXPECT_TRUE(HasSection(saved, "A")) << saved;
    EXPECT_NE(saved.find("\r\nPara=-x\r\n"), std::string::npos) << "the rest of the item stays";
}

TEST_F(ItemEditorTest, AHotkeySetInTheBoxLaunchesTheItemOnceApplied) {
    const fs::path probe = CopyLaunchProbe(L"probe\\tool.exe");
    HWND options = OpenProperties(Item("Tool", Utf8(probe.wstring()), 0), 0);
    ASSERT_NE(options, nullptr);
    HWND hotkey = EditAt(kHotkeyBox);
    ASSERT_NE(hotkey, nullptr);

    ClickAt(kCtrlToggle);
    ClickAt(kAltToggle);
    ClickAt({kHotkeyBox.x + 20, kHotkeyBox.y + 9});
    const DWORD thread = GetWindowThreadProcessId(options, nullptr);
    ASSERT_TRUE(WaitUntil(
        [&] {
            GUITHREADINFO info{};
            info.cbSize = sizeof info;
            return GetGUIThreadInfo(thread, &info) && info.hwndFocus == hotkey;
        },
        2s))
        << "a click puts the focus in the hotkey box";
    PressKeys({VK_F7});
    ASSERT_TRUE(WaitUntil([&] { return TextOf(hotkey) == L"Ctrl+Alt+F7"; }, 2s)) << Utf8(TextOf(hotkey));
    ClickAt(kApply);
    ASSERT_TRUE(WaitUntil([&] { return !IsShown(options); }, 2s)) << "Apply hides the window";

    PressKeys({VK_CONTROL, VK_MENU, VK_F7});
    EXPECT_TRUE(WaitForProbeReport(probe).has_value()) << "the hotkey did not launch its item";
}

TEST_F(ItemEditorTest, AHotkeyHeldByAnotherItemShowsAsInUse) {
    const std::string hotkey = "Mod=3\r\nKeyCode=118\r\n";  // Ctrl+Alt+F7
    HWND options = OpenProperties(Item("First", "C:\\a.exe", 0, hotkey) + Item("Second", "C:\\b.exe", 1, hotkey), 1);
    ASSERT_NE(options, nullptr);
    HWND box = EditAt(kHotkeyBox);
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(WaitUntil([&] { return TextOf(box) == L"Ctrl+Alt+F7 (in use)"; }, 2s)) << Utf8(TextOf(box));
}

}  // namespace
}  // namespace tarnwick::e2e
