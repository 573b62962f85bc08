#pragma once

#include <span>

#include "model/Font.h"
#include "model/Item.h"
#include "model/Settings.h"
#include "storage/IniFile.h"

namespace tarnwick {

// The one place that spells the keys of an item's section and of [Setting]: the loader, the
// saver (and the export and import of single menus) walk these tables, so a key cannot be
// read under one name and written under another.

// Defaults of an item's keys that depend on where the item is read.
struct ItemDefaults {
  Color textColor;  // "Color": the settings' text colour
  int menuId;       // "Type": the menu of the item read before
};

struct ItemKey {
  const char* name;
  void (*read)(const IniSection& section, const ItemKey& key, const ItemDefaults& defaults, Item& item);
  void (*write)(IniWriter& out, const ItemKey& key, const Item& item);
  const char* textDefault;
  int numberDefault;
};

inline constexpr const char* kExecKey = "Exec";
inline constexpr const char* kIconKey = "Icon";
inline constexpr const char* kIconIndexKey = "Index";
// The icon location of an item that shows the icon associated with its file.
inline constexpr const char* kDefaultIcon = "Default Icon";

// An item's keys in the order they are saved.
std::span<const ItemKey> ItemKeys();
// An item's keys in a file of one menu (export and import), in the order they are written.
std::span<const ItemKey> MenuFileItemKeys();

// Values of [Setting] that depend on the running program: the font defaults are the
// options window's own font.
struct SettingDefaults {
  const FontSpec& windowFont;
};

struct SettingKey {
  const char* name;
  void (*read)(const IniSection& section, const SettingKey& key, const SettingDefaults& defaults, Settings& settings);
  void (*write)(IniWriter& out, const SettingKey& key, const Settings& settings);
  const char* textDefault;
  int numberDefault;
};

inline constexpr const char* kVersionKey = "Version";

// The keys of [Setting] after "Version", in the order they are saved.
std::span<const SettingKey> SettingKeys();

}  // namespace tarnwick
