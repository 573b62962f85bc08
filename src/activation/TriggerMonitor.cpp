#include "activation/TriggerMonitor.h"

namespace tarnwick {

namespace {

bool OnAnyMonitor(Point point, std::span<const Rect> monitors) {
  for (const Rect& monitor : monitors) {
    if (monitor.Contains(point)) return true;
  }
  return false;
}

}  // namespace

DesktopSides SidesOnPrimary(Point p, Size screen) {
  return {p.x == 0, p.y == 0, p.x == screen.width - 1, p.y == screen.height - 1};
}

DesktopSides SidesOnMonitors(Point p, std::span<const Rect> monitors) {
  const Rect* home = nullptr;
  for (const Rect& monitor : monitors) {
    if (monitor.Contains(p)) {
      home = &monitor;
      break;
    }
  }
  if (home == nullptr) return {};
  return {p.x == home->left && !OnAnyMonitor({p.x - 1, p.y}, monitors),
          p.y == home->top && !OnAnyMonitor({p.x, p.y - 1}, monitors),
          p.x == home->right - 1 && !OnAnyMonitor({p.x + 1, p.y}, monitors),
          p.y == home->bottom - 1 && !OnAnyMonitor({p.x, p.y + 1}, monitors)};
}

bool OnTrigger(int trigger, DesktopSides s, bool excludeCorners) {
  // With corners excluded an edge does not fire where it meets another side.
  const bool awayFromTopAndBottom = !excludeCorners || (!s.top && !s.bottom);
  const bool awayFromLeftAndRight = !excludeCorners || (!s.left && !s.right);
  switch (trigger) {
    case kTriggerBottomRight: return s.right && s.bottom;
    case kTriggerTopRight: return s.right && s.top;
    case kTriggerBottomLeft: return s.left && s.bottom;
    case kTriggerTopLeft: return s.left && s.top;
    case kTriggerRight: return s.right && awayFromTopAndBottom;
    case kTriggerLeft: return s.left && awayFromTopAndBottom;
    case kTriggerBottom: return s.bottom && awayFromLeftAndRight;
    case kTriggerTop: return s.top && awayFromLeftAndRight;
    default: return false;
  }
}

TickActions DecideTick(const TickInput& in) {
  TickActions out;
  const bool insideMenu = in.menuBounds.Contains(in.cursor);
  const bool insideContext = in.contextBounds.Contains(in.cursor);
  const DesktopSides sides = in.allMonitors && !in.monitors.empty() ? SidesOnMonitors(in.cursor, in.monitors)
                                                                     : SidesOnPrimary(in.cursor, in.screen);

  out.raiseMenu = in.menuLocked && !in.dialogOpen && !in.contextVisible && in.menuVisible;

  bool menuShowing = in.menuShowing;
  if (!in.menuLocked && in.menuVisible && !insideMenu) {
    // An edge keeps the menu it opened while the cursor stays on that edge; corners,
    // tray sources and no source never hold.
    const bool held = in.activeTrigger >= kTriggerRight && in.activeTrigger <= kTriggerTop &&
                      OnTrigger(in.activeTrigger, sides, in.excludeCorners);
    if (!held && (!in.contextVisible || !insideContext)) {
      out.hideMenu = true;
      menuShowing = false;  // hiding re-arms detection within the same tick
    }
  }
  out.hideContextMenu = in.contextVisible && !insideContext;

  if (!in.popupsDisabled && !menuShowing && in.triggerEnabled != nullptr) {
    for (int trigger = kTriggerBottomRight; trigger <= kTriggerTop; ++trigger) {
      if ((*in.triggerEnabled)[static_cast<size_t>(trigger)] && OnTrigger(trigger, sides, in.excludeCorners)) {
        out.showTrigger = trigger;
        break;
      }
    }
  }
  // A drag into a corner (a file, a selection, a window) or a game pushed against an edge
  // must not pop anything up. The menu comes at the first tick after the release, if the
  // cursor is still there.
  if (out.showTrigger >= 0 && in.guards != nullptr) {
    if (in.guards->MouseButtonHeld() || (in.fullscreenGuard && in.guards->ForegroundIsFullscreen())) {
      out.showTrigger = -1;
    }
  }
  return out;
}

}  // namespace tarnwick
