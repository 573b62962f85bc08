#include "model/MenuEdits.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/FakePlatform.h"

namespace tarnwick {
namespace {

class RecordingBinder final : public HotkeyBinder {
 public:
  std::vector<int> unregistered;
  bool RegisterHotkey(int, int, int) override { return true; }
  void UnregisterHotkey(int id) override { unregistered.push_back(id); }
};

class MenuEditsTest : public ::testing::Test {
 protected:
  void Menus(const std::vector<std::pair<std::string, int>>& list) {
    menus = MenuList{};
    for (const auto& [name, id] : list) menus.Add(name, id);
    table.SetGridSizes(std::vector<int>(list.size(), 2), std::vector<int>(list.size(), 3));
  }
  void AddItem(const std::string& description, int column, int row, int menuId, int hotkey = 0) {
    Item item;
    item.Description = description;
    item.ProgramFile = "C:\\a.exe";
    item.IconLocation = "-1";
    item.Column = column;
    item.Row = row;
    item.MenuId = menuId;
    item.HotkeyKey = hotkey;
    table.AddItem(item);
  }
  std::vector<std::string> Descriptions() const {
    std::vector<std::string> out;
    for (const Item& item : table.Items()) out.push_back(item.Description);
    return out;
  }

  MenuList menus;
  fakes::FakeIcons icons;
  RecordingBinder hotkeys;
  ItemTable table{menus, icons, hotkeys};
  Settings settings;
};

TEST_F(MenuEditsTest, AddTakesTheSmallestFreeIdAndAOneByOneGridAndNumbersItsName) {
  Menus({{"Tarnwick", 0}, {"Work", 1}, {"new menu (2)", 3}});
  ASSERT_EQ(AddMenu(menus, table), std::optional<size_t>(3));
  ASSERT_EQ(AddMenu(menus, table), std::optional<size_t>(4));
  EXPECT_EQ(menus.MenuIds, (std::vector<int>{0, 1, 3, 2, 4}));
  // "New Menu (2)" is taken in another case, so the second new menu is the third.
  EXPECT_EQ(menus.MenuNames[3], "New Menu");
  EXPECT_EQ(menus.MenuNames[4], "New Menu (3)");
  EXPECT_EQ(table.MenuColumns(), (std::vector<int>{2, 2, 2, 1, 1}));
  EXPECT_EQ(table.MenuRows(), (std::vector<int>{3, 3, 3, 1, 1}));
}

TEST_F(MenuEditsTest, AddStopsWhenEveryIdIsTaken) {
  MenuList full;
  for (int id = 0; id <= kMaxNewMenuId; ++id) full.Add("M" + std::to_string(id), id);
  menus = full;
  EXPECT_EQ(NewMenuId(menus), std::nullopt);
  EXPECT_EQ(AddMenu(menus, table), std::nullopt);
  EXPECT_EQ(menus.Count(), static_cast<size_t>(kMaxNewMenuId + 1));
  // Ids outside the range a new menu takes do not count as taken.
  menus.MenuIds[5] = 10000;
  EXPECT_EQ(NewMenuId(menus), std::optional<int>(5));
}

TEST_F(MenuEditsTest, RenameCleansTheNameForTheFileAndNumbersItAsTheFileComparesNames) {
  struct Case {
    const char* typed;
    bool changed;
    const char* stored;  // the name of menu 1 afterwards (was "Work")
  };
  const Case cases[] = {
      {"work", true, "work"},                // its own name in another case is no clash
      {"Work", false, "Work"},               // the same text: nothing
      {"  Work\t", false, "Work"},           // cleaned to the same text
      {"Popup", true, "Popup (2)"},          // a reserved section name
      {"menu row", true, "menu row (2)"},
      {"TARNWICK", true, "TARNWICK (2)"},    // another menu's name in another case
      {"  Tools  ", true, "Tools"},
      {"a=b", true, "a-b"},                  // "=" would end the key
      {";Tools", true, "Tools"},             // a comment line
      {"[Tools]", true, "Tools]"},           // a section header
      {"Two\r\nLines", true, "TwoLines"},
      {"   ", false, "Work"},                // cleans to nothing: the old name stays
      {"=", true, "-"},
      {";", false, "Work"},
      {"Caf\xC3\xA9", true, "Caf\xC3\xA9"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    Menus({{"Tarnwick", 0}, {"Work", 1}, {"Caf\xC3\x89", 2}});
    EXPECT_EQ(RenameMenu(menus, 1, c.typed), c.changed);
    EXPECT_EQ(menus.MenuNames[1], c.stored);
  }
  EXPECT_FALSE(RenameMenu(menus, 7, "Elsewhere")) << "a position past the list";
}

TEST_F(MenuEditsTest, RemoveTakesEveryItemOfTheMenuAndMovesItsTriggersAndTheCurrentMenuToTheFirst) {
  Menus({{"Tarnwick", 0}, {"Work", 1}, {"Games", 7}});
  AddItem("Keep", 0, 0, 0);
  AddItem("InGrid", 1, 2, 1, 'W');
  AddItem("Outside", 5, 40, 1, 'Q');  // far outside the menu's grid
  AddItem("Other", 0, 0, 7, 'G');
  AddItem("NoKey", 0, 0, 1);
  settings.TriggerMenuIds = {1, 1, 0, 7, 1, 0, 0, 0, 0, 0};
  table.SetCurrentMenu(1);
  const int inGrid = table.At(1).ItemId;
  const int outside = table.At(2).ItemId;

  const std::optional<MenuRemoval> removal = RemoveMenu(menus, table, settings, 1);
  ASSERT_TRUE(removal);
  EXPECT_EQ(removal->removedId, 1);
  EXPECT_EQ(removal->firstId, 0);
  EXPECT_TRUE(removal->wasCurrent);
  EXPECT_EQ(Descriptions(), (std::vector<std::string>{"Keep", "Other"}));
  EXPECT_EQ(hotkeys.unregistered, (std::vector<int>{outside, inGrid}));
  EXPECT_EQ(settings.TriggerMenuIds, (std::array<int, kTriggerCount>{0, 0, 0, 7, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(table.CurrentMenuId(), 0);
  EXPECT_EQ(menus.MenuNames, (std::vector<std::string>{"Tarnwick", "Games"}));
  EXPECT_EQ(table.MenuColumns().size(), 2u);

  // A new menu may take the freed id and starts empty.
  ASSERT_TRUE(AddMenu(menus, table));
  EXPECT_EQ(menus.MenuIds.back(), 1);
  AddItem("Fresh", 1, 2, 1);
  EXPECT_EQ(table.At(table.Count() - 1).Row, 2) << "the cell is free again";
}

TEST_F(MenuEditsTest, RemoveRefusesTheLastMenuAndKeepsWhatAnotherMenuOfTheSameIdHolds) {
  Menus({{"Only", 0}});
  AddItem("A", 0, 0, 0);
  EXPECT_EQ(RemoveMenu(menus, table, settings, 0), std::nullopt);
  EXPECT_EQ(menus.Count(), 1u);
  EXPECT_EQ(table.Count(), 1u);

  // A hand-edited file gave two menus one id: the one left still owns the items and triggers.
  Menus({{"Tarnwick", 0}, {"Twin", 3}, {"Twin too", 3}});
  AddItem("Shared", 0, 0, 3);
  settings.TriggerMenuIds[kTriggerTop] = 3;
  const std::optional<MenuRemoval> removal = RemoveMenu(menus, table, settings, 1);
  ASSERT_TRUE(removal);
  EXPECT_FALSE(removal->wasCurrent);
  EXPECT_EQ(menus.MenuNames, (std::vector<std::string>{"Tarnwick", "Twin too"}));
  EXPECT_EQ(table.Count(), 2u);
  EXPECT_EQ(settings.TriggerMenuIds[kTriggerTop], 3);
}

TEST_F(MenuEditsTest, AGroupLeftWithoutAnActiveSourceGetsTheToggledOneBack) {
  using Marks = std::array<bool, kTriggerCount>;
  struct Case {
    const char* name;
    Marks before;  // after the toggle
    int toggled;
    Marks after;
  };
  const Marks onlyTray = {false, false, false, false, false, false, false, false, true, false};
  const Case cases[] = {
      {"last screen source unchecked", onlyTray, kTriggerBottomRight,
       {true, false, false, false, false, false, false, false, true, false}},
      {"another screen source still on", {false, false, false, false, false, false, false, true, true, false},
       kTriggerBottomRight, {false, false, false, false, false, false, false, true, true, false}},
      {"tray right unchecked, tray left on", {true, false, false, false, false, false, false, false, true, false},
       kTriggerTrayRightClick, {true, false, false, false, false, false, false, false, true, false}},
      {"last tray click unchecked", {true, false, false, false, false, false, false, false, false, false},
       kTriggerTrayLeftClick, {true, false, false, false, false, false, false, false, true, false}},
      // The other group is not this toggle's business, even when it is empty.
      {"screen toggle leaves an empty tray group", {true, false, false, false, false, false, false, false, false, false},
       kTriggerTop, {true, false, false, false, false, false, false, false, false, false}},
      {"tray toggle leaves an empty screen group", {false, false, false, false, false, false, false, false, false, true},
       kTriggerTrayLeftClick, {false, false, false, false, false, false, false, false, false, true}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Marks marks = c.before;
    KeepOneTriggerPerGroup(marks, c.toggled);
    EXPECT_EQ(marks, c.after);
  }
}

}  // namespace
}  // namespace tarnwick
