#pragma once

namespace tarnwick {

class Window;

// System-wide hotkeys, delivered to the window they are registered on.
class Hotkeys {
 public:
  Hotkeys() = default;
  Hotkeys(const Hotkeys&) = delete;
  Hotkeys& operator=(const Hotkeys&) = delete;
  virtual ~Hotkeys() = default;

  // modifiers: 1 Alt, 2 Ctrl, 4 Shift, 8 Win; key: a virtual-key code.
  // False when the combination is taken; callers ignore it.
  virtual bool Register(Window& target, int id, int modifiers, int key) = 0;
  virtual void Unregister(Window& target, int id) = 0;
};

}  // namespace tarnwick
