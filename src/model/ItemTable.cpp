#include "model/ItemTable.h"

#include <algorithm>
#include <utility>

#include "model/Numbers.h"
#include "model/Text.h"

namespace tarnwick {

size_t ItemTable::CellHash::operator()(const MenuCell& cell) const {
  const uint64_t key = (static_cast<uint64_t>(static_cast<uint32_t>(cell.menuId)) << 40) ^
                       (static_cast<uint64_t>(static_cast<uint32_t>(cell.column)) << 20) ^
                       static_cast<uint32_t>(cell.row);
  return std::hash<uint64_t>{}(key);
}

ItemTable::ItemTable(const MenuList& menus, Icons& icons, HotkeyBinder& hotkeys)
    : m_menus(menus), m_icons(icons), m_hotkeys(hotkeys) {}

size_t ItemTable::MenuCount() const { return std::max<size_t>(m_menus.Count(), 1); }

void ItemTable::SetGridSizes(std::vector<int> columns, std::vector<int> rows) {
  m_menuColumns = std::move(columns);
  m_menuRows = std::move(rows);
  m_menuColumns.resize(MenuCount(), 1);
  m_menuRows.resize(MenuCount(), 1);
}

size_t ItemTable::PositionOf(int menuId) {
  // Keeps one entry per menu even if a caller added a menu without its grid size.
  if (m_menuColumns.size() < MenuCount()) m_menuColumns.resize(MenuCount(), 1);
  if (m_menuRows.size() < MenuCount()) m_menuRows.resize(MenuCount(), 1);
  return m_menus.MenuPositionOfId(menuId);
}

int& ItemTable::ColumnsOf(int menuId) { return m_menuColumns[PositionOf(menuId)]; }
int& ItemTable::RowsOf(int menuId) { return m_menuRows[PositionOf(menuId)]; }

void ItemTable::AppendColumn() { ++ColumnsOf(m_currentMenuId); }

bool ItemTable::Occupied(const MenuCell& cell) const { return m_occupancy.contains(cell); }

void ItemTable::Occupy(const Item& item) { ++m_occupancy[{item.MenuId, item.Column, item.Row}]; }

void ItemTable::Vacate(const Item& item) {
  const auto it = m_occupancy.find({item.MenuId, item.Column, item.Row});
  if (it == m_occupancy.end() || --it->second != 0) return;
  m_occupancy.erase(it);
  const auto taken = m_rowsTakenBelow.find({item.MenuId, item.Column, 0});
  if (taken != m_rowsTakenBelow.end()) taken->second = std::min(taken->second, item.Row);
}

int ItemTable::ResolveImageIndex(const Item& item) {
  if (const auto number = ParseInt(item.IconLocation)) return *number;
  if (item.ProgramFile == "Exit") return kExitImageIndex;
  if (EqualsIgnoreCase(item.IconLocation, "default icon")) return m_icons.AddAssociatedIcon(item.ProgramFile);
  return m_icons.AddFileIcon(item.IconLocation, item.IconIndex);
}

void ItemTable::AddItem(Item item) {
  // Cells far past any real menu would make menus of thousands of screens.
  item.Column = std::clamp(item.Column, 0, kMaxCellIndex);
  item.Row = std::clamp(item.Row, 0, kMaxCellIndex);

  // The first free cell at or above the requested row. The search goes on past the row
  // count, so an item never lands on an occupied cell even when the count was lowered.
  // Rows known to be taken are skipped, so that filling a column (as the 1.0 loader does,
  // every item asking for row 0) costs no more per item than the first.
  int& takenBelow = m_rowsTakenBelow[{item.MenuId, item.Column, 0}];
  const bool searchFromTaken = item.Row <= takenBelow;
  if (searchFromTaken) item.Row = takenBelow;
  while (Occupied({item.MenuId, item.Column, item.Row})) ++item.Row;
  if (searchFromTaken) {
    takenBelow = item.Row + 1;
    while (Occupied({item.MenuId, item.Column, takenBelow})) ++takenBelow;
  }
  if (m_menus.HasMenu(item.MenuId)) {
    int& rows = RowsOf(item.MenuId);
    rows = std::max(rows, item.Row + 1);
  }

  item.ImageIndex = ResolveImageIndex(item);
  item.ItemId = m_nextItemId++;
  item.HotkeyRegistered =
      item.HotkeyKey != 0 && m_hotkeys.RegisterHotkey(item.ItemId, item.HotkeyModifiers, item.HotkeyKey);
  // Descriptions name the item's section: clean them where every item comes in.
  item.Description = MakeUniqueDescription(CleanSectionName(item.Description), m_descriptions);

  m_hotCell = {item.Column, item.Row};
  m_currentMenuId = item.MenuId;
  m_descriptions.Add(item.Description);
  Occupy(item);
  m_items.push_back(std::move(item));
}

void ItemTable::Reserve(size_t count) {
  m_items.reserve(count);
  m_occupancy.reserve(count);
}

int ItemTable::FindItemAt(int column, int row, int menuId) const {
  if (!Occupied({menuId, column, row})) return -1;
  for (size_t position = 0; position < m_items.size(); ++position) {
    const Item& item = m_items[position];
    if (item.MenuId == menuId && item.Column == column && item.Row == row) return static_cast<int>(position);
  }
  return -1;
}

int ItemTable::FindItemById(int itemId) const {
  for (size_t position = 0; position < m_items.size(); ++position) {
    if (m_items[position].ItemId == itemId) return static_cast<int>(position);
  }
  return -1;
}

void ItemTable::RemoveItemAt(int column, int row, int menuId) {
  const int position = FindItemAt(column, row, menuId);
  if (position >= 0) RemoveAt(static_cast<size_t>(position));
}

void ItemTable::RemoveAt(size_t position) {
  const Item& item = m_items[position];
  if (item.HotkeyKey != 0) m_hotkeys.UnregisterHotkey(item.ItemId);
  m_descriptions.Remove(item.Description);
  Vacate(item);
  m_items.erase(m_items.begin() + static_cast<std::ptrdiff_t>(position));
}

void ItemTable::MoveItem(size_t position, int column, int row) {
  Item& item = m_items[position];
  Vacate(item);
  item.Column = column;
  item.Row = row;
  Occupy(item);
}

void ItemTable::SwapCells(size_t first, size_t second) {
  Item& a = m_items[first];
  Item& b = m_items[second];
  Vacate(a);
  Vacate(b);
  std::swap(a.Column, b.Column);
  std::swap(a.Row, b.Row);
  Occupy(a);
  Occupy(b);
}

}  // namespace tarnwick
