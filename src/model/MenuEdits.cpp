#include "model/MenuEdits.h"

#include <utility>
#include <vector>

#include "model/Names.h"

namespace tarnwick {

std::optional<int> NewMenuId(const MenuList& menus) {
  std::vector<bool> taken(kMaxNewMenuId + 1, false);
  for (const int id : menus.MenuIds) {
    if (id >= 0 && id <= kMaxNewMenuId) taken[static_cast<size_t>(id)] = true;
  }
  for (int id = 0; id <= kMaxNewMenuId; ++id) {
    if (!taken[static_cast<size_t>(id)]) return id;
  }
  return std::nullopt;
}

std::string UniqueMenuName(const MenuList& menus, std::string_view name, std::optional<size_t> except) {
  const std::string cleaned = CleanKeyName(name);
  if (cleaned.empty()) return cleaned;
  NameSet others;
  for (size_t position = 0; position < menus.Count(); ++position) {
    if (position != except) others.Add(menus.MenuNames[position]);
  }
  return MakeUniqueDescription(cleaned, others);
}

namespace {

// The grid sizes by menu position, one entry per menu as the list stood before an edit.
std::pair<std::vector<int>, std::vector<int>> GridSizes(const ItemTable& table, size_t menuCount) {
  std::vector<int> columns = table.MenuColumns();
  std::vector<int> rows = table.MenuRows();
  columns.resize(menuCount, 1);
  rows.resize(menuCount, 1);
  return {std::move(columns), std::move(rows)};
}

}  // namespace

std::optional<size_t> AddMenu(MenuList& menus, ItemTable& table) {
  const std::optional<int> id = NewMenuId(menus);
  if (!id) return std::nullopt;
  auto [columns, rows] = GridSizes(table, menus.Count());
  menus.Add(UniqueMenuName(menus, kNewMenuName), *id);
  columns.push_back(1);
  rows.push_back(1);
  table.SetGridSizes(std::move(columns), std::move(rows));
  return menus.Count() - 1;
}

bool RenameMenu(MenuList& menus, size_t position, std::string_view typed) {
  if (position >= menus.Count()) return false;
  std::string name = UniqueMenuName(menus, typed, position);
  if (name.empty() || name == menus.MenuNames[position]) return false;
  menus.MenuNames[position] = std::move(name);
  return true;
}

std::optional<MenuRemoval> RemoveMenu(MenuList& menus, ItemTable& table, Settings& settings, size_t position) {
  if (menus.Count() < 2 || position >= menus.Count()) return std::nullopt;
  MenuRemoval removal;
  removal.removedId = menus.MenuIds[position];
  auto [columns, rows] = GridSizes(table, menus.Count());
  columns.erase(columns.begin() + static_cast<std::ptrdiff_t>(position));
  rows.erase(rows.begin() + static_cast<std::ptrdiff_t>(position));
  menus.MenuNames.erase(menus.MenuNames.begin() + static_cast<std::ptrdiff_t>(position));
  menus.MenuIds.erase(menus.MenuIds.begin() + static_cast<std::ptrdiff_t>(position));
  table.SetGridSizes(std::move(columns), std::move(rows));
  removal.firstId = menus.MenuIds.front();
  if (menus.HasMenu(removal.removedId)) return removal;

  // Every item of the menu, also those outside its grid (a count lowered by hand), so that
  // none is left behind to join another menu or keep its hotkey.
  for (size_t i = table.Count(); i-- > 0;) {
    if (table.At(i).MenuId == removal.removedId) table.RemoveAt(i);
  }
  for (int& id : settings.TriggerMenuIds) {
    if (id == removal.removedId) id = removal.firstId;
  }
  if (table.CurrentMenuId() == removal.removedId) {
    table.SetCurrentMenu(removal.firstId);
    table.SetHotCell({});
    removal.wasCurrent = true;
  }
  return removal;
}

void KeepOneTriggerPerGroup(std::array<bool, kTriggerCount>& enabled, int toggled) {
  if (toggled < 0 || toggled >= kTriggerCount) return;
  const bool tray = toggled >= kTriggerTrayLeftClick;
  const int first = tray ? kTriggerTrayLeftClick : 0;
  const int end = tray ? kTriggerCount : kTriggerTrayLeftClick;
  for (int i = first; i < end; ++i) {
    if (enabled[static_cast<size_t>(i)]) return;
  }
  enabled[static_cast<size_t>(toggled)] = true;
}

std::optional<size_t> FindMenu(const MenuList& menus, int id) {
  for (size_t position = 0; position < menus.Count(); ++position) {
    if (menus.MenuIds[position] == id) return position;
  }
  return std::nullopt;
}

}  // namespace tarnwick
