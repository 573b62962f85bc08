// The menu edited in place, as a user does it: a right click on a popped-up menu opens the
// command menu at the cursor, and its commands change the menu and, once saved, the file.
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cwchar>
#include <initializer_list>
#include <string>
#include <vector>

#include "e2e/Harness.h"
#include "wine/WineTray.h"

namespace tarnwick::e2e {
namespace {

constexpr const wchar_t* kMenuWindowClass = L"TTarnwick";
constexpr const wchar_t* kContextMenuClass = L"TAMenu";
constexpr const wchar_t* kAddSpecialClass = L"TAddSpecial";
// The first file dialog of a Wine prefix sets up the shell's folders, which takes seconds on a
// loaded machine.
constexpr Milliseconds kFileDialogTimeout = 30s;

// One column of three rows, items A (bottom) and B, popped up by the bottom-right corner.
std::string Configuration(bool autosave = false) {
    std::string ini = "[Setting]\r\nVersion=2.0\r\nSensitive=2\r\nStartup=0\r\nTray Menu=1\r\nAutosave=";
    ini += autosave ? "1\r\n" : "0\r\n";
    ini += "[Menu]\r\nTarnwick=0\r\n[Menu Column]\r\nTarnwick=1\r\n[Menu Row]\r\nTarnwick=3\r\n"
           "[Popup Enabled]\r\nBottom Right=1\r\n[Popup]\r\nBottom Right=0\r\n"
           "[A]\r\nExec=C:\\a.exe\r\nIcon=-1\r\nColumn=0\r\nRow=0\r\nType=0\r\n"
           "[B]\r\nExec=C:\\b.exe\r\nIcon=-1\r\nColumn=0\r\nRow=1\r\nType=0\r\n";
    return ini;
}

// Whether a saved file has a section of that name.
bool HasSection(const std::string& ini, const std::string& name) {
    return ini.find("\r\n[" + name + "]\r\n") != std::string::npos;
}

class ContextMenuTest : public TarnwickE2eTest {
protected:
    void SetUp() override {
        TarnwickE2eTest::SetUp();
        if (HasFatalFailure()) return;
    }

    // Starts Tarnwick, pops the menu up in the bottom-right corner and right-clicks the cell of
    // `row`; returns the context menu, shown.
    HWND OpenOnRow(int row, bool autosave = false) {
        WriteIni(Configuration(autosave));
        m_app = &Launch();
        m_menu = m_app->WaitForWindow(kMenuWindowClass);
        if (m_menu == nullptr) return nullptr;
        return PopUpAndRightClick(row);
    }

    HWND PopUpAndRightClick(int row) {
        const SIZE screen = ScreenSize();
        EXPECT_TRUE(PushCursorTo(screen.cx - 1, screen.cy - 1));
        // Not the resting one-pixel window, which has the same corner; and on the screen (its
        // top-left frame pixel drawn), as moving the cursor over it needs.
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
        m_clicked = POINT{menu.left + 60, menu.top + (rows - row - 1) * 20 + 10};
        EXPECT_TRUE(PushCursorTo(m_clicked.x, m_clicked.y, m_menu));
        const auto clicked = std::chrono::steady_clock::now();
        ClickRightButton();
        HWND context = nullptr;
        // Polled finely: the time until its frame is on the screen is reported, not asserted.
        const bool painted = WaitUntil(
            [&] {
                context = m_app->Window(kContextMenuClass);
                return context != nullptr && IsOnScreen(context);
            },
            2s, 1ms);
        m_openedAfter = std::chrono::duration_cast<Milliseconds>(std::chrono::steady_clock::now() - clicked);
        return painted ? context : nullptr;
    }

