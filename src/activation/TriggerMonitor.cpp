#include "activation/TriggerMonitor.h"

namespace tarnwick {

bool OnTrigger(int trigger, Point p, Size screen, bool excludeCorners) {
  const bool right = p.x == screen.width - 1;
  const bool left = p.x == 0;
  const bool bottom = p.y == screen.height - 1;
  const bool top = p.y == 0;
  // With corners excluded an edge does not fire at either of its end pixels.
  const bool awayFromTopAndBottom = !excludeCorners || (!top && !bottom);
  const bool awayFromLeftAndRight = !excludeCorners || (!left && !right);
  switch (trigger) {
    case kTriggerBottomRight: return right && bottom;
    case kTriggerTopRight: return right && top;
    case kTriggerBottomLeft: return left && bottom;
    case kTriggerTopLeft: return left && top;
    case kTriggerRight: return right && awayFromTopAndBottom;
    case kTriggerLeft: return left && awayFromTopAndBottom;
    case kTriggerBottom: return bottom && awayFromLeftAndRight;
    case kTriggerTop: return top && awayFromLeftAndRight;
    default: return false;
  }
}

TickActions DecideTick(const TickInput& in) {
  TickActions out;
  const bool insideMenu = in.menuBounds.Contains(in.cursor);
  const bool insideContext = in.contextBounds.Contains(in.cursor);

  out.raiseMenu = in.menuLocked && !in.dialogOpen && !in.contextVisible && in.menuVisible;

  bool menuShowing = in.menuShowing;
  if (!in.menuLocked && in.menuVisible && !insideMenu) {
    // An edge keeps the menu it opened while the cursor stays on that edge; corners,
    // tray sources and no source never hold.
    const bool held = in.activeTrigger >= kTriggerRight && in.activeTrigger <= kTriggerTop &&
                      OnTrigger(in.activeTrigger, in.cursor, in.screen, in.excludeCorners);
    if (!held && (!in.contextVisible || !insideContext)) {
      out.hideMenu = true;
      menuShowing = false;  // hiding re-arms detection within the same tick
    }
  }
  out.hideContextMenu = in.contextVisible && !insideContext;

  if (!in.popupsDisabled && !menuShowing && in.triggerEnabled != nullptr) {
    for (int trigger = kTriggerBottomRight; trigger <= kTriggerTop; ++trigger) {
      if ((*in.triggerEnabled)[static_cast<size_t>(trigger)] &&
          OnTrigger(trigger, in.cursor, in.screen, in.excludeCorners)) {
        out.showTrigger = trigger;
        break;
      }
    }
  }
  return out;
}

}  // namespace tarnwick
