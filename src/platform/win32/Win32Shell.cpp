#include "platform/win32/Win32Shell.h"

#include <windows.h>

#include <shellapi.h>

#include <string>
#include <system_error>
#include <thread>

#include "platform/win32/ComInit.h"
#include "platform/win32/Unicode.h"

namespace tarnwick {

namespace {

HWND ToHwnd(WindowId window) { return reinterpret_cast<HWND>(window); }
WindowId ToWindowId(HWND window) { return reinterpret_cast<WindowId>(window); }

// Empty text is passed as null: ShellExecuteW then uses no parameters or the current folder.
const wchar_t* OrNull(const std::wstring& text) { return text.empty() ? nullptr : text.c_str(); }

}  // namespace

Win32Shell::Win32Shell(std::chrono::milliseconds sendTimeout) : m_sendTimeout(sendTimeout) {}

void Win32Shell::Open(const std::string& file, const std::string& parameters, const std::string& folder,
                      int showCommand) {
  const std::wstring wideFile = Widen(file);
  const std::wstring wideParameters = Widen(parameters);
  const std::wstring wideFolder = Widen(folder);
  // ShellExecute may hand the file to a shell extension, which needs COM on this thread.
  ComInit com;
  // Null verb: the file type's default action, "open" where there is no other.
  const auto result = reinterpret_cast<INT_PTR>(
      ShellExecuteW(nullptr, nullptr, wideFile.c_str(), OrNull(wideParameters), OrNull(wideFolder), showCommand));
  // Values up to 32 are errors. The user is not told (the item simply does nothing); the
  // debugger output shows why.
  if (result <= 32) OutputDebugStringW((L"Tarnwick: ShellExecute failed (" + std::to_wstring(result) + L"): " + wideFile + L"\n").c_str());
}

WindowId Win32Shell::ForegroundWindow() { return ToWindowId(GetForegroundWindow()); }

WindowId Win32Shell::FindTopWindow(const std::string& className, const std::string& title) {
  return ToWindowId(FindWindowW(Widen(className).c_str(), Widen(title).c_str()));
}

bool Win32Shell::IsOwnWindow(WindowId window) {
  DWORD process = 0;
  if (window == 0 || GetWindowThreadProcessId(ToHwnd(window), &process) == 0) return false;
  return process == GetCurrentProcessId();
}

void Win32Shell::SendWindowMessage(WindowId window, uint32_t message, uintptr_t wParam, intptr_t lParam) {
  // Sent from a thread of its own: a hung target must not freeze the menu even for the
  // time-out, and nobody uses the answer. The time-out still ends the thread.
  const UINT timeout = static_cast<UINT>(m_sendTimeout.count());
  try {
    std::thread([window, message, wParam, lParam, timeout] {
      DWORD_PTR result = 0;
      SendMessageTimeoutW(ToHwnd(window), message, wParam, lParam, SMTO_NORMAL | SMTO_ABORTIFHUNG, timeout, &result);
    }).detach();
  } catch (const std::system_error&) {
    OutputDebugStringW(L"Tarnwick: no thread to send a window message from\n");
  }
}

}  // namespace tarnwick
