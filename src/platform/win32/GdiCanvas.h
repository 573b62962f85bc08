#pragma once

#include <windows.h>

#include <commctrl.h>

#include "platform/Canvas.h"
#include "platform/win32/GdiFontCache.h"

namespace tarnwick {

// Canvas over a DC it does not own. Pictures come from images (the shared image list, not
// owned; may be null) and fonts from fonts. Every object the canvas creates is deleted or
// deselected by the time it is destroyed, and the DC's selections and text settings are
// then as before.
class GdiCanvas final : public Canvas {
 public:
  // pickerImages: the icon picker's strip (not owned; may be null).
  GdiCanvas(HDC dc, HIMAGELIST images, GdiFontCache& fonts = GdiFontCache::Shared(), HIMAGELIST pickerImages = nullptr);
  ~GdiCanvas() override;

  void FillRect(const Rect& rect, Color color) override;
  void Line(Point from, Point to, Color color, int width) override;
  void SetFont(const FontSpec& font) override;
  int TextWidth(std::string_view utf8) override;
  void TextInRect(const Rect& rect, Point origin, std::string_view utf8, Color text, Color fill) override;
  void OpaqueText(Point origin, std::string_view utf8, Color text, Color background) override;
  void DrawImage(int index, Point origin) override;
  void DrawPickerIcon(int cell, Point origin) override;
  void DrawApplicationIcon(Point origin) override;

 private:
  HDC m_dc;
  HIMAGELIST m_images;
  GdiFontCache& m_fonts;
  HIMAGELIST m_pickerImages;
  int m_savedState;
};

}  // namespace tarnwick
