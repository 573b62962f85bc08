#include "storage/Configuration.h"

#include <gtest/gtest.h>

#include "app/Session.h"

#include <string>
#include <vector>

#include "fakes/FakePlatform.h"
#include "fakes/QuietItemServices.h"

namespace tarnwick {
namespace {

// A configuration loaded by the session's load, as start-up loads it.
struct Loaded {
  explicit Loaded(const std::string& text) : file(IniFile::Parse(text)) { session.LoadBytes(text); }
  std::string Save() const { return ConfigurationText(settings, menus, table); }
  const Item& Named(const std::string& description) const {
    for (const Item& item : table.Items()) {
      if (item.Description == description) return item;
    }
    throw std::runtime_error("no item " + description);
  }

  IniFile file;
  fakes::FakePlatform fake;
  fakes::AcceptingHotkeys hotkeys;
  Session session{fake.platform, hotkeys};
  const Settings& settings = session.Options();
  const MenuList& menus = session.Menus();
  ItemTable& table = session.Table();
};

TEST(Configuration_LoadSettings, DefaultsForAMissingFile) {
  Loaded loaded("");
  const Settings defaults;
  EXPECT_TRUE(loaded.settings.Autosave);
  EXPECT_EQ(loaded.settings.Sensitive, 2);
  EXPECT_EQ(loaded.settings.MenuFont.Face, "MS Sans Serif");
  EXPECT_EQ(loaded.settings.MenuFont.Size, 8);
  EXPECT_EQ(loaded.settings.Highlight, 0x800000u);
  EXPECT_EQ(loaded.settings.TriggerEnabled, defaults.TriggerEnabled);
  EXPECT_TRUE(ShowOptionsAtStart(loaded.file));
  EXPECT_TRUE(IsLegacyLayout(loaded.file));
  EXPECT_EQ(loaded.menus.MenuNames, std::vector<std::string>{"Tarnwick"});
  EXPECT_EQ(loaded.menus.MenuIds, std::vector<int>{0});
  EXPECT_EQ(loaded.table.MenuColumns(), std::vector<int>{1});
  EXPECT_EQ(loaded.table.MenuRows(), std::vector<int>{1});
  EXPECT_EQ(loaded.table.Count(), 0u);
}

TEST(Configuration_LoadSettings, ReadsValuesWhateverTheCaseOfTheKeys) {
  Loaded loaded(
      "[Setting]\r\nVersion=3.0\r\nautosave=0\r\nSensitive=7\r\nFont=Tahoma\r\nFontSize=x\r\n"
      "Background=0x00FF00\r\n[popup enabled]\r\nbottom right=0\r\nTOP=1\r\n[Popup]\r\nTop=4\r\n");
  EXPECT_FALSE(loaded.settings.Autosave);
  EXPECT_EQ(loaded.settings.Sensitive, 7);
  EXPECT_EQ(loaded.settings.MenuFont.Face, "Tahoma");
  EXPECT_EQ(loaded.settings.MenuFont.Size, 8);  // not a number: the window font's size
  EXPECT_EQ(loaded.settings.Background, 0x00FF00u);
  EXPECT_FALSE(loaded.settings.TriggerEnabled[0]);
  EXPECT_TRUE(loaded.settings.TriggerEnabled[7]);
  EXPECT_TRUE(loaded.settings.TriggerEnabled[8]);  // default kept
  EXPECT_EQ(loaded.settings.TriggerMenuIds[7], 4);
  EXPECT_TRUE(ShowOptionsAtStart(loaded.file));
  EXPECT_FALSE(IsLegacyLayout(loaded.file));
}

TEST(Configuration_LoadSettings, TheTriggerGuardsDefaultToOnAndEveryMonitorToOff) {
  struct Case {
    const char* text;
    bool fullscreenGuard;
    bool allMonitors;
  };
  const Case cases[] = {
      {"[Setting]\nVersion=2.0\nSensitive=1\n", true, false},  // written before they existed
      {"[Setting]\nVersion=2.0\nFullscreen Guard=0\nAll Monitors=1\n", false, true},
      {"[Setting]\nVersion=2.0\nfullscreen guard=x\nALL MONITORS=2\n", true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    Loaded loaded(c.text);
    EXPECT_EQ(loaded.settings.FullscreenGuard, c.fullscreenGuard);
    EXPECT_EQ(loaded.settings.AllMonitors, c.allMonitors);
    Loaded again(loaded.Save());
    EXPECT_EQ(again.settings.FullscreenGuard, c.fullscreenGuard);
    EXPECT_EQ(again.settings.AllMonitors, c.allMonitors);
  }
}

TEST(Configuration_LoadSettings, OnlyVersionTwoHidesTheOptionsWindow) {
  struct Case {
    const char* text;
    bool shown;
    bool legacy;
  };
  const Case cases[] = {
      {"[Setting]\nVersion=2.0\n", false, false},
      {"[Setting]\nVersion=1.0\n", true, true},
      {"[Setting]\nVersion=2.00\n", true, false},
      {"[Setting]\nVersion= 2.0 \n", false, false},
      {"[Setting]\n", true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const IniFile file = IniFile::Parse(c.text);
    EXPECT_EQ(ShowOptionsAtStart(file), c.shown);
    EXPECT_EQ(IsLegacyLayout(file), c.legacy);
  }
}

TEST(Configuration_LoadMenus, TypeChainsColourDefaultsAndExactCaseGridKeys) {
  Loaded loaded(
      "[Setting]\nVersion=2.0\nText=255\n"
      "[Menu]\nTarnwick=0\nNew Menu=3\n"
      "[Menu Column]\nTarnwick=2\nnew menu=5\n"
      "[Menu Row]\nTarnwick=0\nNew Menu=2\n"
      "[First]\nExec=a.exe\n"
      "[Work]\nExec=b.exe\nType=3\nColor=65280\n"
      "[Follower]\nExec=c.exe\nRow=1\n"
      "[NoExec]\nPara=x\n"
      "[EmptyExec]\nExec=\n"
      "[Setting (2)]\nExec=d.exe\n");
  EXPECT_EQ(loaded.table.MenuColumns(), (std::vector<int>{2, 1}));  // "new menu" is not "New Menu"
  EXPECT_EQ(loaded.table.MenuRows(), (std::vector<int>{1, 3}));     // 0 is no size; grown by items
  ASSERT_EQ(loaded.table.Count(), 4u);
  EXPECT_EQ(loaded.Named("First").MenuId, 0);
  EXPECT_EQ(loaded.Named("First").ItemColor, 255u);  // the Text colour, not white
  EXPECT_EQ(loaded.Named("Work").MenuId, 3);
  EXPECT_EQ(loaded.Named("Work").ItemColor, 65280u);
  EXPECT_EQ(loaded.Named("Follower").MenuId, 3);  // joins the menu of the item before it
  EXPECT_EQ(loaded.Named("Follower").Row, 1);
  EXPECT_EQ(loaded.Named("Setting (2)").MenuId, 3);
  EXPECT_EQ(loaded.Named("Setting (2)").Row, 2);  // rows 0 and 1 of its column are taken
}

TEST(Configuration_LoadMenus, GridSizesFallBackToTheOldSettingKeys) {
  Loaded loaded(
      "[Setting]\nVersion=2.0\nColumn=3\nRow=-2\n[Menu]\nA=0\nB=1\n[Menu Column]\nB=2\n");
  EXPECT_EQ(loaded.table.MenuColumns(), (std::vector<int>{3, 2}));
  EXPECT_EQ(loaded.table.MenuRows(), (std::vector<int>{1, 1}));
}

TEST(Configuration_LoadLegacyMenus, OrderValuesCountFromTheTop) {
  Loaded loaded(
      "[Order]\nA=0\nB=1\nC=2\nNoExec=3\n"
      "[A]\nExec=a.exe\nIcon=5\n[B]\nExec=b.exe\n[C]\nExec=c.exe\nIndex=2\nIcon=x.dll\n");
  ASSERT_EQ(loaded.table.Count(), 3u);
  EXPECT_EQ(loaded.Named("A").Row, 2);
  EXPECT_EQ(loaded.Named("B").Row, 1);
  EXPECT_EQ(loaded.Named("C").Row, 0);
  EXPECT_EQ(loaded.Named("A").ImageIndex, 5);
  EXPECT_EQ(loaded.Named("C").IconIndex, 2);
  EXPECT_EQ(loaded.table.MenuRows(), std::vector<int>{3});
  EXPECT_EQ(loaded.Named("B").WindowMode, 1);
  EXPECT_EQ(loaded.Named("B").ItemColor, 0xFFFFFFu);
}

TEST(Configuration_LoadLegacyMenus, DuplicateAndMissingOrderValuesStillLoadEveryItem) {
  Loaded loaded("[Order]\nA=1\nB=1\nC=x\nD=9\n[A]\nExec=a\n[B]\nExec=b\n[C]\nExec=c\n[D]\nExec=d\n");
  EXPECT_EQ(loaded.table.Count(), 4u);
  EXPECT_EQ(loaded.table.MenuRows(), std::vector<int>{4});
}

TEST(Configuration_LoadLegacyMenus, AMenuSectionOfALegacyFileIsAnItem) {
  Loaded loaded("[Order]\nMenu=0\n[Menu]\nExec=m.exe\n");
  EXPECT_EQ(loaded.menus.MenuNames, std::vector<std::string>{"Tarnwick"});
  ASSERT_EQ(loaded.table.Count(), 1u);
  EXPECT_EQ(loaded.table.At(0).Description, "Menu (2)");
  EXPECT_EQ(loaded.table.At(0).ProgramFile, "m.exe");
}

TEST(Configuration_Save, WritesTheWholeFileInItsFixedOrder) {
  Loaded loaded(
      "[Setting]\nVersion=2.0\nAutosave=0\nColumn=4\nExtra=dropped\n"
      "[Menu]\nTarnwick=0\nWork=2\n[Menu Column]\nTarnwick=1\nWork=2\n[Menu Row]\nTarnwick=1\nWork=1\n"
      "[Popup Enabled]\nTop=1\n[Popup]\nTop=2\n"
      "[Editor]\nExec=C:\\edit.exe\nStart=C:\\\nPara=\"\"C:\\My Files\\a.txt\"\"\nMode=2\nIcon=Default Icon\n"
      "Mod=3\nKeyCode=116\nDisable=1\nColor=255\nType=2\n"
      "[Marker]\nExec=Empty\n[Lower]\nExec=empty\nColumn=1\nType=2\n");
  const std::string expected =
      "[Setting]\r\nVersion=2.0\r\nLanguage=\r\nStartup=1\r\nAutosave=0\r\nTray Menu=1\r\nHide Dup No=1\r\n"
      "Get Shortcut=1\r\nTarnwik=1\r\nExclude Corners=1\r\nSensitive=2\r\nFullscreen Guard=1\r\n"
      "All Monitors=0\r\nFont=MS Sans Serif\r\n"
      "Italic=0\r\nBold=0\r\nFontSize=8\r\nBackground=0\r\nText=16777215\r\nHighlight=8388608\r\n"
      "HighlightText=65535\r\n"
      "\r\n[Menu]\r\nTarnwick=0\r\nWork=2\r\n"
      "\r\n[Menu Column]\r\nTarnwick=1\r\nWork=2\r\n"
      "\r\n[Menu Row]\r\nTarnwick=1\r\nWork=2\r\n"  // the free-cell marker took a row
      "\r\n[Popup Enabled]\r\nBottom Right=1\r\nTop Right=0\r\nBottom Left=0\r\nTop Left=0\r\nRight=0\r\n"
      "Left=0\r\nBottom=0\r\nTop=1\r\nTray Left Click=1\r\nTray Right Click=0\r\n"
      "\r\n[Popup]\r\nBottom Right=0\r\nTop Right=0\r\nBottom Left=0\r\nTop Left=0\r\nRight=0\r\n"
      "Left=0\r\nBottom=0\r\nTop=2\r\nTray Left Click=0\r\nTray Right Click=0\r\n"
      "\r\n[Editor]\r\nExec=C:\\edit.exe\r\nStart=C:\\\r\nPara=\"\"C:\\My Files\\a.txt\"\"\r\nMode=2\r\n"
      "Icon=Default Icon\r\nIndex=-1\r\nMod=3\r\nKeyCode=116\r\nDisable=1\r\nColor=255\r\nColumn=0\r\n"
      "Row=0\r\nType=2\r\n"
      "\r\n[Lower]\r\nExec=empty\r\nStart=\r\nPara=\r\nMode=1\r\nIcon=Default Icon\r\nIndex=-1\r\nMod=0\r\n"
      "KeyCode=0\r\nDisable=0\r\nColor=16777215\r\nColumn=1\r\nRow=0\r\nType=2\r\n"
      "\r\n; end of Tarnwick.ini\r\n";
  EXPECT_EQ(loaded.Save(), expected);
}

TEST(Configuration_Save, ALegacyFileIsConvertedToTheCurrentLayout) {
  Loaded legacy("[Order]\nA=0\nB=1\nC=2\n[A]\nExec=a.exe\n[B]\nExec=b.exe\n[C]\nExec=c.exe\n");
  const std::string saved = legacy.Save();
  Loaded current(saved);
  EXPECT_FALSE(IsLegacyLayout(current.file));
  EXPECT_FALSE(current.file.HasSection("Order"));
  EXPECT_EQ(current.file.ReadString("Setting", "Version", ""), "2.0");
  EXPECT_EQ(current.file.ReadInt("Menu", "Tarnwick", -1), 0);
  EXPECT_EQ(current.file.ReadInt("Menu Row", "Tarnwick", -1), 3);
  for (const auto& [name, row] : {std::pair{"A", 2}, {"B", 1}, {"C", 0}}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(current.file.ReadInt(name, "Column", -1), 0);
    EXPECT_EQ(current.file.ReadInt(name, "Row", -1), row);
    EXPECT_EQ(current.file.ReadInt(name, "Type", -1), 0);
  }
  EXPECT_EQ(current.Save(), saved);
}

TEST(Configuration_Save, AwkwardValuesAndNamesSurviveASaveAndALoad) {
  Loaded original("[Setting]\nVersion=2.0\n[Menu]\nTarnwick=0\n");
  const std::string longParameters(5000, 'p');
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"Quoted", "\"C:\\My Files\\a.txt\""},
      {"Blanks", "  padded  "},
      {"Half quote", "\"open"},
      {"Single quotes", "'x'"},
      {"Long", longParameters},
      {"Chinese 文件", "C:\\资料\\报告.txt"},
      {"a]b", "value=with=equals"},
      {"[Bracket", ";not a comment"},
      {";Semicolon", "x"},
      {"Tab\tName", "\ttabbed\t"},
  };
  for (const auto& [description, parameters] : cases) {
    Item item;
    item.Description = description;
    item.ProgramFile = "C:\\" + description + ".exe";
    item.Parameters = parameters;
    original.table.AddItem(item);
  }
  const std::string saved = original.Save();
  Loaded reloaded(saved);
  ASSERT_EQ(reloaded.table.Count(), original.table.Count());
  for (size_t i = 0; i < original.table.Count(); ++i) {
    SCOPED_TRACE(original.table.At(i).Description);
    EXPECT_EQ(reloaded.table.At(i).Description, original.table.At(i).Description);
    EXPECT_EQ(reloaded.table.At(i).ProgramFile, original.table.At(i).ProgramFile);
    EXPECT_EQ(reloaded.table.At(i).Parameters, original.table.At(i).Parameters);
  }
  EXPECT_EQ(reloaded.Save(), saved);
}

TEST(Configuration_Save, ColoursAndNumbersOutsideTheUsualRangeReadBackAsThemselves) {
  Loaded loaded("[Setting]\nVersion=2.0\nText=-1\nHighlight=0xFFFFFFFF\n[Menu]\nM=7\n"
                "[I]\nExec=x\nColor=-5\nType=7\nMod=-3\n");
  const std::string saved = loaded.Save();
  Loaded reloaded(saved);
  EXPECT_EQ(reloaded.settings.Text, loaded.settings.Text);
  EXPECT_EQ(reloaded.settings.Highlight, 0xFFFFFFFFu);
  EXPECT_EQ(reloaded.Named("I").ItemColor, static_cast<Color>(-5));
  EXPECT_EQ(reloaded.Named("I").HotkeyModifiers, -3);
  EXPECT_EQ(reloaded.Save(), saved);
}

}  // namespace
}  // namespace tarnwick
