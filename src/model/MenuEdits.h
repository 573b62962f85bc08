#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "model/ItemTable.h"
#include "model/MenuList.h"
#include "model/Settings.h"

namespace tarnwick {

// Ids handed to new menus run from 0 to this.
inline constexpr int kMaxNewMenuId = 9998;
inline constexpr const char* kNewMenuName = "New Menu";

// The smallest id from 0 to kMaxNewMenuId that no menu has; nullopt when all are taken.
std::optional<int> NewMenuId(const MenuList& menus);

// The name a menu would take: cleaned for the file (see CleanKeyName) and numbered when it
// clashes with another menu's name or a reserved section name. The names are compared as the
// file compares keys, so two names it could not tell apart are never both kept. The menu at
// `except` (a rename) does not count as a clash; empty when the name cleans to nothing.
std::string UniqueMenuName(const MenuList& menus, std::string_view name,
                           std::optional<size_t> except = std::nullopt);

// Appends a menu named "New Menu" (numbered when taken) of one column by one row, under the
// smallest free id. Its position, or nullopt (nothing changed) when no id is free.
std::optional<size_t> AddMenu(MenuList& menus, ItemTable& table);

// Renames the menu at `position` to the typed name, cleaned and made unique. False (nothing
// changed) when the name cleans to nothing or is the menu's name as it is.
bool RenameMenu(MenuList& menus, size_t position, std::string_view typed);

// What a removal changed that the windows have to follow.
struct MenuRemoval {
  int removedId = 0;
  int firstId = 0;             // the menu that took over the removed one's triggers
  bool wasCurrent = false;     // the menu window's current menu was the removed one
};

// Removes the menu at `position`: its items (inside its grid or not, their hotkeys
// unregistered), its grid size and its entry. Triggers that opened it, and the menu window's
// current menu, move to the first remaining menu. The last menu is never removed (nullopt).
// A menu whose id another menu shares (a hand-edited file) goes alone: the items and triggers
// of that id stay with the other.
std::optional<MenuRemoval> RemoveMenu(MenuList& menus, ItemTable& table, Settings& settings, size_t position);

// After the check mark of a trigger was toggled: the group of that trigger (the eight screen
// sources, or the two tray clicks) keeps at least one active source, the toggled one.
void KeepOneTriggerPerGroup(std::array<bool, kTriggerCount>& enabled, int toggled);

// Position of the first menu with this id, or nullopt when none has it.
std::optional<size_t> FindMenu(const MenuList& menus, int id);

}  // namespace tarnwick
