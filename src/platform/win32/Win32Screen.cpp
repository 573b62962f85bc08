#include "platform/win32/Win32Screen.h"

#include <windows.h>

namespace tarnwick {

Size Win32Screen::ScreenSize() const {
  return Size{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

}  // namespace tarnwick
