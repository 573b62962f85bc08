#include "model/ItemTable.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/FakePlatform.h"

namespace tarnwick {
namespace {

class RecordingBinder final : public HotkeyBinder {
 public:
  std::vector<int> registered;
  std::vector<int> unregistered;
  bool RegisterHotkey(int id, int, int) override {
    registered.push_back(id);
    return true;
  }
  void UnregisterHotkey(int id) override { unregistered.push_back(id); }
};

class ItemTableTest : public ::testing::Test {
 protected:
  ItemTableTest() {
    menus.Add("Tarnwick", 0);
    menus.Add("Work", 3);
    table.SetGridSizes({1, 1}, {1, 1});
  }

  static Item Make(const std::string& description, int column, int row, int menuId = 0) {
    Item item;
    item.Description = description;
    item.ProgramFile = "C:\\Windows\\notepad.exe";
    item.IconLocation = "Default Icon";
    item.Column = column;
    item.Row = row;
    item.MenuId = menuId;
    return item;
  }

  MenuList menus;
  fakes::FakeIcons icons;
  RecordingBinder hotkeys;
  ItemTable table{menus, icons, hotkeys};
};

TEST_F(ItemTableTest, AddItem_StacksIntoTheFirstFreeRowAndGrowsTheMenu) {
  for (const char* name : {"A", "B", "C"}) table.AddItem(Make(name, 0, 0));
  EXPECT_EQ(table.At(0).Row, 0);
  EXPECT_EQ(table.At(1).Row, 1);
  EXPECT_EQ(table.At(2).Row, 2);
  EXPECT_EQ(table.MenuRows()[0], 3);
  EXPECT_EQ(table.HotCell(), (Cell{0, 2}));
}

TEST_F(ItemTableTest, AddItem_BeyondTheRowCountGrowsTheMenuToThatRow) {
  table.RowsOf(3) = 3;
  table.AddItem(Make("Far", 0, 5, 3));
  EXPECT_EQ(table.At(0).Row, 5);
  EXPECT_EQ(table.MenuRows(), (std::vector<int>{1, 6}));
  EXPECT_EQ(table.CurrentMenuId(), 3);
  EXPECT_EQ(table.HotCell(), (Cell{0, 5}));
}

TEST_F(ItemTableTest, AddItem_NegativeCellBecomesZero) {
  table.AddItem(Make("A", -1, -4));
  EXPECT_EQ(table.At(0).Column, 0);
  EXPECT_EQ(table.At(0).Row, 0);
}

// Requests past cell 999 are brought down to it; an item of a menu id that names no menu keeps
// its cell (in a grid of its own) and grows no menu.
TEST(ItemTableBounds, AddItem_CapsRequestsAndLeavesMenusAloneForUnknownMenuIds) {
  struct Case {
    const char* name;
    std::vector<std::pair<int, int>> requests;  // (column, row) of items added in turn
    int menuId;
    std::vector<std::pair<int, int>> cells;     // where they land
    int rowsOfMenu0, rowsOfMenu3;
  };
  const Case cases[] = {
      {"in range", {{2, 998}}, 0, {{2, 998}}, 999, 1},
      {"at the cap", {{999, 999}}, 0, {{999, 999}}, 1000, 1},
      {"past the cap", {{1000, 65535}}, 0, {{999, 999}}, 1000, 1},
      {"overflowing", {{INT32_MAX, INT32_MAX}, {INT32_MAX, INT32_MAX}}, 0, {{999, 999}, {999, 1000}}, 1001, 1},
      {"other menu", {{0, 4000}}, 3, {{0, 999}}, 1, 1000},
      {"no such menu", {{0, 10}}, 7, {{0, 10}}, 1, 1},
      {"no such menu, same cell twice", {{0, 10}, {0, 10}}, 7, {{0, 10}, {0, 11}}, 1, 1},
      {"no such menu, past the cap", {{5, INT32_MAX}}, 7, {{5, 999}}, 1, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MenuList menus;
    menus.Add("Tarnwick", 0);
    menus.Add("Work", 3);
    fakes::FakeIcons icons;
    RecordingBinder hotkeys;
    ItemTable table{menus, icons, hotkeys};
    table.SetGridSizes({1, 1}, {1, 1});
    for (const auto& [column, row] : c.requests) {
      Item item;
      item.Description = "Item";
      item.ProgramFile = "C:\\Windows\\notepad.exe";
      item.IconLocation = "1";
      item.Column = column;
      item.Row = row;
      item.MenuId = c.menuId;
      table.AddItem(item);
    }
    ASSERT_EQ(table.Count(), c.cells.size());
    for (size_t i = 0; i < c.cells.size(); ++i) {
      EXPECT_EQ(table.At(i).Column, c.cells[i].first);
      EXPECT_EQ(table.At(i).Row, c.cells[i].second);
      EXPECT_EQ(table.At(i).MenuId, c.menuId);
    }
    EXPECT_EQ(table.MenuRows(), (std::vector<int>{c.rowsOfMenu0, c.rowsOfMenu3}));
    EXPECT_EQ(table.MenuColumns(), (std::vector<int>{1, 1}));
  }
}

// Moves and removals free rows that a filled column had; later items must find them.
TEST_F(ItemTableTest, AddItem_FindsRowsFreedInAFilledColumn) {
  for (const char* name : {"A", "B", "C", "D"}) table.AddItem(Make(name, 0, 0));
  table.RemoveItemAt(0, 1, 0);        // B
  table.MoveItem(2, 1, 0);            // D from row 3 to column 1
  table.AddItem(Make("E", 0, 0));
  table.AddItem(Make("F", 0, 0));
  table.AddItem(Make("G", 0, 2));
  EXPECT_EQ(table.At(3).Description, "E");
  EXPECT_EQ(table.At(3).Row, 1);
  EXPECT_EQ(table.At(4).Row, 3);
  EXPECT_EQ(table.At(5).Row, 4);
}

TEST_F(ItemTableTest, AddItem_NeverLandsOnAnOccupiedCellAfterTheRowCountWasLowered) {
  table.AddItem(Make("A", 0, 0));
  table.AddItem(Make("B", 0, 0));
  table.AddItem(Make("C", 0, 0));
  table.RowsOf(0) = 1;  // as a negative count of new rows leaves it
  table.AddItem(Make("D", 0, 1));
  EXPECT_EQ(table.At(3).Row, 3);
  EXPECT_EQ(table.MenuRows()[0], 4);
}

TEST_F(ItemTableTest, AddItem_OtherMenusAndColumnsDoNotBlockACell) {
  table.AddItem(Make("A", 0, 0, 0));
  table.AddItem(Make("B", 0, 0, 3));
  table.AddItem(Make("C", 1, 0, 0));
  EXPECT_EQ(table.At(1).Row, 0);
  EXPECT_EQ(table.At(2).Row, 0);
}

TEST_F(ItemTableTest, AddItem_UnknownMenuIdKeepsItsCellAndGrowsNoMenu) {
  table.AddItem(Make("A", 0, 4, 42));
  EXPECT_EQ(table.MenuRows(), (std::vector<int>{1, 1}));
  EXPECT_EQ(table.At(0).Row, 4);
  EXPECT_EQ(table.At(0).MenuId, 42);
}

TEST_F(ItemTableTest, AddItem_DescriptionsAreUniqueAndCleaned) {
  table.AddItem(Make("Setting", 0, 0));
  table.AddItem(Make("Notepad", 0, 0));
  table.AddItem(Make("notepad (2)", 0, 0));
  table.AddItem(Make("NOTEPAD", 0, 0));
  table.AddItem(Make("  Spaced\r\n ", 0, 0));
  EXPECT_EQ(table.At(0).Description, "Setting (2)");
  EXPECT_EQ(table.At(3).Description, "NOTEPAD (3)");
  EXPECT_EQ(table.At(4).Description, "Spaced");

  table.RemoveItemAt(0, 1, 0);  // Notepad
  table.AddItem(Make("Notepad", 0, 0));
  EXPECT_EQ(table.Items().back().Description, "Notepad");
}

TEST_F(ItemTableTest, AddItem_ImageIndexFollowsTheIconLocation) {
  struct Case {
    const char* iconLocation;
    int iconIndex;
    const char* programFile;
    int expectedImage;
    const char* expectedCall;  // empty: no extraction
  };
  const Case cases[] = {
      {"12", -1, "C:\\a.exe", 12, ""},
      {"-1", -1, "C:\\a.exe", -1, ""},
      {"Default Icon", -1, "Exit", 9, ""},
      {"Default Icon", -1, "exit", 30, "assoc:exit"},
      {"DEFAULT ICON", -1, "C:\\a.exe", 30, "assoc:C:\\a.exe"},
      {"C:\\icons.dll", 4, "C:\\a.exe", 30, "file:C:\\icons.dll,4"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.iconLocation + std::string(" / ") + c.programFile);
    MenuList localMenus;
    localMenus.Add("Tarnwick", 0);
    fakes::FakeIcons localIcons;
    RecordingBinder binder;
    ItemTable local{localMenus, localIcons, binder};
    Item item = Make("x", 0, 0);
    item.IconLocation = c.iconLocation;
    item.IconIndex = c.iconIndex;
    item.ProgramFile = c.programFile;
    local.AddItem(item);
    EXPECT_EQ(local.At(0).ImageIndex, c.expectedImage);
    EXPECT_EQ(localIcons.calls, std::string(c.expectedCall).empty() ? std::vector<std::string>{}
                                                                     : std::vector<std::string>{c.expectedCall});
  }
}

TEST_F(ItemTableTest, AddItem_FailedExtractionLeavesNoImage) {
  icons.fail = true;
  table.AddItem(Make("A", 0, 0));
  EXPECT_EQ(table.At(0).ImageIndex, -1);
}

TEST_F(ItemTableTest, Hotkeys_RegisteredByItemIdAndOnlyForItemsWithAKey) {
  Item withModifiersOnly = Make("A", 0, 0);
  withModifiersOnly.HotkeyModifiers = 3;
  table.AddItem(withModifiersOnly);  // id 0, no key
  Item withKey = Make("B", 0, 0);
  withKey.HotkeyModifiers = 3;
  withKey.HotkeyKey = 116;
  table.AddItem(withKey);  // id 1
  EXPECT_EQ(hotkeys.registered, std::vector<int>{1});

  table.RemoveItemAt(0, 0, 0);  // item 0 has no key: nothing to unregister
  EXPECT_TRUE(hotkeys.unregistered.empty());
  table.RemoveItemAt(0, 1, 0);
  EXPECT_EQ(hotkeys.unregistered, std::vector<int>{1});
  withKey.Description = "C";
  table.AddItem(withKey);  // ids are never given twice
  EXPECT_EQ(table.At(0).ItemId, 2);
  EXPECT_EQ(hotkeys.registered, (std::vector<int>{1, 2}));
}

TEST_F(ItemTableTest, FindItemAt_ReturnsTheLowestPositionOfACell) {
  table.AddItem(Make("A", 0, 0));
  table.AddItem(Make("B", 0, 0));
  table.AddItem(Make("C", 0, 0));
  table.MoveItem(2, 0, 1);  // C now shares B's cell
  EXPECT_EQ(table.FindItemAt(0, 1, 0), 1);
  table.RemoveItemAt(0, 1, 0);
  EXPECT_EQ(table.FindItemAt(0, 1, 0), 1);  // C moved up to position 1
  EXPECT_EQ(table.At(1).Description, "C");
  EXPECT_EQ(table.FindItemAt(0, 2, 0), -1);
  table.RemoveItemAt(0, 2, 0);  // a free cell: nothing happens
  EXPECT_EQ(table.Count(), 2u);
}

TEST_F(ItemTableTest, SwapCellsExchangesColumnsAndRows) {
  table.AddItem(Make("A", 0, 0));
  table.AddItem(Make("B", 1, 2));
  table.SwapCells(0, 1);
  EXPECT_EQ(table.FindItemAt(1, 2, 0), 0);
  EXPECT_EQ(table.FindItemAt(0, 0, 0), 1);
  table.AddItem(Make("C", 1, 2));  // the swapped cell counts as occupied
  EXPECT_EQ(table.At(2).Row, 3);
}

TEST_F(ItemTableTest, AppendColumnGrowsTheCurrentMenu) {
  table.SetCurrentMenu(3);
  table.AppendColumn();
  EXPECT_EQ(table.MenuColumns(), (std::vector<int>{1, 2}));
}

TEST_F(ItemTableTest, GridSizesKeepOneEntryPerMenu) {
  table.SetGridSizes({4}, {2, 3, 9});
  EXPECT_EQ(table.MenuColumns(), (std::vector<int>{4, 1}));
  EXPECT_EQ(table.MenuRows(), (std::vector<int>{2, 3}));
}

}  // namespace
}  // namespace tarnwick
