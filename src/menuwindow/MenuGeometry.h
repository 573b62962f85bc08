#pragma once

#include <vector>

#include "model/ItemTable.h"
#include "platform/Canvas.h"
#include "model/Geometry.h"

namespace tarnwick {

inline constexpr int kRowHeight = 20;

// The grid of the current menu in client pixels. Column 0 is the rightmost column and row 0
// the bottom row; between columns lies a two-pixel gap, and the window has a two-pixel frame.
struct MenuGrid {
  std::vector<int> columnWidths;
  int rows = 1;

  int Columns() const { return static_cast<int>(columnWidths.size()); }
  bool Contains(Cell cell) const {
    return cell.column >= 0 && cell.column < Columns() && cell.row >= 0 && cell.row < rows;
  }
  // Sum of (width + 2) over the columns left of column c; -1 gives the whole width.
  int WidthAfterColumn(int column) const;
  int RowTop(int row) const { return (rows - 1 - row) * kRowHeight; }
  Size WindowSize() const { return {WidthAfterColumn(-1), rows * kRowHeight + 2}; }
  // Right and bottom exclusive: ColumnWidths[c] - 4 wide, 17 high.
  Rect CellRect(Cell cell) const;
  // The cell under a client point of a window of the given height: no cell in the grooves,
  // in the outer two pixels of a column, on the frame or beyond the grid.
  Cell HitTest(Point point, int windowHeight) const;
};

// Each column is as wide as its widest label, at least 50, plus 50. A separator is measured by
// its caption when that is wider, else by its description.
std::vector<int> ComputeColumnWidths(const ItemTable& table, int menuId, int columns, TextMeasure& measure,
                                     const FontSpec& font);

// Opens down and to the right of the point, flips up and left where the menu would cross the
// bottom or right screen edge, and never starts above or left of the screen.
Point PlaceMenu(Point anchor, Size menu, Size screen);
// The same within an area of the desktop (the monitor the menu was triggered on), whose
// top-left corner may lie at negative coordinates.
Point PlaceMenu(Point anchor, Size menu, const Rect& area);

}  // namespace tarnwick
