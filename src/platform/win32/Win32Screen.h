#pragma once

#include <windows.h>

#include <vector>

#include "platform/Screen.h"

namespace tarnwick {

class Win32Screen final : public Screen {
 public:
  Win32Screen();

  Size ScreenSize() const override;
  Point CursorPos() const override;
  std::span<const Rect> Monitors() const override;
  void RefreshMonitors() override;
  bool MouseButtonHeld() const override;
  bool ForegroundIsFullscreen() const override;

 private:
  // What tells a changed layout apart cheaply, read at every enumeration: should the
  // display-change message be missed, a differing count or virtual screen still re-reads.
  struct Layout {
    int count = 0;
    RECT virtualScreen{};
  };
  static Layout CurrentLayout();
  void Enumerate() const;

  mutable std::vector<Rect> m_monitors;
  mutable Layout m_layout;
};

}  // namespace tarnwick