    // The program's message box or file dialog once it is shown, or nullptr.
    HWND WaitForDialog(Milliseconds timeout) const {
        HWND dialog = nullptr;
        WaitUntil(
            [&] {
                const std::vector<HWND> dialogs = TopLevelWindowsOf(m_app->Pid(), L"#32770");
                dialog = dialogs.empty() ? nullptr : dialogs.front();
                return dialog != nullptr && IsShown(dialog);
            },
            timeout);
        return dialog != nullptr && IsShown(dialog) ? dialog : nullptr;
    }

    // Answers the confirmation box of the program with OK, as Enter does.
    bool AnswerOk() {
        HWND box = WaitForDialog(kStartTimeout);
        if (box == nullptr) return false;
        PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        return WaitUntil([&] { return !IsWindow(box) || !IsShown(box); }, 2s);
    }

    // The menu stays shown after the cursor leaves it: it would hide at the next tick unless
    // locked, so a few ticks are waited out.
    void ExpectTheMenuStaysAfterTheCursorLeaves() {
        ParkCursorAtCentre();
        EXPECT_FALSE(WaitUntil([&] { return !IsShown(m_menu); }, 500ms));
    }

    std::string SaveAndRead(HWND context) {
        ChooseContextEntry(context, 11);  // Save
        std::optional<std::string> ini;
        // Every save writes the "Language" key, which the file written by the test lacks.
        WaitUntil([&] { return (ini = ReadIni()).has_value() && ini->find("\r\nLanguage=") != std::string::npos; }, 5s);
        return ini.value_or("");
    }

