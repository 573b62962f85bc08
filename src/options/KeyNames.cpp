#include "options/KeyNames.h"

namespace tarnwick {

namespace {

constexpr int kShift = 16;
constexpr int kControl = 17;
constexpr int kAlt = 18;
constexpr int kLeftWindows = 91;
constexpr int kRightWindows = 92;

std::string CodeName(int code) { return "Key Code " + std::to_string(code); }

}  // namespace

KeyNames::KeyNames() {
  const auto set = [this](int first, std::initializer_list<const char*> names) {
    for (const char* name : names) m_names[static_cast<size_t>(first++)] = name;
  };
  set(8, {"Back Space", "Tab"});
  set(13, {"Enter"});
  set(19, {"Pause", "Caps Lock"});
  set(27, {"Esc"});
  set(32, {"Space", "Page Up", "Page Down", "End", "Home", "Left", "Up", "Right", "Down"});
  set(44, {"Print Screen", "Insert", "Delete"});
  for (int digit = 0; digit <= 9; ++digit) m_names[static_cast<size_t>(48 + digit)] = std::string(1, static_cast<char>('0' + digit));
  for (int letter = 0; letter < 26; ++letter) m_names[static_cast<size_t>(65 + letter)] = std::string(1, static_cast<char>('A' + letter));
  set(93, {"App. Key"});
  for (int digit = 0; digit <= 9; ++digit) m_names[static_cast<size_t>(96 + digit)] = "Keypad " + std::to_string(digit);
  set(106, {"Keypad *", "Keypad +"});
  set(109, {"Keypad -", "Keypad .", "Keypad /"});
  for (int f = 1; f <= 12; ++f) m_names[static_cast<size_t>(111 + f)] = "F" + std::to_string(f);
  set(144, {"Number Lock", "Scroll Lock"});
  set(186, {";", "=", ",", "-", ".", "/", "`"});
  set(219, {"[", "\\", "]", "'"});
}

std::string KeyNames::Name(int code) {
  if (code < 0 || code >= kCount) return CodeName(code);
  std::string& name = m_names[static_cast<size_t>(code)];
  if (name.empty()) name = CodeName(code);
  return name;
}

const std::string& KeyNames::Entry(int code) const {
  static const std::string none;
  return code < 0 || code >= kCount ? none : m_names[static_cast<size_t>(code)];
}

HotkeyState HotkeyState::Of(int modifiers, int key) {
  return {(modifiers & 8) != 0, (modifiers & 2) != 0, (modifiers & 1) != 0, (modifiers & 4) != 0, key};
}

std::string HotkeyText(const HotkeyState& hotkey, KeyNames& names) {
  if (hotkey.key == 0) return {};
  std::string text;
  if (hotkey.win) text += "Win+";
  if (hotkey.ctrl) text += "Ctrl+";
  if (hotkey.alt) text += "Alt+";
  if (hotkey.shift) text += "Shift+";
  return text + names.Name(hotkey.key);
}

bool IsModifierKey(int code) {
  return code == kShift || code == kControl || code == kAlt || code == kLeftWindows || code == kRightWindows;
}

}  // namespace tarnwick
