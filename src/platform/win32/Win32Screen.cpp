#include "platform/win32/Win32Screen.h"

#include <windows.h>

namespace tarnwick {

Size Win32Screen::ScreenSize() const {
  return Size{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

// GetCursorPos fails while the input desktop is not ours (a locked workstation, a UAC prompt);
// the point then reads as the screen centre, which triggers nothing.
Point Win32Screen::CursorPos() const {
  POINT point{};
  if (!GetCursorPos(&point)) {
    const Size screen = ScreenSize();
    return Point{screen.width / 2, screen.height / 2};
  }
  return Point{point.x, point.y};
}

}  // namespace tarnwick
