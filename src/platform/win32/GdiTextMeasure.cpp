#include "platform/win32/GdiTextMeasure.h"

#include <string>

#include "platform/win32/Unicode.h"

namespace tarnwick {

GdiTextMeasure::GdiTextMeasure(GdiFontCache& fonts) : fonts_(fonts), dc_(CreateCompatibleDC(nullptr)) {}

int GdiTextMeasure::TextWidth(const FontSpec& font, std::string_view utf8) {
  const std::wstring text = Widen(utf8);
  if (!dc_ || text.empty()) return 0;
  HFONT handle = fonts_.Get(dc_.Get(), font);
  if (handle == nullptr) return 0;
  SelectedObject selected(dc_.Get(), handle);
  SIZE size{};
  if (!GetTextExtentPoint32W(dc_.Get(), text.c_str(), static_cast<int>(text.size()), &size)) return 0;
  return size.cx;
}

}  // namespace tarnwick
