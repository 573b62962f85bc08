#include "menuwindow/ItemFiles.h"

#include <gtest/gtest.h>

#include "fakes/FakePlatform.h"
#include "fakes/MenuWindowFixture.h"
#include "menuwindow/SharedIcons.h"

namespace tarnwick {
namespace {

using testing_support::Configuration;
using testing_support::ItemSection;

TEST(ItemFiles, DescriptionAndFolderOfAPath) {
  struct Case {
    const char* path;
    const char* description;
    const char* folder;
  };
  const Case cases[] = {
      {"C:\\Docs\\report.final.doc", "report", "C:\\Docs\\"},
      {"C:\\Users\\me\\.profile", ".profile", "C:\\Users\\me\\"},
      {"C:\\Tools\\", "C:\\Tools\\", "C:\\Tools\\"},
      {"notes.txt", "notes", ""},
      {"\\\\server\\share\\tool.exe", "tool", "\\\\server\\share\\"},
      {"C:/mixed/sep.ini", "sep", "C:/mixed/"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(DescriptionFromPath(c.path), c.description);
    EXPECT_EQ(FolderOf(c.path), c.folder);
  }
}

TEST(ItemFiles, ShortcutFieldsMapToItemFields) {
  struct Case {
    int showCommand;
    int windowMode;
  };
  for (const Case& c : {Case{6, 0}, Case{1, 1}, Case{3, 2}, Case{7, 7}, Case{2, 2}}) {
    EXPECT_EQ(WindowModeOfShowCommand(c.showCommand), c.windowMode) << c.showCommand;
  }
  struct Keys {
    uint16_t hotkey;
    int modifiers;
  };
  // High byte 1 Shift, 2 Control, 4 Alt, 8 extended (ignored).
  for (const Keys& k : {Keys{0x0674, 3}, Keys{0x0141, 4}, Keys{0x0F41, 7}, Keys{0x0841, 0}, Keys{0x0000, 0}}) {
    EXPECT_EQ(ModifiersOfShortcutHotkey(k.hotkey), k.modifiers) << std::hex << k.hotkey;
  }
}

TEST(ItemFiles, AShortcutBecomesItsTarget) {
  fakes::FakeShortcuts shortcuts;
  ShortcutInfo info;
  info.target = "\\\\server\\apps\\editor.exe";
  info.description = "My Editor";
  info.workingFolder = "D:\\work";
  info.arguments = "--new \"a b\"";
  info.iconFile = "C:\\icons.dll";
  info.iconIndex = 4;
  info.showCommand = 3;
  info.hotkey = 0x0674;  // Ctrl+Alt+F5
  shortcuts.links["C:\\Desk\\Editor.LNK"] = info;

  const Item item = ItemFromFile("C:\\Desk\\Editor.LNK", true, shortcuts, 0x123456);
  EXPECT_EQ(item.Description, "My Editor");
  EXPECT_EQ(item.ProgramFile, info.target);
  EXPECT_EQ(item.StartIn, "D:\\work");
  EXPECT_EQ(item.Parameters, info.arguments);
  EXPECT_EQ(item.IconLocation, "C:\\icons.dll");
  EXPECT_EQ(item.IconIndex, 4);
  EXPECT_EQ(item.WindowMode, 2);
  EXPECT_EQ(item.HotkeyModifiers, 3);
  EXPECT_EQ(item.HotkeyKey, 116);
  EXPECT_EQ(item.ItemColor, 0x123456u);
}

TEST(ItemFiles, ShortcutsFallBackToThePlainFile) {
  fakes::FakeShortcuts shortcuts;
  ShortcutInfo noTarget;
  noTarget.description = "Control Panel";
  shortcuts.links["C:\\Desk\\panel.lnk"] = noTarget;
  ShortcutInfo bare;
  bare.target = "C:\\app.exe";
  shortcuts.links["C:\\Desk\\bare.lnk"] = bare;

  struct Case {
    const char* path;
    bool getShortcut;
    const char* programFile;
    const char* description;
  };
  const Case cases[] = {
      {"C:\\Desk\\broken.lnk", true, "C:\\Desk\\broken.lnk", "broken"},
      {"C:\\Desk\\panel.lnk", true, "C:\\Desk\\panel.lnk", "panel"},
      {"C:\\Desk\\bare.lnk", false, "C:\\Desk\\bare.lnk", "bare"},
      {"C:\\Desk\\bare.lnk", true, "C:\\app.exe", "bare"},  // no description: its own name
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    const Item item = ItemFromFile(c.path, c.getShortcut, shortcuts, 0);
    EXPECT_EQ(item.ProgramFile, c.programFile);
    EXPECT_EQ(item.Description, c.description);
    EXPECT_EQ(item.IconLocation, "Default Icon");
    EXPECT_EQ(item.IconIndex, -1);
  }
  EXPECT_EQ(ItemFromFile("C:\\Desk\\broken.lnk", true, shortcuts, 0).StartIn, "C:\\Desk\\");
}

TEST(SharedIcons, OneExtractionPerSource) {
  fakes::FakeIcons icons;
  SharedIcons shared(icons);
  EXPECT_EQ(shared.AddAssociatedIcon("C:\\a.exe"), 30);
  EXPECT_EQ(shared.AddAssociatedIcon("c:\\A.EXE"), 30);
  EXPECT_EQ(shared.AddFileIcon("C:\\a.exe", 0), 31);  // a file icon is another source
  EXPECT_EQ(shared.AddFileIcon("C:\\a.exe", 1), 32);
  EXPECT_EQ(shared.AddFileIcon("C:\\A.exe", 1), 32);
  EXPECT_EQ(icons.calls.size(), 3u);

  icons.fail = true;
  EXPECT_EQ(shared.AddAssociatedIcon("C:\\missing.exe"), -1);
  icons.fail = false;
  EXPECT_EQ(shared.AddAssociatedIcon("C:\\missing.exe"), 33);  // a failure is tried again
}

class DropTest : public testing_support::MenuWindowFixture {};

TEST_F(DropTest, FilesFillTheDropCellsColumnUpwardInDropOrder) {
  Start(Configuration(2, 1, "", ItemSection("Occupant", "o.exe", 1, 1)));
  PopUp();
  const Point cell = CentreOf({1, 0});
  MenuWindow().events.FormDropFiles(cell, true, {"C:\\a.txt", "C:\\b.txt", "C:\\x\\a.doc"});
  EXPECT_EQ(At(1, 0), "a");
  EXPECT_EQ(At(1, 2), "b");  // row 1 is taken
  EXPECT_EQ(At(1, 3), "a (2)");
  EXPECT_EQ(Table().RowsOf(0), 4);
  EXPECT_EQ(MenuWindow().bounds.Height(), 4 * 20 + 2);  // re-placed
  EXPECT_EQ(MenuWindow().repaints, 1);
}

TEST_F(DropTest, ADropBetweenCellsStartsAtTheBottomRightCell) {
  Start(Configuration(2, 1, "", ""));
  PopUp();
  MenuWindow().events.FormDropFiles({menu->WidthAfterColumn(0) - 1, 10}, true, {"C:\\a.txt"});
  EXPECT_EQ(At(0, 0), "a");
  MenuWindow().events.FormDropFiles({0, 0}, true, {});
  EXPECT_EQ(Table().Count(), 1u);
}

class HotkeyTest : public testing_support::MenuWindowFixture {};

TEST_F(HotkeyTest, AHotkeyLaunchesItsItemWithoutAMenu) {
  Start(Configuration(1, 1, "", ItemSection("A", "a.exe", 0, 0, "Mod=3\nKeyCode=116\n") +
                                    ItemSection("Same", "b.exe", 0, 0, "Mod=3\nKeyCode=116\n")));
  ASSERT_EQ(fake.hotkeys.registered.size(), 1u);  // the first of a combination wins
  fake.shell.foreground = 0x777;
  MenuWindow().events.FormHotkey(0);
  ASSERT_EQ(fake.shell.opened.size(), 1u);
  EXPECT_EQ(fake.shell.opened[0].file, "a.exe");
  EXPECT_EQ(menu->PreviousForegroundWindow(), 0x777u);
  EXPECT_FALSE(menu->IsMenuVisible());
  MenuWindow().events.FormHotkey(42);  // no such item
  EXPECT_EQ(fake.shell.opened.size(), 1u);
}

TEST_F(HotkeyTest, AnEditedItemAnswersToItsNewId) {
  Start(Configuration(1, 1, "", ItemSection("A", "a.exe", 0, 0, "Mod=2\nKeyCode=65\n")));
  Item edited = Table().At(0);
  Table().RemoveItemAt(0, 0, 0);
  Table().AddItem(edited);
  EXPECT_EQ(fake.hotkeys.unregistered, std::vector<int>{0});
  ASSERT_EQ(fake.hotkeys.registered.size(), 1u);
  EXPECT_EQ(fake.hotkeys.registered[0].id, 1);
  MenuWindow().events.FormHotkey(0);
  EXPECT_TRUE(fake.shell.opened.empty());
  MenuWindow().events.FormHotkey(1);
  EXPECT_EQ(fake.shell.opened.size(), 1u);
}

TEST_F(HotkeyTest, LoadingManyItemsOfAFewProgramsExtractsEachIconOnce) {
  std::string items;
  for (int i = 0; i < 50; ++i) {
    items += ItemSection("Item " + std::to_string(i), "C:\\p" + std::to_string(i % 5) + ".exe", 0, 0,
                         "Icon=Default Icon\n");
  }
  Start(Configuration(1, 1, "", items));
  EXPECT_EQ(fake.icons.calls.size(), 5u);
  EXPECT_EQ(Table().At(5).ImageIndex, Table().At(0).ImageIndex);
}

}  // namespace
}  // namespace tarnwick
