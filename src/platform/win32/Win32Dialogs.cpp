#include "platform/win32/Win32Dialogs.h"

#include <windows.h>

#include "platform/win32/Unicode.h"

namespace tarnwick {

namespace {

// Exception texts need not be UTF-8 (the C++ runtime may use the ANSI code page); rather than
// an empty box, show such a text with its non-ASCII bytes as '?'.
std::wstring DisplayText(const std::string& message) {
  std::wstring text = Widen(message);
  if (!text.empty() || message.empty()) return text;
  for (unsigned char c : message) text.push_back(c < 0x80 ? static_cast<wchar_t>(c) : L'?');
  return text;
}

}  // namespace

void Win32Dialogs::ShowError(const std::string& message) {
  // MB_TOPMOST: the menu windows are always on top and would otherwise cover the box.
  MessageBoxW(GetActiveWindow(), DisplayText(message).c_str(), L"Tarnwick",
              MB_OK | MB_ICONERROR | MB_TASKMODAL | MB_TOPMOST | MB_SETFOREGROUND);
}

void Win32Dialogs::LogError(const std::string& message) {
  OutputDebugStringW((L"Tarnwick: " + DisplayText(message) + L"\n").c_str());
}

}  // namespace tarnwick
