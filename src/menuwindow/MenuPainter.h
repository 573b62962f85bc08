#pragma once

#include "menuwindow/MenuGeometry.h"
#include "model/ItemTable.h"
#include "platform/Canvas.h"

namespace tarnwick {

struct MenuColors {
  Color background = kDefaultBackground;
  Color text = kDefaultText;
  Color highlight = kDefaultHighlight;
  Color highlightText = kDefaultHighlightText;
};

// Everything a paint of the current menu reads.
struct MenuView {
  const ItemTable& table;
  const MenuGrid& grid;
  int menuId;
  Size client;
  MenuColors colors;
  FontSpec font;
  bool hideDupNo;
  int imageCount;  // pictures in the shared image list
};

// The whole menu: background, frame, grooves, items and the highlight of the hot cell.
void PaintMenu(Canvas& canvas, const MenuView& view, Cell hot);
// The highlight of one cell, as the hover draws it (nothing on a separator).
void PaintHighlight(Canvas& canvas, const MenuView& view, Cell cell);
// One cell back to its plain look, after it lost the highlight.
void PaintPlainCell(Canvas& canvas, const MenuView& view, Cell cell);
// The one-pixel line at the top of a cell that shows where a drag would drop.
void PaintDropMarker(Canvas& canvas, const MenuView& view, Cell cell, Color color);

}  // namespace tarnwick
