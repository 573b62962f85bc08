#include <gtest/gtest.h>

#include "fakes/MenuWindowFixture.h"

namespace tarnwick {
namespace {

using testing_support::Configuration;
using testing_support::ItemSection;

TEST(FieldOf, SplitsAtSemicolonsAndFillsMissingFieldsWithZero) {
  struct Case {
    const char* text;
    int n;
    const char* field;
  };
  const Case cases[] = {
      {"Notepad;;16;0;0", 0, "Notepad"}, {"Notepad;;16;0;0", 1, ""}, {"Notepad;;16;0;0", 2, "16"},
      {"Notepad;;16;0;0", 4, "0"},       {"A;B", 4, "0"},             {"A;B", 1, "B"},
      {"", 0, ""},                       {"", 1, "0"},                {"a;b;", 2, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.text << " #" << c.n);
    EXPECT_EQ(FieldOf(c.text, c.n), c.field);
  }
}

TEST(ShowCommandOf, ModesZeroToTwoAndAnythingElseNormal) {
  EXPECT_EQ(ShowCommandOf(0), 6);
  EXPECT_EQ(ShowCommandOf(1), 1);
  EXPECT_EQ(ShowCommandOf(2), 3);
  EXPECT_EQ(ShowCommandOf(7), 1);
  EXPECT_EQ(ShowCommandOf(-1), 1);
}

class LaunchTest : public testing_support::MenuWindowFixture {
 protected:
  void StartWith(const std::string& exec, const std::string& extra) {
    Start(Configuration(1, 1, "", ItemSection("Item", exec, 0, 0, extra)));
  }
  void Launch() { menu->LaunchItem(0); }
};

TEST_F(LaunchTest, ProgramsOpenThroughTheShellWithTheirStoredMode) {
  StartWith("https://example.org", "Mode=7\n");
  Launch();
  ASSERT_EQ(fake.shell.opened.size(), 1u);
  EXPECT_EQ(fake.shell.opened[0].showCommand, 1);
  EXPECT_EQ(Table().At(0).WindowMode, 7);  // kept as stored
}

TEST_F(LaunchTest, SeparatorsAndPlaceholdersOpenNothing) {
  for (const char* exec : {"SEPARATOR", "separator"}) {
    SCOPED_TRACE(exec);
    fake.shell.opened.clear();
    Start(Configuration(1, 1, "", ItemSection("S", exec, 0, 0, "Disable=1\n")));
    Launch();
    EXPECT_TRUE(fake.shell.opened.empty());
    EXPECT_FALSE(Flags().PopupsDisabled);  // a separator never disables
  }
}

TEST_F(LaunchTest, AnEmptyProgramOpensNothingButStillDisables) {
  Start(Configuration(1, 1, "", ItemSection("F", "x", 0, 0)));
  Item placeholder;
  placeholder.Description = "Empty";
  placeholder.ProgramFile = "";
  placeholder.IconLocation = "-1";
  placeholder.DisableAfterRun = true;
  Table().AddItem(placeholder);
  menu->LaunchItem(1);
  EXPECT_TRUE(fake.shell.opened.empty());
  EXPECT_TRUE(Flags().PopupsDisabled);
}

TEST_F(LaunchTest, ExitAsksTheOptionsWindowToCloseAndDoesNothingElse) {
  StartWith("Exit", "Disable=1\n");
  PopUp();
  Launch();
  EXPECT_TRUE(OptionsWindow().closeRequested);
  EXPECT_FALSE(Flags().PopupsDisabled);
  EXPECT_FALSE(fake.tray.shown);
  EXPECT_EQ(fake.tray.adds, 0);
}

TEST_F(LaunchTest, WindowMessagesGoToTheNamedWindowOrThePreviousForeground) {
  struct Case {
    const char* parameters;
    WindowId expectedTarget;  // 0: nothing sent
    uint32_t message;
    uintptr_t wParam;
    intptr_t lParam;
  };
  const Case cases[] = {
      {"Notepad;Untitled;16;1;2", 0x700, 16, 1, 2},  // both given: the named window
      {"0;Untitled;16;0;0", 0x500, 16, 0, 0},        // class "0": the previous foreground window
      {"Notepad;0;273;x;-7", 0x500, 273, 0, -7},     // not a number reads as 0
      {"Missing;Window;16;0;0", 0, 0, 0, 0},         // no such window: the message is lost
      {"Ours;Own;16;0;0", 0, 0, 0, 0},               // one of our windows: never
      {"Notepad;;5", 0x900, 5, 0, 0},                // an empty title is given
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.parameters);
    fake.shell.sent.clear();
    fake.shell.topWindows = {{{"Notepad", "Untitled"}, 0x700}, {{"Ours", "Own"}, 0x800}, {{"Notepad", ""}, 0x900}};
    fake.shell.ownWindows = {0x800};
    StartWith("Send", std::string("Para=") + c.parameters + "\n");
    PopUp();  // the foreground window of that moment is 0x500
    Launch();
    if (c.expectedTarget == 0) {
      EXPECT_TRUE(fake.shell.sent.empty());
      continue;
    }
    ASSERT_EQ(fake.shell.sent.size(), 1u);
    EXPECT_EQ(fake.shell.sent[0].window, c.expectedTarget);
    EXPECT_EQ(fake.shell.sent[0].message, c.message);
    EXPECT_EQ(fake.shell.sent[0].wParam, c.wParam);
    EXPECT_EQ(fake.shell.sent[0].lParam, c.lParam);
  }
}

TEST_F(LaunchTest, AMessageRefusedForOurOwnWindowLeavesActivationOn) {
  fake.shell.ownWindows = {0x500};
  StartWith("send", "Para=0;0;16;0;0\nDisable=1\n");
  PopUp();  // the foreground window of that moment is 0x500
  Launch();
  EXPECT_TRUE(fake.shell.sent.empty());
  EXPECT_FALSE(Flags().PopupsDisabled);
}

TEST_F(LaunchTest, DisableAfterRunHidesTheMenuAndShowsTheTrayIconOnce) {
  StartWith("a.exe", "Disable=1\n");
  PopUp();
  Launch();
  EXPECT_EQ(fake.shell.opened.size(), 1u);
  EXPECT_TRUE(Flags().PopupsDisabled);
  EXPECT_FALSE(MenuWindow().visible);
  EXPECT_TRUE(fake.tray.shown);
  Launch();
  EXPECT_EQ(fake.tray.adds, 1);
}

}  // namespace
}  // namespace tarnwick
