#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "contextmenu/ContextCommands.h"
#include "contextmenu/ContextMenu.h"
#include "fakes/FakePlatform.h"
#include "fakes/MenuWindowFixture.h"
#include "options/TOptions.h"
#include "special/TAddSpecial.h"

namespace tarnwick {
namespace {

using testing_support::Configuration;
using testing_support::ItemSection;

std::vector<std::string> Captions(const std::vector<ContextEntry>& entries) {
  std::vector<std::string> captions;
  for (const ContextEntry& entry : entries) captions.push_back(entry.caption);
  return captions;
}

TEST(ContextEntries, OnlyTheEntriesTheStateAllowsInTheirOrder) {
  using V = std::vector<std::string>;
  const Size screen{1280, 800};
  struct Case {
    const char* name;
    ContextMenuState state;
    V captions;
  };
  const V tail = {"Bar", "Lock", "Disable", "Bar", "Options", "Save", "About", "Exit"};
  auto with = [&](V head, V rest) {
    head.insert(head.end(), rest.begin(), rest.end());
    return head;
  };
  const Case cases[] = {
      {"one cell, room to grow", {screen, {102, 62}, {0, 0}, 1, 1, false, false},
       with({"Add", "Add Special", "Add Column", "Remove", "Properties"}, tail)},
      {"no cell", {screen, {102, 62}, {}, 3, 3, false, false}, with({"Add", "Add Special", "Add Column"}, tail)},
      {"a cell of a 2 x 2 menu", {screen, {204, 42}, {1, 1}, 2, 2, false, false},
       with({"Add", "Add Special", "Add Column", "Remove", "Remove Row", "Remove Column", "Properties"}, tail)},
      {"a cell of a menu of 3 rows, 1 column", {screen, {102, 62}, {0, 2}, 3, 1, false, false},
       with({"Add", "Add Special", "Add Column", "Remove", "Remove Row", "Properties"}, tail)},
      {"menu within 20 pixels of the screen's height", {screen, {102, 781}, {0, 0}, 1, 1, false, false},
       with({"Add Column", "Remove", "Properties"}, tail)},
      {"just room for a row", {screen, {102, 780}, {0, 0}, 1, 1, false, false},
       with({"Add", "Add Special", "Add Column", "Remove", "Properties"}, tail)},
      {"no room for a column", {screen, {1171, 62}, {}, 1, 1, false, false}, with({"Add", "Add Special"}, tail)},
      {"locked and disabled", {screen, {102, 62}, {}, 1, 1, true, true},
       {"Add", "Add Special", "Add Column", "Bar", "UnLock", "Enable", "Bar", "Options", "Save", "About", "Exit"}},
  };
  const LanguageTexts texts;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Captions(ContextCommands::Entries(c.state, texts)), c.captions);
  }
}

TEST(ContextEntries, PicturesAndATranslatedCaptionOfBar) {
  const ContextMenuState state{{1280, 800}, {204, 42}, {0, 0}, 2, 2, false, false};
  LanguageTexts texts;
  std::vector<int> images;
  for (const ContextEntry& entry : ContextCommands::Entries(state, texts)) images.push_back(entry.image);
  EXPECT_EQ(images, (std::vector<int>{0, 1, 3, 2, 2, 2, 4, -1, 5, 6, -1, 7, 12, 8, 9}));

  texts.Set("AMenu7", "Bar");  // a translation that makes the lock a bar
  const std::vector<ContextEntry> entries = ContextCommands::Entries(state, texts);
  EXPECT_TRUE(entries[8].IsBar());
  EXPECT_FALSE(entries[9].IsBar());
}

