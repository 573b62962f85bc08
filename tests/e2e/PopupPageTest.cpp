// The Popup page of the options window, used as a user does: a menu added there and given to a
// corner pops up from that corner at once and is in the file after the save.
#include <filesystem>
#include <string>
#include <vector>

#include "e2e/Harness.h"

namespace tarnwick::e2e {
namespace {

constexpr const wchar_t* kMenuWindowClass = L"TTarnwick";

// Client points of the options window; its pages lie at 8,40.
constexpr POINT kPopupTab{245, 18};
constexpr POINT kApply{332 + 8, 296 + 8};
constexpr POINT kAddMenu{8 + 368 + 8, 40 + 49 + 8};
constexpr POINT kImportMenu{8 + 368 + 8, 40 + 105 + 8};
constexpr POINT kExportMenu{8 + 368 + 8, 40 + 129 + 8};
// The first file dialog of a Wine prefix sets up the shell's folders, which takes seconds on a
// loaded machine.
constexpr Milliseconds kFileDialogTimeout = 30s;
POINT TriggerCaption(int row) { return {8 + 18 + 40, 40 + 42 + row * 13 + 6}; }
POINT TriggerCheck(int row) { return {8 + 18 + 7, 40 + 42 + row * 13 + 6}; }
POINT MenuRow(int row) { return {8 + 218 + 40, 40 + 42 + row * 13 + 6}; }
constexpr int kTopLeft = 3;

// A file of another version opens the options window at start. Its one menu has three rows,
// so that a menu of one row is told apart from it on the screen.
std::string Configuration(int columns = 1) {
    return "[Setting]\r\nVersion=3.0\r\nStartup=0\r\nAutosave=1\r\nSensitive=2\r\n"
           "[Menu]\r\nTarnwick=0\r\n[Menu Column]\r\nTarnwick=" + std::to_string(columns) +
           "\r\n[Menu Row]\r\nTarnwick=3\r\n"
           "[Popup Enabled]\r\nBottom Right=1\r\nTray Left Click=1\r\n[Popup]\r\nBottom Right=0\r\n"
           "[A]\r\nExec=C:\\a.exe\r\nIcon=-1\r\nColumn=0\r\nRow=0\r\nType=0\r\n"
           "[B]\r\nExec=C:\\b.exe\r\nIcon=-1\r\nColumn=" + std::to_string(columns - 1) + "\r\nRow=2\r\nType=0\r\n";
}

class PopupPageTest : public TarnwickE2eTest {
protected:
    // Starts Tarnwick and brings the Popup page of its options window forward.
    HWND OpenPopupPage(int columns = 1) {
        WriteIni(Configuration(columns));
        m_app = &Launch();
        HWND options = m_app->WaitForWindow(kOptionsWindowClass);
        if (options == nullptr || !WaitUntil([&] { return IsShown(options); }, kStartTimeout)) return nullptr;
        m_options = WindowRect(options);
        // On the screen (its raised frame drawn) before the first click.
        if (!WaitUntil([&] { return ScreenPixel(m_options.left, m_options.top) == 0xAFAFAF; }, 2s)) return nullptr;
        ClickAt(kPopupTab, options);
        return options;
    }
    void ClickAt(POINT client, HWND target = nullptr) {
        EXPECT_TRUE(PushCursorTo(m_options.left + client.x, m_options.top + client.y, target));
        ClickLeftButton();
    }

    // The program's file dialog once it is shown; its file name typed and confirmed.
    bool AnswerFileDialog(const std::filesystem::path& file) {
        HWND dialog = nullptr;
        const bool shown = WaitUntil(
            [&] {
                const std::vector<HWND> dialogs = TopLevelWindowsOf(m_app->Pid(), L"#32770");
                dialog = dialogs.empty() ? nullptr : dialogs.front();
                return dialog != nullptr && IsShown(dialog);
            },
            kFileDialogTimeout);
        if (!shown) return false;
        SetDlgItemTextW(dialog, 1148, file.wstring().c_str());
        PostMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
        return WaitUntil([&] { return !IsWindow(dialog) || !IsShown(dialog); }, kFileDialogTimeout);
    }

