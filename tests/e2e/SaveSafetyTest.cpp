// The configuration survives whatever happens to a save: the real Tarnwick.exe killed at any
// moment of saving a large configuration, a save cut off with only its temporary file left,
// and the end of the session with a file that cannot be written. Also the one backup
// generation a save keeps.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "e2e/Harness.h"

namespace tarnwick::e2e {
namespace {

namespace fs = std::filesystem;

// How every file the program writes ends; a file that ends otherwise was cut off.
constexpr std::string_view kEndOfFile = "\r\n\r\n; end of Tarnwick.ini\r\n";

bool IsComplete(std::string_view bytes) { return bytes.ends_with(kEndOfFile); }

size_t ItemCount(std::string_view bytes) {
    size_t count = 0;
    for (size_t at = bytes.find("\r\nExec="); at != std::string_view::npos; at = bytes.find("\r\nExec=", at + 1)) {
        ++count;
    }
    return count;
}

// `count` items in one menu, each in a cell of its own. The programs do not exist and the
// icon is a number that names no image, so start-up neither extracts nor draws icons (drawing
// 20,000 of them in the first paint takes seconds under Wine): the time goes to loading and
// saving.
std::string Configuration(int count) {
    constexpr int kColumns = 100;
    std::string text =
        "[Setting]\r\nVersion=2.0\r\nAutosave=1\r\n[Menu]\r\nTarnwick=0\r\n[Menu Column]\r\nTarnwick=" +
        std::to_string(kColumns) + "\r\n[Menu Row]\r\nTarnwick=" + std::to_string((count + kColumns - 1) / kColumns) +
        "\r\n";
    char item[160];
    for (int i = 0; i < count; ++i) {
        std::snprintf(item, sizeof item,
                      "[Item %05d]\r\nExec=C:\\Missing\\program%d.exe\r\nIcon=-1\r\nColumn=%d\r\nRow=%d\r\nType=0\r\n",
                      i, i, i % kColumns, i / kColumns);
        text += item;
    }
    return text;
}

// The file with a key the program does not know, which its next save drops: that save then
// has something to write.
std::string WithHandAddedKey(const std::string& file, int value) {
    std::string changed = file;
    const std::string section = "[Setting]\r\n";
    const size_t at = changed.find(section);
    changed.insert(at == std::string::npos ? 0 : at + section.size(),
                   "Added by hand=" + std::to_string(value) + "\r\n");
    return changed;
}

// Temporary files a save makes beside the file and its backup: Tarnwick.ini.<pid>.<n>.tmp and
// Tarnwick.ini.bak.<pid>.<n>.tmp.
std::vector<std::wstring> TempFiles(const fs::path& folder) {
    std::vector<std::wstring> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::wstring name = entry.path().filename().wstring();
        if (name.starts_with(L"Tarnwick.ini.") && name.ends_with(L".tmp")) names.push_back(name);
    }
    return names;
}

std::string Narrow(const std::vector<std::wstring>& names) {
    std::string text;
    for (const std::wstring& name : names) text += fs::path(name).string() + " ";
    return text;
}

std::optional<ULONGLONG> FileSize(const fs::path& file) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(file.c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
    return (static_cast<ULONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

// A temporary file of process `pid` beside `target` whose size is `size`, or whose name
// merely exists when `size` is nullopt. Through the find functions, which, unlike a directory
// iterator, take files vanishing during the search in their stride.
bool HasTempFile(const fs::path& target, DWORD pid, std::optional<ULONGLONG> size) {
    const fs::path pattern = target.wstring() + L"." + std::to_wstring(pid) + L".*.tmp";
    WIN32_FIND_DATAW entry{};
    const HANDLE search = FindFirstFileW(pattern.c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) return false;
    bool found = false;
    do {
        const ULONGLONG entrySize = (static_cast<ULONGLONG>(entry.nFileSizeHigh) << 32) | entry.nFileSizeLow;
        found = !size || entrySize == *size;
    } while (!found && FindNextFileW(search, &entry));
    FindClose(search);
    return found;
}

// Runs until `done` returns true or `timeout` has passed, looking every millisecond whether
// `file` exists: false when it was missing at any look. (ReplaceFileW under Wine leaves the
// file missing for a few milliseconds: this sees that.)
bool FileStaysWhile(const fs::path& file, const std::function<bool()>& done, Milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    bool stayed = true;
    for (;;) {
        stayed = stayed && GetFileAttributesW(file.c_str()) != INVALID_FILE_ATTRIBUTES;
        if (done() || std::chrono::steady_clock::now() >= deadline) return stayed;
        std::this_thread::sleep_for(1ms);
    }
}

// What the system-wide debug monitor receives: the lines OutputDebugString sends from other
// processes when no debugger is attached to them, by the sender's process id.
class DebugOutputMonitor {
public:
    DebugOutputMonitor() {
        m_bufferReady = CreateEventW(nullptr, FALSE, FALSE, L"DBWIN_BUFFER_READY");
        const bool another = GetLastError() == ERROR_ALREADY_EXISTS;
        m_dataReady = CreateEventW(nullptr, FALSE, FALSE, L"DBWIN_DATA_READY");
        m_mapping = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, kBufferSize, L"DBWIN_BUFFER");
        m_view = m_mapping != nullptr ? MapViewOfFile(m_mapping, FILE_MAP_READ, 0, 0, kBufferSize) : nullptr;
        m_stop = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        if (another || m_bufferReady == nullptr || m_dataReady == nullptr || m_view == nullptr || m_stop == nullptr) {
            return;
        }
        m_thread = std::thread([this] { Receive(); });
    }
    ~DebugOutputMonitor() {
        if (m_stop != nullptr) SetEvent(m_stop);
        if (m_thread.joinable()) m_thread.join();
        if (m_view != nullptr) UnmapViewOfFile(m_view);
        for (HANDLE handle : {m_mapping, m_dataReady, m_bufferReady, m_stop}) {
            if (handle != nullptr) CloseHandle(handle);
        }
    }
    DebugOutputMonitor(const DebugOutputMonitor&) = delete;
    DebugOutputMonitor& operator=(const DebugOutputMonitor&) = delete;

    bool Listening() const { return m_thread.joinable(); }

    std::string TextOf(DWORD pid) const {
        std::lock_guard lock(m_mutex);
        std::string text;
        for (const auto& [sender, line] : m_lines) {
            if (sender == pid) text += line;
        }
        return text;
    }

private:
    static constexpr DWORD kBufferSize = 4096;

    void Receive() {
        const HANDLE waits[] = {m_stop, m_dataReady};
        SetEvent(m_bufferReady);
        while (WaitForMultipleObjects(2, waits, FALSE, INFINITE) == WAIT_OBJECT_0 + 1) {
            // The buffer holds the sender's process id, then its text, ended by a zero.
            const auto* bytes = static_cast<const char*>(m_view);
            DWORD sender = 0;
            std::memcpy(&sender, bytes, sizeof sender);
            const char* text = bytes + sizeof sender;
            const std::string line(text, strnlen(text, kBufferSize - sizeof sender));
            {
                std::lock_guard lock(m_mutex);
                m_lines.emplace_back(sender, line);
            }
            SetEvent(m_bufferReady);
        }
    }

    HANDLE m_bufferReady = nullptr;
    HANDLE m_dataReady = nullptr;
    HANDLE m_mapping = nullptr;
    void* m_view = nullptr;
    HANDLE m_stop = nullptr;
    std::thread m_thread;
    mutable std::mutex m_mutex;
    std::vector<std::pair<DWORD, std::string>> m_lines;
};

// Marks a file read-only while it lives; writable again however the test ends, so that
// TearDown can remove it.
class ReadOnlyFile {
public:
    explicit ReadOnlyFile(fs::path file)
        : m_file(std::move(file)), m_set(SetFileAttributesW(m_file.c_str(), FILE_ATTRIBUTE_READONLY) != FALSE) {}
    ~ReadOnlyFile() { SetFileAttributesW(m_file.c_str(), FILE_ATTRIBUTE_NORMAL); }
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

    bool IsSet() const { return m_set; }

private:
    fs::path m_file;
    bool m_set;
};

class SaveSafetyTest : public TarnwickE2eTest {
protected:
    fs::path BackupPath() const { return Folder() / L"Tarnwick.ini.bak"; }

    // Starts Tarnwick.exe and waits until it has loaded its file and runs its message loop:
    // the last window of start-up exists and the options window answers. Returns the options
    // window, or nullptr (after a test failure) when it did not come up.
    HWND LaunchAndWaitUntilUp(TarnwickProcess*& started) {
        TarnwickProcess& app = Launch();
        started = &app;
        const HWND options = app.WaitForWindow(kOptionsWindowClass);
        if (options == nullptr || app.WaitForWindow(L"TAddSpecial") == nullptr) {
            ADD_FAILURE() << "Tarnwick did not start";
            return nullptr;
        }
        DWORD_PTR answer = 0;
        if (SendMessageTimeoutW(options, WM_NULL, 0, 0, SMTO_NORMAL, static_cast<UINT>(kStartTimeout.count()),
                                &answer) == 0) {
            ADD_FAILURE() << "the options window does not answer";
            return nullptr;
        }
        return options;
    }

    // A start and a normal end (with Autosave on, a save): the file it leaves. The file must
    // exist at every moment of the save.
    std::optional<std::string> StartAndClose() {
        TarnwickProcess* app = nullptr;
        const HWND options = LaunchAndWaitUntilUp(app);
        if (options == nullptr) return std::nullopt;
        PostMessageW(options, WM_CLOSE, 0, 0);
        EXPECT_TRUE(FileStaysWhile(IniPath(), [&] { return !app->IsRunning(); }, kExitTimeout))
            << "Tarnwick.ini was missing for a moment of the save";
        EXPECT_EQ(app->WaitForExit(), std::optional<DWORD>(0));
        return ReadIni();
    }
};

// A kill at any moment of the save of 20,000 items loses nothing. Tarnwick.ini exists
// at every moment of each save; after each kill it is whole (the file before the save or the
// one the save wrote, nothing else), and the next start loads every item: its own save then
// writes exactly the full configuration and clears the temporary files.
TEST_F(SaveSafetyTest, AKillAtAnyMomentOfASaveLosesNoItem) {
    constexpr int kItems = 20000;
    WriteIni(Configuration(kItems));

    // The first save writes the configuration as the program writes it, and shows how long a
    // save and exit take: the timed kills below are spread over that time and past it (the
    // saves vary with the machine's load).
    const auto firstStart = std::chrono::steady_clock::now();
    TarnwickProcess* first = nullptr;
    const HWND firstOptions = LaunchAndWaitUntilUp(first);
    ASSERT_NE(firstOptions, nullptr);
    const auto closed = std::chrono::steady_clock::now();
    PostMessageW(firstOptions, WM_CLOSE, 0, 0);
    ASSERT_EQ(first->WaitForExit(), std::optional<DWORD>(0));
    const auto saveTime = std::chrono::duration_cast<Milliseconds>(std::chrono::steady_clock::now() - closed);
    const auto startTime = std::chrono::duration_cast<Milliseconds>(closed - firstStart);
    const std::optional<std::string> full = ReadIni();
    ASSERT_TRUE(full.has_value());
    ASSERT_TRUE(IsComplete(*full));
    ASSERT_EQ(ItemCount(*full), static_cast<size_t>(kItems));

    // Kill moments: delays after WM_CLOSE from 0 to half as long again as the measured save
    // and exit, and the steps of the save, seen in the folder: the backup's temporary file
    // appears; the file's temporary file appears (the backup is in place); it has all its bytes
    // (just before the rename); the file has the new bytes (just after it).
    enum class Step { None, BackupTempAppears, TempAppears, TempComplete, FileReplaced };
    struct Moment {
        Milliseconds delay{0};
        Step step = Step::None;
    };
    constexpr int kTimed = 10;
    std::vector<Moment> moments;
    for (int i = 0; i < kTimed; ++i) moments.push_back({saveTime * 3 * i / (2 * (kTimed - 1))});
    for (Step step : {Step::BackupTempAppears, Step::TempAppears, Step::TempComplete, Step::FileReplaced}) {
        moments.push_back({0ms, step});
    }

    // What each kill left, for the log: whether the process still ran when it was killed, and
    // which file it left.
    std::string outcomes;
    for (size_t k = 0; k < moments.size(); ++k) {
        const Moment& moment = moments[k];
        const std::string name = moment.step == Step::BackupTempAppears ? "backup temp appears"
                                 : moment.step == Step::TempAppears     ? "temp appears"
                                 : moment.step == Step::TempComplete    ? "temp complete"
                                 : moment.step == Step::FileReplaced    ? "file replaced"
                                                                        : std::to_string(moment.delay.count()) + " ms";
        SCOPED_TRACE("kill " + std::to_string(k) + " at " + name);
        const std::string before = WithHandAddedKey(*full, static_cast<int>(k));
        WriteIni(before);

        TarnwickProcess* app = nullptr;
        const HWND options = LaunchAndWaitUntilUp(app);
        ASSERT_NE(options, nullptr);
        const auto killAt = std::chrono::steady_clock::now() + moment.delay;
        const std::function<bool()> reached = [&] {
            switch (moment.step) {
                case Step::None: return std::chrono::steady_clock::now() >= killAt;
                case Step::BackupTempAppears: return HasTempFile(BackupPath(), app->Pid(), std::nullopt);
                case Step::TempAppears: return HasTempFile(IniPath(), app->Pid(), std::nullopt);
                case Step::TempComplete: return HasTempFile(IniPath(), app->Pid(), full->size());
                case Step::FileReplaced: return FileSize(IniPath()) == full->size();
            }
            return true;
        };
        PostMessageW(options, WM_CLOSE, 0, 0);
        EXPECT_TRUE(FileStaysWhile(IniPath(), [&] { return reached() || !app->IsRunning(); }, kExitTimeout))
            << "Tarnwick.ini was missing for a moment of the save";
        const bool killed = app->IsRunning();
        app->Terminate();
        ASSERT_FALSE(app->IsRunning());

        const std::optional<std::string> left = ReadIni();
        ASSERT_TRUE(left.has_value()) << "Tarnwick.ini is missing; temporary files: " << Narrow(TempFiles(Folder()));
        EXPECT_TRUE(*left == before || *left == *full)
            << "Tarnwick.ini is neither the file before the save nor the one it writes; " << left->size()
            << " bytes, " << ItemCount(*left) << " items";
        outcomes += " " + name + (killed ? "" : " (had ended)") + ": " +
                    (*left == before ? "previous" : *left == *full ? "new" : "other") + ",";

        const std::optional<std::string> next = StartAndClose();
        ASSERT_TRUE(next.has_value()) << "no Tarnwick.ini after the next start";
        EXPECT_EQ(ItemCount(*next), static_cast<size_t>(kItems));
        EXPECT_TRUE(*next == *full) << "the next start did not load the whole configuration";
        EXPECT_TRUE(TempFiles(Folder()).empty()) << Narrow(TempFiles(Folder()));
        if (HasFailure()) break;
    }
    std::printf("%d items: start %lld ms, save and exit %lld ms; kills:%s\n", kItems,
                static_cast<long long>(startTime.count()), static_cast<long long>(saveTime.count()),
                outcomes.c_str());
}

// A save cut off after its temporary file was complete, with Tarnwick.ini missing or empty
// (the parameter) and a newer but cut-off temporary file beside it: the start loads the
// complete one, puts it in the file's place, and the next save clears the leftovers.
class SaveSafetyRecoveryTest : public SaveSafetyTest, public ::testing::WithParamInterface<bool> {};

TEST_P(SaveSafetyRecoveryTest, TheCompleteTemporaryFileTakesTheFilesPlace) {
    const bool iniEmpty = GetParam();
    WriteIni(WithHandAddedKey(Configuration(3), 0));
    const std::optional<std::string> saved = StartAndClose();
    ASSERT_TRUE(saved.has_value());
    ASSERT_TRUE(IsComplete(*saved));
    ASSERT_TRUE(DeleteFileW(BackupPath().c_str()));

    const fs::path complete = Folder() / L"Tarnwick.ini.4242.1.tmp";
    const fs::path cut = Folder() / L"Tarnwick.ini.4242.2.tmp";
    ASSERT_TRUE(MoveFileW(IniPath().c_str(), complete.c_str()));
    // Cut just before the end mark: it would load as a version-2.0 file with all its items.
    ASSERT_TRUE(WriteFileBytes(cut, std::string_view(*saved).substr(0, saved->size() - 10)));
    if (iniEmpty) WriteIni("");
    {
        // The cut file is the newer one.
        FILETIME later{};
        GetSystemTimeAsFileTime(&later);
        ULARGE_INTEGER time{{later.dwLowDateTime, later.dwHighDateTime}};
        time.QuadPart += 3600ull * 10'000'000;
        later = {time.LowPart, time.HighPart};
        HANDLE file = CreateFileW(cut.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        EXPECT_TRUE(SetFileTime(file, nullptr, nullptr, &later));
        CloseHandle(file);
    }

    TarnwickProcess* app = nullptr;
    const HWND options = LaunchAndWaitUntilUp(app);
    ASSERT_NE(options, nullptr);
    EXPECT_FALSE(IsShown(options)) << "started as a first run";
    EXPECT_EQ(ReadIni(), saved);
    EXPECT_FALSE(fs::exists(complete));

    EXPECT_EQ(app->Close(), std::optional<DWORD>(0));
    EXPECT_EQ(ReadIni(), saved);
    EXPECT_TRUE(TempFiles(Folder()).empty()) << Narrow(TempFiles(Folder()));
    EXPECT_FALSE(fs::exists(BackupPath())) << "the save changed nothing and needs no backup";
}

INSTANTIATE_TEST_SUITE_P(, SaveSafetyRecoveryTest, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return info.param ? "FileEmpty" : "FileMissing";
                         });

// One backup generation: a save that changes the file keeps the previous bytes as
// Tarnwick.ini.bak, replacing an older backup; a save that changes nothing writes no backup and
// leaves the file byte for byte.
TEST_F(SaveSafetyTest, ASaveKeepsThePreviousFileAsTheBackupOnlyWhenItChangesIt) {
    const std::string handMade = WithHandAddedKey(Configuration(3), 1);
    WriteIni(handMade);
    const std::optional<std::string> saved = StartAndClose();
    ASSERT_TRUE(saved.has_value());
    EXPECT_NE(saved, handMade);
    EXPECT_EQ(ReadFileBytes(BackupPath()), handMade);

    ASSERT_TRUE(DeleteFileW(BackupPath().c_str()));
    EXPECT_EQ(StartAndClose(), saved);
    EXPECT_FALSE(fs::exists(BackupPath()));

    const std::string editedAgain = WithHandAddedKey(*saved, 2);
    WriteIni(editedAgain);
    EXPECT_EQ(StartAndClose(), saved);
    EXPECT_EQ(ReadFileBytes(BackupPath()), editedAgain);
    EXPECT_TRUE(TempFiles(Folder()).empty()) << Narrow(TempFiles(Folder()));
}

// The end of the session with a read-only file: nobody can answer a box then, so the failure
// goes to the debugger output, the query is answered at once and the file stays as it was.
TEST_F(SaveSafetyTest, AFailedSaveAtTheEndOfTheSessionIsLoggedNotShown) {
    const std::string original = WithHandAddedKey(Configuration(3), 1);
    WriteIni(original);
    const ReadOnlyFile readOnly(IniPath());
    ASSERT_TRUE(readOnly.IsSet());
    const DebugOutputMonitor debugOutput;
    ASSERT_TRUE(debugOutput.Listening()) << "cannot receive debugger output";

    TarnwickProcess* app = nullptr;
    const HWND options = LaunchAndWaitUntilUp(app);
    ASSERT_NE(options, nullptr);
    DWORD_PTR answer = 0;
    // A box would keep the query waiting until someone answers it: no answer in this time is
    // that, not slowness.
    const LRESULT answered = SendMessageTimeoutW(options, WM_QUERYENDSESSION, 0, 0, SMTO_NORMAL,
                                                 static_cast<UINT>(kStartTimeout.count()), &answer);
    EXPECT_NE(answered, 0) << "the query was not answered";
    EXPECT_EQ(answer, static_cast<DWORD_PTR>(TRUE));

    const std::string expected = "Tarnwick: Unable to write to " + IniPath().string() + ": The file is read-only.\n";
    EXPECT_TRUE(WaitUntil([&] { return debugOutput.TextOf(app->Pid()) == expected; }, kStartTimeout))
        << "debugger output: " << debugOutput.TextOf(app->Pid());
    EXPECT_TRUE(TopLevelWindowsOf(app->Pid(), L"#32770").empty()) << "an error box is shown";
    EXPECT_EQ(ReadIni(), original);
    EXPECT_TRUE(TempFiles(Folder()).empty()) << Narrow(TempFiles(Folder()));

    // A normal close would report the failure in a box; the session's end is all this test is about.
    app->Terminate();
}

}  // namespace
}  // namespace tarnwick::e2e