    TarnwickProcess* m_app = nullptr;
    HWND m_menu = nullptr;
    POINT m_clicked{};
    Milliseconds m_openedAfter{};
};

// On a cell of a one-column, three-row menu: Add, Add Special, Add Column, Remove, Remove Row,
// Properties, bar, Lock, Disable, bar, Options, Save, About, Exit.
constexpr int kRemove = 3;
constexpr int kAddColumn = 2;
constexpr int kAddSpecial = 1;
constexpr int kLock = 7;
constexpr int kDisable = 8;
constexpr int kSave = 11;
constexpr int kExit = 13;

TEST_F(ContextMenuTest, ARightClickOpensTheCommandsAtTheCursor) {
    HWND context = OpenOnRow(1);
    ASSERT_NE(context, nullptr);
    const RECT r = WindowRect(context);
    EXPECT_EQ(r.bottom - r.top, 14 * 20 + 2);
    // The menu sits in the bottom-right corner: the commands open up and to the left, their
    // bottom-right pixel on the cursor.
    EXPECT_EQ(r.right - 1, m_clicked.x);
    EXPECT_EQ(r.bottom - 1, m_clicked.y);
    EXPECT_EQ(ScreenPixel(r.right - 1, r.bottom - 1), 0x5F5F5FU) << "its raised frame";
    RecordProperty("rightClickToContextMenuMs", static_cast<int>(m_openedAfter.count()));
    std::printf("right click to context menu on screen: %lld ms\n", static_cast<long long>(m_openedAfter.count()));
}

TEST_F(ContextMenuTest, RemoveAfterOkTakesTheItemOutAndSaveWritesTheFileWithoutIt) {
    HWND context = OpenOnRow(1);
    ASSERT_NE(context, nullptr);
    ChooseContextEntry(context, kRemove);
    ASSERT_TRUE(AnswerOk()) << "no confirmation box";
    context = PopUpAndRightClick(0);
    ASSERT_NE(context, nullptr);
    const std::string ini = SaveAndRead(context);
    EXPECT_TRUE(HasSection(ini, "A")) << ini;
    EXPECT_FALSE(HasSection(ini, "B")) << ini;
}

TEST_F(ContextMenuTest, AddColumnWidensTheMenu) {
    HWND context = OpenOnRow(0);
    ASSERT_NE(context, nullptr);
    const LONG before = WindowRect(m_menu).right - WindowRect(m_menu).left;
    ChooseContextEntry(context, kAddColumn);
    // The entry lies above the menu, so the next tick may hide the widened menu before a poll
    // sees it: back in the corner, the menu shows (still or again) with its new column.
    const SIZE screen = ScreenSize();
    EXPECT_TRUE(PushCursorTo(screen.cx - 1, screen.cy - 1));
    EXPECT_TRUE(WaitUntil(
        [&] { return IsOnScreen(m_menu) && WindowRect(m_menu).right - WindowRect(m_menu).left == before + 102; }, 2s))
        << "width " << WindowRect(m_menu).right - WindowRect(m_menu).left << ", was " << before;
}

TEST_F(ContextMenuTest, LockKeepsTheMenuShownAfterTheCursorLeaves) {
    HWND context = OpenOnRow(0);
    ASSERT_NE(context, nullptr);
    ChooseContextEntry(context, kLock);
    ExpectTheMenuStaysAfterTheCursorLeaves();
}

TEST_F(ContextMenuTest, AddSpecialSeparatorIsAddedAndSaved) {
    HWND context = OpenOnRow(1);
    ASSERT_NE(context, nullptr);
    ChooseContextEntry(context, kAddSpecial);
    HWND dialog = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (dialog = m_app->Window(kAddSpecialClass)) != nullptr && IsShown(dialog); },
                          2s));
    HWND list = FindWindowExW(dialog, nullptr, L"ListBox", nullptr);
    ASSERT_NE(list, nullptr);
    // The user picks "Separator" (the fifth kind), types its caption and applies.
    SendMessageW(list, LB_SETCURSEL, 4, 0);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
    HWND caption = FindWindowExW(dialog, nullptr, L"Edit", nullptr);
    ASSERT_NE(caption, nullptr);
    SetWindowTextW(caption, L"Tools");
    const RECT d = WindowRect(dialog);
    ASSERT_TRUE(PushCursorTo(d.left + 300, d.top + 106, dialog));  // the Apply picture
    ClickLeftButton();
    ASSERT_TRUE(WaitUntil([&] { return !IsShown(dialog); }, 2s)) << "Apply closes the dialog";

    context = PopUpAndRightClick(0);
    ASSERT_NE(context, nullptr);
    const std::string ini = SaveAndRead(context);
    const size_t separator = ini.find("[Separator]\r\nExec=Separator\r\nStart=\r\nPara=Tools\r\n");
    ASSERT_NE(separator, std::string::npos) << ini;
    const std::string section = ini.substr(separator, ini.find("\r\n\r\n", separator) - separator);
    EXPECT_NE(section.find("\r\nColumn=0\r\nRow=2\r\nType=0"), std::string::npos) << "above B, in row 2: " << section;
}

