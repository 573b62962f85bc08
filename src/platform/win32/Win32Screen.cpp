#include "platform/win32/Win32Screen.h"

#include <shellapi.h>

#include <cwchar>

namespace tarnwick {

namespace {

BOOL CALLBACK AddMonitor(HMONITOR, HDC, LPRECT bounds, LPARAM list) {
  reinterpret_cast<std::vector<Rect>*>(list)->push_back(Rect{bounds->left, bounds->top, bounds->right, bounds->bottom});
  return TRUE;
}

// The desktop and the task bars are in front whenever the user clicked on them; they cover a
// monitor without being a program that wants it to itself.
constexpr const wchar_t* kShellClasses[] = {L"Progman", L"WorkerW", L"Shell_TrayWnd", L"Shell_SecondaryTrayWnd"};

bool IsShellWindow(HWND window) {
  if (window == GetDesktopWindow() || window == GetShellWindow()) return true;
  wchar_t className[64];  // longer than any of the shell's names: a cut-off name is not one of them
  if (GetClassNameW(window, className, ARRAYSIZE(className)) == 0) return false;
  for (const wchar_t* shell : kShellClasses) {
    if (std::wcscmp(className, shell) == 0) return true;
  }
  return false;
}

// Whether the client area of the window in front covers its whole monitor: a borderless game
// or a video player in fullscreen. A maximised window with a caption is not one, even where it
// covers a monitor whose task bar hides itself.
bool ForegroundCoversItsMonitor() {
  HWND window = GetForegroundWindow();
  if (window == nullptr || IsShellWindow(window)) return false;
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process == GetCurrentProcessId()) return false;
  if (!IsWindowVisible(window) || IsIconic(window)) return false;
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
  if (IsZoomed(window) && (style & WS_CAPTION) == WS_CAPTION) return false;

  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (!GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor)) return false;
  RECT client{};
  if (!GetClientRect(window, &client)) return false;
  POINT topLeft{client.left, client.top};
  POINT bottomRight{client.right, client.bottom};
  if (!ClientToScreen(window, &topLeft) || !ClientToScreen(window, &bottomRight)) return false;
  const RECT& m = monitor.rcMonitor;
  return topLeft.x <= m.left && topLeft.y <= m.top && bottomRight.x >= m.right && bottomRight.y >= m.bottom;
}

// A game running in exclusive fullscreen, a presentation, or what Windows itself counts as a
// busy fullscreen program.
bool SystemReportsFullscreen() {
  QUERY_USER_NOTIFICATION_STATE state{};
  if (FAILED(SHQueryUserNotificationState(&state))) return false;
  return state == QUNS_BUSY || state == QUNS_RUNNING_D3D_FULL_SCREEN || state == QUNS_PRESENTATION_MODE;
}

}  // namespace

Win32Screen::Win32Screen() { Enumerate(); }

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

Win32Screen::Layout Win32Screen::CurrentLayout() {
  Layout layout;
  layout.count = GetSystemMetrics(SM_CMONITORS);
  layout.virtualScreen.left = GetSystemMetrics(SM_XVIRTUALSCREEN);
  layout.virtualScreen.top = GetSystemMetrics(SM_YVIRTUALSCREEN);
  layout.virtualScreen.right = layout.virtualScreen.left + GetSystemMetrics(SM_CXVIRTUALSCREEN);
  layout.virtualScreen.bottom = layout.virtualScreen.top + GetSystemMetrics(SM_CYVIRTUALSCREEN);
  return layout;
}

void Win32Screen::Enumerate() const {
  m_layout = CurrentLayout();
  m_monitors.clear();
  EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&m_monitors));
  if (m_monitors.empty()) {
    const Size primary = ScreenSize();
    m_monitors.push_back(Rect{0, 0, primary.width, primary.height});
  }
}

std::span<const Rect> Win32Screen::Monitors() const {
  const Layout now = CurrentLayout();
  if (now.count != m_layout.count || !EqualRect(&now.virtualScreen, &m_layout.virtualScreen)) Enumerate();
  return m_monitors;
}

void Win32Screen::RefreshMonitors() { Enumerate(); }

// GetAsyncKeyState reads the physical buttons: with the buttons swapped, VK_LBUTTON is the
// user's right button. All three are asked, so which is which does not matter.
bool Win32Screen::MouseButtonHeld() const {
  return GetAsyncKeyState(VK_LBUTTON) < 0 || GetAsyncKeyState(VK_RBUTTON) < 0 || GetAsyncKeyState(VK_MBUTTON) < 0;
}

bool Win32Screen::ForegroundIsFullscreen() const { return ForegroundCoversItsMonitor() || SystemReportsFullscreen(); }

}  // namespace tarnwick
