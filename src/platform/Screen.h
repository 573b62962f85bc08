#pragma once

#include <span>

#include "model/Geometry.h"

namespace tarnwick {

// The screens, the cursor and the mouse buttons, and what the program in front is doing.
class Screen {
 public:
  Screen() = default;
  Screen(const Screen&) = delete;
  Screen& operator=(const Screen&) = delete;
  virtual ~Screen() = default;

  // The primary screen.
  virtual Size ScreenSize() const = 0;
  virtual Point CursorPos() const = 0;

  // The bounds of every monitor in screen coordinates: the primary's top-left is 0,0, and a
  // monitor left of or above it has negative coordinates. Read from a list that is kept until
  // RefreshMonitors, so that the trigger monitor's tick allocates nothing.
  virtual std::span<const Rect> Monitors() const = 0;
  // The display layout changed (a monitor came, went, moved or changed its resolution).
  virtual void RefreshMonitors() = 0;

  // Some mouse button (left, right or middle) is held down: a drag or a selection is going on.
  virtual bool MouseButtonHeld() const = 0;
  // The window in front is a fullscreen program (a game, a video, a presentation) rather than
  // the desktop, the task bar or one of our own windows.
  virtual bool ForegroundIsFullscreen() const = 0;
};

}  // namespace tarnwick
