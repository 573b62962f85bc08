#pragma once

#include "platform/Screen.h"

namespace tarnwick {

class Win32Screen final : public Screen {
 public:
  Size ScreenSize() const override;
  Point CursorPos() const override;
};

}  // namespace tarnwick
