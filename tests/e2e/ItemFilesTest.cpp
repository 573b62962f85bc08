// Items made from files and reached without a menu: files and a shortcut dropped on a popped-up
// menu, item icons extracted from a program's resources, and item hotkeys pressed while no
// menu shows.
#include <windows.h>

#include <shlobj.h>

#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "e2e/Harness.h"
#include "probe/ProbeIcons.h"
#include "storage/IniFile.h"
#include "wine/ShellLinks.h"

namespace tarnwick::e2e {
namespace {

namespace fs = std::filesystem;

constexpr const wchar_t* kMenuWindowClass = L"TTarnwick";
constexpr COLORREF kBackground = 0x000000;

struct MenuItem {
    std::string description{};
    std::string exec{};
    int row = 0;
    std::string icon = "Default Icon";
    int index = -1;
    int modifiers = 0;
    int key = 0;
};

// A saved configuration with one menu of `columns` x `rows`, popped up by the bottom-right
// corner; its items all in column 0. The menu is saved when Tarnwick ends.
std::string Configuration(int columns, int rows, const std::vector<MenuItem>& items) {
    std::string ini =
        "[Setting]\r\nVersion=2.0\r\nSensitive=2\r\nAutosave=1\r\nStartup=0\r\nTarnwik=1\r\n"
        "Exclude Corners=1\r\nTray Menu=0\r\nGet Shortcut=1\r\nBackground=0\r\n";
    ini += "[Menu]\r\nTarnwick=0\r\n[Menu Column]\r\nTarnwick=" + std::to_string(columns) +
           "\r\n[Menu Row]\r\nTarnwick=" + std::to_string(rows) + "\r\n";
    ini += "[Popup Enabled]\r\nBottom Right=1\r\n[Popup]\r\nBottom Right=0\r\n";
    for (const MenuItem& item : items) {
        ini += "[" + item.description + "]\r\nExec=" + item.exec + "\r\nIcon=" + item.icon +
               "\r\nIndex=" + std::to_string(item.index) + "\r\nMod=" + std::to_string(item.modifiers) +
               "\r\nKeyCode=" + std::to_string(item.key) + "\r\nColumn=0\r\nRow=" + std::to_string(item.row) +
               "\r\nType=0\r\n";
    }
    return ini;
}

std::string Utf8(std::wstring_view text) {
    if (text.empty()) {
        return {};
    }
    const int length = static_cast<int>(text.size());
    std::string bytes(static_cast<std::size_t>(
                          WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr, 0, nullptr, nullptr)),
                      '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), length, bytes.data(), static_cast<int>(bytes.size()), nullptr,
                        nullptr);
    return bytes;
}

// Wine's recipe for a drop from outside: the DROPFILES block is written into Tarnwick's own
// memory and its address posted as the drop handle (Wine's GlobalLock takes a plain pointer). A
// handle of this process would be meaningless there. `client` is in the menu's client area.
bool PostDrop(const TarnwickProcess& app, HWND window, POINT client, const std::vector<fs::path>& files) {
    std::wstring names;
    for (const fs::path& file : files) {
        names += file.wstring() + L'\0';
    }
    names += L'\0';
    std::string block(sizeof(DROPFILES) + names.size() * sizeof(wchar_t), '\0');
    DROPFILES header{};
    header.pFiles = sizeof(DROPFILES);
    header.pt = client;
    header.fNC = FALSE;
    header.fWide = TRUE;
    std::memcpy(block.data(), &header, sizeof header);
    std::memcpy(block.data() + sizeof header, names.data(), names.size() * sizeof(wchar_t));

    void* remote = VirtualAllocEx(app.Handle(), nullptr, block.size(), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    SIZE_T written = 0;
    return remote != nullptr && WriteProcessMemory(app.Handle(), remote, block.data(), block.size(), &written) &&
           written == block.size() && PostMessageW(window, WM_DROPFILES, reinterpret_cast<WPARAM>(remote), 0);
}

class ItemFilesTest : public TarnwickE2eTest {
protected:
    // Starts Tarnwick and returns its menu window once every item is loaded (and its hotkey
    // registered): the window exists before the items are, and accepts files only after.
    HWND Start(const std::string& configuration) {
        WriteIni(configuration);
        m_app = &Launch();
        HWND menu = m_app->IsStarted() ? m_app->WaitForWindow(kMenuWindowClass) : nullptr;
        const bool loaded =
            menu != nullptr &&
            WaitUntil([&] { return (GetWindowLongPtrW(menu, GWL_EXSTYLE) & WS_EX_ACCEPTFILES) != 0; }, kStartTimeout);
        return loaded ? menu : nullptr;
    }

    // Pushes the cursor into the bottom-right corner and waits for the menu to show with its
    // bottom-right pixel there.
    static bool PopUpAtBottomRight(HWND menu) {
        const SIZE screen = ScreenSize();
        if (!PushCursorTo(screen.cx - 1, screen.cy - 1)) {
            return false;
        }
        return WaitUntil(
            [&] {
                const RECT r = WindowRect(menu);
                return IsShown(menu) && r.right == screen.cx && r.bottom == screen.cy && r.right - r.left > 1;
            },
            2s);
    }

    // Ends Tarnwick, which saves its menus, and reads the saved file.
    IniFile CloseAndReadSaved() {
        EXPECT_EQ(m_app->Close(), std::optional<DWORD>(0));
        const std::optional<std::string> saved = ReadIni();
        EXPECT_TRUE(saved.has_value());
        return IniFile::Parse(saved.value_or(""));
    }

    TarnwickProcess* m_app = nullptr;
};

TEST_F(ItemFilesTest, DroppedFilesFillTheDropColumnUpwardInDropOrder) {
    const fs::path first = Folder() / L"docs" / L"first file.txt";
    const fs::path second = Folder() / L"docs" / L"second.dat";
    fs::create_directories(first.parent_path());
    ASSERT_TRUE(WriteFileBytes(first, "1"));
    ASSERT_TRUE(WriteFileBytes(second, "2"));
    HWND menu = Start(Configuration(2, 2, {}));
    ASSERT_NE(menu, nullptr);
    ASSERT_TRUE(PopUpAtBottomRight(menu));

    // Empty columns are 100 pixels wide plus a 2-pixel groove, rows 20 high: (50, 30) lies in
    // column 1 (the left one) and row 0 (the bottom one).
    // Closing posts to the same thread's queue, so the drop is handled first.
    ASSERT_TRUE(PostDrop(*m_app, menu, POINT{50, 30}, {first, second}));

    const IniFile saved = CloseAndReadSaved();
    struct Expected {
        const char* section;
        const fs::path& file;
        int row;
    };
    for (const Expected& e : {Expected{"first file", first, 0}, Expected{"second", second, 1}}) {
        SCOPED_TRACE(e.section);
        ASSERT_TRUE(saved.HasSection(e.section));
        EXPECT_EQ(saved.ReadString(e.section, "Exec", ""), Utf8(e.file.wstring()));
        EXPECT_EQ(saved.ReadString(e.section, "Start", ""), Utf8(e.file.parent_path().wstring()) + "\\");
        EXPECT_EQ(saved.ReadString(e.section, "Para", "?"), "");
        EXPECT_EQ(saved.ReadInt(e.section, "Mode", -9), 1);
        EXPECT_EQ(saved.ReadString(e.section, "Icon", ""), "Default Icon");
        EXPECT_EQ(saved.ReadInt(e.section, "Index", -9), -1);
        EXPECT_EQ(saved.ReadInt(e.section, "Column", -9), 1);
        EXPECT_EQ(saved.ReadInt(e.section, "Row", -9), e.row);
    }
}

// The shortcut is made by the shell link object, as Explorer makes one; its show command
// "maximised" is one Wine's shell link object does not report.
TEST_F(ItemFilesTest, ADroppedShortcutBecomesAnItemOfItsTargetWithAWorkingHotkey) {
    const fs::path probe = CopyLaunchProbe(L"probe\\linked probe.exe");
    const fs::path startIn = Folder() / L"start here";
    fs::create_directories(startIn);
    const std::wstring arguments = L"--opt \"two words\" \u2713";
    const fs::path link = Folder() / L"links" / L"Probe.lnk";
    fs::create_directories(link.parent_path());
    ASSERT_EQ(test::SaveShellLink(link.wstring(), {.target = probe.wstring(),
                                                   .description = L"Linked \u2713 probe",
                                                   .workingFolder = startIn.wstring(),
                                                   .arguments = arguments,
                                                   .iconFile = probe.wstring(),
                                                   .iconIndex = 1,
                                                   .showCommand = SW_SHOWMAXIMIZED,
                                                   .hotkey = 0x0674}),  // Ctrl+Alt+F5
              S_OK);
    HWND menu = Start(Configuration(1, 1, {}));
    ASSERT_NE(menu, nullptr);
    ASSERT_TRUE(PopUpAtBottomRight(menu));

    ASSERT_TRUE(PostDrop(*m_app, menu, POINT{50, 10}, {link}));
    // The item shows the shortcut's icon, number 1 of the probe.
    EXPECT_TRUE(WaitUntil([&] { return ScreenPixel(WindowRect(menu).left + 3 + 10, WindowRect(menu).top + 3 + 10) ==
                                       test::kSecondIconLarge; },
                          2s))
        << "the shortcut's icon is not drawn";

    ParkCursorAtCentre();
    ASSERT_TRUE(WaitUntil([&] { return !IsShown(menu); }, 2s));
    PressKeys({VK_CONTROL, VK_MENU, VK_F5});
    const std::optional<ProbeReport> report = WaitForProbeReport(probe);
    ASSERT_TRUE(report.has_value()) << "the shortcut's hotkey did not launch its target";
    EXPECT_EQ(report->commandLine.substr(0, report->commandLine.find_last_not_of(' ') + 1),
              "\"" + Utf8(probe.wstring()) + "\" " + Utf8(arguments));
    EXPECT_EQ(fs::path(report->folder), startIn);
    EXPECT_EQ(report->showWindow, SW_SHOWMAXIMIZED);

    const IniFile saved = CloseAndReadSaved();
    const std::string section = "Linked \xE2\x9C\x93 probe";
    ASSERT_TRUE(saved.HasSection(section));
    EXPECT_EQ(saved.ReadString(section, "Exec", ""), Utf8(probe.wstring()));
    EXPECT_EQ(saved.ReadString(section, "Start", ""), Utf8(startIn.wstring()));
    EXPECT_EQ(saved.ReadString(section, "Para", ""), Utf8(arguments));
    EXPECT_EQ(saved.ReadInt(section, "Mode", -9), 2);
    EXPECT_EQ(saved.ReadString(section, "Icon", ""), Utf8(probe.wstring()));
    EXPECT_EQ(saved.ReadInt(section, "Index", -9), 1);
    EXPECT_EQ(saved.ReadInt(section, "Mod", -9), 3);
    EXPECT_EQ(saved.ReadInt(section, "KeyCode", -9), VK_F5);
    EXPECT_EQ(saved.ReadInt(section, "Column", -9), 0);
    EXPECT_EQ(saved.ReadInt(section, "Row", -9), 0);
}

// The large icon scaled to 16 x 16 is drawn at the cell's left + 1, top + 1; the probe's first
// icon has a transparent top-left corner, where the menu's background shows.
TEST_F(ItemFilesTest, ItemsShowTheIconsOfTheirPrograms) {
    const std::string probe = Utf8(CopyLaunchProbe(L"probe\\icon probe.exe").wstring());
    struct Case {
        const char* name;
        MenuItem item;
        COLORREF centre;
        COLORREF corner;
    };
    const Case cases[] = {
        {"the program's own icon", {"Own icon", probe, 0}, test::kFirstIconLarge, kBackground},
        {"icon number 1 of a file", {"Second icon", probe, 1, probe, 1}, test::kSecondIconLarge,
         test::kSecondIconLarge},
    };
    const int rows = 2;
    std::vector<MenuItem> items;
    for (const Case& c : cases) {
        items.push_back(c.item);
    }
    HWND menu = Start(Configuration(1, rows, items));
    ASSERT_NE(menu, nullptr);
    ASSERT_TRUE(PopUpAtBottomRight(menu));
    const RECT window = WindowRect(menu);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // The cell of column 0 starts at x 2 and y (rows - 1 - row) * 20 + 2; the icon one further.
        const int left = window.left + 3;
        const int top = window.top + (rows - 1 - c.item.row) * 20 + 3;
        EXPECT_TRUE(WaitUntil([&] { return ScreenPixel(left + 10, top + 10) == c.centre; }, 2s))
            << std::hex << "0x" << ScreenPixel(left + 10, top + 10) << " instead of 0x" << c.centre;
        EXPECT_EQ(ScreenPixel(left + 15, top + 15), c.centre);
        EXPECT_EQ(ScreenPixel(left + 1, top + 1), c.corner);
    }
}

// Only the first item of a combination holds it; pressing it launches that item and shows no
// menu.
TEST_F(ItemFilesTest, AHotkeyLaunchesItsItemWhileTheMenuIsHidden) {
    const fs::path first = CopyLaunchProbe(L"probe\\first probe.exe");
    const fs::path second = CopyLaunchProbe(L"probe\\second probe.exe");
    constexpr int kCtrlAlt = 2 | 1;
    HWND menu = Start(Configuration(1, 2, {{"First", Utf8(first.wstring()), 0, "Default Icon", -1, kCtrlAlt, VK_F7},
                                           {"Second", Utf8(second.wstring()), 1, "Default Icon", -1, kCtrlAlt, VK_F7}}));
    ASSERT_NE(menu, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return !IsShown(menu); }, 2s)) << "the resting window stays shown";

    PressKeys({VK_CONTROL, VK_MENU, VK_F7});
    EXPECT_TRUE(WaitForProbeReport(first).has_value()) << "the hotkey did not launch its item";
    EXPECT_FALSE(WaitForProbeReport(second, 500ms).has_value()) << "the second item of the combination ran";
    EXPECT_FALSE(IsShown(menu));
}

}  // namespace
}  // namespace tarnwick::e2e
