#include "platform/win32/GdiCanvas.h"

#include "platform/win32/Handles.h"

namespace tarnwick {

namespace {

// The top byte of a COLORREF selects palette modes; a plain 0x00BBGGRR value is meant.
COLORREF ToColorRef(Color color) { return static_cast<COLORREF>(color & 0x00FFFFFFu); }

}  // namespace

void GdiCanvas::FillRect(const Rect& rect, Color color) {
  UniqueGdiObject<HBRUSH> brush(CreateSolidBrush(ToColorRef(color)));
  if (!brush) return;
  const RECT area{rect.left, rect.top, rect.right, rect.bottom};
  ::FillRect(dc_, &area, brush.Get());
}

void GdiCanvas::Line(Point from, Point to, Color color, int width) {
  UniqueGdiObject<HPEN> pen(CreatePen(PS_SOLID, width, ToColorRef(color)));
  if (!pen) return;
  SelectedObject selected(dc_, pen.Get());
  MoveToEx(dc_, from.x, from.y, nullptr);
  LineTo(dc_, to.x, to.y);
}

}  // namespace tarnwick
