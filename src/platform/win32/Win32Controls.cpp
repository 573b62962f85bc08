#include "platform/win32/Win32Controls.h"

#include <commctrl.h>

#include <algorithm>

#include "platform/win32/GdiFontCache.h"
#include "platform/win32/Unicode.h"

namespace tarnwick {

namespace {

HWND CreateChild(HWND parent, const wchar_t* className, DWORD style, int controlId, const Rect& bounds) {
  return CreateWindowExW(0, className, L"", WS_CHILD | WS_VISIBLE | style, bounds.left, bounds.top, bounds.Width(),
                         bounds.Height(), parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)),
                         reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), nullptr);
}

// Fonts come from the shared cache, which keeps them for the whole run, as a control keeps
// using the font it was given.
void GiveFont(HWND control, const FontSpec& spec) {
  if (control == nullptr) return;
  HDC dc = GetDC(control);
  HFONT font = GdiFontCache::Shared().Get(dc, spec);
  ReleaseDC(control, dc);
  if (font != nullptr) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

// Typing must not go on into a control the user can no longer see: the focus goes to its window.
void ShowChild(HWND control, bool visible) {
  if (control == nullptr) return;
  if (!visible && GetFocus() == control) SetFocus(GetParent(control));
  ShowWindow(control, visible ? SW_SHOWNA : SW_HIDE);
}

}  // namespace

Win32EditBox::Win32EditBox(HWND parent, int controlId, const Rect& bounds)
    : m_hwnd(CreateChild(parent, L"EDIT", WS_TABSTOP | ES_AUTOHSCROLL, controlId, bounds)), m_controlId(controlId) {
  if (m_hwnd != nullptr) SetWindowSubclass(m_hwnd, &Win32EditBox::KeyProc, 1, reinterpret_cast<DWORD_PTR>(this));
}

// While the box takes keys it wants every key but Tab from the dialog navigation, tells its
// parent of presses and releases, and swallows the characters (a read-only box would beep).
LRESULT CALLBACK Win32EditBox::KeyProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                       DWORD_PTR self) noexcept {
  auto* box = reinterpret_cast<Win32EditBox*>(self);
  if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(hwnd, &Win32EditBox::KeyProc, 1);
    return DefSubclassProc(hwnd, message, wParam, lParam);
  }
  if (!box->m_takesKeys) return DefSubclassProc(hwnd, message, wParam, lParam);
  switch (message) {
    case WM_GETDLGCODE: {
      const auto* msg = reinterpret_cast<const MSG*>(lParam);
      if (msg != nullptr && msg->message == WM_KEYDOWN && msg->wParam == VK_TAB) {
        return DefSubclassProc(hwnd, message, wParam, lParam);
      }
      return DefSubclassProc(hwnd, message, wParam, lParam) | DLGC_WANTALLKEYS;
    }
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP: {
      const bool down = message == WM_KEYDOWN || message == WM_SYSKEYDOWN;
      SendMessageW(GetParent(hwnd), kEditKeyMessage, MAKEWPARAM(box->m_controlId, down ? 1 : 0),
                   static_cast<LPARAM>(wParam & 0xFF));
      return 0;
    }
    case WM_CHAR:
    case WM_SYSCHAR:
      return 0;
    default:
      return DefSubclassProc(hwnd, message, wParam, lParam);
  }
}

std::string Win32EditBox::Text() const {
  if (m_hwnd == nullptr) return {};
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(m_hwnd)) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(m_hwnd, text.data(), static_cast<int>(text.size()))));
  return Narrow(text);
}

void Win32EditBox::SetText(const std::string& utf8) {
  if (m_hwnd != nullptr) SetWindowTextW(m_hwnd, Widen(utf8).c_str());
}

void Win32EditBox::SetEnabled(bool enabled) {
  if (m_hwnd != nullptr) EnableWindow(m_hwnd, enabled ? TRUE : FALSE);
}

void Win32EditBox::SetFont(const FontSpec& font) { GiveFont(m_hwnd, font); }

void Win32EditBox::Focus() {
  if (m_hwnd != nullptr) SetFocus(m_hwnd);
}

void Win32EditBox::SetVisible(bool visible) { ShowChild(m_hwnd, visible); }

void Win32EditBox::SetReadOnly(bool readOnly) {
  if (m_hwnd != nullptr) SendMessageW(m_hwnd, EM_SETREADONLY, readOnly ? TRUE : FALSE, 0);
}

void Win32EditBox::SetTextColor(Color color) {
  const COLORREF value = static_cast<COLORREF>(color & 0x00FFFFFFu);
  if (value == m_textColor) return;
  m_textColor = value;
  if (m_hwnd != nullptr) InvalidateRect(m_hwnd, nullptr, TRUE);
}

