#include "menuwindow/MenuGeometry.h"

#include <algorithm>

namespace tarnwick {

int MenuGrid::WidthAfterColumn(int column) const {
  int width = 0;
  for (int c = std::max(column + 1, 0); c < Columns(); ++c) width += columnWidths[c] + 2;
  return width;
}

Rect MenuGrid::CellRect(Cell cell) const {
  const int top = RowTop(cell.row);
  return {WidthAfterColumn(cell.column) + 2, top + 2, WidthAfterColumn(cell.column - 1) - 4,
          top + kRowHeight - 1};
}

Cell MenuGrid::HitTest(Point point, int windowHeight) const {
  for (int c = Columns() - 1; c >= 0; --c) {
    if (WidthAfterColumn(c) + 2 < point.x && point.x < WidthAfterColumn(c - 1) - 2) {
      if (point.y > 1 && point.y < windowHeight - 2) {
        const int row = (rows - 1) - (point.y - 1) / kRowHeight;
        // A window taller than the grid (not yet re-sized) has no row above the top one.
        if (row >= 0 && row < rows) return {c, row};
      }
      return {};
    }
  }
  return {};
}

std::vector<int> ComputeColumnWidths(const ItemTable& table, int menuId, int columns, TextMeasure& measure,
                                     const FontSpec& font) {
  std::vector<int> widths(static_cast<size_t>(std::max(columns, 0)), 50);
  for (const Item& item : table.Items()) {
    if (item.MenuId != menuId || item.Column < 0 || item.Column >= columns) continue;
    int& width = widths[static_cast<size_t>(item.Column)];
    if (KindOf(item.ProgramFile) == ItemKind::Separator) {
      const int caption = measure.TextWidth(font, item.Parameters);
      if (caption > width) {
        width = caption;
        continue;
      }
    }
    width = std::max(width, measure.TextWidth(font, item.Description));
  }
  for (int& width : widths) width += 50;
  return widths;
}

Point PlaceMenu(Point anchor, Size menu, Size screen) {
  return PlaceMenu(anchor, menu, Rect{0, 0, screen.width, screen.height});
}

Point PlaceMenu(Point anchor, Size menu, const Rect& area) {
  Point origin;
  origin.y = anchor.y <= area.bottom - menu.height ? anchor.y : anchor.y - menu.height + 1;
  origin.x = anchor.x <= area.right - menu.width ? anchor.x : anchor.x - menu.width + 1;
  origin.y = std::max(origin.y, area.top);
  origin.x = std::max(origin.x, area.left);
  return origin;
}

}  // namespace tarnwick
