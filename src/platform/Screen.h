#pragma once

#include "model/Geometry.h"

namespace tarnwick {

// The primary screen and the cursor.
class Screen {
 public:
  Screen() = default;
  Screen(const Screen&) = delete;
  Screen& operator=(const Screen&) = delete;
  virtual ~Screen() = default;

  virtual Size ScreenSize() const = 0;
  virtual Point CursorPos() const = 0;
};

}  // namespace tarnwick
