#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "fakes/MenuWindowFixture.h"
#include "model/MenuEdits.h"
#include "options/TOptions.h"

namespace tarnwick {
namespace {

using testing_support::ItemSection;

// Three menus; "Bottom Right" pops Work, "Top" pops Games, the rest the first menu.
std::string ThreeMenus(const std::string& popup = "Bottom Right=4\nTop=7\n", const std::string& items = "") {
  return "[Setting]\nVersion=2.0\n[Menu]\nTarnwick=0\nWork=4\nGames=7\n[Menu Column]\nTarnwick=1\nWork=2\nGames=1\n"
         "[Menu Row]\nTarnwick=1\nWork=2\nGames=1\n[Popup Enabled]\nBottom Right=1\nTray Left Click=1\n[Popup]\n" +
         popup + items;
}

// Client points of the page's controls: the page lies at 8,40.
Point TriggerCaption(int row) { return {8 + 18 + 40, 40 + 42 + row * 13 + 6}; }
Point TriggerCheck(int row) { return {8 + 18 + 7, 40 + 42 + row * 13 + 6}; }
constexpr Point kAdd{8 + 368 + 8, 40 + 49 + 8};
constexpr Point kRemove{8 + 368 + 8, 40 + 73 + 8};
constexpr Point kRename{8 + 368 + 8, 40 + 217 + 8};
constexpr Point kImport{8 + 368 + 8, 40 + 105 + 8};
constexpr Point kExport{8 + 368 + 8, 40 + 129 + 8};

class PopupPageTest : public testing_support::MenuWindowFixture {
 protected:
  void StartWith(const std::string& configuration) {
    Start(configuration);
    options = &app->Options();
    options->ShowPage(OptionsPage::Popup);
  }
  void Click(Point p) {
    options->FormMouseDown(MouseButton::Left, p);
    options->FormMouseUp(MouseButton::Left, p);
  }
  // The user chooses a menu row, as the list box reports it.
  void ChooseMenu(int row) {
    ListBox1().selected = row;
    OptionsWindow().events.FormControlChanged(PopupPage::kMenuList);
  }
  fakes::FakeListBox& ListBox1() { return *OptionsWindow().listBoxes.at(PopupPage::kMenuList); }
  fakes::FakeEditBox& NameBox() { return *OptionsWindow().editBoxes.at(PopupPage::kMenuName); }
  tarnwick::MenuList& Menus() { return app->State().Menus(); }
  // Descriptions and cells of a menu's items, in table order.
  std::vector<std::string> ItemsOf(int menuId) {
    std::vector<std::string> out;
    for (const Item& item : Table().Items()) {
      if (item.MenuId == menuId) {
        out.push_back(item.Description + "@" + std::to_string(item.Column) + "," + std::to_string(item.Row));
      }
    }
    return out;
  }
  std::vector<std::string> Paint() {
    fakes::RecordingCanvas canvas;
    options->FormPaint(canvas);
    return canvas.calls;
  }
  std::vector<std::string> LinkLines() {
    std::vector<std::string> lines;
    for (const std::string& call : Paint()) {
      if (call.rfind("line 172,", 0) == 0 || call.rfind("line 196,", 0) == 0 || call.rfind("image 17 ", 0) == 0) {
        lines.push_back(call);
      }
    }
    return lines;
  }

