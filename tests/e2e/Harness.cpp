#include "e2e/Harness.h"

#include <algorithm>
#include <cctype>
#include <iterator>
#include <thread>
#include <utility>

namespace tarnwick::e2e {

namespace fs = std::filesystem;

namespace {

// Closing politely lets Tarnwick run its normal shutdown; after this the job kills the rest.
constexpr Milliseconds kTearDownCloseTimeout = 2s;
// Deleting the folder can fail for a moment while a just-ended process still maps the exe.
constexpr Milliseconds kRemoveTimeout = 2s;
// Wine re-reads the X pointer only when its own record of the position is older than 100 ms, so
// a warp that did not stick cannot be seen before; nothing earlier tells.
constexpr Milliseconds kPointerReread = 110ms;
// A window of Tarnwick answers a sent message within milliseconds; this is slack for a loaded
// machine, and a window that does not answer in it is reported rather than waited for.
constexpr UINT kAnswerTimeoutMs = 2000;
constexpr Milliseconds kWarpSettle = 50ms;

class ScreenDc {
public:
    ScreenDc() : m_dc(GetDC(nullptr)) {}
    ~ScreenDc() {
        if (m_dc != nullptr) {
            ReleaseDC(nullptr, m_dc);
        }
    }
    ScreenDc(const ScreenDc&) = delete;
    ScreenDc& operator=(const ScreenDc&) = delete;
    HDC Get() const { return m_dc; }

private:
    HDC m_dc;
};

class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : m_handle(handle) {}
    ~FileHandle() {
        if (IsValid()) {
            CloseHandle(m_handle);
        }
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    bool IsValid() const { return m_handle != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return m_handle; }

private:
    HANDLE m_handle;
};

// A folder name from the test's name; parameterised names contain '/'. Kept short because the
// program under test may hold paths in MAX_PATH buffers.
std::wstring FolderNameForCurrentTest() {
    static int counter = 0;
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(info->test_suite_name()) + "." + info->name();
    name.resize(std::min<std::size_t>(name.size(), 60));
    std::replace_if(
        name.begin(), name.end(),
        [](char c) { return !(std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '_'); },
        '_');
    return std::wstring(name.begin(), name.end()) + L"-" + std::to_wstring(GetCurrentProcessId()) +
           L"-" + std::to_wstring(++counter);
}

HANDLE CreateKillOnCloseJob() {
    HANDLE job = CreateJobObjectW(nullptr, nullptr);
    if (job == nullptr) {
        return nullptr;
    }
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof limits);
    return job;
}

}  // namespace

fs::path TarnwickExePath() {
    wchar_t buffer[MAX_PATH];
    DWORD length = GetEnvironmentVariableW(L"TARNWICK_EXE", buffer, MAX_PATH);
    if (length > 0 && length < MAX_PATH) {
        return fs::path(buffer);
    }
    length = GetModuleFileNameW(nullptr, buffer, MAX_PATH);
    return fs::path(std::wstring(buffer, length)).parent_path() / L"Tarnwick.exe";
}

bool WaitUntil(const std::function<bool()>& done, Milliseconds timeout, Milliseconds interval) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < deadline) {
        if (done()) {
            return true;
        }
        std::this_thread::sleep_for(interval);
    }
    return done();
}

