#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "fakes/MenuWindowFixture.h"
#include "options/ItemEditor.h"
#include "options/TOptions.h"

namespace tarnwick {
namespace {

using testing_support::ItemSection;

// Two menus, "Tarnwick" (id 0, 2 columns x 3 rows) and "Second" (id 3, 1 x 1), and the items.
std::string TwoMenus(const std::string& items, const std::string& settings = "") {
  return "[Setting]\nVersion=2.0\n" + settings +
         "[Menu]\nTarnwick=0\nSecond=3\n[Menu Column]\nTarnwick=2\nSecond=1\n[Menu Row]\nTarnwick=3\nSecond=1\n" +
         items;
}

// The item editor of a started application, driven directly or through its page's boxes.
class ItemEditorTest : public testing_support::MenuWindowFixture {
 protected:
  void StartWith(const std::string& items, const std::string& settings = "") {
    Start(TwoMenus(items, settings));
    editor = &app->Options().Editor();
  }
  // The position of the item with this description, or -1.
  int Find(const std::string& description) {
    for (size_t i = 0; i < Table().Count(); ++i) {
      if (Table().At(i).Description == description) return static_cast<int>(i);
    }
    return -1;
  }
  const Item& ItemNamed(const std::string& description) {
    const int i = Find(description);
    EXPECT_GE(i, 0) << description;
    return Table().At(static_cast<size_t>(std::max(i, 0)));
  }
  fakes::FakeEditBox& BoxOf(int id) { return *OptionsWindow().editBoxes.at(id); }