TEST(ContextGeometry, SizeAndPlaceOfTheWindow) {
  const Size screen{1280, 800};
  struct Case {
    const char* name;
    Point at;
    int widest;
    size_t entries;
    Rect bounds;
  };
  const Case cases[] = {
      {"all fifteen entries", {100, 100}, 40, 15, {99, 99, 99 + 122, 99 + 302}},
      {"a wide caption", {100, 100}, 90, 3, {99, 99, 99 + 142, 99 + 62}},
      {"near the bottom-right corner: up and left, corner on the cursor", {1279, 799}, 60, 15,
       {1279 - 122 + 1, 799 - 302 + 1, 1280, 800}},
      {"just fits below and right", {1280 - 122, 800 - 302}, 60, 15, {1157, 497, 1279, 799}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(PlaceContextMenu(c.at, screen, c.widest, c.entries), c.bounds);
  }
  const Size window{122, 62};
  EXPECT_EQ(ContextEntryRect(1, window), (Rect{2, 22, 119, 39}));
  EXPECT_EQ(ContextEntryAt({1, 10}, window), -1) << "the frame";
  EXPECT_EQ(ContextEntryAt({2, 2}, window), 0);
  EXPECT_EQ(ContextEntryAt({119, 21}, window), 1);
  EXPECT_EQ(ContextEntryAt({120, 30}, window), -1);
  EXPECT_EQ(ContextEntryAt({50, 60}, window), -1);
}

class ContextMenuTest : public testing_support::MenuWindowFixture {
 protected:
  void SetUp() override {
    // A 2 x 3 menu: A and B in column 0, C in column 1 row 2.
    Start(Configuration(2, 3, "",
                        ItemSection("A", "C:\\a.exe", 0, 0) + ItemSection("B", "C:\\b.exe", 0, 1) +
                            ItemSection("C", "C:\\c.exe", 1, 2)));
    PopUp();
  }
  TAMenu& Context() { return app->ContextMenu(); }
  void RightClick(Cell cell) {
    menu->FormMouseMove(CentreOf(cell));
    menu->FormMouseDown(MouseButton::Right, CentreOf(cell));
    menu->FormMouseUp(MouseButton::Right, CentreOf(cell));
  }
  // Moves onto the entry of that caption and clicks it.
  void Choose(const std::string& caption) {
    const std::vector<std::string> captions = Captions(Context().Entries());
    const auto found = std::find(captions.begin(), captions.end(), caption);
    ASSERT_NE(found, captions.end()) << caption;
    const Point point{40, 20 * static_cast<int>(found - captions.begin()) + 10};
    Context().FormMouseMove(point);
    Context().FormMouseUp(MouseButton::Left, point);
  }
  std::vector<std::string> Contents() {
    std::vector<std::string> cells;
    for (const Item& item : Table().Items()) {
      cells.push_back(item.Description + "@" + std::to_string(item.Column) + "," + std::to_string(item.Row));
    }
    return cells;
  }
  int Rows() { return Table().RowsOf(0); }
  int Columns() { return Table().ColumnsOf(0); }
};

TEST_F(ContextMenuTest, ARightClickOpensTheMenuAtTheCursorWithNothingHot) {
  RightClick({0, 1});
  ASSERT_TRUE(ContextWindow().visible);
  EXPECT_EQ(ContextWindow().repaints, 1) << "one paint, at its final size";
  const Rect bounds = ContextWindow().bounds;
  EXPECT_EQ(bounds.Height(), 20 * 15 + 2);
  const Point cursor = MenuWindow().ClientToScreen(CentreOf({0, 1}));
  // The menu sits in the bottom-right corner, so the context menu opens up and to the left.
  EXPECT_EQ(bounds.right - 1, cursor.x);
  EXPECT_EQ(bounds.bottom - 1, cursor.y);
  EXPECT_EQ(Context().HotEntry(), -1);
  // A click before any move runs nothing.
  Context().FormMouseUp(MouseButton::Left, {40, 10});
  EXPECT_TRUE(ContextWindow().visible);
  EXPECT_EQ(fake.dialogs.questions.size(), 0u);
}

TEST_F(ContextMenuTest, HoverHighlightsEntryByEntryAndNeverABar) {
  RightClick({0, 0});
  const int width = ContextWindow().bounds.Width();
  const std::string entry0 = "text 2,2," + std::to_string(width - 3) + ",19 @30,4 'Add' ";
  ContextWindow().drawn.clear();
  Context().FormMouseMove({40, 10});
  EXPECT_EQ(Context().HotEntry(), 0);
  EXPECT_EQ(ContextWindow().drawn,
            (std::vector<std::string>{"font MS Sans Serif 8", entry0 + "00FFFF on 800000", "image 0 @3,3"}));

  ContextWindow().drawn.clear();
  Context().FormMouseMove({40, 7 * 20 + 10});  // the bar after Properties
  EXPECT_EQ(Context().HotEntry(), -1);
  EXPECT_EQ(ContextWindow().drawn,
            (std::vector<std::string>{"font MS Sans Serif 8", entry0 + "FFFFFF on 000000", "image 0 @3,3"}))
      << "only the entry that lost the highlight is drawn again";

  // Right clicks run nothing.
  Context().FormMouseMove({40, 10});
  Context().FormMouseUp(MouseButton::Right, {40, 10});
  EXPECT_TRUE(ContextWindow().visible);
}

TEST_F(ContextMenuTest, RemoveRowTakesTheRowOutAndMovesTheOnesAbove) {
  RightClick({0, 1});
  Choose("Remove Row");
  EXPECT_FALSE(ContextWindow().visible);
  EXPECT_EQ(fake.dialogs.questions, std::vector<std::string>{"Warning: Are you sure to remove this row?"});
  EXPECT_EQ(Contents(), (std::vector<std::string>{"A@0,0", "C@1,1"}));
  EXPECT_EQ(Rows(), 2);
  EXPECT_FALSE(Flags().DialogOpen());
}

TEST_F(ContextMenuTest, RemoveColumnOfEmptyCellsStillShrinks) {
  Table().ColumnsOf(0) = 3;
  app->MenuWindow().RefreshIfVisible();
  RightClick({2, 0});
  Choose("Remove Column");
  EXPECT_EQ(Columns(), 2);
  EXPECT_EQ(Contents(), (std::vector<std::string>{"A@0,0", "B@0,1", "C@1,2"}));
}

TEST_F(ContextMenuTest, CancelChangesNothingAndClearsDialogOpen) {
  for (const char* command : {"Remove", "Remove Row", "Remove Column"}) {
    SCOPED_TRACE(command);
    fake.dialogs.answers.assign(fake.dialogs.questions.size() + 1, false);
    bool openWhileAsked = false;
    fake.dialogs.whileAsking = [&] { openWhileAsked = Flags().DialogOpen(); };
    RightClick({0, 1});
    Choose(command);
    EXPECT_TRUE(openWhileAsked);
    EXPECT_FALSE(Flags().DialogOpen());
    EXPECT_EQ(Contents(), (std::vector<std::string>{"A@0,0", "B@0,1", "C@1,2"}));
    EXPECT_EQ(Rows(), 3);
    EXPECT_EQ(Columns(), 2);
  }
}

// The command acts on the right-clicked cell and menu, whatever happens while its box is up.
TEST_F(ContextMenuTest, ACommandActsOnTheCellItStartedWith) {
  fake.dialogs.whileAsking = [&] {
    Table().SetHotCell({1, 2});
    Table().SetCurrentMenu(7);
  };
  RightClick({0, 0});
  Choose("Remove");
  EXPECT_EQ(Contents(), (std::vector<std::string>{"B@0,1", "C@1,2"}));
}

TEST_F(ContextMenuTest, RemoveRowAndColumnLeaveAMenuThatShrankMeanwhileAlone) {
  fake.dialogs.whileAsking = [&] { Table().RowsOf(0) = 1; };
  RightClick({0, 1});
  Choose("Remove Row");
  EXPECT_EQ(Contents(), (std::vector<std::string>{"A@0,0", "B@0,1", "C@1,2"})) << "one row is no row to remove";
}

TEST_F(ContextMenuTest, AddFilesStackUpTheColumnFromTheRightClickedCell) {
  Table().RemoveItemAt(1, 2, 0);  // C: column 1 is free
  fake.dialogs.chosenFiles = {"C:\\one.txt", "C:\\two.txt", "C:\\three.txt"};
  RightClick({1, 1});
  Choose("Add");
  EXPECT_EQ(fake.dialogs.fileDialogs, 1);
  EXPECT_EQ(Contents(), (std::vector<std::string>{"A@0,0", "B@0,1", "one@1,1", "two@1,2", "three@1,3"}));
  EXPECT_EQ(Rows(), 4);
  EXPECT_FALSE(Flags().DialogOpen());

  fake.dialogs.chosenFiles.clear();  // cancelled
  RightClick({0, 0});
  Choose("Add");
  EXPECT_EQ(Table().Count(), 5u);
}

TEST_F(ContextMenuTest, EditorCellFollowsRemovals) {
  app->Options().EditCell({1, 2, 0});
  RightClick({0, 1});
  Choose("Remove Row");
  EXPECT_EQ(app->Options().EditedCell(), (EditorCell{1, 0, 0})) << "a row at or above the removed one goes to row 0";

  app->Options().EditCell({1, 0, 5});
  RightClick({0, 0});
  Choose("Remove Column");
  EXPECT_EQ(app->Options().EditedCell(), (EditorCell{1, 0, 5})) << "another menu's cell stays";
}

TEST_F(ContextMenuTest, TogglesPagesSaveAndExit) {
  RightClick({0, 0});
  Choose("Lock");
  EXPECT_TRUE(Flags().MenuLocked);
  RightClick({0, 0});
  Choose("UnLock");
  EXPECT_FALSE(Flags().MenuLocked);

  RightClick({0, 0});
  Choose("Disable");
  EXPECT_TRUE(Flags().PopupsDisabled);
  EXPECT_TRUE(fake.tray.shown);
  EXPECT_FALSE(MenuWindow().visible && app->MenuWindow().IsMenuVisible());
  PopUp();  // as the tray menu would
  RightClick({0, 0});
  Choose("Enable");
  EXPECT_FALSE(Flags().PopupsDisabled);
  EXPECT_FALSE(fake.tray.shown);

  PopUp();
  RightClick({1, 2});
  Choose("Properties");
  EXPECT_EQ(app->Options().Page(), OptionsPage::MenuItem);
  EXPECT_EQ(app->Options().EditedCell(), (EditorCell{1, 2, 0}));
  EXPECT_TRUE(OptionsWindow().visible);
  RightClick({0, 0});
  Choose("About");
  EXPECT_EQ(app->Options().Page(), OptionsPage::About);
  EXPECT_FALSE(app->MenuWindow().IsMenuVisible());
  PopUp();
  RightClick({0, 0});
  Choose("Options");
  EXPECT_EQ(app->Options().Page(), OptionsPage::General);

  fake.files.files.erase(fake.ConfigPath());
  RightClick({0, 0});
  Choose("Save");
  EXPECT_NE(fake.files.files[fake.ConfigPath()].find("[C]"), std::string::npos);

  RightClick({0, 0});
  Choose("Exit");
  EXPECT_TRUE(OptionsWindow().closeRequested);
}

TEST_F(ContextMenuTest, AddColumnAndAddSpecialAimAtTheRightClickedMenu) {
  RightClick({0, 0});
  Choose("Add Column");
  EXPECT_EQ(Columns(), 3);
  RightClick({1, 2});
  Choose("Add Special");
  EXPECT_TRUE(fake.windows.Find("TAddSpecial")->visible);
}

}  // namespace
}  // namespace tarnwick

