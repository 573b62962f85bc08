#include "special/SpecialItems.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/FakePlatform.h"
#include "fakes/QuietItemServices.h"

namespace tarnwick {
namespace {

TEST(SpecialLayout, EachKindEnablesItsControls) {
  const LanguageTexts texts;
  struct Case {
    SpecialKind kind;
    SpecialLayout layout;
  };
  const Case cases[] = {
      {SpecialKind::FakeEmpty, {"Number", true, "No use", false, false}},
      {SpecialKind::NewRow, {"Number", true, "No use", false, false}},
      {SpecialKind::NewColumn, {"Number", true, "No use", false, false}},
      {SpecialKind::WindowsMessage, {"Description", true, "Parameter", true, true}},
      {SpecialKind::Separator, {"Description", true, "No use", false, true}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.kind));
    const SpecialLayout layout = LayoutOf(c.kind, texts);
    EXPECT_EQ(layout.parameter1, c.layout.parameter1);
    EXPECT_EQ(layout.parameter1Enabled, c.layout.parameter1Enabled);
    EXPECT_EQ(layout.parameter2, c.layout.parameter2);
    EXPECT_EQ(layout.parameter2Enabled, c.layout.parameter2Enabled);
    EXPECT_EQ(layout.colorEnabled, c.layout.colorEnabled);
  }
}

// A one-column menu of three rows with one item, "Notepad", in row 0; menu 3 beside it.
struct SmallMenu {
  SmallMenu() {
    menus.Add("Tarnwick", 0);
    menus.Add("Work", 3);
    table.SetGridSizes({1, 1}, {3, 1});
    Item notepad;
    notepad.Description = "Notepad";
    notepad.ProgramFile = "C:\\notepad.exe";
    notepad.IconLocation = "1";
    table.AddItem(notepad);
  }
  void Apply(SpecialKind kind, const std::string& first, const std::string& second = "", Cell target = {0, 0},
             int menuId = 0) {
    table.SetCurrentMenu(3);  // another menu was shown meanwhile: the dialog's target counts
    AddSpecialItems(table, menus, {kind, first, second, 0x00FF00, target, menuId}, 0xFFFFFF);
  }
  std::vector<std::string> Added() const {
    std::vector<std::string> added;
    for (size_t i = 1; i < table.Count(); ++i) {
      const Item& item = table.At(i);
      added.push_back(item.Description + "@" + std::to_string(item.Column) + "," + std::to_string(item.Row) + ":" +
                      item.ProgramFile + "|" + item.Parameters);
    }
    return added;
  }

  MenuList menus;
  fakes::FakeIcons icons;
  fakes::AcceptingHotkeys hotkeys;
  ItemTable table{menus, icons, hotkeys};
};

class SpecialItemsTest : public ::testing::Test, public SmallMenu {};

TEST_F(SpecialItemsTest, FakeEmptiesFillTheNextFreeCellsOfTheColumn) {
  Apply(SpecialKind::FakeEmpty, "3");
  EXPECT_EQ(Added(), (std::vector<std::string>{"Empty@0,1:|", "Empty (2)@0,2:|", "Empty (3)@0,3:|"}));
  EXPECT_EQ(table.MenuRows()[0], 4);
  EXPECT_EQ(table.At(1).ItemColor, 0xFFFFFFu) << "placeholders take the text colour";
  EXPECT_EQ(table.At(1).WindowMode, 1);
}

TEST_F(SpecialItemsTest, CountsThatAreNoNumberNegativeOrHuge) {
  struct Case {
    SpecialKind kind;
    const char* count;
    size_t items;
    int rows;
    int columns;
  };
  const Case cases[] = {
      {SpecialKind::FakeEmpty, "x", 0, 3, 1},          {SpecialKind::FakeEmpty, "-2", 0, 3, 1},
      {SpecialKind::FakeEmpty, "99999999", 1000, 1001, 1},
      {SpecialKind::NewRow, "2", 0, 5, 1},             {SpecialKind::NewRow, "x", 0, 3, 1},
      {SpecialKind::NewRow, "-9", 0, 1, 1},            {SpecialKind::NewRow, "99999999", 0, 1003, 1},
      {SpecialKind::NewColumn, "0", 0, 3, 1},          {SpecialKind::NewColumn, "2", 0, 3, 3},
      {SpecialKind::NewColumn, "-1", 0, 3, 1},         {SpecialKind::NewColumn, "99999999", 0, 3, 1001},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(static_cast<int>(c.kind)) + " with " + c.count);
    SmallMenu fresh;
    fresh.Apply(c.kind, c.count);
    EXPECT_EQ(fresh.table.Count() - 1, c.items);
    EXPECT_EQ(fresh.table.MenuRows(), (std::vector<int>{c.rows, 1}));
    EXPECT_EQ(fresh.table.MenuColumns(), (std::vector<int>{c.columns, 1}));
  }
}

TEST_F(SpecialItemsTest, RowsAndColumnsGrowTheDialogsMenuOnlyIfItExists) {
  Apply(SpecialKind::NewColumn, "2", "", {0, 0}, 3);
  Apply(SpecialKind::NewRow, "4", "", {0, 0}, 3);
  EXPECT_EQ(table.MenuColumns(), (std::vector<int>{1, 3}));
  EXPECT_EQ(table.MenuRows(), (std::vector<int>{3, 5}));
  Apply(SpecialKind::NewColumn, "2", "", {0, 0}, 9);
  Apply(SpecialKind::NewRow, "2", "", {0, 0}, 9);
  EXPECT_EQ(table.MenuColumns(), (std::vector<int>{1, 3}));
  EXPECT_EQ(table.MenuRows(), (std::vector<int>{3, 5}));
}

TEST_F(SpecialItemsTest, WindowsMessagesAndSeparators) {
  Apply(SpecialKind::WindowsMessage, "Close Notepad", "Notepad;;16;0;0", {-1, -1});
  Apply(SpecialKind::WindowsMessage, "   ", "Edit;;12;0;0");
  Apply(SpecialKind::Separator, "");
  Apply(SpecialKind::Separator, "Tools");
  EXPECT_EQ(Added(), (std::vector<std::string>{"Close Notepad@0,1:Send|Notepad;;16;0;0",
                                               "Windows Message@0,2:Send|Edit;;12;0;0",
                                               "Separator@0,3:Separator|", "Separator (2)@0,4:Separator|Tools"}));
  EXPECT_EQ(table.At(1).ItemColor, 0x00FF00u) << "the chosen colour";
  EXPECT_EQ(table.At(4).ItemColor, 0x00FF00u);
  EXPECT_EQ(table.At(1).IconLocation, "Default Icon");
  EXPECT_EQ(table.At(1).HotkeyKey, 0);
}

}  // namespace
}  // namespace tarnwick
