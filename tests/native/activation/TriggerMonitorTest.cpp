#include "activation/TriggerMonitor.h"

#include <gtest/gtest.h>

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
};

constexpr std::array<bool, kTriggerCount> kDefaults{true, false, false, false, false, false, false, false, true, false};
constexpr std::array<bool, kTriggerCount> kEdges{false, false, false, false, true, true, true, true, false, false};
constexpr std::array<bool, kTriggerCount> kRightOnly{false, false, false, false, true, false, false, false, false, false};
constexpr std::array<bool, kTriggerCount> kAll{true, true, true, true, true, true, true, true, false, false};

TickActions Decide(const TickCase& c) {
  TickInput in;
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
