#include "model/GridEdits.h"

#include <algorithm>

namespace tarnwick {

namespace {

void MoveIfThere(ItemTable& table, int menuId, Cell from, Cell to) {
  const int i = table.FindItemAt(from.column, from.row, menuId);
  if (i >= 0) table.MoveItem(static_cast<size_t>(i), to.column, to.row);
}

enum class Axis { Rows, Columns };

// Moves every item of the menu past the removed row (column) back by one.
void CloseGap(ItemTable& table, int menuId, Axis axis, int removed) {
  for (size_t position = 0; position < table.Count(); ++position) {
    const Item& item = table.At(position);
    if (item.MenuId != menuId) continue;
    if (axis == Axis::Rows && item.Row > removed) table.MoveItem(position, item.Column, item.Row - 1);
    if (axis == Axis::Columns && item.Column > removed) table.MoveItem(position, item.Column - 1, item.Row);
  }
}

}  // namespace

void DragCell(ItemTable& table, int menuId, Cell source, Cell target) {
  const int a = table.FindItemAt(source.column, source.row, menuId);
  const int b = table.FindItemAt(target.column, target.row, menuId);

  if (source.column == target.column) {
    const int c = source.column;
    if (target.row < source.row) {
      for (int r = source.row; r > target.row; --r) MoveIfThere(table, menuId, {c, r - 1}, {c, r});
    } else {
      for (int r = source.row; r < target.row; ++r) MoveIfThere(table, menuId, {c, r + 1}, {c, r});
    }
    if (a >= 0) table.MoveItem(static_cast<size_t>(a), c, target.row);
    return;
  }
  if (a >= 0 && b >= 0) {
    table.SwapCells(static_cast<size_t>(a), static_cast<size_t>(b));
  } else if (a >= 0) {
    table.MoveItem(static_cast<size_t>(a), target.column, target.row);
  } else if (b >= 0) {
    table.MoveItem(static_cast<size_t>(b), source.column, source.row);
  }
}

void RemoveRow(ItemTable& table, int menuId, int row) {
  // The column count is read anew each time, as the removals cannot change it.
  for (int column = 0; column < table.ColumnsOf(menuId); ++column) table.RemoveItemAt(column, row, menuId);
  CloseGap(table, menuId, Axis::Rows, row);
  // A menu of no rows could not be shown or clicked again.
  int& rows = table.RowsOf(menuId);
  rows = std::max(rows - 1, 1);
}

void RemoveColumn(ItemTable& table, int menuId, int column) {
  for (int row = 0; row < table.RowsOf(menuId); ++row) table.RemoveItemAt(column, row, menuId);
  CloseGap(table, menuId, Axis::Columns, column);
  int& columns = table.ColumnsOf(menuId);
  columns = std::max(columns - 1, 1);
}

}  // namespace tarnwick