  TOptions* options = nullptr;
};

TEST(TriggerLinkTest, RunsFromTheMiddleOfTheTriggerRowToTheMiddleOfTheMenuRowAsShown) {
  struct Case {
    int trigger, menu, top;
    std::optional<TriggerLink> link;
  };
  const Case cases[] = {
      {0, 0, 0, TriggerLink{7, 7, -1}},
      {3, 1, 0, TriggerLink{46, 20, 25}},
      {9, 0, 0, TriggerLink{124, 7, 57}},
      {0, 4, 0, TriggerLink{7, 59, 25}},      // (7 + 59) / 2 - 8
      {0, 1, 0, TriggerLink{7, 20, 5}},       // 27 / 2 rounds toward zero
      {2, 15, 6, TriggerLink{33, 124, 70}},   // the list scrolled down by six rows
      {2, 30, 0, TriggerLink{33, 158, 87}},   // out of sight below: drawn to the list's edge
      {2, 1, 5, TriggerLink{33, 0, 8}},       // out of sight above
      {-1, 0, 0, std::nullopt},
      {0, -1, 0, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.trigger) + "/" + std::to_string(c.menu) + "/" + std::to_string(c.top));
    EXPECT_EQ(TriggerLinkOf(c.trigger, c.menu, c.top, 13, 159), c.link);
  }
}

TEST_F(PopupPageTest, LoadsTheMenusWithTheFirstTriggerSelectedAndItsMenuPointedAt) {
  StartWith(ThreeMenus());
  EXPECT_EQ(ListBox1().items, (std::vector<std::string>{"Tarnwick", "Work", "Games"}));
  EXPECT_EQ(options->Popup().SelectedTrigger(), 0);
  EXPECT_EQ(ListBox1().selected, 1);
  EXPECT_EQ(NameBox().text, "Work");
  EXPECT_EQ(NameBox().caret, 4u) << "the caret after the name";
  EXPECT_EQ(LinkLines(), (std::vector<std::string>{"line 172,89 196,89 FFFFFF w2", "line 196,89 196,102 FFFFFF w2",
                                                   "line 196,102 220,102 FFFFFF w2", "image 17 @188,87"}));
  const std::vector<std::string> calls = Paint();
  for (const char* expected : {"text 41,82,167,95 @43,82 'Bottom Right' FFFFFF on 800000",
                               "text 41,186,167,199 @43,186 'Tray Left Click' 000000 on FFFFFF"}) {
    EXPECT_NE(std::find(calls.begin(), calls.end(), expected), calls.end()) << expected;
  }
}

TEST_F(PopupPageTest, ATriggerWhoseMenuIsNotThereSelectsNoMenuAndDrawsNoConnector) {
  StartWith(ThreeMenus("Bottom Right=5\nTop Left=-3\n"));
  EXPECT_EQ(ListBox1().selected, -1);
  EXPECT_EQ(NameBox().text, "");
  EXPECT_TRUE(LinkLines().empty());
  Click(TriggerCaption(kTriggerTop));
  EXPECT_EQ(ListBox1().selected, 0) << "a trigger without an entry opens menu 0";
  Click(TriggerCaption(kTriggerTopLeft));
  EXPECT_EQ(ListBox1().selected, -1);
  EXPECT_EQ(NameBox().text, "");
  EXPECT_EQ(Options().TriggerMenuIds[kTriggerTopLeft], -3) << "selecting changes nothing";
}

TEST_F(PopupPageTest, ChoosingAMenuAssignsItToTheSelectedTriggerAtOnce) {
  StartWith(ThreeMenus());
  Click(TriggerCaption(kTriggerTop));
  EXPECT_EQ(ListBox1().selected, 2);
  EXPECT_EQ(NameBox().text, "Games");
  ChooseMenu(1);
  EXPECT_EQ(Options().TriggerMenuIds[kTriggerTop], 4);
  EXPECT_EQ(NameBox().text, "Work");
  EXPECT_FALSE(Options().TriggerEnabled[kTriggerTop]) << "choosing a menu does not check the trigger";
  // The trigger pops it up from now on, with nothing applied or saved.
  Options().TriggerEnabled[kTriggerTop] = true;
  menu->ShowMenuAt(640, 0, kTriggerTop);
  EXPECT_EQ(Table().CurrentMenuId(), 4);
  EXPECT_EQ(LinkLines().front(), "line 172,180 196,180 FFFFFF w2");
}

TEST_F(PopupPageTest, CheckMarksToggleOnTheirBoxAndEachGroupKeepsOneActiveSource) {
  StartWith(ThreeMenus());
  Click(TriggerCaption(kTriggerLeft));
  EXPECT_FALSE(Options().TriggerEnabled[kTriggerLeft]) << "a click on the caption only selects";
  EXPECT_EQ(options->Popup().SelectedTrigger(), kTriggerLeft);
  Click(TriggerCheck(kTriggerBottomRight));
  EXPECT_TRUE(Options().TriggerEnabled[kTriggerBottomRight]) << "the only screen source stays";
  EXPECT_EQ(options->Popup().SelectedTrigger(), kTriggerBottomRight) << "the press on a box selects its row";
  Click(TriggerCheck(kTriggerTrayRightClick));
  EXPECT_TRUE(Options().TriggerEnabled[kTriggerTrayRightClick]);
  Click(TriggerCheck(kTriggerTrayRightClick));
  EXPECT_FALSE(Options().TriggerEnabled[kTriggerTrayRightClick]) << "the left click stays active";
  Click(TriggerCheck(kTriggerTrayLeftClick));
  EXPECT_TRUE(Options().TriggerEnabled[kTriggerTrayLeftClick]);
  Click(TriggerCheck(kTriggerTop));
  Click(TriggerCheck(kTriggerBottomRight));
  EXPECT_FALSE(Options().TriggerEnabled[kTriggerBottomRight]);
  EXPECT_TRUE(Options().TriggerEnabled[kTriggerTop]);
}

TEST_F(PopupPageTest, AddSelectsTheNewMenuWithoutReassigningTheTriggerAndRenameUsesTheTypedName) {
  StartWith(ThreeMenus());
  Click(kAdd);
  EXPECT_EQ(ListBox1().items.back(), "New Menu");
  EXPECT_EQ(ListBox1().selected, 3);
  EXPECT_EQ(NameBox().text, "New Menu");
  EXPECT_EQ(NameBox().caret, 8u);
  EXPECT_EQ(Menus().MenuIds.back(), 1);
  EXPECT_EQ(Options().TriggerMenuIds[kTriggerBottomRight], 4);
  NameBox().text = " work ";
  Click(kRename);
  EXPECT_EQ(Menus().MenuNames[3], "work (2)");
  EXPECT_EQ(ListBox1().items[3], "work (2)");
  EXPECT_EQ(ListBox1().selected, 3);
  EXPECT_EQ(NameBox().text, "work (2)");
  NameBox().text = "  ";
  Click(kRename);
  EXPECT_EQ(Menus().MenuNames[3], "work (2)");
  EXPECT_EQ(NameBox().text, "work (2)") << "the box shows the name kept";
}

TEST_F(PopupPageTest, RemoveMovesTriggersEditorAndMenuWindowToTheFirstMenuAndRefusesTheLast) {
  StartWith(ThreeMenus("Bottom Right=4\nTop=4\nLeft=4\nRight=7\n",
                       ItemSection("W1", "C:\\w.exe", 0, 0, "Type=4\nMod=2\nKeyCode=87\n") +
                           ItemSection("Far", "C:\\f.exe", 9, 30, "Type=4\n") +
                           ItemSection("G1", "C:\\g.exe", 0, 0, "Type=7\n")));
  options->EditCell({1, 1, 4});
  menu->ShowMenuAt(1279, 799, kTriggerBottomRight);
  ASSERT_TRUE(menu->IsMenuVisible());
  ASSERT_EQ(Table().CurrentMenuId(), 4);
  ASSERT_EQ(ListBox1().selected, 1);
  Click(kRemove);
  EXPECT_EQ(Menus().MenuNames, (std::vector<std::string>{"Tarnwick", "Games"}));
  for (const int trigger : {kTriggerBottomRight, kTriggerTop, kTriggerLeft}) {
    EXPECT_EQ(Options().TriggerMenuIds[trigger], 0) << trigger;
  }
  EXPECT_EQ(Options().TriggerMenuIds[kTriggerRight], 7);
  ASSERT_EQ(Table().Count(), 1u);
  EXPECT_EQ(Table().At(0).Description, "G1");
  EXPECT_EQ(fake.hotkeys.registered.size(), 0u) << "the removed item's hotkey is given back";
  EXPECT_EQ(options->EditedCell(), (EditorCell{0, 0, 0}));
  EXPECT_FALSE(menu->IsMenuVisible());
  EXPECT_EQ(Table().CurrentMenuId(), 0);
  // The list shows the selected trigger's new menu.
  EXPECT_EQ(ListBox1().selected, 0);
  EXPECT_EQ(NameBox().text, "Tarnwick");

  ChooseMenu(1);
  Click(kRemove);
  ChooseMenu(0);
  Click(kRemove);
  EXPECT_EQ(Menus().MenuNames, (std::vector<std::string>{"Tarnwick"})) << "the last menu stays";
  EXPECT_EQ(Options().TriggerMenuIds[kTriggerRight], 0);
}

TEST_F(PopupPageTest, AMenuExportedAndImportedBackIsASecondMenuWithTheSameItemsAndSize) {
  StartWith(ThreeMenus("Bottom Right=4\n", ItemSection("W1", "C:\\w.exe", 0, 0, "Type=4\n") +
                                               ItemSection("W2", "C:\\v.exe", 1, 1, "Type=4\n") +
                                               ItemSection("G1", "C:\\g.exe", 0, 0, "Type=7\n")));
  ASSERT_EQ(ListBox1().selected, 1);
  fake.dialogs.chosenExportFile = "C:\\Out\\Work.ini";
  Click(kExport);
  EXPECT_EQ(fake.dialogs.exportProposals, (std::vector<std::string>{"Work"})) << "the name box proposes the name";
  ASSERT_TRUE(fake.files.files.contains("C:\\Out\\Work.ini"));

  menu->ShowMenuAt(0, 0, kTriggerTopLeft);  // the first menu, of one row
  ASSERT_EQ(MenuWindow().bounds.Height(), 20 + 2);
  fake.dialogs.chosenImportFile = "C:\\Out\\Work.ini";
  Click(kImport);
  EXPECT_EQ(Menus().MenuNames, (std::vector<std::string>{"Tarnwick", "Work", "Games", "Work (2)"}));
  EXPECT_EQ(Menus().MenuIds.back(), 1);
  EXPECT_EQ(ItemsOf(1), (std::vector<std::string>{"W1 (2)@0,0", "W2 (2)@1,1"}));
  EXPECT_EQ(ItemsOf(4), (std::vector<std::string>{"W1@0,0", "W2@1,1"}));
  EXPECT_EQ(Table().ColumnsOf(1), 2);
  EXPECT_EQ(Table().RowsOf(1), 2);
  EXPECT_EQ(ListBox1().items.back(), "Work (2)");
  EXPECT_EQ(ListBox1().selected, 3);
  EXPECT_EQ(NameBox().text, "Work (2)");
  EXPECT_EQ(Options().TriggerMenuIds[kTriggerBottomRight], 4) << "no trigger opens the imported menu yet";
  // The menu showing is laid out again for the menu now current, the one the items went into.
  EXPECT_EQ(MenuWindow().bounds.Height(), 2 * 20 + 2);
}

TEST_F(PopupPageTest, ImportedMenusAreNamedAfterTheFileCleanedAndNumbered) {
  struct Case {
    const char* file;
    const char* name;
  };
  const Case cases[] = {{"C:\\m\\My.Tools.ini", "My"},
                        {"C:\\m\\.ini", ".ini"},
                        {"C:\\m\\popup.ini", "popup (2)"},
                        {"C:\\m\\games.ini", "games (2)"},
                        {"C:\\m\\a=b.ini", "a-b"},
                        {"C:\\m\\;.ini", "New Menu"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    StartWith(ThreeMenus());
    fake.files.files[c.file] = "[Setting]\r\nColumn=1\r\nRow=1\r\n";
    fake.dialogs.chosenImportFile = c.file;
    Click(kImport);
    EXPECT_EQ(Menus().MenuNames.back(), c.name);
  }
}

TEST_F(PopupPageTest, ImportAndExportDoNothingWhenCancelledUnreadableOrWithoutAFreeId) {
  StartWith(ThreeMenus("Bottom Right=4\n", ItemSection("W1", "C:\\w.exe", 0, 0, "Type=4\n")));
  fake.files.files["C:\\m\\In.ini"] = ThreeMenus("", ItemSection("X", "C:\\x.exe", 0, 0));
  const size_t filesBefore = fake.files.files.size();
  Click(kImport);  // cancelled
  Click(kExport);  // cancelled
  EXPECT_EQ(fake.dialogs.importDialogs, 1);
  EXPECT_EQ(fake.dialogs.exportProposals.size(), 1u);
  fake.dialogs.chosenImportFile = "C:\\m\\Gone.ini";
  Click(kImport);
  EXPECT_EQ(fake.dialogs.errors.size(), 1u) << "the unreadable file is reported";
  fake.dialogs.chosenExportFile = "C:\\m\\Out.ini";
  ListBox1().selected = -1;
  Click(kExport);
  EXPECT_EQ(fake.dialogs.exportProposals.size(), 1u) << "no menu selected: no dialog";
  EXPECT_EQ(fake.files.files.size(), filesBefore);
  EXPECT_EQ(Menus().Count(), 3u);

  // Every id taken: the import must neither add a menu nor fill the one selected.
  for (int id = 0; id <= kMaxNewMenuId; ++id) {
    if (!Menus().HasMenu(id)) Menus().Add("M" + std::to_string(id), id);
  }
  ListBox1().selected = 1;
  fake.dialogs.chosenImportFile = "C:\\m\\In.ini";
  Click(kImport);
  EXPECT_EQ(Menus().Count(), static_cast<size_t>(kMaxNewMenuId + 1));
  EXPECT_EQ(Menus().MenuNames[1], "Work");
  EXPECT_EQ(ItemsOf(4), (std::vector<std::string>{"W1@0,0"}));
  EXPECT_EQ(Table().Count(), 1u);
}

TEST_F(PopupPageTest, ItsControlsShowOnlyWhileThePageIsInFrontAndItsButtonsHaveHints) {
  StartWith(ThreeMenus());
  EXPECT_TRUE(ListBox1().visible);
  EXPECT_TRUE(NameBox().visible);
  EXPECT_EQ(ListBox1().rowHeight, 13);
  options->ShowPage(OptionsPage::General);
  EXPECT_FALSE(ListBox1().visible);
  EXPECT_FALSE(NameBox().visible);
  // Nothing of the page answers a click while it is behind.
  const bool bottomRight = Options().TriggerEnabled[kTriggerBottomRight];
  Click(TriggerCheck(kTriggerTop));
  Click(kAdd);
  EXPECT_EQ(Menus().Count(), 3u);
  EXPECT_EQ(Options().TriggerEnabled[kTriggerBottomRight], bottomRight);
  EXPECT_FALSE(Options().TriggerEnabled[kTriggerTop]);

  options->ShowPage(OptionsPage::Popup);
  std::vector<std::string> hints;
  for (const Hint& hint : OptionsWindow().hints) hints.push_back(hint.text);
  for (const char* hint : {"Add menu", "Remove menu", "Import menu", "Export menu", "Rename menu"}) {
    EXPECT_NE(std::find(hints.begin(), hints.end(), hint), hints.end()) << hint;
  }
}

}  // namespace
}  // namespace tarnwick
