#include "platform/win32/Win32Shell.h"

#include <windows.h>

#include <shellapi.h>

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
  ShellExecuteW(nullptr, nullptr, wideFile.c_str(), OrNull(wideParameters), OrNull(wideFolder), showCommand);
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
  DWORD_PTR result = 0;
  // SendMessageW would wait for ever on a hung target, and the menu with it.
  SendMessageTimeoutW(ToHwnd(window), message, wParam, lParam, SMTO_NORMAL | SMTO_ABORTIFHUNG,
                      static_cast<UINT>(m_sendTimeout.count()), &result);
}

}  // namespace tarnwick
