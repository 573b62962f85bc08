#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/Geometry.h"
#include "model/Item.h"
#include "model/ItemTable.h"
#include "platform/AnsiCodePage.h"

namespace tarnwick {

// One menu as a file of its own holds it: its grid size and its items. The file's item
// sections carry the configuration file's item keys, less "Type" (the file is the menu).

// A menu read from such a file, ready to be added.
struct ImportedMenu {
  int columns = 1;          // [Setting] "Column" and "Row", within what a loaded menu may have
  int rows = 1;
  std::vector<Item> items;  // item sections in file order; MenuId is left for the caller to set
};

// The bytes an export writes for one menu: [Setting] with "Column" and "Row" only, then every
// item of the menu in table order, free-cell markers left out. Encoded like the configuration
// file.
std::string ExportedMenuBytes(const ItemTable& table, int menuId, int columns, int rows, const AnsiCodePage& ansi);

// Reads an exported (or any settings) file's bytes. Sections with an empty or missing "Exec"
// are no items; numbers that cannot be read take the configuration file's defaults, a missing
// colour the text colour. Descriptions are shown as the display form would show them.
ImportedMenu ParseMenuFile(std::string_view bytes, Color textColor, bool hideDupNo, const AnsiCodePage& ansi);

// The name an imported file gives its menu: the file name without its folder, up to its first
// "." (the whole name when that leaves nothing), in its display form. Not yet cleaned to be a
// menu name: the rename does that.
std::string MenuNameFromFile(std::string_view path, bool hideDupNo);

}  // namespace tarnwick
