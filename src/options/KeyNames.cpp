#include "options/KeyNames.h"

namespace tarnwick {

namespace {

constexpr int kShift = 16;
constexpr int kControl = 17;
constexpr int kAlt = 18;
constexpr int kLeftWindows = 91;
constexpr int kRightWindows = 92;

std::string CodeName(int code) {
  std::string name = "Key Code ";
  name += std::to_string(code);
  return name;
}

}  // namespace

// The named keys, by code; every other entry starts empty.
struct Named {
  int code;
  const char* name;
};
constexpr Named kNamed[] = {
    {8, "Back Space"}, {9, "Tab"}, {13, "Enter"}, {19, "Pause"}, {20, "Caps Lock"}, {27, "Esc"},
    {32, "Space"}, {33, "Page Up"}, {34, "Page Down"}, {35, "End"}, {36, "Home"}, {37, "Left"},
    {38, "Up"}, {39, "Right"}, {40, "Down"}, {44, "Print Screen"}, {45, "Insert"}, {46, "Delete"},
    {93, "App. Key"}, {96, "Keypad 0"}, {97, "Keypad 1"}, {98, "Keypad 2"}, {99, "Keypad 3"},
    {100, "Keypad 4"}, {101, "Keypad 5"}, {102, "Keypad 6"}, {103, "Keypad 7"}, {104, "Keypad 8"},
    {105, "Keypad 9"}, {106, "Keypad *"}, {107, "Keypad +"}, {109, "Keypad -"}, {110, "Keypad ."},
    {111, "Keypad /"}, {112, "F1"}, {113, "F2"}, {114, "F3"}, {115, "F4"}, {116, "F5"}, {117, "F6"},
    {118, "F7"}, {119, "F8"}, {120, "F9"}, {121, "F10"}, {122, "F11"}, {123, "F12"},
    {144, "Number Lock"}, {145, "Scroll Lock"}, {186, ";"}, {187, "="}, {188, ","}, {189, "-"},
    {190, "."}, {191, "/"}, {192, "`"}, {219, "["}, {220, "\\"}, {221, "]"}, {222, "'"},
};

KeyNames::KeyNames() {
  for (const Named& named : kNamed) m_names[static_cast<size_t>(named.code)] = std::string(named.name);
  // The digits and the letters are named by their own character.
  for (char c = '0'; c <= '9'; ++c) m_names[static_cast<size_t>(c)] = std::string(1, c);
  for (char c = 'A'; c <= 'Z'; ++c) m_names[static_cast<size_t>(c)] = std::string(1, c);
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
