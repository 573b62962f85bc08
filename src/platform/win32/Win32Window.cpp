#include "platform/win32/Win32Window.h"

#include <shellapi.h>
#include <windowsx.h>

#include <exception>
#include <utility>
#include <vector>

#include "platform/win32/GdiCanvas.h"
#include "platform/win32/Win32Controls.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Unicode.h"
#include "platform/win32/Win32Tray.h"

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

// Signed: with the capture held, a release left of or above the window has negative
// coordinates, and so has any point on a monitor left of or above the primary one.
Point ClientPoint(LPARAM lParam) { return Point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

// Broadcast to every top-level window when the task bar is created anew (Explorer restarted).
UINT TaskbarCreatedMessage() {
  static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
  return message;
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
  if (m_hwnd == nullptr) return;
  // Stop routing first: the events object may be half torn down, and the main window's
  // WM_DESTROY must not post a quit message after the loop has ended.
  SetWindowLongPtrW(m_hwnd, GWLP_USERDATA, 0);
  DestroyWindow(m_hwnd);
}

// SWP_NOCOPYBITS: otherwise the system keeps the old pixels of a grown window and invalidates
// only the new area, so a menu popped up from its one-pixel resting size would keep that
// pixel's colour in its top-left corner.
void Win32Window::SetBounds(const Rect& bounds) {
  SetWindowPos(m_hwnd, nullptr, bounds.left, bounds.top, bounds.Width(), bounds.Height(),
               SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOCOPYBITS);
}

Rect Win32Window::Bounds() const {
  RECT r{};
  if (!GetWindowRect(m_hwnd, &r)) return Rect{};
  return Rect{r.left, r.top, r.right, r.bottom};
}

void Win32Window::ShowNoActivate() { ShowWindow(m_hwnd, SW_SHOWNOACTIVATE); }

void Win32Window::ShowActivate() {
  ShowWindow(m_hwnd, SW_SHOW);
  SetForegroundWindow(m_hwnd);
}

void Win32Window::Hide() { ShowWindow(m_hwnd, SW_HIDE); }

bool Win32Window::IsVisible() const { return m_hwnd != nullptr && IsWindowVisible(m_hwnd); }

// The procedure paints every pixel itself, so nothing needs erasing.
void Win32Window::Invalidate() { InvalidateRect(m_hwnd, nullptr, FALSE); }

// RDW_UPDATENOW sends WM_PAINT before returning, so the picture matches a size set just before.
void Win32Window::Repaint() {
  if (m_hwnd != nullptr) RedrawWindow(m_hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void Win32Window::Draw(const std::function<void(Canvas&)>& draw) {
  if (m_hwnd == nullptr) return;
  WindowDc dc(m_hwnd);
  if (!dc) return;
  GdiCanvas canvas(dc.Get(), m_images, GdiFontCache::Shared(), m_pickerImages);
  draw(canvas);
}

// SWP_NOACTIVATE: without it SetWindowPos activates the window and takes the focus from the
// user's application at every tick or paint.
void Win32Window::RaiseToTop() {
  SetWindowPos(m_hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

Point Win32Window::ClientToScreen(Point client) const {
  POINT point{client.x, client.y};
  ::ClientToScreen(m_hwnd, &point);
  return Point{point.x, point.y};
}

// Posted, so that a handler may close its own window and return before it goes. (A null
// window would post to the thread instead, hence the check; likewise for the timers, where a
// null window would make a thread timer.)
void Win32Window::Close() {
  if (m_hwnd != nullptr) PostMessageW(m_hwnd, WM_CLOSE, 0, 0);
}

void Win32Window::AcceptFiles(bool accept) { DragAcceptFiles(m_hwnd, accept ? TRUE : FALSE); }

void Win32Window::StartTimer(int timerId, int milliseconds) {
  if (m_hwnd == nullptr) return;
  SetTimer(m_hwnd, static_cast<UINT_PTR>(timerId), static_cast<UINT>(milliseconds), nullptr);
}

void Win32Window::StopTimer(int timerId) {
  if (m_hwnd != nullptr) KillTimer(m_hwnd, static_cast<UINT_PTR>(timerId));
}

// A window with child controls takes the keys of a dialog (see the message loop), and its
// painting leaves the controls' places to them.
void Win32Window::BecomeControlParent() {
  const LONG_PTR style = GetWindowLongPtrW(m_hwnd, GWL_EXSTYLE);
  if ((style & WS_EX_CONTROLPARENT) == 0) SetWindowLongPtrW(m_hwnd, GWL_EXSTYLE, style | WS_EX_CONTROLPARENT);
  const LONG_PTR windowStyle = GetWindowLongPtrW(m_hwnd, GWL_STYLE);
  if ((windowStyle & WS_CLIPCHILDREN) == 0) SetWindowLongPtrW(m_hwnd, GWL_STYLE, windowStyle | WS_CLIPCHILDREN);
}

ScrollBar& Win32Window::AddScrollBar(int controlId, const Rect& bounds) {
  BecomeControlParent();
  return *m_scrollBars.emplace_back(std::make_unique<Win32ScrollBar>(m_hwnd, controlId, bounds));
}

void Win32Window::OnScroll(HWND bar, int request) {
  for (const auto& scrollBar : m_scrollBars) {
    auto& ours = static_cast<Win32ScrollBar&>(*scrollBar);
    if (ours.Handle() != bar) continue;
    const int position = ours.Scroll(request);
    Guarded([this, &ours, position] { m_events.FormScrolled(ours.ControlId(), position); });
    return;
  }
}

// Edit boxes show black (or their own colour of) text on white, read-only ones too, whose
// default would be the dialog grey.
HBRUSH Win32Window::EditColors(HDC dc, HWND box) {
  for (const auto& editBox : m_editBoxes) {
    const auto& ours = static_cast<const Win32EditBox&>(*editBox);
    if (ours.Handle() != box) continue;
    const std::optional<COLORREF> text = ours.TextColor();
    if (!text) return nullptr;
    ::SetTextColor(dc, *text);
    SetBkColor(dc, RGB(255, 255, 255));
    return static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  }
  return nullptr;
}

EditBox& Win32Window::AddEditBox(int controlId, const Rect& bounds) {
  BecomeControlParent();
  return *m_editBoxes.emplace_back(std::make_unique<Win32EditBox>(m_hwnd, controlId, bounds));
}

ListBox& Win32Window::AddListBox(int controlId, const Rect& bounds) {
  BecomeControlParent();
  return *m_listBoxes.emplace_back(std::make_unique<Win32ListBox>(m_hwnd, controlId, bounds));
}

void Win32Window::SetHints(const std::vector<Hint>& hints) {
  if (m_hwnd == nullptr) return;
  if (m_tooltip == nullptr) {
    if (hints.empty()) return;
    m_tooltip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, m_hwnd, nullptr,
                                reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(m_hwnd, GWLP_HINSTANCE)), nullptr);
    if (m_tooltip == nullptr) return;
    // At once, and for ten seconds.
    SendMessageW(m_tooltip, TTM_SETDELAYTIME, TTDT_INITIAL, MAKELPARAM(0, 0));
    SendMessageW(m_tooltip, TTM_SETDELAYTIME, TTDT_RESHOW, MAKELPARAM(0, 0));
    SendMessageW(m_tooltip, TTM_SETDELAYTIME, TTDT_AUTOPOP, MAKELPARAM(10000, 0));
  }
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.hwnd = m_hwnd;
  for (size_t i = 0; i < m_hintCount; ++i) {
    tool.uId = i + 1;
    SendMessageW(m_tooltip, TTM_DELTOOL, 0, reinterpret_cast<LPARAM>(&tool));
  }
  m_hintCount = 0;
  for (const Hint& hint : hints) {
    std::wstring text = Widen(hint.text);
    tool.uFlags = TTF_SUBCLASS;  // the tooltip sees this window's mouse messages itself
    tool.uId = ++m_hintCount;
    tool.rect = RECT{hint.area.left, hint.area.top, hint.area.right, hint.area.bottom};
    tool.lpszText = text.data();  // copied by the tooltip
    SendMessageW(m_tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

LRESULT CALLBACK Win32Window::WindowProc(HWND hwnd, UINT message, WPARAM wParam,
                                         LPARAM lParam) noexcept {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    // Null when a window of one of these classes is made other than by the factory.
    if (auto* self = static_cast<Win32Window*>(create->lpCreateParams); self != nullptr) {
      self->m_hwnd = hwnd;
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
  }
  auto* self = reinterpret_cast<Win32Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    self->m_hwnd = nullptr;
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  return self->HandleMessage(message, wParam, lParam);
}

LRESULT Win32Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  // A registered message has no fixed number, so it cannot be a case label.
  if (message == TaskbarCreatedMessage()) {
    Guarded([this] { m_events.FormTaskbarCreated(); });
    return 0;
  }
  switch (message) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_CLOSE:
      OnClose();
      return 0;
    case WM_DESTROY:
      if (m_mainWindow) PostQuitMessage(0);
      return 0;
    case WM_QUERYENDSESSION:
      Guarded([this] { m_events.FormQueryEndSession(); });
      return TRUE;
    case WM_TIMER:
      Guarded([this, wParam] { m_events.FormTimer(static_cast<int>(wParam)); });
      return 0;
    case WM_MOUSEMOVE:
      Guarded([this, lParam] { m_events.FormMouseMove(ClientPoint(lParam)); });
      return 0;
    // The class has CS_DBLCLKS, so the second press of a quick pair comes as a DBLCLK message
    // instead of a DOWN; the form decides whether it is more than a press.
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      OnButtonDown(MouseButton::Left, lParam, message == WM_LBUTTONDBLCLK);
      return 0;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
      OnButtonDown(MouseButton::Right, lParam, message == WM_RBUTTONDBLCLK);
      return 0;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
      OnButtonDown(MouseButton::Middle, lParam, message == WM_MBUTTONDBLCLK);
      return 0;
    case WM_LBUTTONUP:
      OnButtonUp(MouseButton::Left, lParam);
      return 0;
    case WM_RBUTTONUP:
      OnButtonUp(MouseButton::Right, lParam);
      return 0;
    case WM_MBUTTONUP:
      OnButtonUp(MouseButton::Middle, lParam);
      return 0;
    case WM_ACTIVATE:
      // As a dialog does: the control that had the focus gets it back when the window is
      // activated again (the default would give it to the window itself).
      if (LOWORD(wParam) != WA_INACTIVE && (m_focus != nullptr || !m_editBoxes.empty() || !m_listBoxes.empty())) {
        HWND target = m_focus != nullptr && IsChild(m_hwnd, m_focus) ? m_focus : GetNextDlgTabItem(m_hwnd, nullptr, FALSE);
        if (target != nullptr) {
          SetFocus(target);
          return 0;
        }
      }
      return DefWindowProcW(m_hwnd, message, wParam, lParam);
    case WM_MOUSEACTIVATE:
      if (m_noActivate) return MA_NOACTIVATE;
      return DefWindowProcW(m_hwnd, message, wParam, lParam);
    case WM_HOTKEY:
      Guarded([this, wParam] { m_events.FormHotkey(static_cast<int>(wParam)); });
      return DefWindowProcW(m_hwnd, message, wParam, lParam);
    case WM_DISPLAYCHANGE:
      Guarded([this] { m_events.FormDisplayChange(); });
      return DefWindowProcW(m_hwnd, message, wParam, lParam);
    case WM_DROPFILES:
      OnDropFiles(reinterpret_cast<HDROP>(wParam));
      return DefWindowProcW(m_hwnd, message, wParam, lParam);
    case WM_HSCROLL:
      if (lParam != 0) OnScroll(reinterpret_cast<HWND>(lParam), LOWORD(wParam));
      return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
      if (HBRUSH brush = EditColors(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam))) {
        return reinterpret_cast<LRESULT>(brush);
      }
      return DefWindowProcW(m_hwnd, message, wParam, lParam);
    case kEditKeyMessage:
      Guarded([this, wParam, lParam] {
        const int id = LOWORD(wParam);
        const int key = static_cast<int>(lParam);
        if (HIWORD(wParam) != 0) {
          m_events.FormEditKeyDown(id, key);
        } else {
          m_events.FormEditKeyUp(id, key);
        }
      });
      return 0;
    case WM_COMMAND:
      // From a control: lParam is its window. From the dialog keys: none, with IDOK or IDCANCEL.
      if (lParam != 0 && HIWORD(wParam) == EN_CHANGE) {
        Guarded([this, wParam] { m_events.FormEditChanged(LOWORD(wParam)); });
        return 0;
      }
      if (lParam != 0 && HIWORD(wParam) == LBN_SELCHANGE) {
        Guarded([this, wParam] { m_events.FormControlChanged(LOWORD(wParam)); });
        return 0;
      }
      if (lParam != 0 && (HIWORD(wParam) == EN_SETFOCUS || HIWORD(wParam) == LBN_SETFOCUS)) {
        m_focus = reinterpret_cast<HWND>(lParam);
        return 0;
      }
      if (lParam == 0 && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        Guarded([this, wParam] { m_events.FormDialogKey(LOWORD(wParam) == IDOK); });
        return 0;
      }
      return DefWindowProcW(m_hwnd, message, wParam, lParam);
    case kTrayCallbackMessage:
      OnTrayCallback(lParam);
      return DefWindowProcW(m_hwnd, message, wParam, lParam);
    default:
      return DefWindowProcW(m_hwnd, message, wParam, lParam);
  }
}

// The main window is not destroyed here: the forms still use their windows until the message
// loop has ended, and the Win32Window destructors destroy them all afterwards. Hidden and
// marked closed, it ignores a second close already queued behind the first.
void Win32Window::OnClose() {
  if (m_closed) return;
  // A handler that throws keeps the window open.
  if (!Guarded([this] { m_events.FormClose(); })) return;
  if (!m_mainWindow) {
    DestroyWindow(m_hwnd);
    return;
  }
  m_closed = true;
  ShowWindow(m_hwnd, SW_HIDE);
  PostQuitMessage(0);
}

// The capture makes the release reach this window wherever it happens, so that it always ends
// the gesture.
void Win32Window::OnButtonDown(MouseButton button, LPARAM lParam, bool doubleClick) {
  if (button == MouseButton::Left) SetCapture(m_hwnd);
  Guarded([this, button, lParam, doubleClick] {
    if (doubleClick) {
      m_events.FormMouseDoubleClick(button, ClientPoint(lParam));
    } else {
      m_events.FormMouseDown(button, ClientPoint(lParam));
    }
  });
}

// Released before the handler runs: a launch from it should not start with the mouse captured.
void Win32Window::OnButtonUp(MouseButton button, LPARAM lParam) {
  if (button == MouseButton::Left && GetCapture() == m_hwnd) ReleaseCapture();
  Guarded([this, button, lParam] { m_events.FormMouseUp(button, ClientPoint(lParam)); });
}

// lParam carries the mouse message that happened over the icon; only presses count.
void Win32Window::OnTrayCallback(LPARAM mouseMessage) {
  if (mouseMessage == WM_LBUTTONDOWN) {
    Guarded([this] { m_events.FormTrayClick(MouseButton::Left); });
  } else if (mouseMessage == WM_RBUTTONDOWN) {
    Guarded([this] { m_events.FormTrayClick(MouseButton::Right); });
  }
}

// The names are read whole, however long (DragQueryFileW reports each length, so there is no
// 1023-character limit), then the drop is released before the handler runs: a handler that
// throws or opens a box must not keep the drop's memory.
void Win32Window::OnDropFiles(HDROP drop) {
  std::vector<std::string> files;
  POINT point{};
  bool inClient = false;
  const std::optional<std::string> error = Catch([&] {
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    files.reserve(count);
    for (UINT i = 0; i < count; ++i) {
      std::wstring name(DragQueryFileW(drop, i, nullptr, 0) + 1, L'\0');
      name.resize(DragQueryFileW(drop, i, name.data(), static_cast<UINT>(name.size())));
      // A name holding a lone surrogate has no UTF-8 form; it is left out.
      if (std::string file = Narrow(name); !file.empty()) files.push_back(std::move(file));
    }
    inClient = DragQueryPoint(drop, &point) != FALSE;
  });
  DragFinish(drop);
  if (error) {
    Report(*error);
    return;
  }
  Guarded([&] { m_events.FormDropFiles(Point{point.x, point.y}, inClient, files); });
}

void Win32Window::Paint() {
  PAINTSTRUCT paint{};
  HDC dc = BeginPaint(m_hwnd, &paint);
  std::optional<std::string> error;
  if (dc != nullptr) {
    RECT client{};
    GetClientRect(m_hwnd, &client);
    // Drawn into a memory bitmap and copied to the screen in one step, so that a window being
    // shown or switched never shows half painted (no flicker of the fills under the texts).
    UniqueMemoryDc memory(CreateCompatibleDC(dc));
    UniqueGdiObject<HBITMAP> bitmap(
        memory ? CreateCompatibleBitmap(dc, client.right - client.left, client.bottom - client.top) : nullptr);
    if (bitmap) {
      SelectedObject selected(memory.Get(), bitmap.Get());
      {
        GdiCanvas canvas(memory.Get(), m_images, GdiFontCache::Shared(), m_pickerImages);
        error = Catch([this, &canvas] { m_events.FormPaint(canvas); });
      }
      const RECT& area = paint.rcPaint;
      BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, memory.Get(), area.left,
             area.top, SRCCOPY);
    } else {
      GdiCanvas canvas(dc, m_images, GdiFontCache::Shared(), m_pickerImages);
      error = Catch([this, &canvas] { m_events.FormPaint(canvas); });
    }
  }
  EndPaint(m_hwnd, &paint);
  // Shown only after EndPaint: the box runs a modal loop, and an open paint would hold the
  // update region and the DC through it.
  if (error) Report(*error);
}

void Win32Window::Report(const std::string& message) noexcept {
  try {
    m_dialogs.ShowError(message);
  } catch (...) {
    // Nothing better is left to do with an error whose display failed.
  }
}

}  // namespace tarnwick
