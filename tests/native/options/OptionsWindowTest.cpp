#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "fakes/MenuWindowFixture.h"
#include "options/TOptions.h"

namespace tarnwick {
namespace {

using testing_support::Configuration;
using testing_support::ItemSection;

constexpr Color kWhite = 0xFFFFFF;
constexpr Color kRed = 0x0000FF;
constexpr Color kYellow = 0x00FFFF;

// The options window of a started application, driven as its window hands on the mouse.
class OptionsWindowTest : public testing_support::MenuWindowFixture {
 protected:
  void StartWith(const std::string& settings = "", const std::string& items = "") {
    Start(Configuration(1, 3, settings, items));
    options = &app->Options();
  }
  void Click(Point p) {
    options->FormMouseDown(MouseButton::Left, p);
    options->FormMouseUp(MouseButton::Left, p);
  }
  void DoubleClick(Point p) {
    Click(p);
    options->FormMouseDoubleClick(MouseButton::Left, p);
    options->FormMouseUp(MouseButton::Left, p);
  }
  std::vector<std::string> Paint() {
    fakes::RecordingCanvas canvas;
    options->FormPaint(canvas);
    return canvas.calls;
  }
  bool Painted(const std::string& call) {
    const std::vector<std::string> calls = Paint();
    return std::find(calls.begin(), calls.end(), call) != calls.end();
  }

