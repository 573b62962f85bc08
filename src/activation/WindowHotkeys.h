#pragma once

#include "model/ItemTable.h"
#include "platform/Hotkeys.h"
#include "platform/Window.h"

namespace tarnwick {

// Item hotkeys registered on the window that receives them (the menu window). Until that
// window exists nothing is registered.
class WindowHotkeys final : public HotkeyBinder {
 public:
  explicit WindowHotkeys(Hotkeys& hotkeys) : m_hotkeys(hotkeys) {}
  void SetWindow(Window* window) { m_window = window; }

  bool RegisterHotkey(int id, int modifiers, int key) override;
  void UnregisterHotkey(int id) override;

 private:
  Hotkeys& m_hotkeys;
  Window* m_window = nullptr;
};

}  // namespace tarnwick
