#include "activation/TriggerMonitor.h"

#include <gtest/gtest.h>

#include <vector>

#include "fakes/MenuWindowFixture.h"

namespace tarnwick {
namespace {

using testing_support::Configuration;

constexpr Size kScreen{1280, 800};
constexpr Rect kMenuAtBottomRight{1078, 738, 1280, 800};

struct TickCase {
  const char* name;
  Point cursor;
  std::array<bool, kTriggerCount> enabled;
  bool excludeCorners;
  // State of the menu: -2 resting/hidden, else the trigger that opened the visible menu.
  int openedBy;
  bool locked;
  bool contextOpen;
  bool popupsDisabled;
  TickActions expected;
  bool buttonHeld = false;
  bool fullscreen = false;
  bool fullscreenGuard = true;
};

constexpr std::array<bool, kTriggerCount> kDefaults{true, false, false, false, false, false, false, false, true, false};
constexpr std::array<bool, kTriggerCount> kEdges{false, false, false, false, true, true, true, true, false, false};
constexpr std::array<bool, kTriggerCount> kRightOnly{false, false, false, false, true, false, false, false, false, false};
constexpr std::array<bool, kTriggerCount> kAll{true, true, true, true, true, true, true, true, false, false};

TickActions Decide(const TickCase& c) {
  fakes::FakeScreen guards;
  guards.buttonHeld = c.buttonHeld;
  guards.fullscreen = c.fullscreen;
  TickInput in;
  in.guards = &guards;
  in.fullscreenGuard = c.fullscreenGuard;
  in.cursor = c.cursor;
  in.screen = kScreen;
  in.menuLocked = c.locked;
  in.popupsDisabled = c.popupsDisabled;
  in.excludeCorners = c.excludeCorners;
  in.triggerEnabled = &c.enabled;
  in.menuVisible = c.openedBy != -2;
  in.menuShowing = c.openedBy != -2;
  in.activeTrigger = c.openedBy == -2 ? -1 : c.openedBy;
  in.menuBounds = c.openedBy == -2 ? Rect{} : kMenuAtBottomRight;
  in.contextVisible = c.contextOpen;
  in.contextBounds = c.contextOpen ? Rect{900, 600, 1000, 700} : Rect{};
  return DecideTick(in);
}

TEST(TriggerMonitor_DecideTick, Table) {
  const TickCase cases[] = {
      {"bottom-right corner pops up", {1279, 799}, kDefaults, true, -2, false, false, false, {false, false, false, 0}},
      {"one pixel short pops nothing", {1278, 799}, kDefaults, true, -2, false, false, false, {}},
      {"corners first", {0, 0}, kAll, true, -2, false, false, false, {false, false, false, 3}},
      {"excluded corner fires no edge", {1279, 0}, kRightOnly, true, -2, false, false, false, {}},
      {"right edge below the corner", {1279, 1}, kRightOnly, true, -2, false, false, false, {false, false, false, 4}},
      {"corners not excluded: Right before Bottom", {1279, 799}, kEdges, false, -2, false, false, false,
       {false, false, false, 4}},
      {"corners not excluded: Left before Top", {0, 0}, kEdges, false, -2, false, false, false, {false, false, false, 5}},
      {"top edge on a monitor right of the primary", {1500, 0}, kEdges, true, -2, false, false, false,
       {false, false, false, 7}},
      {"beyond the primary, off its edges", {1500, 300}, kEdges, true, -2, false, false, false, {}},
      {"disabled activation pops nothing", {1279, 799}, kDefaults, true, -2, false, false, true, {}},
      {"inside the menu: nothing", {1100, 750}, kDefaults, true, 0, false, false, false, {}},
      {"leaving a corner menu hides it", {1000, 750}, kDefaults, true, 0, false, false, false, {false, true, false, -1}},
      {"an edge holds its menu", {1279, 300}, kEdges, true, 4, false, false, false, {}},
      {"an edge menu hides off the edge", {1278, 300}, kEdges, true, 4, false, false, false, {false, true, false, -1}},
      {"an excluded corner does not hold", {1279, 0}, kEdges, true, 4, false, false, false, {false, true, false, -1}},
      {"a corner held when not excluded", {1279, 0}, kEdges, false, 4, false, false, false, {}},
      {"hidden and re-armed in one tick", {0, 799}, kAll, true, 0, false, false, false, {false, true, false, 2}},
      {"still disabled after hiding", {0, 799}, kAll, true, 0, false, false, true, {false, true, false, -1}},
      {"locked: raised, never hidden", {500, 300}, kDefaults, true, 0, true, false, false, {true, false, false, -1}},
      {"locked with the context menu open: not raised", {950, 650}, kDefaults, true, 0, true, true, false, {}},
      {"on the context menu: both stay", {950, 650}, kDefaults, true, 0, false, true, false, {}},
      {"off both: both hide", {500, 300}, kDefaults, true, 0, false, true, false, {false, true, true, -1}},
      {"locked, off the context menu: it hides", {500, 300}, kDefaults, true, 0, true, true, false,
       {false, false, true, -1}},
      {"a held button keeps the corner shut", {1279, 799}, kDefaults, true, -2, false, false, false, {}, true},
      {"a held button does not keep a menu open", {1000, 750}, kDefaults, true, 0, false, false, false,
       {false, true, false, -1}, true},
      {"a held button: hidden, not re-armed", {0, 799}, kAll, true, 0, false, false, false, {false, true, false, -1},
       true},
      {"a fullscreen program keeps the corner shut", {1279, 799}, kDefaults, true, -2, false, false, false, {}, false,
       true},
      {"guard off: the corner pops over a fullscreen program", {1279, 799}, kDefaults, true, -2, false, false, false,
       {false, false, false, 0}, false, true, false},
      {"a fullscreen program does not hold a menu open", {1000, 750}, kDefaults, true, 0, false, false, false,
       {false, true, false, -1}, false, true},
  };
  for (const TickCase& c : cases) {
    SCOPED_TRACE(c.name);
    const TickActions actual = Decide(c);
    EXPECT_EQ(actual.raiseMenu, c.expected.raiseMenu);
    EXPECT_EQ(actual.hideMenu, c.expected.hideMenu);
    EXPECT_EQ(actual.hideContextMenu, c.expected.hideContextMenu);
    EXPECT_EQ(actual.showTrigger, c.expected.showTrigger);
  }
}

// Monitor layouts, primary at 0,0.
const std::vector<Rect> kSideBySide{{0, 0, 1280, 800}, {1280, 0, 2560, 800}};
// A taller monitor left of the primary (negative x), and another taller one right of it.
const std::vector<Rect> kThreeInARow{{-1920, 0, 0, 1080}, {0, 0, 1280, 800}, {1280, 0, 2560, 1024}};
const std::vector<Rect> kOneAbove{{0, 0, 1280, 800}, {0, -1024, 1280, 0}};
const std::vector<Rect> kThreeStacked{{0, -800, 1280, 0}, {0, 0, 1280, 800}, {0, 800, 1280, 1600}};
// Two monitors reported at the same origin (mirrored, or an X server without per-output layout).
const std::vector<Rect> kOverlapping{{0, 0, 1280, 800}, {0, 0, 1024, 768}};

struct MonitorCase {
  const char* name;
  const std::vector<Rect>& monitors;
  bool allMonitors;
  Point cursor;
  std::array<bool, kTriggerCount> enabled;
  bool excludeCorners;
  int openedBy;  // -2: no menu; else the trigger of a visible menu away from the cursor
  TickActions expected;
};

TEST(TriggerMonitor_DecideTick, EveryMonitorsOuterCornersAndEdges) {
  const MonitorCase cases[] = {
      {"off: only the primary, its right edge", kSideBySide, false, {1279, 400}, kEdges, true, -2, {false, false, false, 4}},
      {"off: nothing on the second monitor's right edge", kSideBySide, false, {2559, 400}, kEdges, true, -2, {}},
      {"inner edge between two monitors", kSideBySide, true, {1279, 400}, kEdges, true, -2, {}},
      {"inner edge from the other side", kSideBySide, true, {1280, 400}, kEdges, true, -2, {}},
      {"outer right edge of the second monitor", kSideBySide, true, {2559, 400}, kEdges, true, -2,
       {false, false, false, 4}},
      {"outer bottom-right corner", kSideBySide, true, {2559, 799}, kAll, true, -2, {false, false, false, 0}},
      {"top-left corner of the primary", kSideBySide, true, {0, 0}, kAll, true, -2, {false, false, false, 3}},
      {"where the top edge crosses monitors: top, no corner", kSideBySide, true, {1279, 0}, kAll, true, -2,
       {false, false, false, 7}},
      {"bottom edge of the second monitor", kSideBySide, true, {1500, 799}, kEdges, true, -2, {false, false, false, 6}},
      {"off every monitor: nothing", kSideBySide, true, {-5, 400}, kAll, false, -2, {}},
      {"negative origin: top-left corner", kThreeInARow, true, {-1920, 0}, kAll, true, -2, {false, false, false, 3}},
      {"negative origin: left edge", kThreeInARow, true, {-1920, 500}, kEdges, true, -2, {false, false, false, 5}},
      {"beside the shorter primary the edge is outer", kThreeInARow, true, {-1, 900}, kEdges, true, -2,
       {false, false, false, 4}},
      {"beside the primary the edge is inner", kThreeInARow, true, {-1, 400}, kEdges, true, -2, {}},
      {"a corner below the primary's bottom", kThreeInARow, true, {-1, 1079}, kAll, true, -2, {false, false, false, 0}},
      {"the primary's bottom meets the left monitor: no corner", kThreeInARow, true, {0, 799}, kEdges, true, -2,
       {false, false, false, 6}},
      {"below the primary, the taller right monitor's left edge", kThreeInARow, true, {1280, 900}, kEdges, true, -2,
       {false, false, false, 5}},
      {"stacked: the primary's top is inner", kOneAbove, true, {600, 0}, kEdges, true, -2, {}},
      {"stacked: the upper monitor's top", kOneAbove, true, {600, -1024}, kEdges, true, -2, {false, false, false, 7}},
      {"stacked: the upper monitor's top-left corner", kOneAbove, true, {0, -1024}, kAll, true, -2,
       {false, false, false, 3}},
      {"stacked: the primary's top-left pixel is on the left edge", kOneAbove, true, {0, 0}, kAll, true, -2,
       {false, false, false, 5}},
      {"three stacked: the middle's bottom is inner", kThreeStacked, true, {600, 799}, kEdges, true, -2, {}},
      {"three stacked: the lowest monitor's bottom", kThreeStacked, true, {600, 1599}, kEdges, true, -2,
       {false, false, false, 6}},
      {"three stacked: the middle's left edge", kThreeStacked, true, {0, 400}, kEdges, true, -2, {false, false, false, 5}},
      {"overlapping: the smaller one's edge lies inside the larger", kOverlapping, true, {1023, 400}, kEdges, true, -2,
       {}},
      {"overlapping: the larger one's corner", kOverlapping, true, {1279, 799}, kAll, true, -2, {false, false, false, 0}},
      {"a top menu holds across the seam", kSideBySide, true, {1280, 0}, kEdges, true, 7, {}},
      {"a right menu hides on the inner edge", kSideBySide, true, {1279, 400}, kEdges, true, 4, {false, true, false, -1}},
  };
  for (const MonitorCase& c : cases) {
    SCOPED_TRACE(c.name);
    TickInput in;
    in.cursor = c.cursor;
    in.screen = kScreen;
    in.allMonitors = c.allMonitors;
    in.monitors = c.monitors;
    in.excludeCorners = c.excludeCorners;
    in.triggerEnabled = &c.enabled;
    in.menuVisible = in.menuShowing = c.openedBy != -2;
    in.activeTrigger = c.openedBy == -2 ? -1 : c.openedBy;
    in.menuBounds = c.openedBy == -2 ? Rect{} : Rect{300, 300, 402, 322};
    const TickActions actual = DecideTick(in);
    EXPECT_EQ(actual.hideMenu, c.expected.hideMenu);
    EXPECT_EQ(actual.showTrigger, c.expected.showTrigger);
  }
}

class TriggerMonitorTest : public testing_support::MenuWindowFixture {};

TEST_F(TriggerMonitorTest, TicksPopUpAndHideTheMenu) {
  Start(Configuration(1, 1, "", ""));
  fake.screen.cursor = {600, 400};
  Tick();
  EXPECT_FALSE(MenuWindow().visible);  // the resting pixel hides at the first tick

  fake.screen.cursor = {1279, 799};
  Tick();
  EXPECT_TRUE(menu->IsMenuVisible());
  EXPECT_EQ(MenuWindow().bounds, (Rect{1178, 778, 1280, 800}));

  fake.screen.cursor = {600, 400};
  Tick();
  EXPECT_FALSE(MenuWindow().visible);
  EXPECT_FALSE(menu->MenuShowing());
}

TEST_F(TriggerMonitorTest, DwellHitsAddUpAcrossVisits) {
  Start(Configuration(1, 1, "Sensitive=0\n", ""));
  for (int visit = 0; visit < 2; ++visit) {
    for (int hit = 0; hit < 3; ++hit) {
      fake.screen.cursor = {1279, 799};
      Tick();
    }
    EXPECT_EQ(menu->MenuShowing(), visit == 1);
    fake.screen.cursor = {600, 400};
    if (visit == 0) Tick();
  }
}

TEST_F(TriggerMonitorTest, TheTimerRunsFromStartEveryHundredMilliseconds) {
  Start(Configuration(1, 1, "", ""));
  EXPECT_EQ(OptionsWindow().timers.at(kTriggerTimerId), 100);
  fake.screen.cursor = {1279, 799};
  OptionsWindow().events.FormTimer(kTriggerTimerId);
  EXPECT_TRUE(menu->MenuShowing());
}

TEST_F(TriggerMonitorTest, AHeldButtonDelaysTheCornerUntilTheNextTickAfterItsRelease) {
  Start(Configuration(1, 1, "", ""));
  fake.screen.cursor = {1279, 799};
  fake.screen.buttonHeld = true;
  Tick();
  Tick();
  EXPECT_FALSE(menu->MenuShowing());
  fake.screen.buttonHeld = false;
  Tick();
  EXPECT_TRUE(menu->MenuShowing());
}

TEST_F(TriggerMonitorTest, TheFullscreenQuestionIsAskedOnlyWhenACornerWouldPopUp) {
  Start(Configuration(1, 1, "", ""));
  fake.screen.fullscreen = true;
  fake.screen.cursor = {600, 400};
  Tick();
  fake.screen.cursor = {1279, 799};
  fake.screen.buttonHeld = true;
  Tick();
  EXPECT_EQ(fake.screen.fullscreenQueries, 0);
  fake.screen.buttonHeld = false;
  Tick();
  EXPECT_EQ(fake.screen.fullscreenQueries, 1);
  EXPECT_FALSE(menu->MenuShowing());
  fake.screen.fullscreen = false;  // the program ended or went to a window
  Tick();
  EXPECT_TRUE(menu->MenuShowing());
}

TEST_F(TriggerMonitorTest, WithEveryMonitorTheMenuOpensOnTheMonitorOfItsCorner) {
  Start(Configuration(1, 1, "All Monitors=1\n", ""));
  fake.screen.monitors = kThreeInARow;
  fake.screen.cursor = {-1, 1079};  // the left monitor's bottom-right corner
  Tick();
  ASSERT_TRUE(menu->MenuShowing());
  EXPECT_EQ(MenuWindow().bounds, (Rect{-102, 1058, 0, 1080}));
  fake.screen.cursor = {-500, 500};
  Tick();
  fake.screen.cursor = {2559, 1023};  // the right monitor's, lower than the primary's
  Tick();
  EXPECT_EQ(MenuWindow().bounds, (Rect{2458, 1002, 2560, 1024}));
}

TEST_F(TriggerMonitorTest, TheMonitorsAreReadAgainWhenTheDisplayLayoutChanges) {
  Start(Configuration(1, 1, "All Monitors=1\n", ""));
  fake.screen.monitors = {{0, 0, 1280, 800}};
  fake.screen.connected = kSideBySide;
  fake.screen.cursor = {2559, 799};
  Tick();
  EXPECT_FALSE(menu->MenuShowing()) << "a monitor not yet read";
  MenuWindow().events.FormDisplayChange();
  Tick();
  EXPECT_TRUE(menu->MenuShowing());
}

TEST_F(TriggerMonitorTest, TheContextMenuHidesWhenTheCursorLeavesIt) {
  Start(Configuration(1, 1, "", ""));
  ContextWindow().visible = true;
  ContextWindow().bounds = {100, 100, 200, 200};
  fake.screen.cursor = {600, 400};
  Tick();
  EXPECT_FALSE(ContextWindow().visible);
  EXPECT_EQ(ContextWindow().bounds, (Rect{1279, 799, 1280, 800}));
}

}  // namespace
}  // namespace tarnwick
