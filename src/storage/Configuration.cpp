#include "storage/Configuration.h"

#include <algorithm>
#include <string_view>
#include <unordered_set>
#include <utility>
#include <vector>

#include "model/Names.h"
#include "storage/ConfigurationKeys.h"

namespace tarnwick {

namespace {

constexpr const char* kSetting = "Setting";
constexpr const char* kMenu = "Menu";
constexpr const char* kMenuColumn = "Menu Column";
constexpr const char* kMenuRow = "Menu Row";
constexpr const char* kPopupEnabled = "Popup Enabled";
constexpr const char* kPopup = "Popup";
constexpr const char* kOrder = "Order";

std::string Version(const IniFile& file) { return file.ReadString(kSetting, kVersionKey, "1.0"); }

bool IsReservedExactly(std::string_view name) {
  for (const char* reserved : {kSetting, kMenu, kMenuColumn, kMenuRow, kPopupEnabled, kPopup}) {
    if (name == reserved) return true;
  }
  return false;
}

// One grid size per menu: the menu's own exact-case key, else the old [Setting] fallback,
// else 1. A file cannot make a menu smaller than one cell or larger than the largest cell.
std::vector<int> ReadGridSizes(const IniFile& file, const char* sectionName, const char* settingKey,
                               const MenuList& menus) {
  const IniSection section = file.Section(sectionName);
  const std::vector<std::string> keys = section.KeyNames();
  const std::unordered_set<std::string_view> listed(keys.begin(), keys.end());
  const int fallback = file.ReadInt(kSetting, settingKey, 1);
  std::vector<int> sizes;
  sizes.reserve(menus.Count());
  for (const std::string& name : menus.MenuNames) {
    const int size = listed.contains(name) ? section.ReadInt(name, 1) : fallback;
    // A count past the largest cell is nonsense and would make a menu thousands of screens tall.
    sizes.push_back(std::clamp(size, 1, kMaxCellIndex + 1));
  }
  return sizes;
}

Item ReadItem(const IniSection& section, Color textColor, int menuId) {
  Item item;
  item.Description = section.Name();
  const ItemDefaults defaults{textColor, menuId};
  for (const ItemKey& key : ItemKeys()) key.read(section, key, defaults, item);
  return item;
}

// Legacy order values count from the top; this puts the key with the highest value first,
// exchanging keys in place as the 1.0 layout was always read.
void OrderLegacyKeys(const IniFile& file, std::vector<std::string>& keys) {
  const int count = static_cast<int>(keys.size());
  std::vector<int> values;
  values.reserve(keys.size());
  for (const std::string& key : keys) values.push_back(file.ReadInt(kOrder, key, 0));
  for (int position = 0; position < count; ++position) {
    for (int scan = 0; scan < count; ++scan) {
      if (values[scan] == count - 1 - position) {
        std::swap(keys[scan], keys[position]);
        std::swap(values[scan], values[position]);
        break;
      }
    }
  }
}

}  // namespace

void LoadSettings(const IniFile& file, const FontSpec& windowFont, Settings& settings) {
  const IniSection section = file.Section(kSetting);
  const SettingDefaults defaults{windowFont};
  for (const SettingKey& key : SettingKeys()) key.read(section, key, defaults, settings);

  settings.TriggerEnabled = Settings{}.TriggerEnabled;
  for (int i = 0; i < kTriggerCount; ++i) {
    settings.TriggerEnabled[i] = file.ReadBool(kPopupEnabled, TriggerNames[i], settings.TriggerEnabled[i]);
  }
  for (int i = 0; i < kTriggerCount; ++i) {
    settings.TriggerMenuIds[i] = file.ReadInt(kPopup, TriggerNames[i], 0);
  }
}

bool IsCompleteConfiguration(std::string_view bytes) {
  return bytes.ends_with(std::string("\r\n\r\n").append(kEndMark));
}

bool HasKnownSection(const IniFile& file) {
  for (const char* known : {kSetting, kMenu, kMenuColumn, kMenuRow, kPopupEnabled, kPopup, kOrder}) {
    if (file.HasSection(known)) return true;
  }
  return false;
}

bool ShowOptionsAtStart(const IniFile& file) { return Version(file) != kCurrentVersion; }

bool IsLegacyLayout(const IniFile& file) { return Version(file) == "1.0"; }

MenuList ReadMenuList(const IniFile& file) {
  MenuList menus;
  if (!IsLegacyLayout(file)) {
    const IniSection section = file.Section(kMenu);
    for (std::string& name : section.KeyNames()) {
      const int id = section.ReadInt(name, -1);
      menus.Add(std::move(name), id);
    }
  }
  if (menus.Count() == 0) menus.Add(kDefaultMenuName, 0);
  return menus;
}

void LoadMenus(const IniFile& file, ItemTable& items, const MenuList& menus, Color textColor) {
  items.SetGridSizes(ReadGridSizes(file, kMenuColumn, "Column", menus), ReadGridSizes(file, kMenuRow, "Row", menus));

  const std::vector<IniSection> sections = file.Sections();
  items.Reserve(items.Count() + sections.size());
  for (const IniSection& section : sections) {
    if (IsReservedExactly(section.Name()) || section.FindView(kExecKey).value_or("").empty()) continue;
    // An item without "Type" joins the menu of the item read before it.
    items.AddItem(ReadItem(section, textColor, items.CurrentMenuId()));
  }
}

void LoadLegacyMenus(const IniFile& file, ItemTable& items, Color textColor) {
  items.SetGridSizes({1}, {1});

  std::vector<std::string> keys = file.KeyNames(kOrder);
  OrderLegacyKeys(file, keys);
  for (const std::string& key : keys) {
    const IniSection section = file.Section(key);
    Item item;
    item.ProgramFile = section.ReadString(kExecKey, "");
    if (item.ProgramFile.empty()) continue;
    item.Description = key;
    item.IconLocation = section.ReadString(kIconKey, kDefaultIcon);
    item.IconIndex = section.ReadInt(kIconIndexKey, -1);
    item.WindowMode = 1;
    item.ItemColor = textColor;
    item.MenuId = items.CurrentMenuId();
    items.AddItem(std::move(item));
  }
}

std::string ConfigurationText(const Settings& settings, const MenuList& menus, const ItemTable& items) {
  IniWriter out;
  out.Section(kSetting);
  out.Write(kVersionKey, kCurrentVersion);
  for (const SettingKey& key : SettingKeys()) key.write(out, key, settings);

  out.Section(kMenu);
  for (size_t p = 0; p < menus.Count(); ++p) out.WriteInt(menus.MenuNames[p], menus.MenuIds[p]);
  out.Section(kMenuColumn);
  for (size_t p = 0; p < menus.Count(); ++p) {
    out.WriteInt(menus.MenuNames[p], p < items.MenuColumns().size() ? items.MenuColumns()[p] : 1);
  }
  out.Section(kMenuRow);
  for (size_t p = 0; p < menus.Count(); ++p) {
    out.WriteInt(menus.MenuNames[p], p < items.MenuRows().size() ? items.MenuRows()[p] : 1);
  }

  out.Section(kPopupEnabled);
  for (int i = 0; i < kTriggerCount; ++i) out.WriteBool(TriggerNames[i], settings.TriggerEnabled[i]);
  out.Section(kPopup);
  for (int i = 0; i < kTriggerCount; ++i) out.WriteInt(TriggerNames[i], settings.TriggerMenuIds[i]);

  for (const Item& item : items.Items()) {
    if (item.ProgramFile == "Empty") continue;
    out.Section(item.Description);
    for (const ItemKey& key : ItemKeys()) key.write(out, key, item);
  }
  std::string text = out.TakeText();
  text.append("\r\n").append(kEndMark);
  return text;
}

}  // namespace tarnwick
