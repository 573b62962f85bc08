#include "platform/win32/Win32Window.h"

#include <shellapi.h>

#include <exception>
#include <utility>

#include "platform/win32/GdiCanvas.h"

namespace tarnwick {

namespace {

// Never throws: without memory for the text the error is still reported, only without words.
std::optional<std::string> ErrorText(const char* text) noexcept {
  try {
    return std::string(text);
  } catch (...) {
    return std::optional<std::string>(std::in_place);
  }
}

}  // namespace

template <typename Handler>
std::optional<std::string> Win32Window::Catch(Handler&& handler) noexcept {
  try {
    handler();
    return std::nullopt;
  } catch (const std::exception& e) {
    return ErrorText(e.what());
  } catch (...) {
    return ErrorText("An unknown error occurred.");
  }
}

template <typename Handler>
bool Win32Window::Guarded(Handler&& handler) noexcept {
  std::optional<std::string> error = Catch(std::forward<Handler>(handler));
  if (error) Report(*error);
  return !error;
}

Win32Window::~Win32Window() {
  if (hwnd_ == nullptr) return;
  // Stop routing first: the events object may be half torn down, and the main window's
  // WM_DESTROY must not post a quit message after the loop has ended.
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
  DestroyWindow(hwnd_);
}

void Win32Window::SetBounds(const Rect& bounds) {
  SetWindowPos(hwnd_, nullptr, bounds.left, bounds.top, bounds.Width(), bounds.Height(),
               SWP_NOACTIVATE | SWP_NOZORDER);
}

Rect Win32Window::Bounds() const {
  RECT r{};
  if (!GetWindowRect(hwnd_, &r)) return Rect{};
  return Rect{r.left, r.top, r.right, r.bottom};
}

void Win32Window::ShowNoActivate() { ShowWindow(hwnd_, SW_SHOWNOACTIVATE); }

void Win32Window::ShowActivate() {
  ShowWindow(hwnd_, SW_SHOW);
  SetForegroundWindow(hwnd_);
}

void Win32Window::Hide() { ShowWindow(hwnd_, SW_HIDE); }

bool Win32Window::IsVisible() const { return hwnd_ != nullptr && IsWindowVisible(hwnd_); }

// The procedure paints every pixel itself, so nothing needs erasing.
void Win32Window::Invalidate() { InvalidateRect(hwnd_, nullptr, FALSE); }

// Posted, so that a handler may close its own window and return before it goes. (A null
// window would post to the thread instead, hence the check; likewise for the timers, where a
// null window would make a thread timer.)
void Win32Window::Close() {
  if (hwnd_ != nullptr) PostMessageW(hwnd_, WM_CLOSE, 0, 0);
}

void Win32Window::AcceptFiles(bool accept) { DragAcceptFiles(hwnd_, accept ? TRUE : FALSE); }

void Win32Window::StartTimer(int timerId, int milliseconds) {
  if (hwnd_ == nullptr) return;
  SetTimer(hwnd_, static_cast<UINT_PTR>(timerId), static_cast<UINT>(milliseconds), nullptr);
}

void Win32Window::StopTimer(int timerId) {
  if (hwnd_ != nullptr) KillTimer(hwnd_, static_cast<UINT_PTR>(timerId));
}

LRESULT CALLBACK Win32Window::WindowProc(HWND hwnd, UINT message, WPARAM wParam,
                                         LPARAM lParam) noexcept {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    // Null when a window of one of these classes is made other than by the factory.
    if (auto* self = static_cast<Win32Window*>(create->lpCreateParams); self != nullptr) {
      self->hwnd_ = hwnd;
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
  }
  auto* self = reinterpret_cast<Win32Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  return self->HandleMessage(message, wParam, lParam);
}

LRESULT Win32Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_CLOSE:
      // A handler that throws keeps the window open.
      if (Guarded([this] { events_.FormClose(); })) DestroyWindow(hwnd_);
      return 0;
    case WM_DESTROY:
      if (mainWindow_) PostQuitMessage(0);
      return 0;
    case WM_QUERYENDSESSION:
      Guarded([this] { events_.FormQueryEndSession(); });
      return TRUE;
    case WM_TIMER:
      Guarded([this, wParam] { events_.FormTimer(static_cast<int>(wParam)); });
      return 0;
    default:
      return DefWindowProcW(hwnd_, message, wParam, lParam);
  }
}

void Win32Window::Paint() {
  PAINTSTRUCT paint{};
  HDC dc = BeginPaint(hwnd_, &paint);
  std::optional<std::string> error;
  if (dc != nullptr) {
    GdiCanvas canvas(dc);
    error = Catch([this, &canvas] { events_.FormPaint(canvas); });
  }
  EndPaint(hwnd_, &paint);
  // Shown only after EndPaint: the box runs a modal loop, and an open paint would hold the
  // update region and the DC through it.
  if (error) Report(*error);
}

void Win32Window::Report(const std::string& message) noexcept {
  try {
    dialogs_.ShowError(message);
  } catch (...) {
    // Nothing better is left to do with an error whose display failed.
  }
}

}  // namespace tarnwick
