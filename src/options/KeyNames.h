#pragma once

#include <array>
#include <string>

namespace tarnwick {

// The display names of the 256 virtual-key codes, as the hotkey box shows them; never
// translated. A code without a name gets "Key Code n" the first time it is shown, and keeps it.
class KeyNames {
 public:
  static constexpr int kCount = 256;

  KeyNames();

  // The name of a key code. Codes outside the table (from a hand-edited file) read as
  // "Key Code n" and leave the table as it is.
  std::string Name(int code);
  // The entry as it stands, empty for a code without a name yet; "" outside the table.
  const std::string& Entry(int code) const;

 private:
  std::array<std::string, kCount> m_names;
};

// The hotkey as the box shows it: the modifiers in the order Win, Ctrl, Alt, Shift, each with a
// "+", then the key's name; empty when there is no key (code 0), whatever the modifiers.
struct HotkeyState {
  bool win = false;
  bool ctrl = false;
  bool alt = false;
  bool shift = false;
  int key = 0;
  // The modifier bits the system's registration takes: 1 Alt, 2 Ctrl, 4 Shift, 8 Win.
  int Modifiers() const { return (alt ? 1 : 0) + (ctrl ? 2 : 0) + (shift ? 4 : 0) + (win ? 8 : 0); }
  static HotkeyState Of(int modifiers, int key);
  friend bool operator==(const HotkeyState&, const HotkeyState&) = default;
};
std::string HotkeyText(const HotkeyState& hotkey, KeyNames& names);

// Keys the hotkey box does not take as the key: Shift, Ctrl, Alt and the two Windows keys.
bool IsModifierKey(int code);

}  // namespace tarnwick
