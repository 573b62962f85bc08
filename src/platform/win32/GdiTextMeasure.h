#pragma once

#include "platform/Canvas.h"
#include "platform/win32/GdiFontCache.h"
#include "platform/win32/Handles.h"

namespace tarnwick {

// Measures text on a memory DC compatible with the screen, with the fonts a GdiCanvas on a
// screen or window DC would use, so that widths agree with what is painted.
class GdiTextMeasure final : public TextMeasure {
 public:
  explicit GdiTextMeasure(GdiFontCache& fonts = GdiFontCache::Shared());

  int TextWidth(const FontSpec& font, std::string_view utf8) override;
  int TextHeight(const FontSpec& font, std::string_view utf8) override;

 private:
  GdiFontCache& m_fonts;
  UniqueMemoryDc m_dc;
};

}  // namespace tarnwick
