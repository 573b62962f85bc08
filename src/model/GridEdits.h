#pragma once

#include "model/Geometry.h"
#include "model/ItemTable.h"

namespace tarnwick {

// Edits of a menu's grid, shared by drag and drop and the context commands. Items move
// through the table's own calls, so its index of occupied cells stays right.

// A drag from source to target. Within one column it is an insertion: the items between
// shift one row toward the source. Across columns the two cells swap (an empty cell takes
// the other's item).
void DragCell(ItemTable& table, int menuId, Cell source, Cell target);

// Removes every item of a row (of a column) and moves the rows above it down (the columns
// left of it to the right) by one. The menu loses that row (column) but keeps at least one.
void RemoveRow(ItemTable& table, int menuId, int row);
void RemoveColumn(ItemTable& table, int menuId, int column);

}  // namespace tarnwick