std::vector<HWND> TopLevelWindowsOf(DWORD pid, const wchar_t* className) {
    struct Search {
        DWORD pid;
        const wchar_t* className;
        std::vector<HWND> found;
    } search{pid, className, {}};
    EnumWindows(
        [](HWND window, LPARAM param) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(param);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == s.pid && (s.className == nullptr || ClassNameOf(window) == s.className)) {
                s.found.push_back(window);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::wstring ClassNameOf(HWND window) {
    wchar_t buffer[256];
    const int length = GetClassNameW(window, buffer, 256);
    return std::wstring(buffer, static_cast<std::size_t>(std::max(length, 0)));
}

std::wstring TitleOf(HWND window) {
    std::wstring title(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    title.resize(static_cast<std::size_t>(GetWindowTextW(window, title.data(), static_cast<int>(title.size()))));
    return title;
}

RECT WindowRect(HWND window) {
    RECT rect{};
    if (!GetWindowRect(window, &rect)) {
        rect = RECT{};
    }
    return rect;
}

bool IsShown(HWND window) { return IsWindowVisible(window) != FALSE; }

SIZE ScreenSize() { return SIZE{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

COLORREF ScreenPixel(int x, int y) {
    ScreenDc screen;
    return screen.Get() == nullptr ? CLR_INVALID : GetPixel(screen.Get(), x, y);
}

bool CursorIsAt(int x, int y) {
    POINT at{};
    return GetCursorPos(&at) && at.x == x && at.y == y;
}

bool MoveCursorTo(int x, int y) {
    for (int attempt = 0; attempt < 2; ++attempt) {
        SetCursorPos(x, y);
        std::this_thread::sleep_for(kPointerReread);
        if (CursorIsAt(x, y)) {
            return true;
        }
    }
    return false;
}

void ParkCursorAtCentre() {
    const SIZE screen = ScreenSize();
    POINT at{};
    if (GetCursorPos(&at) && at.x == screen.cx / 2 && at.y == screen.cy / 2) {
        return;  // most tests leave it there; saves the settle time
    }
    EXPECT_TRUE(MoveCursorTo(screen.cx / 2, screen.cy / 2)) << "the cursor did not move to the centre";
}

bool WaitForInputTaken(HWND window) {
    for (int roundTrip = 0; roundTrip < 2; ++roundTrip) {
        DWORD_PTR answer = 0;
        if (SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL | SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &answer) ==
            0) {
            return false;
        }
    }
    return true;
}

bool PushCursorTo(int x, int y, HWND target) {
    const auto taken = [target] { return target == nullptr || WaitForInputTaken(target); };
    // A window of Tarnwick shown or moved under the cursor reports, through X, the cursor where
    // it was; the target takes such a report first, or it would undo this move.
    if (!taken()) {
        return false;
    }
    SetCursorPos(x, y);
    // The warp of the X pointer also reaches Tarnwick through X, where nothing here can see it
    // arrive. Without this settle, one run in three of the context menu tests lost a click
    // that followed a move at once; only then is the target asked to take what came.
    std::this_thread::sleep_for(kWarpSettle);
    if (!taken()) {
        return false;
    }
    const SIZE screen = ScreenSize();
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = (x * 65535 + (screen.cx - 1) / 2) / (screen.cx - 1);
    input.mi.dy = (y * 65535 + (screen.cy - 1) / 2) / (screen.cy - 1);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof input);
    return taken() && CursorIsAt(x, y);
}

namespace {

void ClickButton(DWORD down, DWORD up) {
    INPUT inputs[2]{};
    inputs[0].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = down;
    inputs[1].type = INPUT_MOUSE;
    inputs[1].mi.dwFlags = up;
    SendInput(2, inputs, sizeof inputs[0]);
}

}  // namespace

void ClickLeftButton() { ClickButton(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP); }

void ClickRightButton() { ClickButton(MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP); }

void PressKeys(std::initializer_list<WORD> keys) {
    std::vector<INPUT> inputs;
    for (WORD key : keys) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
        inputs.push_back(input);
    }
    for (auto it = std::rbegin(keys); it != std::rend(keys); ++it) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = *it;
        input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(*it, MAPVK_VK_TO_VSC));
        input.ki.dwFlags = KEYEVENTF_KEYUP;
        inputs.push_back(input);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

bool IsOnScreen(HWND window) {
    constexpr COLORREF kFrameLight = 0xAFAFAF;  // the top-left frame pixel of every pop-up
    if (!IsShown(window)) return false;
    const RECT r = WindowRect(window);
    return r.bottom - r.top > 1 && ScreenPixel(r.left, r.top) == kFrameLight;
}

void ChooseContextEntry(HWND context, int index) {
    constexpr COLORREF kHighlight = 0x800000;  // the default colour of the entry under the cursor
    const RECT r = WindowRect(context);
    const int y = r.top + 20 * index + 10;
    const auto highlighted = [&] { return ScreenPixel(r.right - 6, y) == kHighlight; };
    bool hot = false;
    for (int x = r.left + 40; !hot && x < r.left + 70; x += 10) {
        PushCursorTo(x, y, context);
        hot = WaitUntil(highlighted, 1s);
    }
    EXPECT_TRUE(hot) << "entry " << index << " is not highlighted";
    ClickLeftButton();
}

fs::path LaunchProbePath() {
    wchar_t buffer[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, buffer, MAX_PATH);
    return fs::path(std::wstring(buffer, length)).parent_path() / L"tarnwick_launch_probe.exe";
}

std::optional<ProbeReport> WaitForProbeReport(const fs::path& probe, Milliseconds timeout) {
    fs::path reportFile = probe;
    reportFile.replace_extension(L".txt");
    std::optional<std::string> bytes;
    if (!WaitUntil([&] { return (bytes = ReadFileBytes(reportFile)).has_value(); }, timeout)) {
        return std::nullopt;
    }
    ProbeReport report;
    std::size_t start = 0;
    while (start < bytes->size()) {
        std::size_t end = bytes->find('\n', start);
        if (end == std::string::npos) {
            end = bytes->size();
        }
        const std::string line = bytes->substr(start, end - start);
        const std::size_t equals = line.find('=');
        const std::string key = line.substr(0, equals);
        const std::string value = equals == std::string::npos ? std::string() : line.substr(equals + 1);
        if (key == "commandLine") {
            report.commandLine = value;
        } else if (key == "folder") {
            report.folder = value;
        } else if (key == "showWindow") {
            report.showWindow = std::stoi(value);
        }
        start = end + 1;
    }
    return report;
}

std::optional<std::string> ReadFileBytes(const fs::path& file) {
    FileHandle handle(CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size{};
    if (!handle.IsValid() || !GetFileSizeEx(handle.Get(), &size)) {
        return std::nullopt;
    }
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD read = 0;
        const auto chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 20));
        if (!ReadFile(handle.Get(), bytes.data() + done, chunk, &read, nullptr) || read == 0) {
            return std::nullopt;
        }
        done += read;
    }
    return bytes;
}

