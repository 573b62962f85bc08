#pragma once

#include <windows.h>

#include "platform/Tray.h"

namespace tarnwick {

// The icon's id, and the private callback message 1044 of the tray icon, by which the shell
// reports mouse events over it to the owner window; Win32Window turns the presses into
// FormTrayClick.
inline constexpr UINT kTrayIconId = 1034;
inline constexpr UINT kTrayCallbackMessage = WM_USER + 20;

// The notification-area icon, owned by a Win32Window.
class Win32Tray final : public Tray {
 public:
  bool Add(Window& owner) override;
  void Remove(Window& owner) override;
};

}  // namespace tarnwick
