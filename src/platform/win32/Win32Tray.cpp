#include "platform/win32/Win32Tray.h"

#include <shellapi.h>

#include <cwchar>

#include "platform/win32/Win32Window.h"

namespace tarnwick {

namespace {

HWND HandleOf(Window& window) {
  auto* win32 = dynamic_cast<Win32Window*>(&window);
  return win32 != nullptr ? win32->Handle() : nullptr;
}

// The wide record at its full size: the shell reads cbSize to tell the versions apart.
NOTIFYICONDATAW Record(HWND owner) {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = owner;
  data.uID = kTrayIconId;
  return data;
}

// The small version of the application icon; LR_SHARED, so the system keeps and frees it.
// Null without the resource (test programs), which still gives an icon, only a blank one.
HICON SmallAppIcon() {
  return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), L"MAINICON", IMAGE_ICON,
                                       GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON),
                                       LR_SHARED));
}

}  // namespace

bool Win32Tray::Add(Window& owner) {
  HWND hwnd = HandleOf(owner);
  if (hwnd == nullptr) return false;
  NOTIFYICONDATAW data = Record(hwnd);
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data.uCallbackMessage = kTrayCallbackMessage;
  data.hIcon = SmallAppIcon();
  wcsncpy(data.szTip, L"Tarnwick", ARRAYSIZE(data.szTip) - 1);
  if (Shell_NotifyIconW(NIM_ADD, &data)) return true;
  // The icon may be there already (a task bar that announced itself with our icon still in
  // it): then it is shown, and a retry must not take it for missing.
  return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

void Win32Tray::Remove(Window& owner) {
  HWND hwnd = HandleOf(owner);
  if (hwnd == nullptr) return;
  NOTIFYICONDATAW data = Record(hwnd);
  Shell_NotifyIconW(NIM_DELETE, &data);
}

}  // namespace tarnwick
