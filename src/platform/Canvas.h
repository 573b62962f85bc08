#pragma once

#include <string_view>

#include "model/Font.h"
#include "model/Geometry.h"

namespace tarnwick {

// Drawing surface handed to a window's paint handler, in client pixels.
class Canvas {
 public:
  Canvas() = default;
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;
  virtual ~Canvas() = default;

  virtual void FillRect(const Rect& rect, Color color) = 0;
  // A straight line of the given pen width from `from` to `to`, the end point itself not
  // drawn; pixel coverage follows GDI's pen rules.
  virtual void Line(Point from, Point to, Color color, int width) = 0;
  // The font of the text calls that follow.
  virtual void SetFont(const FontSpec& font) = 0;
  // Width in pixels of text in the current font.
  virtual int TextWidth(std::string_view utf8) = 0;
  // Fills rect with fill, then draws text from origin in the colour given, clipped to rect.
  virtual void TextInRect(const Rect& rect, Point origin, std::string_view utf8, Color text, Color fill) = 0;
  // Draws text from origin on an opaque background of its own size.
  virtual void OpaqueText(Point origin, std::string_view utf8, Color text, Color background) = 0;
  // Picture `index` of the shared image list, with its mask, at origin. Callers check the index.
  virtual void DrawImage(int index, Point origin) = 0;
  // The 32 x 32 icon of a cell of the icon picker's strip (see Icons) at origin; nothing for a
  // cell without one.
  virtual void DrawPickerIcon(int cell, Point origin) = 0;
  // The program's own 32 x 32 icon at origin.
  virtual void DrawApplicationIcon(Point origin) = 0;
};

// Measures text outside painting (column widths are worked out before a window is sized).
class TextMeasure {
 public:
  TextMeasure() = default;
  TextMeasure(const TextMeasure&) = delete;
  TextMeasure& operator=(const TextMeasure&) = delete;
  virtual ~TextMeasure() = default;

  virtual int TextWidth(const FontSpec& font, std::string_view utf8) = 0;
  // Height in pixels of a line of text in the font.
  virtual int TextHeight(const FontSpec& font, std::string_view utf8) = 0;
};

}  // namespace tarnwick
