#include "model/GridEdits.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/QuietItemServices.h"

namespace tarnwick {
namespace {

// Menu 0 of three columns and three rows, with "cr" items (column c, row r) where given,
// and one item of menu 1 in the same cells, which no edit of menu 0 may touch.
class GridEditsTest : public ::testing::Test {
 protected:
  GridEditsTest() {
    menus.Add("Zero", 0);
    menus.Add("One", 1);
    table.SetGridSizes({3, 1}, {3, 1});
  }
  void Fill(const std::vector<std::string>& names) {
    for (const std::string& name : names) {
      Item item;
      item.Description = name;
      item.ProgramFile = "x.exe";
      item.IconLocation = "-1";
      item.Column = name[0] - '0';
      item.Row = name[1] - '0';
      table.AddItem(item);
    }
    Item other;
    other.Description = "other";
    other.ProgramFile = "x.exe";
    other.IconLocation = "-1";
    other.MenuId = 1;
    table.AddItem(other);
  }
  // Rows top to bottom, columns left (highest) to right (column 0); "." for a free cell.
  std::string Picture() const {
    std::string picture;
    for (int row = table.MenuRows()[0] - 1; row >= 0; --row) {
      for (int column = table.MenuColumns()[0] - 1; column >= 0; --column) {
        const int i = table.FindItemAt(column, row, 0);
        picture += i < 0 ? std::string(" .") : " " + table.At(static_cast<size_t>(i)).Description;
      }
      picture += " |";
    }
    return picture;
  }

  MenuList menus;
  fakes::CountingIcons icons;
  fakes::AcceptingHotkeys hotkeys;
  ItemTable table{menus, icons, hotkeys};
};

TEST_F(GridEditsTest, RemovingARowOrColumnDropsItsItemsAndClosesTheGap) {
  struct Case {
    const char* name;
    bool row;
    int index;
    const char* picture;
  };
  const Case cases[] = {
      {"the middle row", true, 1, " 22 . 02 | 20 10 00 |"},
      {"the bottom row", true, 0, " 22 . 02 | 21 11 . |"},
      {"the top row", true, 2, " 21 11 . | 20 10 00 |"},
      {"the middle column", false, 1, " 22 02 | 21 . | 20 00 |"},
      {"the rightmost column", false, 0, " 22 . | 21 11 | 20 10 |"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    while (table.Count() > 0) table.RemoveAt(0);
    table.SetGridSizes({3, 1}, {3, 1});
    Fill({"00", "10", "20", "11", "21", "02", "22"});
    if (c.row) {
      RemoveRow(table, 0, c.index);
    } else {
      RemoveColumn(table, 0, c.index);
    }
    EXPECT_EQ(Picture(), c.picture);
    EXPECT_EQ(table.At(table.Count() - 1).MenuId, 1);
    EXPECT_EQ(table.At(table.Count() - 1).Row, 0);
    // Every item is where the cell index says it is: a new item goes to a free cell.
    Item probe;
    probe.ProgramFile = "p.exe";
    probe.IconLocation = "-1";
    table.AddItem(probe);
    const Item& added = table.At(table.Count() - 1);
    EXPECT_EQ(table.FindItemAt(added.Column, added.Row, 0), static_cast<int>(table.Count() - 1));
  }
}

TEST_F(GridEditsTest, TheLastRowOrColumnLeavesAMenuOfOneCell) {
  table.SetGridSizes({1, 1}, {1, 1});
  Fill({"00"});
  RemoveRow(table, 0, 0);
  RemoveColumn(table, 0, 0);
  EXPECT_EQ(table.MenuRows()[0], 1);
  EXPECT_EQ(table.MenuColumns()[0], 1);
  EXPECT_EQ(table.FindItemAt(0, 0, 0), -1);
  EXPECT_EQ(table.Count(), 1u);  // menu 1's item
}

TEST_F(GridEditsTest, ADragSwapsAcrossColumnsAndInsertsWithinOne) {
  Fill({"00", "01", "02", "10"});
  DragCell(table, 0, {0, 2}, {0, 0});
  EXPECT_EQ(Picture(), " . . 01 | . . 00 | . 10 02 |");
  DragCell(table, 0, {0, 0}, {1, 0});
  EXPECT_EQ(Picture(), " . . 01 | . . 00 | . 02 10 |");
  DragCell(table, 0, {2, 2}, {0, 2});  // from a free cell: the item comes over
  EXPECT_EQ(Picture(), " 01 . . | . . 00 | . 02 10 |");
}

}  // namespace
}  // namespace tarnwick