// Types text as the keyboard would, character by character.
void TypeText(const std::wstring& text) {
    std::vector<INPUT> inputs;
    for (wchar_t c : text) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wScan = c;
        input.ki.dwFlags = KEYEVENTF_UNICODE;
        inputs.push_back(input);
        input.ki.dwFlags = KEYEVENTF_UNICODE | KEYEVENTF_KEYUP;
        inputs.push_back(input);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// The dialog opens on "Fake Empty" with the focus in the number box: typing 2 and Enter adds
// two placeholders; Esc closes it without a change.
TEST_F(ContextMenuTest, TheAddSpecialDialogTakesEnterAndEsc) {
    HWND context = OpenOnRow(2);
    ASSERT_NE(context, nullptr);
    ChooseContextEntry(context, kAddSpecial);
    HWND dialog = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (dialog = m_app->Window(kAddSpecialClass)) != nullptr && IsShown(dialog); },
                          2s));
    HWND number = FindWindowExW(dialog, nullptr, L"Edit", nullptr);
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == dialog; }, 2s)) << "the dialog has the focus";
    const auto focusOf = [&] {
        GUITHREADINFO gui{};
        gui.cbSize = sizeof gui;
        GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &gui);
        return gui.hwndFocus;
    };
    ASSERT_TRUE(WaitUntil([&] { return focusOf() == number; }, 2s)) << "the focus is in the number box";
    TypeText(L"2");
    // GetWindowText does not read a control of another process; WM_GETTEXT does.
    const auto typed = [&] {
        wchar_t text[16] = {};
        SendMessageW(number, WM_GETTEXT, 16, reinterpret_cast<LPARAM>(text));
        return std::wstring(text);
    };
    ASSERT_TRUE(WaitUntil([&] { return typed() == L"2"; }, 2s)) << "typed into the box: " << typed();
    PressKeys({VK_RETURN});
    ASSERT_TRUE(WaitUntil([&] { return !IsShown(dialog); }, 2s)) << "Enter applies and closes";

    context = PopUpAndRightClick(0);
    ASSERT_NE(context, nullptr);
    ChooseContextEntry(context, kAddSpecial);
    ASSERT_TRUE(WaitUntil([&] { return IsShown(dialog) && GetForegroundWindow() == dialog; }, 2s));
    PressKeys({VK_ESCAPE});
    ASSERT_TRUE(WaitUntil([&] { return !IsShown(dialog); }, 2s)) << "Esc closes";

    // Two placeholders took rows 2 and 3; placeholders are not saved, but the menu grew.
    context = PopUpAndRightClick(0);
    ASSERT_NE(context, nullptr);
    const RECT menu = WindowRect(m_menu);
    EXPECT_EQ(menu.bottom - menu.top, 4 * 20 + 2);
}

TEST_F(ContextMenuTest, AddTakesAFileFromTheFileDialogIntoTheClickedCell) {
    HWND context = OpenOnRow(2);  // the free top row
    ASSERT_NE(context, nullptr);
    const std::filesystem::path file = Folder() / L"notes.txt";
    ASSERT_TRUE(WriteFileBytes(file, "notes"));
    ChooseContextEntry(context, 0);  // Add
    HWND dialog = WaitForDialog(kFileDialogTimeout);
    ASSERT_NE(dialog, nullptr) << "no file dialog";
    // The user types the file's path and presses Enter (the default button).
    SetDlgItemTextW(dialog, 1148, file.wstring().c_str());
    SendMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog) || !IsShown(dialog); }, 2s));

    context = PopUpAndRightClick(0);
    ASSERT_NE(context, nullptr);
    const std::string ini = SaveAndRead(context);
    const size_t notes = ini.find("[notes]\r\nExec=" + file.string() + "\r\n");
    ASSERT_NE(notes, std::string::npos) << ini;
    EXPECT_NE(ini.find("Column=0\r\nRow=2\r\n", notes), std::string::npos) << ini.substr(notes);
}

// More names than a path's worth (or the dialog's first buffer) take as many cells, not a cancel.
TEST_F(ContextMenuTest, AddTakesManyFilesAtOnce) {
    const std::filesystem::path folder = Folder() / L"many";
    std::filesystem::create_directories(folder);
    std::wstring typed;
    const int count = 320;
    for (int i = 0; i < count; ++i) {
        wchar_t name[160];
        std::swprintf(name, 160, L"file %03d with a long name to make the list of chosen files longer than "
                                 L"the first buffer of the dialog.txt", i);
        ASSERT_TRUE(WriteFileBytes(folder / name, "x"));
        typed += L"\"" + std::wstring(name) + L"\" ";
    }
    ASSERT_GT(typed.size(), 32u * 1024u);
    HWND context = OpenOnRow(2);
    ASSERT_NE(context, nullptr);
    ChooseContextEntry(context, 0);  // Add
    HWND dialog = WaitForDialog(kFileDialogTimeout);
    ASSERT_NE(dialog, nullptr) << "no file dialog";
    // Into the folder first (a folder typed and confirmed opens it), then every name at once.
    SetDlgItemTextW(dialog, 1148, folder.wstring().c_str());
    SendMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    SetDlgItemTextW(dialog, 1148, typed.c_str());
    SendMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog) || !IsShown(dialog); }, kFileDialogTimeout));

    // A one-column menu of 3 + 300 - 1 rows: the files stacked up from the clicked row 2.
    const SIZE screen = ScreenSize();
    ASSERT_TRUE(PushCursorTo(screen.cx - 1, screen.cy - 1));
    EXPECT_TRUE(WaitUntil([&] { const RECT r = WindowRect(m_menu); return IsShown(m_menu) && r.bottom - r.top == (2 + count) * 20 + 2; }, 5s))
        << "menu height " << WindowRect(m_menu).bottom - WindowRect(m_menu).top;
}

