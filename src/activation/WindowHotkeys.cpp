#include "activation/WindowHotkeys.h"

namespace tarnwick {

bool WindowHotkeys::RegisterHotkey(int id, int modifiers, int key) {
  return m_window != nullptr && m_hotkeys.Register(*m_window, id, modifiers, key);
}

void WindowHotkeys::UnregisterHotkey(int id) {
  if (m_window != nullptr) m_hotkeys.Unregister(*m_window, id);
}

}  // namespace tarnwick