  TOptions* options = nullptr;
};

// Client points: the pages lie at 8,40; a General box's picture at 12 and its caption at 32.
Point GeneralBox(int top) { return {8 + 12 + 4, 40 + top + 4}; }
Point GeneralCaption(int top) { return {8 + 32 + 2, 40 + top + 4}; }
constexpr Point kGeneralTab{50, 18};
constexpr Point kDisplayTab{150, 18};
constexpr Point kAboutTab{400, 18};
constexpr Point kApply{340, 304};

TEST_F(OptionsWindowTest, EachGeneralBoxTogglesItsSettingOnClickAndTwiceOnDoubleClick) {
  StartWith("Startup=1\nAutosave=1\nTray Menu=0\nHide Dup No=1\nGet Shortcut=0\nTarnwik=1\nExclude Corners=0\n");
  options->ShowPage(OptionsPage::General);
  struct Case {
    const char* name;
    int top;
    bool Settings::*setting;
  };
  const Case cases[] = {{"Startup", 12, &Settings::Startup},         {"Autosave", 36, &Settings::Autosave},
                        {"Tray Menu", 60, &Settings::TrayMenu},      {"Hide Dup No", 84, &Settings::HideDupNo},
                        {"Get Shortcut", 108, &Settings::GetShortcut}, {"Tarnwik", 132, &Settings::Tarnwik},
                        {"Exclude Corners", 156, &Settings::ExcludeCorners},
                        {"Fullscreen Guard", 204, &Settings::FullscreenGuard},
                        {"All Monitors", 228, &Settings::AllMonitors}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    bool& setting = Options().*(c.setting);
    const bool before = setting;
    Click(GeneralBox(c.top));
    EXPECT_EQ(setting, !before);
    EXPECT_TRUE(Painted("image " + std::to_string(before ? 10 : 11) + " @" + std::to_string(GeneralBox(c.top).x - 4) +
                        "," + std::to_string(GeneralBox(c.top).y - 4)));
    Click(GeneralCaption(c.top));
    EXPECT_EQ(setting, before) << "the caption is part of the box";
    DoubleClick(GeneralBox(c.top));
    EXPECT_EQ(setting, before) << "a double click counts twice";
  }
}

TEST_F(OptionsWindowTest, TheTriggerGuardBoxesStandUnderTheOthersWithCaptionsFromTheLanguageFile) {
  fake.files.files[fake.host.folder + "Language.ini"] =
      "[Language]\nGeneral10=Nicht über Vollbild\nGeneral11=Jeder Bildschirm\n";
  StartWith("All Monitors=1\n");
  options->ShowPage(OptionsPage::General);
  const std::vector<std::string> calls = Paint();
  // A caption's text call starts with its rectangle's top-left corner: 32 right of the box's
  // picture and 2 below it, in the page at 8,40.
  const auto captionAt = [&](const std::string& corner, const std::string& text) {
    return std::any_of(calls.begin(), calls.end(), [&](const std::string& call) {
      return call.starts_with("text " + corner + ",") && call.find("'" + text + "'") != std::string::npos;
    });
  };
  EXPECT_TRUE(captionAt("40,246", "Nicht über Vollbild"));
  EXPECT_TRUE(captionAt("40,270", "Jeder Bildschirm"));
  EXPECT_TRUE(Painted("image 11 @20,244")) << "the guard is on by default";
  EXPECT_TRUE(Painted("image 11 @20,268")) << "every monitor, as stored";
}

TEST_F(OptionsWindowTest, PopupSensitiveStepsThroughThreeStatesAndTreatsStrayValuesAsTheLast) {
  struct Case {
    int stored;
    int afterClick;
    int afterDoubleClick;
    int glyphShown;
  };
  // 13, 14, 15: least to most filled, for 0, 1, 2.
  const Case cases[] = {{0, 1, 0, 13}, {1, 2, 1, 14}, {2, 0, 2, 15}, {7, 0, 2, 15}, {-2, 0, 2, 15}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stored);
    StartWith("Sensitive=" + std::to_string(c.stored) + "\n");
    options->ShowPage(OptionsPage::General);
    const Point box = GeneralBox(180);
    EXPECT_TRUE(Painted("image " + std::to_string(c.glyphShown) + " @20,220"));
    Click(box);
    EXPECT_EQ(Options().Sensitive, c.afterClick);
    DoubleClick(box);
    EXPECT_EQ(Options().Sensitive, c.afterDoubleClick);
  }
}

TEST_F(OptionsWindowTest, TabsBringTheirPagesForwardOnSingleClicksOnly) {
  StartWith();
  EXPECT_EQ(options->Page(), OptionsPage::About) << "the window is made on the About page";
  Click(kGeneralTab);
  EXPECT_EQ(options->Page(), OptionsPage::General);
  // A press on one tab released over another is no click.
  options->FormMouseDown(MouseButton::Left, kDisplayTab);
  options->FormMouseUp(MouseButton::Left, kAboutTab);
  EXPECT_EQ(options->Page(), OptionsPage::General);
  Click(kDisplayTab);
  EXPECT_EQ(options->Page(), OptionsPage::Display);
  // The General page's boxes are behind the Display page now: a click there changes nothing.
  const bool autosave = Options().Autosave;
  Click(GeneralBox(36));
  EXPECT_EQ(Options().Autosave, autosave);
  Click({250, 18});
  EXPECT_EQ(options->Page(), OptionsPage::Popup);
  Click({340, 18});
  EXPECT_EQ(options->Page(), OptionsPage::MenuItem);
  Click(kAboutTab);
  EXPECT_EQ(options->Page(), OptionsPage::About);
}

TEST_F(OptionsWindowTest, ShowingSetsTheOptionsShareOfDialogOpenAndApplyHidingClearsIt) {
  StartWith();
  EXPECT_FALSE(OptionsWindow().visible);
  EXPECT_FALSE(Flags().OptionsShown);
  Flags().CommandDialogOpen = true;  // the context menu's own share, around a box of its own
  options->ShowPage(OptionsPage::Display);
  EXPECT_TRUE(OptionsWindow().visible);
  EXPECT_TRUE(Flags().OptionsShown);
  Click(kApply);
  EXPECT_FALSE(OptionsWindow().visible);
  EXPECT_FALSE(Flags().OptionsShown);
  EXPECT_TRUE(Flags().DialogOpen()) << "the other owner's share stays";
}

TEST_F(OptionsWindowTest, FirstStartShowsTheAboutPage) {
  fake.files.files[fake.ConfigPath()] = "";
  app = std::make_unique<Application>(fake.platform);
  app->Start();
  EXPECT_TRUE(OptionsWindow().visible);
  EXPECT_EQ(app->Options().Page(), OptionsPage::About);
  EXPECT_TRUE(app->State().Flags().OptionsShown);
}

// Text is twice its point size high in the fake, so 8 points is the largest that fits 16 pixels.
TEST_F(OptionsWindowTest, FontSizeStaysWithinOneAndTheSixteenPixelLine) {
  StartWith();
  DisplayPage& display = options->Display();
  struct Case {
    int size;
    int larger;
    int smaller;
  };
  const Case cases[] = {{1, 2, 1}, {2, 3, 1}, {7, 8, 6}, {8, 8, 7}, {12, 12, 11}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.size);
    Options().MenuFont.Size = c.size;
    display.ISizeNClick();
    EXPECT_EQ(Options().MenuFont.Size, c.larger);
    Options().MenuFont.Size = c.size;
    display.ISizePClick();
    EXPECT_EQ(Options().MenuFont.Size, c.smaller);
  }
}