// The first entry's caption as pixels: a checksum of its row of the context menu.
uint64_t CaptionPixels(HWND context) {
    const RECT r = WindowRect(context);
    uint64_t sum = 0;
    for (int y = r.top + 4; y < r.top + 18; ++y) {
        for (int x = r.left + 30; x < r.right - 4; ++x) sum = sum * 1099511628211ULL + ScreenPixel(x, y);
    }
    return sum;
}

// The Chinese translation that ships with the program, as Language.ini beside the executable,
// gives the context menu its captions.
TEST_F(ContextMenuTest, ALanguageFileGivesTheCommandsTheirCaptions) {
    HWND context = OpenOnRow(0);
    ASSERT_NE(context, nullptr);
    const uint64_t english = CaptionPixels(context);
    EXPECT_EQ(m_app->Close(), std::optional<DWORD>(0));

    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    const std::filesystem::path chinese =
        std::filesystem::path(self).parent_path() / L"languages" / L"SimplifiedChinese.ini";
    const std::optional<std::string> bytes = ReadFileBytes(chinese);
    ASSERT_TRUE(bytes.has_value()) << chinese.string();
    ASSERT_TRUE(WriteFileBytes(Folder() / L"Language.ini", *bytes));
    m_app = &Launch();
    m_menu = m_app->WaitForWindow(kMenuWindowClass);
    ASSERT_NE(m_menu, nullptr);
    context = PopUpAndRightClick(0);
    ASSERT_NE(context, nullptr);
    EXPECT_NE(CaptionPixels(context), english) << "the caption of Add is not the English one";
    // The translation says "Lock" in its own words; the entry still locks.
    ChooseContextEntry(context, kLock);
    ExpectTheMenuStaysAfterTheCursorLeaves();
}

TEST_F(ContextMenuTest, DisableShowsTheTrayIcon) {
    HWND context = OpenOnRow(0);
    ASSERT_NE(context, nullptr);
    const size_t before = test::WineTrayIcons().size();
    ChooseContextEntry(context, kDisable);
    EXPECT_TRUE(WaitUntil([&] { return test::WineTrayIcons().size() == before + 1; }, 2s));
    EXPECT_TRUE(WaitUntil([&] { return !IsShown(m_menu); }, 2s)) << "the menu hides";
}

TEST_F(ContextMenuTest, ExitWithAutosaveSavesTheEdits) {
    HWND context = OpenOnRow(1, true);
    ASSERT_NE(context, nullptr);
    ChooseContextEntry(context, kRemove);
    ASSERT_TRUE(AnswerOk());
    context = PopUpAndRightClick(0);
    ASSERT_NE(context, nullptr);
    ChooseContextEntry(context, kExit);
    EXPECT_EQ(m_app->WaitForExit(), std::optional<DWORD>(0));
    const std::string ini = ReadIni().value_or("");
    EXPECT_TRUE(HasSection(ini, "A")) << ini;
    EXPECT_FALSE(HasSection(ini, "B")) << ini;
}

}  // namespace
}  // namespace tarnwick::e2e

