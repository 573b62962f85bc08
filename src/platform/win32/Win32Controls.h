#pragma once

#include <windows.h>

#include <optional>

#include "platform/Window.h"

namespace tarnwick {

// What an edit box that takes keys sends its parent for each press and release: wParam holds
// the control id (low word) and 1 for a press, 0 for a release (high word); lParam the key.
inline constexpr UINT kEditKeyMessage = WM_APP + 0x40;

// The system's edit and list controls as children of one of our windows. They are destroyed
// with their parent window; the objects only keep the handles.
class Win32EditBox final : public EditBox {
 public:
  Win32EditBox(HWND parent, int controlId, const Rect& bounds);

  std::string Text() const override;
  void SetText(const std::string& utf8) override;
  void SetEnabled(bool enabled) override;
  void SetFont(const FontSpec& font) override;
  void Focus() override;
  void SetVisible(bool visible) override;
  void SetReadOnly(bool readOnly) override;
  void SetTextColor(Color color) override;
  void CaretToEnd() override;
  void SetTakesKeys(bool takesKeys) override;
  HWND Handle() const { return m_hwnd; }
  // The colours of its text and background, for the parent's colour message; none for a
  // disabled box, which the system greys.
  std::optional<COLORREF> TextColor() const;

 private:
  static LRESULT CALLBACK KeyProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                  DWORD_PTR self) noexcept;

  HWND m_hwnd;
  int m_controlId;
  COLORREF m_textColor = RGB(0, 0, 0);
  bool m_takesKeys = false;
};

class Win32ScrollBar final : public ScrollBar {
 public:
  Win32ScrollBar(HWND parent, int controlId, const Rect& bounds);

  void SetRange(int count, int page) override;
  void SetPosition(int position) override;
  int Position() const override;
  void SetVisible(bool visible) override;
  HWND Handle() const { return m_hwnd; }
  int ControlId() const { return m_controlId; }
  // The position a scroll request (WM_HSCROLL's code) leads to; the bar is moved there.
  int Scroll(int request);

 private:
  HWND m_hwnd;
  int m_controlId;
};

class Win32ListBox final : public ListBox {
 public:
  Win32ListBox(HWND parent, int controlId, const Rect& bounds);

  void SetItems(const std::vector<std::string>& utf8Items) override;
  int Selected() const override;
  void Select(int index) override;
  void SetFont(const FontSpec& font) override;
  void SetVisible(bool visible) override;
  void SetRowHeight(int pixels) override;
  int TopIndex() const override;
  HWND Handle() const { return m_hwnd; }

 private:
  HWND m_hwnd;
  int m_rowHeight = 0;  // 0: the font's
};

}  // namespace tarnwick
