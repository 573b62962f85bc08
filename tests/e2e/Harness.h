// End-to-end harness: runs the real Tarnwick.exe in a folder of its own and looks at it from
// outside, through windows, screen pixels and files, as a user's desktop would.
//
// A test derives from TarnwickE2eTest:
//
//   TEST_F(TarnwickE2eTest, ShowsNothingWithASavedConfiguration) {
//       WriteIni("[Setting]\r\nVersion=2.0\r\n");
//       TarnwickProcess& app = Launch();
//       ASSERT_TRUE(app.IsStarted());
//       HWND options = app.WaitForWindow(kOptionsWindowClass);
//       ASSERT_NE(options, nullptr);
//       EXPECT_FALSE(IsShown(options));
//       EXPECT_EQ(app.Close(), std::optional<DWORD>(0));
//   }
//
// Each test gets a fresh folder holding a copy of Tarnwick.exe, so Tarnwick.ini and Language.ini
// beside "the executable" are the test's own. SetUp parks the cursor at the screen centre, away
// from the corner and edge triggers; TearDown ends whatever the test left running (Tarnwick and
// anything it launched) and removes the folder.
//
// Under Wine: move the cursor with SetCursorPos (SendInput moves can snap back), read pixels from
// the screen DC (PrintWindow returns blank), and find windows by the pid you started, never by
// class alone (a leftover instance would match).
#pragma once

#include <windows.h>

#include <chrono>
#include <deque>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

namespace tarnwick::e2e {

using namespace std::chrono_literals;
using Milliseconds = std::chrono::milliseconds;

// Class of the options window, the main window: closing it ends the application, and a second
// start recognises the first by it.
inline constexpr const wchar_t* kOptionsWindowClass = L"Tarnwick";

// Long enough for a cold Wine start of Tarnwick; a warm one shows its windows in about 0.2 s.
inline constexpr Milliseconds kStartTimeout = 10s;
// WM_CLOSE to exit takes about 10 ms under Wine; the rest is slack for a loaded machine.
inline constexpr Milliseconds kExitTimeout = 5s;

// The Tarnwick.exe under test: %TARNWICK_EXE% when set, else the one beside this test program.
std::filesystem::path TarnwickExePath();

// Calls `done` every `interval` until it returns true (then true) or `timeout` has passed (then
// false after a last try). The condition runs on the test thread.
bool WaitUntil(const std::function<bool()>& done, Milliseconds timeout,
               Milliseconds interval = 10ms);

// Visible and hidden top-level windows of process `pid`, in z-order; only those of class
// `className` when it is given. Message-only windows are not top-level and never listed.
std::vector<HWND> TopLevelWindowsOf(DWORD pid, const wchar_t* className = nullptr);

std::wstring ClassNameOf(HWND window);
std::wstring TitleOf(HWND window);
RECT WindowRect(HWND window);  // screen coordinates; all zero when the window is gone
bool IsShown(HWND window);     // IsWindowVisible: the window and its owners are shown

SIZE ScreenSize();  // the primary screen, 1280 x 800 under the test Xvfb
// The colour on the screen at (x, y) as COLORREF 0x00BBGGRR, or CLR_INVALID off screen.
// Pixels reach the screen a few milliseconds after a window shows: poll with WaitUntil.
COLORREF ScreenPixel(int x, int y);

bool CursorIsAt(int x, int y);  // GetCursorPos reports (x, y)
// SetCursorPos, then confirms the position once Wine reads the X pointer back (about 110 ms);
// retries once, as the first move after a prefix is created has been seen not to stick.
bool MoveCursorTo(int x, int y);
void ParkCursorAtCentre();
// Returns once the thread of `window` has taken the input that was queued for it before the
// call: a sent message is handled when the thread next asks for a message, so the answer to a
// second one comes only after the thread took (and handled) what was waiting after the first.
// A thread blocked in a SendMessage of its own answers without taking input; Tarnwick's never
// are while the cursor is moved. False when the window is gone or does not answer.
bool WaitForInputTaken(HWND window);
// Moves the cursor the way a user's mouse does, into a corner or edge pixel as well as over a
// window: SetCursorPos, then an absolute SendInput move to the same point, so that the window
// under it gets WM_MOUSEMOVE and a low-level mouse hook would see the move. With a `target`
// (the window of Tarnwick under that point), the target first takes the input it still had
// coming, and has taken the move when this returns, so that nothing earlier arrives after the
// move and a click that follows lands on a window that has seen it. A window of Tarnwick that
// was just shown under the cursor reports the cursor only once it is on the screen: wait for
// its pixels before moving the cursor over it. True when the cursor is there and the target,
// if any, answered.
bool PushCursorTo(int x, int y, HWND target = nullptr);
// Presses and releases the left button where the cursor is.
void ClickLeftButton();
void ClickRightButton();
// Presses the keys down in order and releases them in reverse, as SendInput events with their
// scan codes, so that a key also types its character. Wine turns a chord into a hotkey message
// whichever window has the focus.
void PressKeys(std::initializer_list<WORD> keys);

// A pop-up of Tarnwick (a menu, the context menu, the options window) is on the screen: shown,
// more than the one-pixel resting window, and its top-left frame pixel drawn, as a cursor move
// over it needs.
bool IsOnScreen(HWND window);
// Moves onto entry `index` of the context menu until it is highlighted (the menu has seen the
// move: a click before any move runs nothing), and clicks it. A move onto the very point the
// cursor was warped to may reach no window under Wine, so the cursor goes on moving within the
// entry, as a hand on a mouse does.
void ChooseContextEntry(HWND context, int index);

// The stand-in program that records how it was started (tarnwick_launch_probe.exe, beside this
// test program). A copy at dir\name.exe writes dir\name.txt when it runs.
std::filesystem::path LaunchProbePath();
struct ProbeReport {
    std::string commandLine;  // UTF-8
    std::string folder;       // the current folder it started in
    int showWindow = -1;      // STARTUPINFO.wShowWindow; -1 without STARTF_USESHOWWINDOW
};
// Polls for the report of the probe copy at `probe`; nullopt when none appeared in time.
std::optional<ProbeReport> WaitForProbeReport(const std::filesystem::path& probe,
                                              Milliseconds timeout = kStartTimeout);

// The whole file as bytes; nullopt when it cannot be read.
std::optional<std::string> ReadFileBytes(const std::filesystem::path& file);
bool WriteFileBytes(const std::filesystem::path& file, std::string_view bytes);

// One started process. Move-only; the destructor closes the handles but ends nothing (the
// fixture's job object does that).
class TarnwickProcess {
public:
    TarnwickProcess() = default;
    explicit TarnwickProcess(const PROCESS_INFORMATION& info);
    TarnwickProcess(TarnwickProcess&& other) noexcept;
    TarnwickProcess& operator=(TarnwickProcess&& other) noexcept;
    TarnwickProcess(const TarnwickProcess&) = delete;
    TarnwickProcess& operator=(const TarnwickProcess&) = delete;
    ~TarnwickProcess();

