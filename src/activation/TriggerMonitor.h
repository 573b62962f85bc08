#pragma once

#include <array>

#include "model/Settings.h"
#include "model/Geometry.h"

namespace tarnwick {

inline constexpr int kTriggerTimerId = 1;
inline constexpr int kTriggerIntervalMs = 100;

// What one tick of the trigger monitor sees.
struct TickInput {
  Point cursor;
  Size screen;
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

// Whether the cursor is on trigger source 0..7 (one pixel wide: the last column or row of
// the primary screen, or a corner pixel).
bool OnTrigger(int trigger, Point cursor, Size screen, bool excludeCorners);

}  // namespace tarnwick