namespace tarnwick {
namespace {

// The add-special dialog, opened from the context menu as a user opens it.
class AddSpecialDialogTest : public ContextMenuTest {
 protected:
  fakes::FakeWindow& Dialog() { return *fake.windows.Find("TAddSpecial"); }
  fakes::FakeListBox& Kinds() { return *Dialog().listBoxes.at(TAddSpecial::kKindList); }
  fakes::FakeEditBox& First() { return *Dialog().editBoxes.at(TAddSpecial::kParameter1); }
  fakes::FakeEditBox& Second() { return *Dialog().editBoxes.at(TAddSpecial::kParameter2); }
  void OpenAt(Cell cell) {
    RightClick(cell);
    Choose("Add Special");
  }
  void ChooseKind(int index) {
    Kinds().selected = index;
    Dialog().events.FormControlChanged(TAddSpecial::kKindList);
  }
  void ClickAt(Point point) {
    Dialog().events.FormMouseDown(MouseButton::Left, point);
    Dialog().events.FormMouseUp(MouseButton::Left, point);
  }
  void Apply() { ClickAt({300, 106}); }
  void Cancel() { ClickAt({228, 106}); }
};

TEST_F(AddSpecialDialogTest, OpensOnFakeEmptyWithOnlyTheNumberBox) {
  OpenAt({1, 0});
  ASSERT_TRUE(Dialog().visible);
  EXPECT_EQ(Kinds().items,
            (std::vector<std::string>{"Fake Empty", "New Row", "New Column", "Windows Message", "Separator"}));
  EXPECT_EQ(Kinds().selected, 0);
  EXPECT_TRUE(First().enabled);
  EXPECT_FALSE(Second().enabled);
  EXPECT_EQ(app->AddSpecial().Layout().parameter1, "Number");
  EXPECT_EQ(app->AddSpecial().Layout().parameter2, "No use");
  EXPECT_FALSE(app->AddSpecial().Layout().colorEnabled);
  ClickAt({345, 70});  // the swatch is off for placeholders
  EXPECT_TRUE(fake.dialogs.colorPresets.empty());
}

TEST_F(AddSpecialDialogTest, ApplyAddsAtTheRightClickedCellAndTheDialogKeepsItsTexts) {
  OpenAt({1, 0});
  First().text = "2";
  Apply();
  EXPECT_FALSE(Dialog().visible);
  EXPECT_EQ(Contents(), (std::vector<std::string>{"A@0,0", "B@0,1", "C@1,2", "Empty@1,0", "Empty (2)@1,1"}));

  OpenAt({0, 1});
  EXPECT_EQ(First().text, "2") << "kept from the last opening";
  ChooseKind(4);  // Separator, in the chosen colour
  EXPECT_TRUE(app->AddSpecial().Layout().colorEnabled);
  fake.dialogs.chosenColor = 0x0000FF;
  ClickAt({345, 70});
  EXPECT_EQ(fake.dialogs.colorPresets, std::vector<Color>{0xFFFFFF});
  First().text = "Tools";
  Apply();
  EXPECT_EQ(Table().At(Table().Count() - 1).Description, "Separator");
  EXPECT_EQ(Table().At(Table().Count() - 1).Parameters, "Tools");
  EXPECT_EQ(Table().At(Table().Count() - 1).ItemColor, 0x0000FFu);
  EXPECT_EQ(Table().At(Table().Count() - 1).Row, 2) << "above the occupied cell";

  OpenAt({0, 0});
  ChooseKind(2);  // New Column
  First().text = "1";
  Cancel();
  EXPECT_FALSE(Dialog().visible);
  EXPECT_EQ(Columns(), 2);
  OpenAt({0, 0});
  ChooseKind(2);
  Apply();
  EXPECT_EQ(Columns(), 3);
  EXPECT_EQ(app->AddSpecial().ChosenColor(), 0x0000FFu) << "the colour is kept too";
}

}  // namespace
}  // namespace tarnwick