    bool IsStarted() const { return m_process != nullptr; }
    DWORD Pid() const { return m_pid; }
    HANDLE Handle() const { return m_process; }

    bool IsRunning() const;
    // The exit code once the process has ended within `timeout`, else nullopt.
    std::optional<DWORD> WaitForExit(Milliseconds timeout = kExitTimeout) const;

    // The first top-level window of this process with class `className`, or nullptr.
    HWND Window(const wchar_t* className) const;
    // Polls for that window; nullptr when it did not appear or the process ended first.
    HWND WaitForWindow(const wchar_t* className, Milliseconds timeout = kStartTimeout) const;

    // Ends the application the way the user does: waits for the options window, posts WM_CLOSE
    // to it and waits for the process to end. Returns the exit code, or nullopt when the
    // process did not end. A process that ends before its window appears also counts: its exit
    // code is returned.
    std::optional<DWORD> Close(Milliseconds timeout = kExitTimeout) const;

    void Terminate() const;

private:
    HANDLE m_process = nullptr;
    DWORD m_pid = 0;
};

class TarnwickE2eTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The test's own folder, and the copy of Tarnwick.exe in it.
    const std::filesystem::path& Folder() const { return m_folder; }
    std::filesystem::path ExePath() const { return m_folder / L"Tarnwick.exe"; }
    std::filesystem::path IniPath() const { return m_folder / L"Tarnwick.ini"; }

    // Writes the bytes unchanged (use "\r\n" line ends for a Windows-made file). Call before
    // Launch. Fails the test when the file cannot be written.
    void WriteIni(std::string_view bytes);
    std::optional<std::string> ReadIni() const { return ReadFileBytes(IniPath()); }

    // Copies the launch probe to `relativePath` under Folder(), creating its folders; returns
    // the copy's full path. Fails the test when it cannot.
    std::filesystem::path CopyLaunchProbe(const std::filesystem::path& relativePath);

    // Starts the copy of Tarnwick.exe. Its working folder is WorkFolder(), deliberately not the
    // exe's folder, so a file the program must find beside itself is not found by accident
    // through the working folder. Can be called again (a second instance); the references stay
    // valid and the fixture owns every process. A failed start fails the test and returns a
    // process whose IsStarted() is false.
    TarnwickProcess& Launch();
    std::filesystem::path WorkFolder() const { return m_folder / L"work"; }

private:
    std::filesystem::path m_folder;
    HANDLE m_job = nullptr;  // holds every process started, and whatever they start in turn
    std::deque<TarnwickProcess> m_processes;
};

}  // namespace tarnwick::e2e
