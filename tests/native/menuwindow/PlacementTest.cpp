#include <gtest/gtest.h>

#include "fakes/MenuWindowFixture.h"

namespace tarnwick {
namespace {

using testing_support::Configuration;
using testing_support::ItemSection;

class PlacementTest : public testing_support::MenuWindowFixture {};

TEST_F(PlacementTest, TheBottomRightCornerPutsTheMenusBottomRightPixelOnTheCursor) {
  Start(Configuration(1, 3, "", ItemSection("A", "a.exe", 0, 0)));
  EXPECT_FALSE(menu->IsMenuVisible());  // the resting 1 x 1 window is not a menu
  fake.shell.foreground = 0x1234;
  PopUp();
  EXPECT_TRUE(menu->MenuShowing());
  EXPECT_TRUE(menu->IsMenuVisible());
  EXPECT_EQ(MenuWindow().bounds, (Rect{1178, 738, 1280, 800}));  // 102 x 62
  EXPECT_FALSE(MenuWindow().activated);
  EXPECT_EQ(menu->PreviousForegroundWindow(), 0x1234u);
  EXPECT_EQ(menu->ActiveTrigger(), 0);
  EXPECT_EQ(menu->Anchor().x, 1279);
}

TEST_F(PlacementTest, EachTriggerShowsItsOwnMenu) {
  Start("[Setting]\nVersion=2.0\n[Menu]\nA=0\nB=5\n[Menu Column]\nA=1\nB=2\n[Menu Row]\nA=1\nB=1\n"
        "[Popup]\nTop Left=5\n");
  menu->ShowMenuAt(0, 0, 3);
  EXPECT_EQ(Table().CurrentMenuId(), 5);
  EXPECT_EQ(MenuWindow().bounds, (Rect{0, 0, 204, 22}));
}

TEST_F(PlacementTest, WithEveryMonitorAMenuIsPlacedWithinTheMonitorOfItsAnchor) {
  struct Case {
    const char* name;
    bool allMonitors;
    Point anchor;
    int trigger;
    Rect expected;  // a 102 x 22 menu
  };
  const Case cases[] = {
      {"left of the primary: flips left, not pinned at 0", true, {-1, 1079}, 0, {-102, 1058, 0, 1080}},
      {"left of the primary, setting off: pinned to the primary", false, {-1, 1079}, 0, {0, 1058, 102, 1080}},
      {"above the primary: opens downward from its top", true, {600, -1024}, 7, {600, -1024, 702, -1002}},
      {"above the primary, wider than the space left: flips", true, {1279, -1024}, 1, {1178, -1024, 1280, -1002}},
      {"tray on the right monitor", true, {2500, 790}, 8, {2399, 769, 2501, 791}},
      {"on no monitor: the primary", true, {5000, 5000}, 0, {4899, 4979, 5001, 5001}},
  };
  Start(Configuration(1, 1, "", ""));
  fake.screen.monitors = {{0, 0, 1280, 800}, {-1920, 0, 0, 1080}, {0, -1024, 1280, 0}, {1280, 0, 2560, 800}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Options().AllMonitors = c.allMonitors;
    Flags().PopupsDisabled = c.trigger == 8;
    menu->HideMenu();
    menu->ShowMenuAt(c.anchor.x, c.anchor.y, c.trigger);
    EXPECT_EQ(MenuWindow().bounds, c.expected);
    menu->RefreshIfVisible();  // a re-placement after an edit stays where it was
    EXPECT_EQ(MenuWindow().bounds, c.expected);
  }
}

struct DwellCase {
  const char* name;
  int sensitive;
  bool popupsDisabled;
  int showsAtHit;
};

class DwellTest : public testing_support::MenuWindowFixture, public testing::WithParamInterface<DwellCase> {};

TEST_P(DwellTest, CountsTriggerHitsOnly) {
  const DwellCase& c = GetParam();
  Start(Configuration(1, 1, "Sensitive=" + std::to_string(c.sensitive) + "\n", ""));
  Flags().PopupsDisabled = c.popupsDisabled;
  int hits = 0;
  while (!menu->MenuShowing() && hits < 10) {
    PopUp();
    ++hits;
    if (!menu->MenuShowing()) {
      EXPECT_EQ(Flags().DwellCount, hits);
    }
  }
  EXPECT_EQ(hits, c.showsAtHit);
  EXPECT_EQ(Flags().DwellCount, 0);
}

INSTANTIATE_TEST_SUITE_P(Sensitivity, DwellTest,
                         testing::Values(DwellCase{"Slow", 0, false, 6}, DwellCase{"Medium", 1, false, 3},
                                         DwellCase{"AtOnce", 2, false, 1}, DwellCase{"OutOfRange", 7, false, 1},
                                         DwellCase{"TrayWhileDisabled", 0, true, 1}),
                         [](const testing::TestParamInfo<DwellCase>& info) { return info.param.name; });

TEST_F(PlacementTest, RefreshAfterAnEditResizesTheMenuWhateverTheSensitivity) {
  Start(Configuration(1, 1, "Sensitive=0\n", ItemSection("A", "a.exe", 0, 0)));
  for (int i = 0; i < 6; ++i) PopUp();
  ASSERT_TRUE(menu->MenuShowing());
  Table().AppendColumn();
  menu->RefreshIfVisible();
  EXPECT_EQ(MenuWindow().bounds, (Rect{1076, 778, 1280, 800}));  // two columns now
  EXPECT_EQ(MenuWindow().repaints, 1);
}

TEST_F(PlacementTest, RefreshDoesNothingWhileHiddenOrResting) {
  Start(Configuration(1, 1, "", ""));
  menu->RefreshIfVisible();
  EXPECT_EQ(MenuWindow().bounds, (Rect{1279, 799, 1280, 800}));
  EXPECT_EQ(MenuWindow().repaints, 0);
}

TEST_F(PlacementTest, HidingHidesForRealAndRearms) {
  Start(Configuration(1, 1, "", ""));
  PopUp();
  menu->HideMenu();
  EXPECT_FALSE(MenuWindow().visible);
  EXPECT_FALSE(menu->MenuShowing());
  EXPECT_EQ(MenuWindow().bounds, (Rect{1279, 799, 1280, 800}));
}

}  // namespace
}  // namespace tarnwick
