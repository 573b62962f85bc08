#include "ui/LanguageTexts.h"

#include <array>
#include <utility>

namespace tarnwick {

namespace {

struct EnglishText {
  std::string_view key;
  std::string_view text;
};

// Every text a language file may replace, with its English original.
constexpr std::array kEnglish = std::to_array<EnglishText>({
    {"Language", "English"},
    {"About1", "For more informations and updates, please visit:"},
    {"About2", "Any bugs and suggestions, please submit to:"},
    {"General", "General"},
    {"Display", "Display"},
    {"Popup", "Popup"},
    {"MenuItem", "Menu Item"},
    {"General1", "Run on startup"},
    {"General2", "Autosave when exit"},
    {"General3", "Change to Tray Menu if disable"},
    {"General4", "Hide the number of the duplicated description"},
    {"General5", "Popup sensitive"},
    {"General6", "Retrieve the content of shortcut file (*.lnk)"},
    {"General8", "Hide the menu after click"},
    {"General9", "Exclude the corners from left/right/top/bottom only"},
    {"Display1", "Font"},
    {"Display2", "Size"},
    {"Display3", "Bold"},
    {"Display4", "Italic"},
    {"Display5", "Background Color"},
    {"Display6", "Text Color"},
    {"Display7", "Highligh Color"},
    {"Display8", "Highlight Text Color"},
    {"Popup1", "Popup at:"},
    {"Popup2", "Menu to popup:"},
    {"Popup13", "Add menu"},
    {"Popup14", "Remove menu"},
    {"Popup15", "Import menu"},
    {"Popup16", "Export menu"},
    {"Popup17", "Rename menu"},
    {"MenuItem1", "Row"},
    {"MenuItem2", "Column"},
    {"MenuItem3", "Description"},
    {"MenuItem4", "Program File"},
    {"MenuItem5", "Parameters"},
    {"MenuItem6", "Icon Location"},
    {"MenuItem7", "Select Icon"},
    {"MenuItem13", "Start In"},
    {"MenuItem14", "Hotkey"},
    {"MenuItem8", "Get path"},
    {"MenuItem11", "Window mode"},
    {"MenuItem15", "Disable after run"},
    {"MenuItem10", "Get icon"},
    {"MenuItem12", "Clear hotkey"},
    {"Apply", "Apply"},
    {"Cancel", "Cancel"},
    {"Popup3", "Bottom Right"},
    {"Popup4", "Top Right"},
    {"Popup5", "Bottom Left"},
    {"Popup6", "Top Left"},
    {"Popup7", "Right"},
    {"Popup8", "Left"},
    {"Popup9", "Bottom"},
    {"Popup10", "Top"},
    {"Popup11", "Tray Left Click"},
    {"Popup12", "Tray Right Click"},
    {"AMenu1", "Add"},
    {"AMenu2", "Add Column"},
    {"AMenu3", "Remove"},
    {"AMenu4", "Remove Row"},
    {"AMenu5", "Remove Column"},
    {"AMenu6", "Properties"},
    {"AMenu7", "Lock"},
    {"AMenu8", "UnLock"},
    {"AMenu9", "Disable"},
    {"AMenu10", "Enable"},
    {"AMenu11", "Options"},
    {"AMenu12", "Save"},
    {"AMenu13", "About"},
    {"AMenu14", "Exit"},
    {"AMenu15", "Add Special"},
    {"ASpecial1", "Fake Empty"},
    {"ASpecial2", "New Row"},
    {"ASpecial3", "New Column"},
    {"ASpecial4", "Windows Message"},
    {"ASpecial5", "Separator"},
    {"ASpecial6", "Color"},
    {"ASpecial7", "No use"},
    {"ASpecial8", "Number"},
    {"ASpecial9", "Description"},
    {"ASpecial10", "Parameter"},
    {"Warning", "Warning"},
    {"Warning1", "Description is missing."},
    {"Warning5", "Are you sure to remove this item?"},
    {"Warning6", "Are you sure to remove this row?"},
    {"Warning7", "Are you sure to remove this column?"},
});

}  // namespace

std::string_view LanguageTexts::English(std::string_view key) {
  for (const EnglishText& entry : kEnglish) {
    if (entry.key == key) return entry.text;
  }
  return {};
}

const std::string& LanguageTexts::Text(std::string_view key) const {
  const auto replaced = m_replaced.find(std::string(key));
  if (replaced != m_replaced.end()) return replaced->second;
  // The English texts are handed out as strings that live as long as the program.
  static const std::unordered_map<std::string_view, std::string> english = [] {
    std::unordered_map<std::string_view, std::string> texts;
    for (const EnglishText& entry : kEnglish) texts.emplace(entry.key, entry.text);
    return texts;
  }();
  static const std::string none;
  const auto found = english.find(key);
  return found == english.end() ? none : found->second;
}

void LanguageTexts::Set(std::string_view key, std::string text) { m_replaced[std::string(key)] = std::move(text); }

}  // namespace tarnwick
