// Wine's notification area, seen from a test: explorer keeps one window of class
// __winex11_standalone_tray with a child __winex11_tray_icon per icon, in the order the icons
// were added. The children exist (hidden) even when the tray is not shown, and a mouse message
// posted to one makes explorer send the icon's callback to its owner, as a real click would.
#pragma once

#include <windows.h>

#include <vector>

namespace tarnwick::test {

inline std::vector<HWND> WineTrayIcons() {
  std::vector<HWND> icons;
  HWND tray = FindWindowW(L"__winex11_standalone_tray", nullptr);
  if (tray == nullptr) return icons;
  for (HWND icon = FindWindowExW(tray, nullptr, L"__winex11_tray_icon", nullptr); icon != nullptr;
       icon = FindWindowExW(tray, icon, L"__winex11_tray_icon", nullptr)) {
    icons.push_back(icon);
  }
  return icons;
}

// A press and release of `down`/`up` (WM_LBUTTONDOWN/UP or WM_RBUTTONDOWN/UP) on an icon.
inline void ClickWineTrayIcon(HWND icon, UINT down, UINT up) {
  PostMessageW(icon, down, 0, MAKELPARAM(8, 8));
  PostMessageW(icon, up, 0, MAKELPARAM(8, 8));
}

}  // namespace tarnwick::test
