#include "platform/win32/Win32Hotkeys.h"

#include <cwchar>

#include "platform/win32/Win32Window.h"

namespace tarnwick {

namespace {

HWND HandleOf(Window& window) {
  auto* win32 = dynamic_cast<Win32Window*>(&window);
  return win32 != nullptr ? win32->Handle() : nullptr;
}

}  // namespace

bool Win32Hotkeys::Register(Window& target, int id, int modifiers, int key) {
  HWND hwnd = HandleOf(target);
  if (hwnd == nullptr) return false;
  // The interface's modifier bits are MOD_ALT, MOD_CONTROL, MOD_SHIFT and MOD_WIN.
  const UINT mods = static_cast<UINT>(modifiers) & (MOD_ALT | MOD_CONTROL | MOD_SHIFT | MOD_WIN);
  if (RegisterHotKey(hwnd, id, mods, static_cast<UINT>(key))) return true;
  // The user is not told (the item simply has no hotkey); the debugger output shows why.
  const DWORD error = GetLastError();
  wchar_t text[128];
  swprintf(text, 128, L"Tarnwick: RegisterHotKey(id %d, modifiers %u, key %d) failed, error %lu\n", id, mods, key,
           static_cast<unsigned long>(error));
  OutputDebugStringW(text);
  return false;
}

void Win32Hotkeys::Unregister(Window& target, int id) {
  HWND hwnd = HandleOf(target);
  if (hwnd != nullptr) UnregisterHotKey(hwnd, id);
}

}  // namespace tarnwick
