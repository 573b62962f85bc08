#pragma once

#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "model/Geometry.h"
#include "model/Item.h"
#include "model/MenuList.h"
#include "model/Names.h"
#include "platform/Icons.h"

namespace tarnwick {

// Registers item hotkeys on the window that receives them.
class HotkeyBinder {
 public:
  virtual ~HotkeyBinder() = default;
  virtual bool RegisterHotkey(int id, int modifiers, int key) = 0;
  virtual void UnregisterHotkey(int id) = 0;
};

// Largest column or row an item asks for; larger requests (from a file) are brought down to it.
// A menu of 1,000 rows is already 20,000 pixels tall.
inline constexpr int kMaxCellIndex = 999;

// Every item of every menu, in insertion order (the order they are saved in), with the grid
// size of each menu. Positions shift down by one when an item before them is removed.
class ItemTable {
 public:
  ItemTable(const MenuList& menus, Icons& icons, HotkeyBinder& hotkeys);

  const std::vector<Item>& Items() const { return m_items; }
  size_t Count() const { return m_items.size(); }
  const Item& At(size_t position) const { return m_items[position]; }

  // Appends an item: the first free cell of its column at or above the requested row (the
  // menu grows a row when the column is full; the request is at most kMaxCellIndex), its
  // image, its hotkey (id = its ItemId) and a description unique among all items.
  // Description and ItemId are worked out here. An item whose menu id names no menu keeps
  // its cell and changes no menu's size.
  void AddItem(Item item);
  // Room for this many items in all, for a loader that knows how many may come.
  void Reserve(size_t count);
  void RemoveItemAt(int column, int row, int menuId);
  void RemoveAt(size_t position);
  // Lowest position of an item in that cell, or -1.
  int FindItemAt(int column, int row, int menuId) const;
  // Position of the item with this ItemId, or -1.
  int FindItemById(int itemId) const;

  void MoveItem(size_t position, int column, int row);
  void SetItemColor(size_t position, Color color) { m_items[position].ItemColor = color; }
  void SwapCells(size_t first, size_t second);

  // Grid size of each menu by menu position, as the loaders read them and the saver writes
  // them: exactly one entry per menu of the menu list (missing ones are one column or row).
  void SetGridSizes(std::vector<int> columns, std::vector<int> rows);
  const std::vector<int>& MenuColumns() const { return m_menuColumns; }
  const std::vector<int>& MenuRows() const { return m_menuRows; }
  // One menu's count, for the edits that change it.
  int& ColumnsOf(int menuId);
  int& RowsOf(int menuId);
  // One more column for the current menu.
  void AppendColumn();

  // The menu shown (or about to be) and the cell under the cursor in it; AddItem leaves
  // them on the item it added.
  int CurrentMenuId() const { return m_currentMenuId; }
  void SetCurrentMenu(int menuId) { m_currentMenuId = menuId; }
  Cell HotCell() const { return m_hotCell; }
  void SetHotCell(Cell cell) { m_hotCell = cell; }

 private:
  struct MenuCell {
    int menuId;
    int column;
    int row;
    friend bool operator==(const MenuCell&, const MenuCell&) = default;
  };
  struct CellHash {
    size_t operator()(const MenuCell& cell) const;
  };
  bool Occupied(const MenuCell& cell) const;
  void Occupy(const Item& item);
  void Vacate(const Item& item);
  int ResolveImageIndex(const Item& item);
  size_t PositionOf(int menuId);
  size_t MenuCount() const;

  const MenuList& m_menus;
  Icons& m_icons;
  HotkeyBinder& m_hotkeys;
  std::vector<Item> m_items;
  NameSet m_descriptions;
  std::vector<int> m_menuColumns;
  std::vector<int> m_menuRows;
  int m_currentMenuId = 0;
  Cell m_hotCell;
  int m_nextItemId = 0;
  std::unordered_map<MenuCell, int, CellHash> m_occupancy;
  // Per column (row 0 of the cell): every row below this one holds an item.
  std::unordered_map<MenuCell, int, CellHash> m_rowsTakenBelow;
};

}  // namespace tarnwick