bool WriteFileBytes(const fs::path& file, std::string_view bytes) {
    FileHandle handle(CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                  nullptr));
    if (!handle.IsValid()) {
        return false;
    }
    DWORD written = 0;
    return WriteFile(handle.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size();
}

TarnwickProcess::TarnwickProcess(const PROCESS_INFORMATION& info)
    : m_process(info.hProcess), m_pid(info.dwProcessId) {}

TarnwickProcess::TarnwickProcess(TarnwickProcess&& other) noexcept
    : m_process(std::exchange(other.m_process, nullptr)), m_pid(std::exchange(other.m_pid, 0)) {}

TarnwickProcess& TarnwickProcess::operator=(TarnwickProcess&& other) noexcept {
    if (this != &other) {
        if (m_process != nullptr) {
            CloseHandle(m_process);
        }
        m_process = std::exchange(other.m_process, nullptr);
        m_pid = std::exchange(other.m_pid, 0);
    }
    return *this;
}

TarnwickProcess::~TarnwickProcess() {
    if (m_process != nullptr) {
        CloseHandle(m_process);
    }
}

bool TarnwickProcess::IsRunning() const {
    return m_process != nullptr && WaitForSingleObject(m_process, 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> TarnwickProcess::WaitForExit(Milliseconds timeout) const {
    DWORD code = 0;
    if (m_process == nullptr ||
        WaitForSingleObject(m_process, static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0 ||
        !GetExitCodeProcess(m_process, &code)) {
        return std::nullopt;
    }
    return code;
}

HWND TarnwickProcess::Window(const wchar_t* className) const {
    const std::vector<HWND> windows = TopLevelWindowsOf(m_pid, className);
    return windows.empty() ? nullptr : windows.front();
}

HWND TarnwickProcess::WaitForWindow(const wchar_t* className, Milliseconds timeout) const {
    HWND found = nullptr;
    WaitUntil([&] { return (found = Window(className)) != nullptr || !IsRunning(); }, timeout);
    return found;
}

std::optional<DWORD> TarnwickProcess::Close(Milliseconds timeout) const {
    if (m_process == nullptr) {
        return std::nullopt;
    }
    if (HWND options = WaitForWindow(kOptionsWindowClass)) {
        PostMessageW(options, WM_CLOSE, 0, 0);
    }
    return WaitForExit(timeout);
}

void TarnwickProcess::Terminate() const {
    if (IsRunning()) {
        TerminateProcess(m_process, 1);
        WaitForSingleObject(m_process, static_cast<DWORD>(kExitTimeout.count()));
    }
}

void TarnwickE2eTest::SetUp() {
    const fs::path exe = TarnwickExePath();
    ASSERT_TRUE(fs::exists(exe)) << "Tarnwick.exe not found at " << exe.string()
                                 << "; build the Tarnwick target or set TARNWICK_EXE";

    m_folder = fs::temp_directory_path() / L"tarnwick-e2e" / FolderNameForCurrentTest();
    std::error_code error;
    fs::remove_all(m_folder, error);
    fs::create_directories(WorkFolder(), error);
    ASSERT_FALSE(error) << "cannot create " << WorkFolder().string() << ": " << error.message();
    fs::copy_file(exe, ExePath(), error);
    ASSERT_FALSE(error) << "cannot copy Tarnwick.exe to " << Folder().string() << ": " << error.message();

    m_job = CreateKillOnCloseJob();
    ParkCursorAtCentre();
}

void TarnwickE2eTest::TearDown() {
    for (const TarnwickProcess& process : m_processes) {
        if (process.IsRunning() && !process.Close(kTearDownCloseTimeout)) {
            process.Terminate();
        }
    }
    if (m_job != nullptr) {
        // Also ends what Tarnwick launched: helper programs, folder windows.
        TerminateJobObject(m_job, 1);
        CloseHandle(m_job);
        m_job = nullptr;
    }
    m_processes.clear();

    if (!m_folder.empty()) {
        WaitUntil(
            [this] {
                std::error_code error;
                fs::remove_all(m_folder, error);
                return !error;
            },
            kRemoveTimeout, 50ms);
    }
}

fs::path TarnwickE2eTest::CopyLaunchProbe(const fs::path& relativePath) {
    const fs::path copy = m_folder / relativePath;
    std::error_code error;
    fs::create_directories(copy.parent_path(), error);
    fs::copy_file(LaunchProbePath(), copy, fs::copy_options::overwrite_existing, error);
    EXPECT_FALSE(error) << "cannot copy the launch probe to " << copy.string() << ": " << error.message();
    return copy;
}

void TarnwickE2eTest::WriteIni(std::string_view bytes) {
    EXPECT_TRUE(WriteFileBytes(IniPath(), bytes)) << "cannot write " << IniPath().string();
}

TarnwickProcess& TarnwickE2eTest::Launch() {
    const std::wstring exe = ExePath().wstring();
    std::wstring commandLine = L"\"" + exe + L"\"";
    const std::wstring workFolder = WorkFolder().wstring();

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    // Suspended until it is in the job, so nothing it starts can escape it.
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr,
                        workFolder.c_str(), &startup, &info)) {
        ADD_FAILURE() << "CreateProcessW failed for " << ExePath().string() << ", error " << GetLastError();
        return m_processes.emplace_back();
    }
    if (m_job != nullptr) {
        AssignProcessToJobObject(m_job, info.hProcess);
    }
    ResumeThread(info.hThread);
    CloseHandle(info.hThread);
    return m_processes.emplace_back(info);
}

}  // namespace tarnwick::e2e