  ItemEditor* editor = nullptr;
};

TEST_F(ItemEditorTest, AFreeCellLoadsAsTheMarkerAndStoresNothingUntilItHasAProgramFile) {
  StartWith(ItemSection("Notes", "C:\\notes.txt", 0, 0));
  app->Options().ShowPage(OptionsPage::MenuItem);
  app->Options().EditCell({1, 2, 0});
  EXPECT_EQ(BoxOf(MenuItemPage::kProgramFile).text, "Empty");
  EXPECT_FALSE(editor->Picker().has_value());

  // A description alone: Apply stores nothing and goes on.
  BoxOf(MenuItemPage::kDescription).Type("Just a name");
  EXPECT_TRUE(editor->Dirty());
  app->Options().ApplyOptions();
  EXPECT_FALSE(OptionsWindow().visible) << "Apply went on";
  EXPECT_EQ(Table().Count(), 1u);
  EXPECT_TRUE(fake.dialogs.warnings.empty());

  // "EMPTY" is the marker in any case on a free cell.
  BoxOf(MenuItemPage::kProgramFile).Type("EMPTY");
  EXPECT_TRUE(editor->CommitItemEditor());
  EXPECT_EQ(Table().Count(), 1u);

  BoxOf(MenuItemPage::kProgramFile).Type("C:\\tool.exe");
  EXPECT_TRUE(editor->CommitItemEditor());
  EXPECT_EQ(ItemNamed("Just a name").ProgramFile, "C:\\tool.exe");
  EXPECT_EQ(ItemNamed("Just a name").IconLocation, "Default Icon") << "a program file fills an empty icon location";
  EXPECT_EQ(ItemNamed("Just a name").Row, 2);
  EXPECT_EQ(ItemNamed("Just a name").Column, 1);
  EXPECT_FALSE(editor->Dirty());
}

TEST_F(ItemEditorTest, AMissingDescriptionIsRefusedWithTheWarningAndTheNavigationDoesNotHappen) {
  StartWith("");
  editor->EditCell({0, 0, 0});
  editor->EProgramFileChange("C:\\tool.exe");
  editor->IRowNClick();
  EXPECT_EQ(fake.dialogs.warnings, std::vector<std::string>{"Warning: Description is missing."});
  EXPECT_EQ(editor->EditedCell(), (EditorCell{0, 0, 0}));
  EXPECT_EQ(Table().Count(), 0u);
  EXPECT_EQ(editor->Texts().programFile, "C:\\tool.exe") << "the page keeps the edit";

  editor->EDescriptionChange("Tool");
  editor->IRowNClick();
  EXPECT_EQ(editor->EditedCell(), (EditorCell{0, 1, 0}));
  EXPECT_EQ(ItemNamed("Tool").Row, 0);
}

TEST_F(ItemEditorTest, AStoreReplacesTheItemAndNumbersADescriptionThatIsTaken) {
  StartWith(ItemSection("Notes", "C:\\notes.txt", 0, 0) + ItemSection("Other", "C:\\other.txt", 0, 1));
  struct Case {
    const char* description;
    const char* stored;
  };
  // The item's own description is free again when it is stored; another's is numbered.
  for (const Case c : {Case{"Other", "Other"}, Case{"notes", "notes (2)"}}) {
    SCOPED_TRACE(c.description);
    editor->EditCell({0, 1, 0});
    const int oldId = Table().At(static_cast<size_t>(Table().FindItemAt(0, 1, 0))).ItemId;
    editor->EParametersChange(std::string("-p ") + c.description);
    editor->EDescriptionChange(c.description);
    ASSERT_TRUE(editor->CommitItemEditor());
    EXPECT_EQ(Table().Count(), 2u);
    EXPECT_EQ(Table().FindItemById(oldId), -1) << "the old item is gone";
    const Item& stored = Table().At(Table().Count() - 1);
    EXPECT_EQ(stored.Description, c.stored);
    EXPECT_EQ(stored.Row, 1);
  }
}

TEST_F(ItemEditorTest, TheFieldsOfAnItemAreStoredAsThePageHoldsThem) {
  StartWith(ItemSection("Tool", "C:\\tool.exe", 1, 2,
                        "Start=C:\\\nPara=-x\nMode=2\nMod=3\nKeyCode=116\nDisable=1\nColor=255\nIcon=C:\\icons.dll\nIndex=1\n"));
  fake.icons.iconCounts["C:\\icons.dll"] = 4;
  editor->EditCell({1, 2, 0});
  EXPECT_EQ(editor->Texts(), (ItemTexts{"Tool", "C:\\tool.exe", "C:\\", "-x", "C:\\icons.dll"}));
  EXPECT_EQ(editor->HotkeyText(), "Ctrl+Alt+F5");
  EXPECT_EQ(editor->WindowMode(), 2);
  EXPECT_TRUE(editor->DisableAfterRun());
  EXPECT_EQ(editor->ItemColor(), 255u);

  editor->IWinModeClick();
  editor->IDisableClick();
  editor->IAltClick();
  editor->IShiftClick();
  editor->IWinKeyClick();
  fake.dialogs.chosenColor = 0x00FF00;
  editor->SItemColorMouseDown();
  editor->PickerMouseDown(3 * 40 + 39);
  ASSERT_TRUE(editor->CommitItemEditor());
  const Item& stored = ItemNamed("Tool");
  EXPECT_EQ(stored.WindowMode, 0);
  EXPECT_FALSE(stored.DisableAfterRun);
  EXPECT_EQ(stored.HotkeyModifiers, 2 + 4 + 8);
  EXPECT_EQ(stored.HotkeyKey, 116);
  EXPECT_EQ(stored.ItemColor, 0x00FF00u);
  EXPECT_EQ(stored.IconIndex, 3);
  EXPECT_EQ(fake.dialogs.colorPresets, std::vector<Color>{255});
}

TEST_F(ItemEditorTest, ThePickerFollowsTheIconLocation) {
  StartWith(ItemSection("Tool", "C:\\tool.exe", 0, 0, "Index=7\n"));
  fake.files.files["C:\\tool.exe"] = "";
  fake.files.folders.insert("D:\\Games");
  fake.icons.iconCounts["C:\\icons.dll"] = 300;
  struct Case {
    const char* location;
    const char* program;
    IconPicker picker;
    int iconIndex;
    const char* strip;
  };
  const Case cases[] = {
      {"5", "C:\\tool.exe", {1, 5}, 0, ""},                                  // a built-in picture
      {"-1", "C:\\tool.exe", {0, -1}, 7, "file:-1,0"},                       // a file named -1
      {"29", "C:\\tool.exe", {0, -1}, 7, "file:29,0"},                       // past the built-in ones
      {"C:\\icons.dll", "C:\\tool.exe", {300, -1}, 7, "file:C:\\icons.dll,300"},
      {"DEFAULT icon", "C:\\tool.exe", {1, -1}, 0, "assoc:C:\\tool.exe"},    // any case
      {"Default Icon", "D:\\Games", {1, -1}, 0, "assoc:D:\\Games"},          // a folder has one
      {"Default Icon", "C:\\missing.exe", {0, -1}, -1, ""},
      {"Default Icon", "C:", {0, -1}, -1, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.location) + " / " + c.program);
    editor->EditCell({0, 0, 0});
    editor->EProgramFileChange(c.program);
    editor->EIconLocationChange(c.location);
    ASSERT_TRUE(editor->Picker().has_value());
    EXPECT_EQ(*editor->Picker(), c.picker);
    EXPECT_EQ(editor->IconIndex(), c.iconIndex);
    EXPECT_EQ(fake.icons.picker, c.strip);
  }
}

TEST_F(ItemEditorTest, TheDefaultIconFollowsTheProgramFileAndComesBackToAnEmptyLocation) {
  StartWith(ItemSection("Tool", "C:\\tool.exe", 0, 0, "Icon=Default Icon\n"));
  fake.files.files["C:\\tool.exe"] = "";
  fake.files.files["C:\\other.exe"] = "";
  app->Options().ShowPage(OptionsPage::MenuItem);
  app->Options().EditCell({0, 0, 0});
  EXPECT_EQ(fake.icons.picker, "assoc:C:\\tool.exe");
  BoxOf(MenuItemPage::kIconLocation).Type("");
  BoxOf(MenuItemPage::kProgramFile).Type("C:\\other.exe");
  EXPECT_EQ(BoxOf(MenuItemPage::kIconLocation).text, "Default Icon");
  EXPECT_EQ(fake.icons.picker, "assoc:C:\\other.exe");
  EXPECT_EQ(editor->Texts().description, "Tool") << "the description is not touched";
}

TEST_F(ItemEditorTest, EveryNavigationStoresFirstAndReloadsAlsoWhereTheCellStays) {
  StartWith(ItemSection("Tool", "C:\\tool.exe", 0, 0));
  struct Case {
    const char* name;
    void (ItemEditor::*step)();
    EditorCell from;
    EditorCell to;
  };
  const Case cases[] = {
      {"row previous at 0", &ItemEditor::IRowPClick, {0, 0, 0}, {0, 0, 0}},
      {"row next", &ItemEditor::IRowNClick, {0, 0, 0}, {0, 1, 0}},
      {"row next at the top", &ItemEditor::IRowNClick, {0, 2, 0}, {0, 2, 0}},
      {"column next", &ItemEditor::IColumnNClick, {0, 1, 0}, {1, 1, 0}},
      {"column next at the left", &ItemEditor::IColumnNClick, {1, 1, 0}, {1, 1, 0}},
      {"column previous", &ItemEditor::IColumnPClick, {1, 1, 0}, {0, 1, 0}},
      {"menu next", &ItemEditor::IMenuNClick, {1, 2, 0}, {0, 0, 3}},
      {"menu next at the end", &ItemEditor::IMenuNClick, {0, 0, 3}, {0, 0, 3}},
      {"menu previous", &ItemEditor::IMenuPClick, {0, 0, 3}, {0, 0, 0}},
      {"menu previous at the start", &ItemEditor::IMenuPClick, {1, 1, 0}, {1, 1, 0}},
      // The menu was removed while its menu was shown: no name, no neighbours.
      {"menu next of no menu", &ItemEditor::IMenuNClick, {1, 1, 7}, {1, 1, 7}},
      {"menu previous of no menu", &ItemEditor::IMenuPClick, {1, 1, 7}, {1, 1, 7}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    editor->EditCell(c.from);
    // On the item's cell a pending edit is stored before the move; on a free cell the
    // parameters alone store nothing and the move goes on.
    editor->EParametersChange(c.name);
    const int loads = editor->Loads();
    (editor->*c.step)();
    EXPECT_EQ(editor->EditedCell(), c.to);
    EXPECT_EQ(editor->Loads(), loads + 1) << "reloaded";
    EXPECT_FALSE(editor->Dirty());
    if (c.from == EditorCell{0, 0, 0}) {
      EXPECT_EQ(ItemNamed("Tool").Parameters, c.name) << "stored before moving";
    }
  }
  editor->EditCell({0, 0, 7});
  EXPECT_EQ(editor->MenuName(), "");
  editor->EditCell({0, 0, 3});
  EXPECT_EQ(editor->MenuName(), "Second");
}

TEST_F(ItemEditorTest, AStoreReplacesOnlyTheItemItLoaded) {
  struct Case {
    const char* name;
    void (*meanwhile)(ItemTable& table);
    std::vector<std::string> expected;  // descriptions at (0,0), (0,1), (0,2)
  };
  const Case cases[] = {
      // Dragged onto each other: the loaded item is now on (0,1), the other on the edited cell.
      {"swap",
       [](ItemTable& t) { t.SwapCells(static_cast<size_t>(t.FindItemAt(0, 0, 0)), static_cast<size_t>(t.FindItemAt(0, 1, 0))); },
       {"Other", "Edited", ""}},
      // The loaded item went (its menu was removed, or the context menu removed it) and a file
      // was dropped on its cell.
      {"removed, then a file dropped",
       [](ItemTable& t) {
         t.RemoveItemAt(0, 0, 0);
         Item dropped;
         dropped.Description = "Dropped";
         dropped.ProgramFile = "C:\\dropped.txt";
         t.AddItem(dropped);
       },
       {"Dropped", "Other", "Edited"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    StartWith(ItemSection("Loaded", "C:\\loaded.exe", 0, 0) + ItemSection("Other", "C:\\other.exe", 0, 1));
    editor->EditCell({0, 0, 0});
    editor->EDescriptionChange("Edited");
    c.meanwhile(Table());
    ASSERT_TRUE(editor->CommitItemEditor());
    std::vector<std::string> found;
    for (int row = 0; row < 3; ++row) {
      const int i = Table().FindItemAt(0, row, 0);
      found.push_back(i < 0 ? "" : Table().At(static_cast<size_t>(i)).Description);
    }
    EXPECT_EQ(found, c.expected);
    EXPECT_EQ(Find("Loaded"), -1);
  }
}

TEST_F(ItemEditorTest, AProgramFileReadingEmptyInAnotherCaseIsAnItemLikeAnyOther) {
  StartWith(ItemSection("Odd", "empty", 0, 0));
  editor->EditCell({0, 0, 0});
  EXPECT_FALSE(editor->LoadedFreeCell());
  editor->EDescriptionChange("Renamed");
  ASSERT_TRUE(editor->CommitItemEditor());
  EXPECT_EQ(ItemNamed("Renamed").ProgramFile, "empty");
  EXPECT_EQ(Find("Odd"), -1);
}

TEST_F(ItemEditorTest, GetPathAddsAFileToAFreeCellAtOnceAndFillsTheBoxOfAnItem) {
  StartWith(ItemSection("Tool", "C:\\tool.exe", 0, 0) + ItemSection("Quit", "Exit", 1, 0));
  fake.files.files["C:\\tool.exe"] = "";
  PopUp();
  const int repaints = MenuWindow().repaints + MenuWindow().invalidations;

  editor->EditCell({1, 0, 0});  // the exit item: no dialog
  editor->IGetPathClick();
  EXPECT_TRUE(fake.dialogs.filePresets.empty());

  fake.dialogs.chosenFile = "D:\\Docs\\report.final.doc";
  editor->EditCell({0, 1, 0});
  editor->IGetPathClick();
  EXPECT_EQ(ItemNamed("report").Row, 1) << "the free cell took the file at once";
  EXPECT_EQ(editor->Texts().description, "report") << "and the page shows it";
  EXPECT_FALSE(editor->LoadedFreeCell());
  EXPECT_GT(MenuWindow().repaints + MenuWindow().invalidations, repaints) << "the menu showing is refreshed";

  editor->EditCell({0, 0, 0});
  editor->EIconLocationChange("");
  editor->IGetPathClick();
  EXPECT_EQ(editor->Texts().programFile, "D:\\Docs\\report.final.doc");
  EXPECT_EQ(editor->Texts().iconLocation, "Default Icon");
  EXPECT_TRUE(editor->Dirty());
  // Presets: none for the free cell's marker, the program file when it names something.
  EXPECT_EQ(fake.dialogs.filePresets, (std::vector<std::string>{"", "C:\\tool.exe"}));

  fake.dialogs.chosenFile.reset();
  editor->EditCell({0, 0, 0});
  editor->IGetPathClick();
  EXPECT_FALSE(editor->Dirty()) << "a cancelled dialog changes nothing";
}

TEST_F(ItemEditorTest, GetIconTakesTheFileAndItsFirstIcon) {
  StartWith(ItemSection("Tool", "C:\\tool.exe", 0, 0, "Icon=C:\\old.ico\nIndex=2\n"));
  fake.files.files["C:\\old.ico"] = "";
  fake.icons.iconCounts["C:\\new.dll"] = 12;
  fake.dialogs.chosenFile = "C:\\new.dll";
  editor->EditCell({0, 0, 0});
  editor->IGetIconClick();
  EXPECT_EQ(fake.dialogs.filePresets, std::vector<std::string>{"C:\\old.ico"});
  EXPECT_EQ(editor->Texts().iconLocation, "C:\\new.dll");
  EXPECT_EQ(editor->IconIndex(), 0);
  EXPECT_EQ(*editor->Picker(), (IconPicker{12, -1}));
  EXPECT_TRUE(editor->Dirty());
}

TEST_F(ItemEditorTest, TheLoadEndsCleanThoughWritingTheBoxesRunsTheirChangeEvents) {
  StartWith(ItemSection("Tool", "C:\\tool.exe", 0, 0, "Icon=C:\\icons.dll\nPara=-x\n"));
  fake.icons.iconCounts["C:\\icons.dll"] = 3;
  app->Options().ShowPage(OptionsPage::MenuItem);
  app->Options().EditCell({0, 0, 0});
  EXPECT_FALSE(editor->Dirty());
  for (const auto& [id, text] : std::vector<std::pair<int, std::string>>{{MenuItemPage::kDescription, "Tool"},
                                                                        {MenuItemPage::kProgramFile, "C:\\tool.exe"},
                                                                        {MenuItemPage::kParameters, "-x"},
                                                                        {MenuItemPage::kIconLocation, "C:\\icons.dll"},
                                                                        {MenuItemPage::kStartIn, ""}}) {
    EXPECT_EQ(BoxOf(id).text, text);
    EXPECT_GT(BoxOf(id).caretToEnd, 0) << "the caret goes to the end of every box";
  }
  BoxOf(MenuItemPage::kParameters).Type("-y");
  EXPECT_TRUE(editor->Dirty());
  app->Options().EditCell({0, 0, 0});
  EXPECT_FALSE(editor->Dirty()) << "the pending edit was dropped";
  EXPECT_EQ(BoxOf(MenuItemPage::kParameters).text, "-x");
}

TEST_F(ItemEditorTest, SwitchingPagesNeitherStoresNorDropsTheEdit) {
  StartWith(ItemSection("Tool", "C:\\tool.exe", 0, 0));
  app->Options().ShowPage(OptionsPage::MenuItem);
  app->Options().EditCell({0, 0, 0});
  BoxOf(MenuItemPage::kParameters).Type("-y");
  app->Options().IGeneralClick();
  EXPECT_EQ(ItemNamed("Tool").Parameters, "");
  EXPECT_FALSE(BoxOf(MenuItemPage::kParameters).visible) << "the page's boxes go with it";
  app->Options().ApplyOptions();
  EXPECT_EQ(ItemNamed("Tool").Parameters, "-y");
}

TEST(KeyNamesTest, HotkeyTextsOfModifierSetsAndKeys) {
  struct Case {
    int modifiers;
    int key;
    const char* text;
  };
  const Case cases[] = {
      {2 | 1, 116, "Ctrl+Alt+F5"},     {8, 124, "Win+Key Code 124"},      {4, 0, ""},
      {15, 65, "Win+Ctrl+Alt+Shift+A"}, {0, 0, ""},                       {0, 13, "Enter"},
      {0, 255, "Key Code 255"},       {1, 300, "Alt+Key Code 300"},       {0, 70000, "Key Code 70000"},
      {0, 186, ";"},                   {0, 192, "`"},                     {0, 220, "\\"},
      {0, 222, "'"},                   {0, 93, "App. Key"},               {0, 111, "Keypad /"},
      {0, 48, "0"},                    {4, 105, "Shift+Keypad 9"},        {0, 145, "Scroll Lock"},
  };
  KeyNames names;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(HotkeyText(HotkeyState::Of(c.modifiers, c.key), names), c.text);
  }
  EXPECT_EQ(names.Entry(124), "Key Code 124") << "a key without a name keeps the one it was given";
  EXPECT_EQ(names.Entry(0), "") << "code 0 is no key and gets no name";
  EXPECT_EQ(names.Entry(300), "") << "nothing is written outside the table";
}

TEST_F(ItemEditorTest, TheKeyBoxTakesTheReleaseOfAKeyPressedInItButNotOfAModifier) {
  StartWith(ItemSection("Tool", "C:\\tool.exe", 0, 0, "Mod=2\nKeyCode=70000\n"));
  editor->EditCell({0, 0, 0});
  EXPECT_EQ(editor->Hotkey().key, 70000) << "a stored code is held whole";
  EXPECT_EQ(editor->HotkeyText(), "Ctrl+Key Code 70000");
  struct Case {
    const char* name;
    std::vector<std::pair<bool, int>> keys;  // (pressed, key) in order
    int key;
    bool dirty;
  };
  const Case cases[] = {
      {"Ctrl released", {{true, 17}, {false, 17}}, 70000, true},
      {"each modifier", {{true, 16}, {true, 18}, {true, 91}, {true, 92}, {false, 16}, {false, 18}, {false, 91}, {false, 92}}, 70000, true},
      {"F7 with Ctrl held", {{true, 17}, {true, 118}, {false, 118}, {false, 17}}, 118, true},
      {"Tab that brought the focus", {{false, 9}}, 70000, false},
      {"Tab pressed in the box", {{true, 9}, {false, 9}}, 9, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    editor->EditCell({0, 0, 0});
    for (const auto& [pressed, key] : c.keys) {
      if (pressed) {
        editor->EHotkeyKeyDown(key);
      } else {
        editor->EHotkeyKeyUp(key);
      }
    }
    EXPECT_EQ(editor->Hotkey().key, c.key);
    EXPECT_EQ(editor->Dirty(), c.dirty);
    EXPECT_TRUE(editor->Hotkey().ctrl) << "modifiers come from the toggles only";
    EXPECT_FALSE(editor->Hotkey().alt);
  }
  editor->EditCell({0, 0, 0});
  editor->IClearHotkeyClick();
  EXPECT_EQ(editor->HotkeyText(), "");
  EXPECT_TRUE(editor->Hotkey().ctrl) << "clearing leaves the toggles";
  ASSERT_TRUE(editor->CommitItemEditor());
  EXPECT_EQ(ItemNamed("Tool").HotkeyKey, 0);
  EXPECT_EQ(ItemNamed("Tool").HotkeyModifiers, 2);
}

TEST_F(ItemEditorTest, AHotkeyTheSystemDidNotTakeShowsAsInUse) {
  StartWith(ItemSection("First", "C:\\a.exe", 0, 0, "Mod=3\nKeyCode=118\n") +
            ItemSection("Second", "C:\\b.exe", 0, 1, "Mod=3\nKeyCode=118\n"));
  app->Options().ShowPage(OptionsPage::MenuItem);
  fakes::FakeEditBox& box = BoxOf(MenuItemPage::kHotkey);
  EXPECT_TRUE(box.readOnly);
  EXPECT_TRUE(box.takesKeys);

  app->Options().EditCell({0, 0, 0});
  EXPECT_FALSE(editor->HotkeyInUse());
  EXPECT_EQ(box.text, "Ctrl+Alt+F7");
  EXPECT_EQ(box.textColor, 0x000000u);

  app->Options().EditCell({0, 1, 0});
  EXPECT_TRUE(editor->HotkeyInUse());
  EXPECT_EQ(box.text, "Ctrl+Alt+F7 (in use)");
  EXPECT_EQ(box.textColor, MenuItemPage::kInUseText);

  // Another combination is not known to be taken until it is stored.
  editor->IShiftClick();
  EXPECT_FALSE(editor->HotkeyInUse());
  editor->IShiftClick();
  EXPECT_TRUE(editor->HotkeyInUse());

  // Stored again, it is still held by the first; the item keeps it all the same.
  editor->EDescriptionChange("Second one");
  editor->IRowPClick();
  editor->EditCell({0, 1, 0});
  EXPECT_EQ(ItemNamed("Second one").HotkeyKey, 118);
  EXPECT_TRUE(editor->HotkeyInUse());
}

TEST_F(ItemEditorTest, ThePageLaysOutItsBoxesInTabOrderAndShowsThemOnlyInFront) {
  StartWith("");
  fakes::FakeWindow& window = OptionsWindow();
  // Other pages' boxes are the window's too; this page's keep their order among them.
  std::vector<int> pageBoxes;
  for (const int id : window.editBoxOrder) {
    if (id >= MenuItemPage::kDescription && id <= MenuItemPage::kIconScroll) pageBoxes.push_back(id);
  }
  EXPECT_EQ(pageBoxes,
            (std::vector<int>{MenuItemPage::kDescription, MenuItemPage::kProgramFile, MenuItemPage::kParameters,
                              MenuItemPage::kIconLocation, MenuItemPage::kHotkey, MenuItemPage::kStartIn}));
  struct Case {
    int id;
    Rect bounds;
  };
  for (const Case& c : {Case{MenuItemPage::kDescription, {114, 80, 370, 99}}, Case{MenuItemPage::kProgramFile, {114, 104, 370, 123}},
                        Case{MenuItemPage::kStartIn, {114, 128, 370, 147}}, Case{MenuItemPage::kParameters, {114, 152, 370, 171}},
                        Case{MenuItemPage::kIconLocation, {114, 176, 370, 195}}, Case{MenuItemPage::kHotkey, {186, 200, 370, 219}}}) {
    EXPECT_EQ(BoxOf(c.id).bounds, c.bounds) << c.id;
    EXPECT_FALSE(BoxOf(c.id).visible);
  }
  app->Options().ShowPage(OptionsPage::MenuItem);
  for (const int id : pageBoxes) EXPECT_TRUE(BoxOf(id).visible) << id;
}

// The page's arrows and toggles count a double click twice; the browse buttons, which open a
// modal dialog, once.
TEST_F(ItemEditorTest, ThePagesButtonsRunTheirHandlersOnClicksAndDoubleClicks) {
  StartWith(ItemSection("Tool", "C:\\tool.exe", 0, 0));
  TOptions& options = app->Options();
  options.ShowPage(OptionsPage::MenuItem);
  const auto click = [&](Point p) {
    options.FormMouseDown(MouseButton::Left, p);
    options.FormMouseUp(MouseButton::Left, p);
  };
  const auto doubleClick = [&](Point p) {
    click(p);
    options.FormMouseDoubleClick(MouseButton::Left, p);
    options.FormMouseUp(MouseButton::Left, p);
  };
  // Client points of the page's pictures (page at 8,40), at their centres.
  const auto at = [](int x, int y) { return Point{8 + x + 8, 40 + y + 8}; };
  doubleClick(at(104, 14));  // next row
  EXPECT_EQ(editor->EditedCell(), (EditorCell{0, 2, 0}));
  click(at(72, 14));  // previous row
  EXPECT_EQ(editor->EditedCell(), (EditorCell{0, 1, 0}));
  doubleClick(at(216, 14));  // next column: the menu has two
  EXPECT_EQ(editor->EditedCell(), (EditorCell{1, 1, 0}));
  doubleClick(at(368, 14));  // next menu
  EXPECT_EQ(editor->EditedCell(), (EditorCell{0, 0, 3}));
  doubleClick(at(240, 14));  // previous menu
  EXPECT_EQ(editor->EditedCell(), (EditorCell{0, 0, 0}));

  doubleClick(at(368, 89));  // window mode: 1, 2, 0
  EXPECT_EQ(editor->WindowMode(), 0);
  doubleClick(at(368, 113));  // disable after run, twice
  EXPECT_FALSE(editor->DisableAfterRun());
  click(at(120, 161));  // Ctrl
  doubleClick(at(104, 161));  // Win, twice
  EXPECT_EQ(editor->Hotkey(), (HotkeyState{false, true, false, false, 0}));
  EXPECT_TRUE(editor->Dirty());
  doubleClick(at(368, 65));  // get path
  EXPECT_EQ(fake.dialogs.filePresets.size(), 1u) << "one dialog for a double click";
  ASSERT_TRUE(editor->CommitItemEditor());
  EXPECT_EQ(ItemNamed("Tool").WindowMode, 0);
  EXPECT_EQ(ItemNamed("Tool").HotkeyModifiers, 2);
}

TEST_F(ItemEditorTest, ThePickerScrollsByCellsAndAClickChoosesTheCellUnderIt) {
  StartWith(ItemSection("Tool", "C:\\tool.exe", 0, 0, "Icon=C:\\icons.dll\nIndex=1\n"), "Highlight=65280\n");
  fake.icons.iconCounts["C:\\icons.dll"] = 300;
  app->Options().ShowPage(OptionsPage::MenuItem);
  const fakes::FakeScrollBar& bar = *OptionsWindow().scrollBars.at(MenuItemPage::kIconScroll);
  EXPECT_TRUE(bar.visible);
  EXPECT_EQ(bar.count, 300);
  EXPECT_EQ(bar.page, 7);

  const Rect box = app->Options().MenuItem().PickerBox();
  const auto paint = [&] {
    fakes::RecordingCanvas canvas;
    app->Options().FormPaint(canvas);
    return canvas.calls;
  };
  const auto painted = [&](const std::vector<std::string>& calls, const std::string& call) {
    return std::find(calls.begin(), calls.end(), call) != calls.end();
  };
  const int x = box.left + 1;
  const int y = box.top + 1;
  const auto at = [](int px, int py) { return std::to_string(px) + "," + std::to_string(py); };
  std::vector<std::string> calls = paint();
  EXPECT_TRUE(painted(calls, "picker icon 0 @" + at(x + 4, y + 4)));
  EXPECT_TRUE(painted(calls, "picker icon 6 @" + at(x + 6 * 40 + 4, y + 4)));
  EXPECT_FALSE(painted(calls, "picker icon 7 @" + at(x + 7 * 40 + 4, y + 4))) << "only the cells in view";
  EXPECT_TRUE(painted(calls, "fill " + at(x + 40, y) + "," + at(x + 80, y + 40) + " 00FF00")) << "the chosen cell";

  EXPECT_EQ(fake.icons.shownPickerIcons, std::vector<std::string>{"0+7"}) << "only the icons in view are extracted";
  app->Options().FormScrolled(MenuItemPage::kIconScroll, 10);
  EXPECT_EQ(fake.icons.shownPickerIcons, (std::vector<std::string>{"0+7", "10+7"}));
  calls = paint();
  EXPECT_TRUE(painted(calls, "picker icon 10 @" + at(x + 4, y + 4)));
  app->Options().FormMouseDown(MouseButton::Left, {x + 2 * 40 + 5, y + 20});
  EXPECT_EQ(editor->IconIndex(), 12);
  EXPECT_TRUE(editor->Dirty());
  app->Options().FormScrolled(MenuItemPage::kIconScroll, 5000);
  EXPECT_EQ(app->Options().MenuItem().FirstPickerCell(), 293) << "the last cell stays in view";

  // A built-in picture: one cell, chosen, the picture at 11,11.
  app->Options().EditCell({0, 0, 0});
  OptionsWindow().editBoxes.at(MenuItemPage::kIconLocation)->Type("5");
  calls = paint();
  EXPECT_TRUE(painted(calls, "image 5 @" + at(x + 11, y + 11)));
  EXPECT_TRUE(painted(calls, "fill " + at(x, y) + "," + at(x + 40, y + 40) + " 00FF00"));
  EXPECT_FALSE(bar.visible) << "one cell needs no scrolling";
}

}  // namespace
}  // namespace tarnwick