namespace tarnwick::e2e {
namespace {

constexpr int kOptions = 10;

// Client points of the options window, which opens on the General page from "Options".
constexpr POINT kAutosaveBox{8 + 12 + 8, 40 + 36 + 8};
constexpr POINT kDisplayTab{150, 18};
constexpr POINT kBackgroundSwatch{8 + 368 + 9, 40 + 60 + 9};
constexpr POINT kApply{332 + 8, 296 + 8};

class OptionsWindowTest : public ContextMenuTest {
protected:
    // With autosave on, which the General page's box then turns off.
    HWND OpenOptions() {
        HWND context = OpenOnRow(1, true);
        if (context == nullptr) return nullptr;
        ChooseContextEntry(context, kOptions);
        HWND options = m_app->WaitForWindow(kOptionsWindowClass);
        if (options == nullptr || !WaitUntil([&] { return IsShown(options); }, 2s)) return nullptr;
        m_options = WindowRect(options);
        return options;
    }
    void ClickAt(POINT client) {
        EXPECT_TRUE(PushCursorTo(m_options.left + client.x, m_options.top + client.y));
        ClickLeftButton();
    }
    HWND WaitForColorDialog() {
        HWND dialog = nullptr;
        WaitUntil(
            [&] {
                for (HWND window : TopLevelWindowsOf(m_app->Pid(), L"#32770")) {
                    if (IsShown(window) && GetDlgItem(window, 706) != nullptr) dialog = window;
                }
                return dialog != nullptr;
            },
            kStartTimeout);
        return dialog;
    }

    RECT m_options{};
};

TEST_F(OptionsWindowTest, TheAutosaveBoxChangesWhatTheNextSaveWritesAndTheCloseThenWritesNothing) {
    HWND options = OpenOptions();
    ASSERT_NE(options, nullptr);
    ClickAt(kAutosaveBox);
    ClickAt(kApply);
    ASSERT_TRUE(WaitUntil([&] { return !IsShown(options); }, 2s)) << "Apply hides the window";
    HWND context = PopUpAndRightClick(1);
    ASSERT_NE(context, nullptr);
    const std::string saved = SaveAndRead(context);
    EXPECT_NE(saved.find("\r\nAutosave=0\r\n"), std::string::npos) << saved;
    EXPECT_EQ(m_app->Close(), std::optional<DWORD>(0));
    EXPECT_EQ(ReadIni(), std::optional<std::string>(saved)) << "autosave is off: closing leaves the file";
}

TEST_F(OptionsWindowTest, ABackgroundColourAppliedRecoloursThePoppedUpMenu) {
    HWND options = OpenOptions();
    ASSERT_NE(options, nullptr);
    ClickAt(kDisplayTab);
    ClickAt(kBackgroundSwatch);
    HWND dialog = WaitForColorDialog();
    ASSERT_NE(dialog, nullptr) << "the colour chooser opens";
    SetDlgItemTextW(dialog, 706, L"255");
    SetDlgItemTextW(dialog, 707, L"128");
    SetDlgItemTextW(dialog, 708, L"0");
    PostMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog) || !IsShown(dialog); }, 2s));
    ClickAt(kApply);
    ASSERT_TRUE(WaitUntil([&] { return !IsShown(options); }, 2s)) << "Apply hides the window";

    const SIZE screen = ScreenSize();
    ASSERT_TRUE(PushCursorTo(screen.cx - 1, screen.cy - 1));
    // The free top cell of the popped-up menu shows the background.
    const COLORREF orange = RGB(255, 128, 0);
    const bool recoloured = WaitUntil(
        [&] {
            const RECT r = WindowRect(m_menu);
            return IsShown(m_menu) && r.bottom - r.top > 1 && ScreenPixel(r.left + 30, r.top + 10) == orange;
        },
        2s);
    const RECT r = WindowRect(m_menu);
    EXPECT_TRUE(recoloured) << std::hex << ScreenPixel(r.left + 30, r.top + 10);
}

}  // namespace
}  // namespace tarnwick::e2e
