#include "platform/win32/GdiTextMeasure.h"

#include <string>

#include "platform/win32/Unicode.h"

namespace tarnwick {

GdiTextMeasure::GdiTextMeasure(GdiFontCache& fonts) : m_fonts(fonts), m_dc(CreateCompatibleDC(nullptr)) {}

int GdiTextMeasure::TextWidth(const FontSpec& font, std::string_view utf8) {
  const std::wstring text = Widen(utf8);
  if (!m_dc || text.empty()) return 0;
  HFONT handle = m_fonts.Get(m_dc.Get(), font);
  if (handle == nullptr) return 0;
  SelectedObject selected(m_dc.Get(), handle);
  SIZE size{};
  if (!GetTextExtentPoint32W(m_dc.Get(), text.c_str(), static_cast<int>(text.size()), &size)) return 0;
  return size.cx;
}

int GdiTextMeasure::TextHeight(const FontSpec& font, std::string_view utf8) {
  const std::wstring text = Widen(utf8);
  if (!m_dc) return 0;
  HFONT handle = m_fonts.Get(m_dc.Get(), font);
  if (handle == nullptr) return 0;
  SelectedObject selected(m_dc.Get(), handle);
  SIZE size{};
  // An empty text measures as a line all the same: its height is the font's.
  const wchar_t* measured = text.empty() ? L" " : text.c_str();
  const int length = text.empty() ? 1 : static_cast<int>(text.size());
  if (!GetTextExtentPoint32W(m_dc.Get(), measured, length, &size)) return 0;
  return size.cy;
}

}  // namespace tarnwick
