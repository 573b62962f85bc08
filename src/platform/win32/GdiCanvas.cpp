#include "platform/win32/GdiCanvas.h"

#include <string>

#include "platform/win32/Handles.h"
#include "platform/win32/Unicode.h"

namespace tarnwick {

namespace {

// The top byte of a COLORREF selects palette modes; a plain 0x00BBGGRR value is meant.
COLORREF ToColorRef(Color color) { return static_cast<COLORREF>(color & 0x00FFFFFFu); }

// Widen rejects input longer than INT_MAX, so the length always fits.
UINT Length(const std::wstring& text) { return static_cast<UINT>(text.size()); }

}  // namespace

// SaveDC/RestoreDC put back the font, colours, background mode and alignment the text calls
// change, so no cached font is left selected in a DC that outlives the canvas.
GdiCanvas::GdiCanvas(HDC dc, HIMAGELIST images, GdiFontCache& fonts, HIMAGELIST pickerImages)
    : m_dc(dc), m_images(images), m_fonts(fonts), m_pickerImages(pickerImages), m_savedState(SaveDC(dc)) {}

GdiCanvas::~GdiCanvas() {
  if (m_savedState != 0) RestoreDC(m_dc, m_savedState);
}

void GdiCanvas::FillRect(const Rect& rect, Color color) {
  UniqueGdiObject<HBRUSH> brush(CreateSolidBrush(ToColorRef(color)));
  if (!brush) return;
  const RECT area{rect.left, rect.top, rect.right, rect.bottom};
  ::FillRect(m_dc, &area, brush.Get());
}

// A cosmetic 1-pixel pen draws from the start pixel up to, but not including, the end pixel,
// in either direction; that is the rule the callers' grooves and separators rely on.
void GdiCanvas::Line(Point from, Point to, Color color, int width) {
  UniqueGdiObject<HPEN> pen(CreatePen(PS_SOLID, width, ToColorRef(color)));
  if (!pen) return;
  SelectedObject selected(m_dc, pen.Get());
  MoveToEx(m_dc, from.x, from.y, nullptr);
  LineTo(m_dc, to.x, to.y);
}

void GdiCanvas::SetFont(const FontSpec& font) {
  if (HFONT handle = m_fonts.Get(m_dc, font)) SelectObject(m_dc, handle);
}

int GdiCanvas::TextWidth(std::string_view utf8) {
  const std::wstring text = Widen(utf8);
  SIZE size{};
  if (text.empty() || !GetTextExtentPoint32W(m_dc, text.c_str(), static_cast<int>(text.size()), &size)) return 0;
  return size.cx;
}

void GdiCanvas::TextInRect(const Rect& rect, Point origin, std::string_view utf8, Color text, Color fill) {
  const std::wstring wide = Widen(utf8);
  const RECT area{rect.left, rect.top, rect.right, rect.bottom};
  SetTextAlign(m_dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
  SetTextColor(m_dc, ToColorRef(text));
  SetBkColor(m_dc, ToColorRef(fill));
  // ETO_OPAQUE fills the whole rectangle in the background colour, also for empty text, and
  // ETO_CLIPPED keeps glyphs that start inside but run past it from spilling out.
  ExtTextOutW(m_dc, origin.x, origin.y, ETO_OPAQUE | ETO_CLIPPED, &area, wide.c_str(), Length(wide), nullptr);
}

void GdiCanvas::OpaqueText(Point origin, std::string_view utf8, Color text, Color background) {
  const std::wstring wide = Widen(utf8);
  if (wide.empty()) return;
  SetTextAlign(m_dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
  SetTextColor(m_dc, ToColorRef(text));
  SetBkColor(m_dc, ToColorRef(background));
  // With OPAQUE mode and no rectangle, GDI fills exactly the text's character cells.
  SetBkMode(m_dc, OPAQUE);
  ExtTextOutW(m_dc, origin.x, origin.y, 0, nullptr, wide.c_str(), Length(wide), nullptr);
}

void GdiCanvas::DrawImage(int index, Point origin) {
  if (m_images == nullptr || index < 0 || index >= ImageList_GetImageCount(m_images)) return;
  ImageList_Draw(m_images, index, m_dc, origin.x, origin.y, ILD_NORMAL);
}

void GdiCanvas::DrawPickerIcon(int cell, Point origin) {
  if (m_pickerImages == nullptr || cell < 0 || cell >= ImageList_GetImageCount(m_pickerImages)) return;
  ImageList_Draw(m_pickerImages, cell, m_dc, origin.x, origin.y, ILD_NORMAL);
}

void GdiCanvas::DrawApplicationIcon(Point origin) {
  // LR_SHARED: the system keeps the icon for the module's life, so it is not destroyed here.
  const auto icon = static_cast<HICON>(
      LoadImageW(GetModuleHandleW(nullptr), L"MAINICON", IMAGE_ICON, 32, 32, LR_SHARED));
  if (icon != nullptr) DrawIconEx(m_dc, origin.x, origin.y, icon, 32, 32, 0, nullptr, DI_NORMAL);
}

}  // namespace tarnwick
