#pragma once

#include "platform/Hotkeys.h"

namespace tarnwick {

// Registers on the window's handle, so the target must be a Win32Window (every Window of this
// build is one); any other Window is refused.
class Win32Hotkeys final : public Hotkeys {
 public:
  bool Register(Window& target, int id, int modifiers, int key) override;
  void Unregister(Window& target, int id) override;
};

}  // namespace tarnwick
