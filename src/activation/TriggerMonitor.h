#pragma once

#include <array>
#include <span>

#include "model/Settings.h"
#include "model/Geometry.h"
#include "platform/Screen.h"

namespace tarnwick {

inline constexpr int kTriggerTimerId = 1;
inline constexpr int kTriggerIntervalMs = 100;

// What one tick of the trigger monitor sees.
struct TickInput {
  Point cursor;
  Size screen;  // the primary screen
  bool menuLocked = false;
  bool dialogOpen = false;
  bool popupsDisabled = false;
  bool menuShowing = false;
  bool excludeCorners = true;
  const std::array<bool, kTriggerCount>* triggerEnabled = nullptr;
  int activeTrigger = -1;
  bool menuVisible = false;
  Rect menuBounds;
  bool contextVisible = false;
  Rect contextBounds;
  // With allMonitors, the corners and edges of every monitor in `monitors` trigger; without
  // (or with an empty list), those of the primary screen only.
  bool allMonitors = false;
  std::span<const Rect> monitors;
  bool fullscreenGuard = true;
  // Asked whether a button is held and whether a fullscreen program is in front, only when a
  // corner or edge would pop a menu up: both are system calls not worth making every tick.
  const Screen* guards = nullptr;
};

// What the tick then does, in this order: raise, hide, hide the context menu, pop up.
struct TickActions {
  bool raiseMenu = false;
  bool hideMenu = false;
  bool hideContextMenu = false;
  int showTrigger = -1;  // a screen trigger source 0..7 to pop up, or -1
  friend bool operator==(const TickActions&, const TickActions&) = default;
};

// One tick as a pure decision; allocates nothing.
TickActions DecideTick(const TickInput& input);

// The outer sides of the desktop a point lies on: the last column or row of its monitor with
// no monitor beyond it. Where the cursor passes on to a neighbouring monitor there is no side.
struct DesktopSides {
  bool left = false;
  bool top = false;
  bool right = false;
  bool bottom = false;
  friend bool operator==(const DesktopSides&, const DesktopSides&) = default;
};

// On the primary screen alone: a side is its last column or row, whatever the other coordinate
// (a point right of the primary in its top row is on the top side).
DesktopSides SidesOnPrimary(Point point, Size screen);
// On the desktop made of these monitors; nothing for a point on none of them.
DesktopSides SidesOnMonitors(Point point, std::span<const Rect> monitors);

// Whether a point on these sides is on trigger source 0..7: a corner is where two sides meet,
// an edge is its side (without the corners when they are excluded).
bool OnTrigger(int trigger, DesktopSides sides, bool excludeCorners);

}  // namespace tarnwick
