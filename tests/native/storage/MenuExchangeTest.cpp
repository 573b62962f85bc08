#include "storage/MenuExchange.h"

#include <gtest/gtest.h>

#include <map>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "app/Session.h"
#include "fakes/FakePlatform.h"
#include "fakes/QuietItemServices.h"

namespace tarnwick {
namespace {

// A configuration of two menus: Main (id 0, 2 x 3) and Other (id 3, 1 x 1), the text colour 255.
constexpr const char* kTwoMenus =
    "[Setting]\r\nVersion=2.0\r\nText=255\r\n"
    "[Menu]\r\nMain=0\r\nOther=3\r\n[Menu Column]\r\nMain=2\r\nOther=1\r\n[Menu Row]\r\nMain=3\r\nOther=1\r\n"
    "[Caf\xE9]\r\nExec=C:\\notepad.exe\r\nStart=C:\\\r\nPara=\" -n \"\r\nMode=2\r\nIcon=C:\\icons.dll\r\nIndex=4\r\n"
    "Mod=3\r\nKeyCode=78\r\nDisable=1\r\nColor=65280\r\nColumn=1\r\nRow=2\r\nType=0\r\n"
    "[Elsewhere]\r\nExec=C:\\other.exe\r\nType=3\r\n"
    "[Marker]\r\nExec=Empty\r\nType=0\r\n"
    "[Tools]\r\nExec=separator\r\nPara=Tools\r\nType=0\r\n";

constexpr const char* kMenuFolder = "C:\\Menus";
constexpr const char* kExportPath = "C:\\Menus\\Main.ini";

// A session of the fakes with its configuration loaded.
struct Loaded {
  explicit Loaded(const std::string& text) { session.LoadBytes(text); }

  const Item& Running(const std::string& programFile) const {
    for (const Item& item : session.Table().Items()) {
      if (item.ProgramFile == programFile) return item;
    }
    throw std::runtime_error("no item for " + programFile);
  }
  // What importing a file does once the Popup page has added the menu it goes into.
  int Import(const std::string& path, const std::string& name, int id) {
    const std::optional<ImportedMenu> menu = session.ReadMenuFile(path);
    if (!menu) return -1;
    session.Menus().Add(name, id);
    session.FillImportedMenu(id, *menu);
    return id;
  }
  Cell CellOf(const Item& item) const { return {item.Column, item.Row}; }