TEST_F(OptionsWindowTest, TheSizeButtonsCountDoubleClicksAndShowTheSize) {
  StartWith("Font Size=4\n");
  Options().MenuFont.Size = 4;
  options->ShowPage(OptionsPage::Display);
  const Point larger{8 + 112 + 4, 40 + 36 + 4};
  const Point smaller{8 + 80 + 4, 40 + 36 + 4};
  DoubleClick(larger);
  EXPECT_EQ(Options().MenuFont.Size, 6);
  Click(smaller);
  EXPECT_EQ(Options().MenuFont.Size, 5);
  const std::vector<std::string> calls = Paint();
  EXPECT_TRUE(std::any_of(calls.begin(), calls.end(),
                          [](const std::string& call) { return call.find("'5'") != std::string::npos; }));
}

TEST_F(OptionsWindowTest, AChosenFontEndsAtTheLargestSizeWhoseTextFits) {
  StartWith();
  struct Case {
    const char* name;
    int chosen;
    int expected;
  };
  // Real fonts do not grow evenly; this one is 13 pixels at 8 points, 17 from 11.
  fake.measure.heightOf = [](const FontSpec& font) { return font.Size <= 8 ? font.Size + 5 : font.Size + 6; };
  const Case cases[] = {{"72 points", 72, 10}, {"just fits", 10, 10}, {"small", 3, 3}, {"zero", 0, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fake.dialogs.chosenFont = FontSpec{"Verdana", c.chosen, true, false};
    options->Display().EFontClick();
    EXPECT_EQ(Options().MenuFont, (FontSpec{"Verdana", c.expected, true, false}));
  }
  // Cancelled: nothing changes.
  fake.dialogs.chosenFont.reset();
  options->Display().EFontClick();
  EXPECT_EQ(Options().MenuFont, (FontSpec{"Verdana", 1, true, false}));
  EXPECT_EQ(fake.dialogs.fontPresets.back(), Options().MenuFont) << "the dialog opens on the working font";
}

TEST_F(OptionsWindowTest, ApplyRecoloursItemsThatWoreTheOldTextColourAndHandsTheMenuItsColours) {
  StartWith("Text=16777215\n", ItemSection("White", "a.exe", 0, 0, "Color=16777215\n") +
                                   ItemSection("Red", "b.exe", 0, 1, "Color=255\n") +
                                   ItemSection("Default", "c.exe", 0, 2));
  options->ShowPage(OptionsPage::Display);
  fake.dialogs.chosenColor = kYellow;
  // The text swatch; the colour waits in it until Apply.
  options->FormMouseDown(MouseButton::Left, {8 + 370, 40 + 90});
  options->FormMouseUp(MouseButton::Left, {8 + 370, 40 + 90});
  EXPECT_EQ(Options().Text, kWhite);
  PopUp();
  const int repaintsBefore = MenuWindow().repaints + MenuWindow().invalidations;

  options->ApplyOptions();
  EXPECT_EQ(Options().Text, kYellow);
  const auto colorOf = [&](const char* description) {
    const ItemTable& table = Table();
    for (size_t i = 0; i < table.Count(); ++i) {
      if (table.At(i).Description == description) return table.At(i).ItemColor;
    }
    return Color{0xDEAD};
  };
  EXPECT_EQ(colorOf("White"), kYellow);
  EXPECT_EQ(colorOf("Default"), kYellow);
  EXPECT_EQ(colorOf("Red"), kRed);
  EXPECT_GT(MenuWindow().repaints + MenuWindow().invalidations, repaintsBefore) << "the menu showing is refreshed";
  fakes::RecordingCanvas canvas;
  menu->FormPaint(canvas);
  EXPECT_TRUE(std::any_of(canvas.calls.begin(), canvas.calls.end(), [&](const std::string& call) {
    return call.find("'White' 00FFFF") != std::string::npos;
  })) << "the menu paints with the applied colour";
}

TEST_F(OptionsWindowTest, ARefusedItemEditStopsApply) {
  StartWith("Text=16777215\n", ItemSection("White", "a.exe", 0, 0, "Color=16777215\n"));
  options->ShowPage(OptionsPage::Display);
  fake.dialogs.chosenColor = kYellow;
  options->FormMouseDown(MouseButton::Left, {8 + 370, 40 + 90});
  // A free cell given a program file and no description: the editor refuses to store it.
  options->EditCell({0, 1, 0});
  OptionsWindow().editBoxes.at(MenuItemPage::kProgramFile)->Type("C:\\a.exe");
  options->ApplyOptions();
  EXPECT_EQ(fake.dialogs.warnings, std::vector<std::string>{"Warning: Description is missing."});
  EXPECT_TRUE(OptionsWindow().visible);
  EXPECT_EQ(Options().Text, kWhite);
  EXPECT_EQ(Table().At(0).ItemColor, kWhite);
  OptionsWindow().editBoxes.at(MenuItemPage::kDescription)->Type("A");
  options->ApplyOptions();
  EXPECT_FALSE(OptionsWindow().visible);
  EXPECT_EQ(Table().At(0).ItemColor, kYellow);
}

TEST_F(OptionsWindowTest, TheLanguageLabelChoosesAFileAndTheLinksOpenTheHomePage) {
  StartWith("Language=C:\\Lang\\Old.ini\n");
  fake.files.files["D:\\Deutsch.ini"] = "[Language]\nLanguage=Deutsch\nGeneral=Allgemein\n";
  options->ShowPage(OptionsPage::About);
  const Point language{8 + 303 + 74 - 4, 40 + 24 + 6};  // right-aligned: its text ends at 377

  Click(language);  // cancelled
  ASSERT_EQ(fake.dialogs.settingsFilePresets, std::vector<std::string>{"C:\\Lang\\Old.ini"});
  EXPECT_EQ(Options().LanguageFile, "C:\\Lang\\Old.ini");

  fake.dialogs.chosenSettingsFile = "D:\\Deutsch.ini";
  Click(language);
  EXPECT_EQ(Options().LanguageFile, "D:\\Deutsch.ini");
  EXPECT_EQ(app->State().Texts().Text("Language"), "Deutsch");
  const std::vector<std::string> calls = Paint();
  const auto shows = [&](const std::string& text) {
    return std::any_of(calls.begin(), calls.end(),
                       [&](const std::string& call) { return call.find("'" + text + "'") != std::string::npos; });
  };
  EXPECT_TRUE(shows("Deutsch"));
  EXPECT_TRUE(shows("Allgemein"));
  EXPECT_TRUE(shows("Tarnwick 2.2 Revision 2"));

  Click({8 + 72 + 2, 40 + 96 + 4});
  Click({8 + 72 + 2, 40 + 136 + 4});
  ASSERT_EQ(fake.shell.opened.size(), 2u);
  for (const auto& opened : fake.shell.opened) {
    EXPECT_EQ(opened.file, AboutPage::kHomePage);
    EXPECT_EQ(opened.showCommand, 3) << "maximised";
  }
}

}  // namespace
}  // namespace tarnwick
