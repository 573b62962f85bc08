#include "platform/win32/Win32Controls.h"

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
    : m_hwnd(CreateChild(parent, L"EDIT", WS_TABSTOP | ES_AUTOHSCROLL, controlId, bounds)) {}

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

void Win32EditBox::MoveCaretToEnd() {
  if (m_hwnd == nullptr) return;
  const int length = GetWindowTextLengthW(m_hwnd);
  SendMessageW(m_hwnd, EM_SETSEL, static_cast<WPARAM>(length), static_cast<LPARAM>(length));
}

void Win32EditBox::SetVisible(bool visible) { ShowChild(m_hwnd, visible); }

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
