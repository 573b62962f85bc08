#pragma once

#include <windows.h>

#include "platform/Window.h"

namespace tarnwick {

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
  void MoveCaretToEnd() override;
  HWND Handle() const { return m_hwnd; }

 private:
  HWND m_hwnd;
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