void Win32EditBox::CaretToEnd() {
  if (m_hwnd == nullptr) return;
  const int length = GetWindowTextLengthW(m_hwnd);
  SendMessageW(m_hwnd, EM_SETSEL, static_cast<WPARAM>(length), static_cast<LPARAM>(length));
  SendMessageW(m_hwnd, EM_SCROLLCARET, 0, 0);
}

void Win32EditBox::SetTakesKeys(bool takesKeys) { m_takesKeys = takesKeys; }

std::optional<COLORREF> Win32EditBox::TextColor() const {
  if (m_hwnd == nullptr || !IsWindowEnabled(m_hwnd)) return std::nullopt;
  return m_textColor;
}

Win32ScrollBar::Win32ScrollBar(HWND parent, int controlId, const Rect& bounds)
    : m_hwnd(CreateChild(parent, L"SCROLLBAR", WS_TABSTOP | SBS_HORZ, controlId, bounds)), m_controlId(controlId) {}

void Win32ScrollBar::SetRange(int count, int page) {
  if (m_hwnd == nullptr) return;
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_RANGE | SIF_PAGE;
  info.nMin = 0;
  info.nMax = std::max(0, count - 1);
  info.nPage = static_cast<UINT>(std::max(1, page));
  SetScrollInfo(m_hwnd, SB_CTL, &info, TRUE);
}

void Win32ScrollBar::SetPosition(int position) {
  if (m_hwnd != nullptr) SetScrollPos(m_hwnd, SB_CTL, position, TRUE);
}

int Win32ScrollBar::Position() const { return m_hwnd != nullptr ? GetScrollPos(m_hwnd, SB_CTL) : 0; }

void Win32ScrollBar::SetVisible(bool visible) { ShowChild(m_hwnd, visible); }

int Win32ScrollBar::Scroll(int request) {
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_ALL;
  if (m_hwnd == nullptr || !GetScrollInfo(m_hwnd, SB_CTL, &info)) return 0;
  const int page = static_cast<int>(std::max<UINT>(info.nPage, 1));
  const int last = std::max(info.nMin, info.nMax - page + 1);
  int position = info.nPos;
  switch (request) {
    case SB_LINELEFT: position -= 1; break;
    case SB_LINERIGHT: position += 1; break;
    case SB_PAGELEFT: position -= page; break;
    case SB_PAGERIGHT: position += page; break;
    case SB_LEFT: position = info.nMin; break;
    case SB_RIGHT: position = last; break;
    // Scrolls while the thumb is dragged, not only where it is let go.
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: position = info.nTrackPos; break;
    default: return info.nPos;
  }
  position = std::clamp(position, info.nMin, last);
  SetScrollPos(m_hwnd, SB_CTL, position, TRUE);
  return position;
}

Win32ListBox::Win32ListBox(HWND parent, int controlId, const Rect& bounds)
    : m_hwnd(CreateChild(parent, L"LISTBOX", WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, controlId,
                         bounds)) {}

void Win32ListBox::SetItems(const std::vector<std::string>& utf8Items) {
  if (m_hwnd == nullptr) return;
  SendMessageW(m_hwnd, LB_RESETCONTENT, 0, 0);
  for (const std::string& item : utf8Items) {
    const std::wstring text = Widen(item);
    SendMessageW(m_hwnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
}

int Win32ListBox::Selected() const {
  if (m_hwnd == nullptr) return -1;
  const LRESULT selected = SendMessageW(m_hwnd, LB_GETCURSEL, 0, 0);
  return selected == LB_ERR ? -1 : static_cast<int>(selected);
}

void Win32ListBox::Select(int index) {
  if (m_hwnd != nullptr) SendMessageW(m_hwnd, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

// A new font sets the rows to its own height, so a fixed height is given again.
void Win32ListBox::SetFont(const FontSpec& font) {
  GiveFont(m_hwnd, font);
  if (m_rowHeight > 0) SetRowHeight(m_rowHeight);
}

void Win32ListBox::SetVisible(bool visible) { ShowChild(m_hwnd, visible); }

void Win32ListBox::SetRowHeight(int pixels) {
  m_rowHeight = pixels;
  if (m_hwnd == nullptr) return;
  SendMessageW(m_hwnd, LB_SETITEMHEIGHT, 0, MAKELPARAM(pixels, 0));
  InvalidateRect(m_hwnd, nullptr, TRUE);
}

int Win32ListBox::TopIndex() const {
  if (m_hwnd == nullptr) return 0;
  const LRESULT top = SendMessageW(m_hwnd, LB_GETTOPINDEX, 0, 0);
  return top == LB_ERR ? 0 : static_cast<int>(top);
}

}  // namespace tarnwick
