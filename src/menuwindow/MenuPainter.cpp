#include "menuwindow/MenuPainter.h"

#include <string>

#include "ui/RaisedFrame.h"
#include "model/Names.h"

namespace tarnwick {

namespace {

const FontSpec kSeparatorFont{"Small Fonts", 7, false, false};

bool IsSeparator(const Item& item) { return KindOf(item.ProgramFile) == ItemKind::Separator; }

const Item* ItemInCell(const MenuView& view, Cell cell) {
  const int position = view.table.FindItemAt(cell.column, cell.row, view.menuId);
  return position < 0 ? nullptr : &view.table.At(static_cast<size_t>(position));
}

// Caption and picture of an item in rect, the caption from (left + 28, top + dy + 2) and
// the picture from (left + 1, top + dy + 1); dy makes up for a rect raised by a pixel.
void DrawCaption(Canvas& canvas, const MenuView& view, const Item& item, const Rect& rect, int dy, Color text,
                 Color fill) {
  const std::string caption = StripDuplicateNumber(item.Description, view.hideDupNo);
  canvas.TextInRect(rect, {rect.left + 28, rect.top + dy + 2}, caption, text, fill);
  if (item.ImageIndex >= 0 && item.ImageIndex < view.imageCount) {
    canvas.DrawImage(item.ImageIndex, {rect.left + 1, rect.top + dy + 1});
  }
}

void DrawSeparator(Canvas& canvas, const MenuView& view, const Item& item, const Rect& rect) {
  canvas.Line({rect.right - 5, rect.top + 9}, {rect.left + 3, rect.top + 9}, EdgeDark, 1);
  canvas.Line({rect.right - 5, rect.top + 11}, {rect.left + 3, rect.top + 11}, EdgeLight, 1);
  canvas.SetFont(kSeparatorFont);
  const int width = canvas.TextWidth(item.Parameters);
  canvas.OpaqueText({rect.left + (rect.Width() - width) / 2, rect.top + 5}, item.Parameters, item.ItemColor,
                    view.colors.background);
  canvas.SetFont(view.font);
}

void PaintGrooves(Canvas& canvas, const MenuView& view) {
  const int bottom = view.client.height - 5;
  for (int n = view.grid.Columns() - 2; n >= 0; --n) {
    const int x = view.grid.WidthAfterColumn(n);
    canvas.Line({x - 1, 5}, {x - 1, bottom}, EdgeLight, 1);
    canvas.Line({x - 2, 5}, {x - 2, bottom}, EdgeDark, 1);
  }
}

}  // namespace

void PaintMenu(Canvas& canvas, const MenuView& view, Cell hot) {
  const Rect client{0, 0, view.client.width, view.client.height};
  canvas.FillRect(client, view.colors.background);
  DrawRaisedFrame(canvas, client);
  canvas.SetFont(view.font);
  PaintGrooves(canvas, view);

  for (const Item& item : view.table.Items()) {
    // Items of other menus, and cells a hand-edited file put outside the grid, are not drawn.
    const Cell cell{item.Column, item.Row};
    if (item.MenuId != view.menuId || !view.grid.Contains(cell)) continue;
    const Rect rect = view.grid.CellRect(cell);
    if (IsSeparator(item)) {
      DrawSeparator(canvas, view, item, rect);
    } else {
      DrawCaption(canvas, view, item, rect, 0, item.ItemColor, view.colors.background);
    }
  }
  PaintHighlight(canvas, view, hot);
}

void PaintHighlight(Canvas& canvas, const MenuView& view, Cell cell) {
  if (!view.grid.Contains(cell)) return;
  const Item* item = ItemInCell(view, cell);
  if (item != nullptr && IsSeparator(*item)) return;
  const Rect rect = view.grid.CellRect(cell);
  if (item == nullptr) {
    canvas.FillRect(rect, view.colors.highlight);
    return;
  }
  DrawCaption(canvas, view, *item, rect, 0, view.colors.highlightText, view.colors.highlight);
}

void PaintPlainCell(Canvas& canvas, const MenuView& view, Cell cell) {
  if (!view.grid.Contains(cell)) return;
  const Item* item = ItemInCell(view, cell);
  if (item != nullptr && IsSeparator(*item)) return;
  Rect rect = view.grid.CellRect(cell);
  rect.top -= 1;  // also clears the drop marker on the cell's top line
  if (item == nullptr) {
    canvas.FillRect(rect, view.colors.background);
    return;
  }
  DrawCaption(canvas, view, *item, rect, 1, item->ItemColor, view.colors.background);
}

void PaintDropMarker(Canvas& canvas, const MenuView& view, Cell cell, Color color) {
  if (!view.grid.Contains(cell)) return;
  const int y = view.grid.RowTop(cell.row) + 1;
  canvas.Line({view.grid.WidthAfterColumn(cell.column) + 2, y}, {view.grid.WidthAfterColumn(cell.column - 1) - 2, y},
              color, 1);
}

}  // namespace tarnwick