    TarnwickProcess* m_app = nullptr;
    RECT m_options{};
};

TEST_F(PopupPageTest, AMenuAddedAndGivenToTheTopLeftCornerPopsUpThereAndIsSaved) {
    HWND options = OpenPopupPage();
    ASSERT_NE(options, nullptr);
    HWND menu = m_app->WaitForWindow(kMenuWindowClass);
    ASSERT_NE(menu, nullptr);
    ClickAt(kAddMenu, options);
    ClickAt(TriggerCaption(kTopLeft), options);
    ClickAt(TriggerCheck(kTopLeft), options);
    // The row of the new menu in the list box, a control of its own.
    ClickAt(MenuRow(1));
    ClickAt(kApply, options);
    ASSERT_TRUE(WaitUntil([&] { return !IsShown(options); }, 2s)) << "Apply hides the window";

    ASSERT_TRUE(PushCursorTo(0, 0));
    // The new menu is empty, one column by one row, with its top-left pixel on the cursor.
    const bool popped = WaitUntil(
        [&] {
            const RECT r = WindowRect(menu);
            return IsShown(menu) && r.left == 0 && r.top == 0 && r.bottom - r.top > 1;
        },
        2s);
    const RECT r = WindowRect(menu);
    EXPECT_TRUE(popped) << r.left << "," << r.top << " " << r.right - r.left << "x" << r.bottom - r.top;
    EXPECT_EQ(r.bottom - r.top, 20 + 2) << "one row: the new menu, not the first one";
    ParkCursorAtCentre();

    EXPECT_EQ(m_app->Close(), std::optional<DWORD>(0));
    const std::string ini = ReadIni().value_or("");
    EXPECT_NE(ini.find("[Menu]\r\nTarnwick=0\r\nNew Menu=1\r\n"), std::string::npos) << ini;
    EXPECT_NE(ini.find("[Menu Row]\r\nTarnwick=3\r\nNew Menu=1\r\n"), std::string::npos) << ini;
    const size_t enabled = ini.find("[Popup Enabled]\r\n");
    const size_t popup = ini.find("[Popup]\r\n");
    ASSERT_NE(enabled, std::string::npos) << ini;
    ASSERT_NE(popup, std::string::npos) << ini;
    EXPECT_NE(ini.find("\r\nTop Left=1\r\n", enabled), std::string::npos) << ini;
    EXPECT_LT(ini.find("\r\nTop Left=1\r\n", enabled), popup) << "checked in [Popup Enabled]";
    EXPECT_NE(ini.find("\r\nTop Left=1\r\n", popup), std::string::npos) << "the new menu's id in [Popup]: " << ini;
    EXPECT_NE(ini.find("\r\nBottom Right=0\r\n", popup), std::string::npos) << ini;
}

TEST_F(PopupPageTest, AMenuExportedAndImportedBackBecomesASecondMenuWithTheSameItemsAndSize) {
    HWND options = OpenPopupPage(2);
    ASSERT_NE(options, nullptr);
    const std::filesystem::path file = Folder() / L"Exported.ini";
    // The first menu is selected: the one trigger 0 opens.
    ClickAt(kExportMenu, options);
    ASSERT_TRUE(AnswerFileDialog(file)) << "the save dialog";
    ASSERT_TRUE(WaitUntil([&] { return ReadFileBytes(file).has_value(); }, 5s));
    const std::string exported = ReadFileBytes(file).value_or("");
    EXPECT_EQ(exported.rfind("[Setting]\r\nColumn=2\r\nRow=3\r\n", 0), 0u) << exported;

    ClickAt(kImportMenu, options);
    ASSERT_TRUE(AnswerFileDialog(file)) << "the open dialog";
    EXPECT_EQ(m_app->Close(), std::optional<DWORD>(0));
    const std::string ini = ReadIni().value_or("");
    EXPECT_NE(ini.find("[Menu]\r\nTarnwick=0\r\nExported=1\r\n"), std::string::npos) << ini;
    EXPECT_NE(ini.find("[Menu Column]\r\nTarnwick=2\r\nExported=2\r\n"), std::string::npos) << ini;
    EXPECT_NE(ini.find("[Menu Row]\r\nTarnwick=3\r\nExported=3\r\n"), std::string::npos) << ini;
    // The items again, numbered as copies, in their cells of the new menu (its id is "Type").
    for (const char* item : {"[A (2)]\r\nExec=C:\\a.exe\r\n", "[B (2)]\r\nExec=C:\\b.exe\r\n"}) {
        const size_t at = ini.find(item);
        ASSERT_NE(at, std::string::npos) << item << ini;
        const std::string section = ini.substr(at, ini.find("\r\n\r\n", at) - at);
        EXPECT_NE(section.find("\r\nType=1"), std::string::npos) << section;
        EXPECT_NE(section.find(item[1] == 'A' ? "\r\nColumn=0\r\nRow=0\r\n" : "\r\nColumn=1\r\nRow=2\r\n"),
                  std::string::npos)
            << section;
    }
}

}  // namespace
}  // namespace tarnwick::e2e
