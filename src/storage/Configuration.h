#pragma once

#include <string>
#include <string_view>

#include "model/ItemTable.h"
#include "model/MenuList.h"
#include "model/Settings.h"
#include "storage/IniFile.h"

namespace tarnwick {

inline constexpr const char* kConfigFileName = "Tarnwick.ini";
inline constexpr const char* kCurrentVersion = "2.0";
// The last line the writer gives every file, after an empty line. A file that ends with it
// was written whole, which tells a complete temporary file from a cut one.
inline constexpr std::string_view kEndMark = "; end of Tarnwick.ini\r\n";

bool IsCompleteConfiguration(std::string_view bytes);
// False for a file of which the loaders can use nothing: none of the sections they read.
bool HasKnownSection(const IniFile& file);

// [Setting], [Popup Enabled] and [Popup]. windowFont gives the defaults of the menu font.
void LoadSettings(const IniFile& file, const FontSpec& windowFont, Settings& settings);

// The options window is shown at start unless the file is of the current version.
bool ShowOptionsAtStart(const IniFile& file);
// Files without a version, or of version 1.0, keep their items in [Order].
bool IsLegacyLayout(const IniFile& file);

// [Menu]: names and ids in file order; one default menu when there is none, and always for
// the legacy layout, whose sections are all items.
MenuList ReadMenuList(const IniFile& file);

// Fill the grid sizes and the item table; every item goes through AddItem.
// textColor is the colour of items that have none of their own.
void LoadMenus(const IniFile& file, ItemTable& items, const MenuList& menus, Color textColor);
void LoadLegacyMenus(const IniFile& file, ItemTable& items, Color textColor);

// The whole configuration file, in its fixed order of sections and keys.
std::string ConfigurationText(const Settings& settings, const MenuList& menus, const ItemTable& items);

}  // namespace tarnwick
