#pragma once

namespace tarnwick {

class Window;

// The notification-area icon (tip "Tarnwick"); its clicks reach the owner window's
// FormTrayClick.
class Tray {
 public:
  Tray() = default;
  Tray(const Tray&) = delete;
  Tray& operator=(const Tray&) = delete;
  virtual ~Tray() = default;

  // False when the shell refused the icon.
  virtual bool Add(Window& owner) = 0;
  virtual void Remove(Window& owner) = 0;
};

}  // namespace tarnwick
