#include "menuwindow/MenuGeometry.h"

#include <gtest/gtest.h>

#include "fakes/FakePlatform.h"

namespace tarnwick {
namespace {

TEST(MenuGeometry, GridOfTwoColumnsAndThreeRows) {
  const MenuGrid grid{{100, 150}, 3};  // column 0 is 100 wide, column 1 (left) 150
  EXPECT_EQ(grid.WidthAfterColumn(1), 0);
  EXPECT_EQ(grid.WidthAfterColumn(0), 152);
  EXPECT_EQ(grid.WidthAfterColumn(-1), 254);
  EXPECT_EQ(grid.WindowSize(), (Size{254, 62}));
  EXPECT_EQ(grid.CellRect({1, 2}), (Rect{2, 2, 148, 19}));    // top-left cell
  EXPECT_EQ(grid.CellRect({0, 0}), (Rect{154, 42, 250, 59}));  // bottom-right cell
}

TEST(MenuGeometry, HitTestBoundaries) {
  const MenuGrid grid{{100, 150}, 3};
  const int h = 62;
  struct Case {
    Point point;
    Cell expected;
  };
  const Case cases[] = {
      // Columns: 1 spans x 3..149, 0 spans 155..251 (strictly inside 2 + left and right - 2).
      {{3, 2}, {1, 2}},     {{2, 10}, {}},        {{149, 10}, {1, 2}}, {{150, 10}, {}},
      {{154, 10}, {}},      {{155, 10}, {0, 2}},  {{251, 10}, {0, 2}}, {{252, 10}, {}},
      {{400, 10}, {}},      {{-5, 10}, {}},
      // Rows: y 2..60 of a 62-pixel window, 20 apiece from the top row.
      {{10, 1}, {}},        {{10, 60}, {}},       {{10, 59}, {1, 0}},  {{10, 20}, {1, 2}},
      {{10, 21}, {1, 1}},   {{10, 41}, {1, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.point.x << "," << c.point.y);
    EXPECT_EQ(grid.HitTest(c.point, h), c.expected);
  }
}

TEST(MenuGeometry, ColumnWidthsMeasureLabelsAndSeparatorCaptions) {
  MenuList menus;
  menus.Add("Tarnwick", 0);
  menus.Add("Other", 1);
  fakes::FakeIcons icons;
  struct NoKeys : HotkeyBinder {
    bool RegisterHotkey(int, int, int) override { return true; }
    void UnregisterHotkey(int) override {}
  } keys;
  ItemTable table(menus, icons, keys);
  auto add = [&](const std::string& description, const std::string& file, const std::string& parameters,
                 int column, int menuId) {
    Item item;
    item.Description = description;
    item.ProgramFile = file;
    item.Parameters = parameters;
    item.IconLocation = "-1";
    item.Column = column;
    item.MenuId = menuId;
    table.AddItem(item);
  };
  add("short", "a.exe", "", 0, 0);                                   // 30 px: the minimum counts
  add("a label of twenty one", "b.exe", "", 1, 0);                   // 126 px
  add("Separator", "SEPARATOR", "a separator caption wide", 2, 0);  // caption 144 px
  add("Separator with long description here", "separator", "x", 3, 0);  // description 216 px
  add("a far wider label in another menu......", "c.exe", "", 0, 1);
  add("outside", "d.exe", "", 7, 0);  // beyond the columns: ignored
  fakes::FakeTextMeasure measure;
  EXPECT_EQ(ComputeColumnWidths(table, 0, 4, measure, FontSpec{}), (std::vector<int>{100, 176, 194, 266}));
}

TEST(MenuGeometry, PlacementFlipsAtTheEdgesAndPinsAtTheTopLeft) {
  const Size screen{1280, 800};
  struct Case {
    const char* name;
    Point anchor;
    Size menu;
    Point expected;
  };
  const Case cases[] = {
      {"bottom-right corner", {1279, 799}, {202, 62}, {1078, 738}},
      {"top-left corner", {0, 0}, {202, 62}, {0, 0}},
      {"right edge", {1279, 300}, {202, 62}, {1078, 300}},
      {"just fits", {1078, 738}, {202, 62}, {1078, 738}},
      {"taller than the screen", {600, 799}, {202, 900}, {600, 0}},
      {"wider than the screen", {1279, 0}, {1400, 62}, {0, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(PlaceMenu(c.anchor, c.menu, screen), c.expected);
  }
}

TEST(MenuGeometry, PlacementWithinAMonitorAtNegativeCoordinates) {
  const Rect left{-1920, -200, 0, 880};
  struct Case {
    const char* name;
    Point anchor;
    Size menu;
    Point expected;
  };
  const Case cases[] = {
      {"bottom-right corner", {-1, 879}, {202, 62}, {-202, 818}},
      {"top-left corner", {-1920, -200}, {202, 62}, {-1920, -200}},
      {"taller than the monitor: pinned at its top", {-600, 879}, {202, 1200}, {-600, -200}},
      {"wider than the monitor: pinned at its left", {-1, 0}, {2000, 62}, {-1920, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(PlaceMenu(c.anchor, c.menu, left), c.expected);
  }
}

}  // namespace
}  // namespace tarnwick
