#include "platform/win32/Win32Hotkeys.h"

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
  return RegisterHotKey(hwnd, id, mods, static_cast<UINT>(key)) != FALSE;
}

void Win32Hotkeys::Unregister(Window& target, int id) {
  HWND hwnd = HandleOf(target);
  if (hwnd != nullptr) UnregisterHotKey(hwnd, id);
}

}  // namespace tarnwick
