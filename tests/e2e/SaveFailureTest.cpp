// A save that cannot write the configuration: the real Tarnwick.exe must tell the user
// "Unable to write to <path>: <reason>" in an error box, naming the file or folder that refused,
// keep the previous file exactly as it was, leave no temporary file behind, and still end
// normally once the box is dismissed.
#include <windows.h>

#include <string>

#include "e2e/Harness.h"

namespace tarnwick::e2e {
namespace {

// A file a save would change: a save drops the key added by hand.
constexpr char kOriginal[] =
    "[Setting]\r\nVersion=2.0\r\nAutosave=1\r\nAdded by hand=1\r\n[Menu]\r\nTarnwick=0\r\n"
    "[Notepad]\r\nExec=C:\\windows\\notepad.exe\r\n";

// The error box of process `pid`: its text, after which it is dismissed with OK.
std::optional<std::wstring> TakeErrorBox(DWORD pid) {
    HWND box = nullptr;
    const bool shown = WaitUntil(
        [&] {
            const std::vector<HWND> boxes = TopLevelWindowsOf(pid, L"#32770");
            box = boxes.empty() ? nullptr : boxes.front();
            return box != nullptr && IsShown(box);
        },
        kStartTimeout);
    if (!shown) return std::nullopt;
    // A message box shows its text in a static control with the id 0xFFFF.
    wchar_t text[1024] = {};
    GetDlgItemTextW(box, 0xFFFF, text, static_cast<int>(std::size(text)));
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    return std::wstring(text);
}

// Files of the folder other than the ones the test put there and the backup.
std::vector<std::wstring> Leftovers(const std::filesystem::path& folder) {
    std::vector<std::wstring> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::wstring name = entry.path().filename().wstring();
        if (name != L"Tarnwick.exe" && name != L"Tarnwick.ini" && name != L"Tarnwick.ini.bak" && name != L"work") {
            names.push_back(name);
        }
    }
    return names;
}

// Runs a Linux program of the machine (Wine starts ELF files given by a Z: path). Its process
// cannot be waited for, so callers poll for its effect.
bool StartUnixProgram(const std::wstring& commandLine) {
    std::wstring command = commandLine;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
        return false;
    }
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    return true;
}

std::optional<std::string> UnixPathOf(const std::filesystem::path& path) {
    using ToUnix = char*(CDECL*)(const wchar_t*);
    // Through a plain function type: GetProcAddress's own type does not match the export's.
    const auto toUnix = reinterpret_cast<ToUnix>(reinterpret_cast<void (*)()>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    if (toUnix == nullptr) return std::nullopt;
    char* unixPath = toUnix(path.wstring().c_str());
    if (unixPath == nullptr) return std::nullopt;
    std::string result(unixPath);
    HeapFree(GetProcessHeap(), 0, unixPath);
    return result;
}

bool CanCreateFileIn(const std::filesystem::path& folder) {
    const std::filesystem::path probe = folder / L"probe.tmp";
    // A lock that lands between the create and the delete below leaves the probe behind; it
    // goes as soon as the folder takes changes again.
    DeleteFileW(probe.c_str());
    HANDLE file = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    return DeleteFileW(probe.c_str()) != FALSE;
}

// While it lives, nobody can add a file to the folder, not even root (the test runs as root,
// for whom permission bits mean nothing): the folder is marked immutable (chattr +i).
class UnwritableFolder {
public:
    explicit UnwritableFolder(std::filesystem::path folder) : m_folder(std::move(folder)) {
        m_unixPath = UnixPathOf(m_folder);
        if (!m_unixPath || !StartUnixProgram(L"Z:\\usr\\bin\\chattr +i \"" + Wide(*m_unixPath) + L"\"")) return;
        m_active = WaitUntil([&] { return !CanCreateFileIn(m_folder); }, 5s, 50ms);
    }
    ~UnwritableFolder() {
        if (!m_unixPath) return;
        StartUnixProgram(L"Z:\\usr\\bin\\chattr -i \"" + Wide(*m_unixPath) + L"\"");
        WaitUntil([&] { return CanCreateFileIn(m_folder); }, 5s, 50ms);
    }
    UnwritableFolder(const UnwritableFolder&) = delete;
    UnwritableFolder& operator=(const UnwritableFolder&) = delete;

    bool Active() const { return m_active; }

private:
    static std::wstring Wide(const std::string& text) { return std::filesystem::path(text).wstring(); }

    std::filesystem::path m_folder;
    std::optional<std::string> m_unixPath;
    bool m_active = false;
};

class SaveFailureTest : public TarnwickE2eTest {
protected:
    // Closes the options window, which saves with Autosave on, and checks that the report
    // names what refused and gives a reason.
    void CloseAndExpectTheErrorBox(TarnwickProcess& app, const std::filesystem::path& refused,
                                   const std::wstring& reason = {}) {
        const HWND options = app.WaitForWindow(kOptionsWindowClass);
        ASSERT_NE(options, nullptr);
        PostMessageW(options, WM_CLOSE, 0, 0);
        const std::optional<std::wstring> text = TakeErrorBox(app.Pid());
        ASSERT_TRUE(text.has_value()) << "no error box";
        const std::wstring start = L"Unable to write to " + refused.wstring() + L": ";
        EXPECT_EQ(text->rfind(start, 0), 0u) << *text;
        if (reason.empty()) {
            EXPECT_GT(text->size(), start.size() + 3) << "no reason given: " << *text;
        } else {
            EXPECT_EQ(*text, start + reason);
        }
        EXPECT_EQ(app.WaitForExit(), std::optional<DWORD>(0));
    }
};

TEST_F(SaveFailureTest, AReadOnlyFileIsReportedAndKeptAsItWas) {
    WriteIni(kOriginal);
    ASSERT_TRUE(SetFileAttributesW(IniPath().c_str(), FILE_ATTRIBUTE_READONLY));
    TarnwickProcess& app = Launch();
    CloseAndExpectTheErrorBox(app, IniPath(), L"The file is read-only.");
    SetFileAttributesW(IniPath().c_str(), FILE_ATTRIBUTE_NORMAL);  // lets TearDown remove it
    EXPECT_EQ(ReadIni(), std::optional<std::string>(kOriginal));
    EXPECT_TRUE(Leftovers(Folder()).empty());
}

TEST_F(SaveFailureTest, AFolderThatTakesNoNewFileIsReportedAndTheFileKept) {
    WriteIni(kOriginal);
    TarnwickProcess& app = Launch();
    ASSERT_NE(app.WaitForWindow(kOptionsWindowClass), nullptr);
    {
        const UnwritableFolder locked(Folder());
        if (!locked.Active()) GTEST_SKIP() << "chattr cannot lock " << Folder().string() << " on this machine";
        // The folder refuses the new file: the message blames the folder, not the file.
        CloseAndExpectTheErrorBox(app, Folder());
    }
    EXPECT_EQ(ReadIni(), std::optional<std::string>(kOriginal));
    EXPECT_TRUE(Leftovers(Folder()).empty());
}

}  // namespace
}  // namespace tarnwick::e2e
