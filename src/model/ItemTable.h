#pragma once

#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

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

  // Grid size per menu position; exactly one entry per menu of the menu list.
  std::vector<int> MenuColumns;
  std::vector<int> MenuRows;
  int& ColumnsOf(int menuId);
  int& RowsOf(int menuId);
  // One more column for the current menu.
  void AppendColumn();

  int CurrentMenuId = 0;
  int HotColumn = -1;
  int HotRow = -1;
  int NextItemId = 0;

 private:
  struct Cell {
    int menuId;
    int column;
    int row;
    friend bool operator==(const Cell&, const Cell&) = default;
  };
  struct CellHash {
    size_t operator()(const Cell& cell) const;
  };
  bool Occupied(const Cell& cell) const;
  void Occupy(const Item& item);
  void Vacate(const Item& item);
  int ResolveImageIndex(const Item& item);
  size_t PositionOf(int menuId);

  const MenuList& m_menus;
  Icons& m_icons;
  HotkeyBinder& m_hotkeys;
  std::vector<Item> m_items;
  NameSet m_descriptions;
  std::unordered_map<Cell, int, CellHash> m_occupancy;
  // Per column (row 0 of the cell): every row below this one holds an item.
  std::unordered_map<Cell, int, CellHash> m_rowsTakenBelow;
};

}  // namespace tarnwick
