#include "ui/LanguageTexts.h"

#include <array>
#include <span>
#include <utility>

namespace tarnwick {

namespace {

using Kind = LanguageTexts::Kind;

// Every text a language file may replace, in the order a language file is read, with its
// English original and what a file that lacks it leaves.
constexpr std::array kEnglish = std::to_array<LanguageTexts::Entry>({
    {"Language", "English", Kind::Fixed},
    {"About1", "For more informations and updates, please visit:", Kind::Current},
    {"About2", "Any bugs and suggestions, please submit to:", Kind::Current},
    {"About3", "Tarnwick is free to use and to pass on, unchanged and free of charge. It comes with no warranty of any kind.", Kind::Current},
    {"General", "General", Kind::Current},
    {"Display", "Display", Kind::Current},
    {"Popup", "Popup", Kind::Current},
    {"MenuItem", "Menu Item", Kind::Current},
    {"General1", "Run on startup", Kind::Current},
    {"General2", "Autosave when exit", Kind::Current},
    {"General3", "Change to Tray Menu if disable", Kind::Current},
    {"General4", "Hide the number of the duplicated description", Kind::Current},
    {"General5", "Popup sensitive", Kind::Current},
    {"General6", "Retrieve the content of shortcut file (*.lnk)", Kind::Current},
    {"General8", "Hide the menu after click", Kind::Current},
    {"General9", "Exclude the corners from left/right/top/bottom only", Kind::Current},
    {"General10", "Do not popup while a fullscreen program is in front", Kind::Current},
    {"General11", "Popup at the corners and edges of every monitor", Kind::Current},
    {"Display1", "Font", Kind::Current},
    {"Display2", "Size", Kind::Current},
    {"Display3", "Bold", Kind::Current},
    {"Display4", "Italic", Kind::Current},
    {"Display5", "Background Color", Kind::Current},
    {"Display6", "Text Color", Kind::Current},
    {"Display7", "Highligh Color", Kind::Current},
    {"Display8", "Highlight Text Color", Kind::Current},
    {"Popup1", "Popup at:", Kind::Current},
    {"Popup2", "Menu to popup:", Kind::Current},
    {"Popup13", "Add menu", Kind::Current},
    {"Popup14", "Remove menu", Kind::Current},
    {"Popup15", "Import menu", Kind::Current},
    {"Popup16", "Export menu", Kind::Current},
    {"Popup17", "Rename menu", Kind::Current},
    {"MenuItem1", "Row", Kind::Current},
    {"MenuItem2", "Column", Kind::Current},
    {"MenuItem3", "Description", Kind::Current},
    {"MenuItem4", "Program File", Kind::Current},
    {"MenuItem5", "Parameters", Kind::Current},
    {"MenuItem6", "Icon Location", Kind::Current},
    {"MenuItem7", "Select Icon", Kind::Current},
    {"MenuItem13", "Start In", Kind::Current},
    {"MenuItem14", "Hotkey", Kind::Current},
    {"MenuItem8", "Get path", Kind::Current},
    {"MenuItem11", "Window mode", Kind::Current},
    {"MenuItem15", "Disable after run", Kind::Current},
    {"MenuItem10", "Get icon", Kind::Current},
    {"MenuItem12", "Clear hotkey", Kind::Current},
    {"MenuItem16", "in use", Kind::Current},
    {"Apply", "Apply", Kind::Current},
    {"Cancel", "Cancel", Kind::Current},
    {"Popup3", "Bottom Right", Kind::Fixed},
    {"Popup4", "Top Right", Kind::Fixed},
    {"Popup5", "Bottom Left", Kind::Fixed},
    {"Popup6", "Top Left", Kind::Fixed},
    {"Popup7", "Right", Kind::Fixed},
    {"Popup8", "Left", Kind::Fixed},
    {"Popup9", "Bottom", Kind::Fixed},
    {"Popup10", "Top", Kind::Fixed},
    {"Popup11", "Tray Left Click", Kind::Fixed},
    {"Popup12", "Tray Right Click", Kind::Fixed},
    {"AMenu1", "Add", Kind::Fixed},
    {"AMenu2", "Add Column", Kind::Fixed},
    {"AMenu3", "Remove", Kind::Fixed},
    {"AMenu4", "Remove Row", Kind::Fixed},
    {"AMenu5", "Remove Column", Kind::Fixed},
    {"AMenu6", "Properties", Kind::Fixed},
    {"AMenu7", "Lock", Kind::Fixed},
    {"AMenu8", "UnLock", Kind::Fixed},
    {"AMenu9", "Disable", Kind::Fixed},
    {"AMenu10", "Enable", Kind::Fixed},
    {"AMenu11", "Options", Kind::Fixed},
    {"AMenu12", "Save", Kind::Fixed},
    {"AMenu13", "About", Kind::Fixed},
    {"AMenu14", "Exit", Kind::Fixed},
    {"AMenu15", "Add Special", Kind::Fixed},
    {"ASpecial1", "Fake Empty", Kind::Fixed},
    {"ASpecial2", "New Row", Kind::Fixed},
    {"ASpecial3", "New Column", Kind::Fixed},
    {"ASpecial4", "Windows Message", Kind::Fixed},
    {"ASpecial5", "Separator", Kind::Fixed},
    {"ASpecial6", "Color", Kind::Current},
    {"ASpecial7", "No use", Kind::Fixed},
    {"ASpecial8", "Number", Kind::Fixed},
    {"ASpecial9", "Description", Kind::Fixed},
    {"ASpecial10", "Parameter", Kind::Fixed},
    {"Warning", "Warning", Kind::Fixed},
    {"Warning1", "Description is missing.", Kind::Fixed},
    {"Warning5", "Are you sure to remove this item?", Kind::Fixed},
    {"Warning6", "Are you sure to remove this row?", Kind::Fixed},
    {"Warning7", "Are you sure to remove this column?", Kind::Fixed},
});

}  // namespace

std::span<const LanguageTexts::Entry> LanguageTexts::Entries() { return kEnglish; }

std::string_view LanguageTexts::English(std::string_view key) {
  for (const Entry& entry : kEnglish) {
    if (entry.key == key) return entry.english;
  }
  return {};
}

const std::string& LanguageTexts::Text(std::string_view key) const {
  const auto replaced = m_replaced.find(std::string(key));
  if (replaced != m_replaced.end()) return replaced->second;
  // The English texts are handed out as strings that live as long as the program.
  static const std::unordered_map<std::string_view, std::string> english = [] {
    std::unordered_map<std::string_view, std::string> texts;
    for (const Entry& entry : kEnglish) texts.emplace(entry.key, entry.english);
    return texts;
  }();
  static const std::string none;
  const auto found = english.find(key);
  return found == english.end() ? none : found->second;
}

void LanguageTexts::Set(std::string_view key, std::string text) { m_replaced[std::string(key)] = std::move(text); }

}  // namespace tarnwick