  fakes::FakePlatform fake;
  fakes::AcceptingHotkeys hotkeys;
  Session session{fake.platform, hotkeys};
};

TEST(MenuExchange_Export, WritesTheMenusItemsInTableOrderWithTheirKeysAndOnlyTheGridSizeInSetting) {
  Loaded loaded(kTwoMenus);
  // A Fake Empty only occupies a cell; it is written as in the configuration file, with an
  // empty "Exec" that the import skips.
  Item placeholder;
  placeholder.Description = "Empty";
  placeholder.IconLocation = "Default Icon";
  placeholder.ItemColor = 255;
  loaded.session.Table().AddItem(placeholder);

  const std::string bytes =
      ExportedMenuBytes(loaded.session.Table(), 0, 2, 3, loaded.fake.codePage);
  EXPECT_EQ(bytes,
            "[Setting]\r\nColumn=2\r\nRow=3\r\n"
            "\r\n[Caf\xE9]\r\nExec=C:\\notepad.exe\r\nStart=C:\\\r\nPara=\" -n \"\r\nIcon=C:\\icons.dll\r\n"
            "Index=4\r\nMode=2\r\nMod=3\r\nKeyCode=78\r\nDisable=1\r\nColor=65280\r\nColumn=1\r\nRow=2\r\n"
            "\r\n[Tools]\r\nExec=separator\r\nStart=\r\nPara=Tools\r\nIcon=Default Icon\r\nIndex=-1\r\nMode=1\r\n"
            "Mod=0\r\nKeyCode=0\r\nDisable=0\r\nColor=255\r\nColumn=0\r\nRow=1\r\n"
            "\r\n[Empty]\r\nExec=\r\nStart=\r\nPara=\r\nIcon=Default Icon\r\nIndex=-1\r\nMode=1\r\n"
            "Mod=0\r\nKeyCode=0\r\nDisable=0\r\nColor=255\r\nColumn=0\r\nRow=2\r\n");

  // A name outside the code page makes the file UTF-8 with a byte-order mark, as the
  // configuration file does.
  Loaded wide("[Setting]\r\nVersion=2.0\r\n[Menu]\r\nMain=0\r\n[\xE2\x86\x92 Next]\r\nExec=x.exe\r\n");
  EXPECT_TRUE(ExportedMenuBytes(wide.session.Table(), 0, 1, 1, wide.fake.codePage)
                  .starts_with("\xEF\xBB\xBF[Setting]\r\n"));
}

TEST(MenuExchange_Import, NamesTheMenuAfterTheFileUpToItsFirstDot) {
  const std::vector<std::tuple<std::string, bool, std::string>> cases = {
      {"C:\\Menus\\My.Tools.ini", true, "My"},
      {"C:\\Menus\\.ini", true, ".ini"},
      {"C:\\Menus\\a=b.ini", true, "a=b"},  // cleaned by the rename, not here
      {"C:\\Menus\\Work (2).ini", true, "Work"},
      {"C:\\Menus\\Work (2).ini", false, "Work (2)"},
      {"\\\\server\\share\\v1.2\\Tools", true, "Tools"},
      {"C:/Menus/sub.dir\\Games.old.ini", true, "Games"},
      {"Plain", false, "Plain"},
  };
  for (const auto& [path, hideDupNo, expected] : cases) {
    EXPECT_EQ(MenuNameFromFile(path, hideDupNo), expected) << path << " hide " << hideDupNo;
  }
}

TEST(MenuExchange_Import, ReadsTheDefaultsForWhatIsMissingOrNotANumber) {
  const std::string file =
      "[Notes]\r\nExec=notes.txt\r\nIndex=x\r\nMode=normal\r\nMod=Ctrl\r\nKeyCode=F\r\nDisable=yes\r\n"
      "Color=red\r\nColumn=left\r\nRow=?\r\nType=7\r\n"
      "[No Program]\r\nExec=\r\nColumn=3\r\n"
      "[Setting]\r\nColumn=wide\r\n"
      "[Bare]\r\nExec=bare.exe\r\n";
  fakes::Cp1252CodePage codePage;
  const ImportedMenu menu = ParseMenuFile(file, 0x123456, true, codePage);
  EXPECT_EQ(menu.columns, 1);
  EXPECT_EQ(menu.rows, 1);
  ASSERT_EQ(menu.items.size(), 2u);
  for (const Item& item : menu.items) {
    EXPECT_EQ(item.IconLocation, "Default Icon");
    EXPECT_EQ(item.IconIndex, -1);
    EXPECT_EQ(item.WindowMode, 1);
    EXPECT_EQ(item.HotkeyModifiers, 0);
    EXPECT_EQ(item.HotkeyKey, 0);
    EXPECT_FALSE(item.DisableAfterRun);
    EXPECT_EQ(item.ItemColor, 0x123456u);
    EXPECT_EQ(item.Column, 0);
    EXPECT_EQ(item.Row, 0);
    EXPECT_EQ(item.MenuId, 0);  // "Type" is not read
  }
  EXPECT_EQ(menu.items[0].Description, "Notes");
  EXPECT_EQ(menu.items[1].Description, "Bare");
}

TEST(MenuExchange_Import, GridSizesAreBoundedAsTheConfigurationLoaderBoundsThem) {
  const std::vector<std::tuple<std::string, int, int>> cases = {
      {"", 1, 1},
      {"[Setting]\r\nColumn=4\r\nRow=0x10\r\n", 4, 16},
      {"[Setting]\r\nColumn=0\r\nRow=-5\r\n", 1, 1},
      {"[Setting]\r\nColumn=100000\r\nRow=2147483647\r\n", kMaxCellIndex + 1, kMaxCellIndex + 1},
  };
  fakes::Cp1252CodePage codePage;
  for (const auto& [file, columns, rows] : cases) {
    const ImportedMenu menu = ParseMenuFile(file, 0, true, codePage);
    EXPECT_EQ(menu.columns, columns) << file;
    EXPECT_EQ(menu.rows, rows) << file;
  }
}

TEST(MenuExchange_Session, AnExportedMenuImportedElsewhereKeepsEveryCellAndTheSize) {
  Loaded source(kTwoMenus);
  ASSERT_TRUE(source.session.ExportMenu(0, kExportPath));
  EXPECT_TRUE(source.fake.dialogs.errors.empty());

  // Another configuration that already has a menu Main with an item of the same name.
  Loaded target("[Setting]\r\nVersion=2.0\r\nText=16711680\r\nHide Dup No=1\r\n[Menu]\r\nMain=0\r\n"
                "[Caf\xE9]\r\nExec=C:\\mine.exe\r\n");
  target.fake.files.files["D:\\Main.ini"] = source.fake.files.files.at(kExportPath);
  const int id = target.Import("D:\\Main.ini", "Main (2)", 1);

  ItemTable& table = target.session.Table();
  EXPECT_EQ(table.ColumnsOf(id), 2);
  EXPECT_EQ(table.RowsOf(id), 3);
  EXPECT_EQ(table.ColumnsOf(0), 1);
  EXPECT_EQ(table.RowsOf(0), 1);
  for (const char* program : {"C:\\notepad.exe", "separator"}) {
    const Item& before = source.Running(program);
    const Item& after = target.Running(program);
    EXPECT_EQ(after.MenuId, id) << program;
    EXPECT_EQ(target.CellOf(after), source.CellOf(before)) << program;
    EXPECT_EQ(std::tie(after.StartIn, after.Parameters, after.IconLocation, after.IconIndex, after.WindowMode,
                       after.HotkeyModifiers, after.HotkeyKey, after.DisableAfterRun, after.ItemColor),
              std::tie(before.StartIn, before.Parameters, before.IconLocation, before.IconIndex,
                       before.WindowMode, before.HotkeyModifiers, before.HotkeyKey, before.DisableAfterRun,
                       before.ItemColor))
        << program;
  }
  EXPECT_EQ(target.Running("C:\\notepad.exe").Description, "Caf\xC3\xA9 (2)");
  EXPECT_EQ(table.Count(), 3u);  // neither the other menu's item nor the free-cell marker came
  EXPECT_EQ(table.CurrentMenuId(), id);
}

TEST(MenuExchange_Session, ItemsOutsideTheFilesGridGetCellsInsideTheNewMenu) {
  Loaded loaded("[Setting]\r\nVersion=2.0\r\n[Menu]\r\nMain=0\r\n");
  loaded.fake.files.files["C:\\In.ini"] =
      "[Setting]\r\nColumn=1\r\nRow=1\r\n"
      "[Far]\r\nExec=far.exe\r\nColumn=4\r\nRow=6\r\n"
      "[Below]\r\nExec=below.exe\r\nColumn=-3\r\nRow=-1\r\n"
      "[Same Cell]\r\nExec=same.exe\r\nColumn=0\r\nRow=0\r\n"
      "[Notepad (2)]\r\nExec=n.exe\r\n";
  const int id = loaded.Import("C:\\In.ini", "In", 2);

  ItemTable& table = loaded.session.Table();
  EXPECT_EQ(loaded.CellOf(loaded.Running("far.exe")), (Cell{4, 6}));
  EXPECT_EQ(loaded.CellOf(loaded.Running("below.exe")), (Cell{0, 0}));
  EXPECT_EQ(loaded.CellOf(loaded.Running("same.exe")), (Cell{0, 1}));
  EXPECT_EQ(loaded.CellOf(loaded.Running("n.exe")), (Cell{0, 2}));
  EXPECT_EQ(loaded.Running("n.exe").Description, "Notepad");  // Hide Dup No is on by default
  for (const Item& item : table.Items()) {
    EXPECT_LT(item.Column, table.ColumnsOf(id)) << item.Description;
    EXPECT_LT(item.Row, table.RowsOf(id)) << item.Description;
  }
  EXPECT_EQ(table.ColumnsOf(id), 5);
  EXPECT_EQ(table.RowsOf(id), 7);

  // A cell past the largest a menu may have is brought down to it, and still reached.
  loaded.fake.files.files["C:\\Far.ini"] = "[Very Far]\r\nExec=x.exe\r\nColumn=5000\r\nRow=99999\r\n";
  const int far = loaded.Import("C:\\Far.ini", "Far", 3);
  EXPECT_EQ(loaded.CellOf(loaded.Running("x.exe")), (Cell{kMaxCellIndex, kMaxCellIndex}));
  EXPECT_EQ(table.ColumnsOf(far), kMaxCellIndex + 1);
  EXPECT_EQ(table.RowsOf(far), kMaxCellIndex + 1);

  // Filling a menu that has items already keeps them inside its grid too.
  loaded.fake.files.files["C:\\Small.ini"] = "[Setting]\r\nColumn=1\r\nRow=1\r\n[S]\r\nExec=s.exe\r\n";
  const std::optional<ImportedMenu> small = loaded.session.ReadMenuFile("C:\\Small.ini");
  ASSERT_TRUE(small);
  loaded.session.FillImportedMenu(id, *small);
  EXPECT_EQ(table.ColumnsOf(id), 5);
  EXPECT_EQ(table.RowsOf(id), 7);
}

TEST(MenuExchange_Session, WithHideDupNoOffNumberedDescriptionsKeepTheirNumber) {
  Loaded loaded("[Setting]\r\nVersion=2.0\r\nHide Dup No=0\r\n[Menu]\r\nMain=0\r\n");
  loaded.fake.files.files["C:\\In.ini"] = "[Notepad (2)]\r\nExec=n.exe\r\n";
  loaded.Import("C:\\In.ini", "In", 1);
  EXPECT_EQ(loaded.Running("n.exe").Description, "Notepad (2)");
}

TEST(MenuExchange_Session, ExportingOverAFileLeavesOnlyTheExportedMenuInIt) {
  Loaded loaded(kTwoMenus);
  loaded.fake.files.files[kExportPath] = "[Setting]\r\nVersion=2.0\r\nAutosave=0\r\n[Old]\r\nExec=old.exe\r\n";
  ASSERT_TRUE(loaded.session.ExportMenu(3, kExportPath));
  EXPECT_EQ(loaded.fake.files.files.at(kExportPath),
            "[Setting]\r\nColumn=1\r\nRow=1\r\n\r\n[Elsewhere]\r\nExec=C:\\other.exe\r\nStart=\r\nPara=\r\n"
            "Icon=Default Icon\r\nIndex=-1\r\nMode=1\r\nMod=0\r\nKeyCode=0\r\nDisable=0\r\nColor=255\r\n"
            "Column=0\r\nRow=0\r\n");
  EXPECT_EQ(loaded.fake.files.OpenHandles(), 0u);
  EXPECT_EQ(loaded.fake.files.files.size(), 1u);  // no temporary file stays
}

TEST(MenuExchange_Session, ExportingOntoTheLiveConfigurationFileWritesNothing) {
  Loaded loaded(kTwoMenus);
  loaded.fake.files.files[loaded.fake.ConfigPath()] = kTwoMenus;
  const std::map<std::string, std::string> before = loaded.fake.files.files;
  for (const std::string& path : {loaded.fake.ConfigPath(), std::string("c:/TOOLS/tarnwick/TARNWICK.INI")}) {
    EXPECT_FALSE(loaded.session.ExportMenu(0, path)) << path;
  }
  EXPECT_EQ(loaded.fake.files.files, before);
  EXPECT_TRUE(loaded.fake.dialogs.errors.empty());
  // A file of the same name elsewhere is an ordinary export.
  EXPECT_TRUE(loaded.session.ExportMenu(0, "C:\\Tools\\Tarnwick.ini"));
}

TEST(MenuExchange_Session, AFailedExportIsReportedWithItsReasonAndLeavesThePreviousFile) {
  using Step = fakes::FakeFileSystem::Step;
  const std::vector<std::tuple<Step, std::string>> cases = {
      {Step::Create, std::string("Unable to write to ") + kMenuFolder + ": Access is denied."},
      {Step::Write, std::string("Unable to write to ") + kExportPath + ": There is not enough space on the disk."},
      {Step::Flush, std::string("Unable to write to ") + kExportPath +
                        ": The request could not be performed because of an I/O device error."},
      {Step::Replace, std::string("Unable to write to ") + kExportPath + ": The file is read-only."},
  };
  for (const auto& [step, message] : cases) {
    Loaded loaded(kTwoMenus);
    loaded.fake.files.files[kExportPath] = "previous";
    loaded.fake.files.failStep = step;
    EXPECT_FALSE(loaded.session.ExportMenu(0, kExportPath));
    EXPECT_EQ(loaded.fake.dialogs.errors, std::vector<std::string>{message});
    EXPECT_EQ(loaded.fake.files.files, (std::map<std::string, std::string>{{kExportPath, "previous"}}));
  }
}

TEST(MenuExchange_Session, AFileThatCannotBeReadIsReportedAndAddsNothing) {
  Loaded loaded(kTwoMenus);
  loaded.fake.files.files["C:\\Locked.ini"] = "[A]\r\nExec=a.exe\r\n";
  loaded.fake.files.unreadable = "C:\\Locked.ini";
  const size_t items = loaded.session.Table().Count();
  EXPECT_EQ(loaded.Import("C:\\Locked.ini", "Locked", 5), -1);
  EXPECT_EQ(loaded.Import("C:\\Gone.ini", "Gone", 6), -1);
  EXPECT_EQ(loaded.fake.dialogs.errors,
            (std::vector<std::string>{
                "Unable to read C:\\Locked.ini: The process cannot access the file because it is being used by "
                "another process.",
                "Unable to read C:\\Gone.ini: The system cannot find the file specified."}));
  EXPECT_EQ(loaded.session.Table().Count(), items);
  EXPECT_EQ(loaded.session.Menus().Count(), 2u);
}

}  // namespace
}  // namespace tarnwick
