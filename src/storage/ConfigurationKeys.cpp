#include "storage/ConfigurationKeys.h"

#include <string>

namespace tarnwick {

namespace {

// Colours are stored as signed 32-bit numbers so that every value read writes back as itself.
constexpr int32_t ColorNumber(Color color) { return static_cast<int32_t>(color); }
constexpr Color ColorOf(int32_t number) { return static_cast<Color>(number); }

// ---- Item keys ----

template <std::string Item::*Field>
constexpr ItemKey ItemText(const char* name, const char* fallback = "") {
  return {name,
          [](const IniSection& section, const ItemKey& key, const ItemDefaults&, Item& item) {
            item.*Field = section.ReadString(key.name, key.textDefault);
          },
          [](IniWriter& out, const ItemKey& key, const Item& item) { out.Write(key.name, item.*Field); }, fallback, 0};
}

template <int Item::*Field>
constexpr ItemKey ItemNumber(const char* name, int fallback) {
  return {name,
          [](const IniSection& section, const ItemKey& key, const ItemDefaults&, Item& item) {
            item.*Field = section.ReadInt(key.name, key.numberDefault);
          },
          [](IniWriter& out, const ItemKey& key, const Item& item) { out.WriteInt(key.name, item.*Field); }, "",
          fallback};
}

constexpr ItemKey kExec = ItemText<&Item::ProgramFile>(kExecKey);
constexpr ItemKey kStart = ItemText<&Item::StartIn>("Start");
constexpr ItemKey kPara = ItemText<&Item::Parameters>("Para");
constexpr ItemKey kMode = ItemNumber<&Item::WindowMode>("Mode", 1);
constexpr ItemKey kIcon = ItemText<&Item::IconLocation>(kIconKey, kDefaultIcon);
constexpr ItemKey kIndex = ItemNumber<&Item::IconIndex>(kIconIndexKey, -1);
constexpr ItemKey kMod = ItemNumber<&Item::HotkeyModifiers>("Mod", 0);
constexpr ItemKey kKeyCode = ItemNumber<&Item::HotkeyKey>("KeyCode", 0);
constexpr ItemKey kDisable = {
    "Disable",
    [](const IniSection& section, const ItemKey& key, const ItemDefaults&, Item& item) {
      item.DisableAfterRun = section.ReadBool(key.name, false);
    },
    [](IniWriter& out, const ItemKey& key, const Item& item) { out.WriteBool(key.name, item.DisableAfterRun); }, "", 0};
constexpr ItemKey kColor = {
    "Color",
    [](const IniSection& section, const ItemKey& key, const ItemDefaults& defaults, Item& item) {
      item.ItemColor = ColorOf(section.ReadInt(key.name, ColorNumber(defaults.textColor)));
    },
    [](IniWriter& out, const ItemKey& key, const Item& item) { out.WriteInt(key.name, ColorNumber(item.ItemColor)); },
    "", 0};
constexpr ItemKey kColumn = ItemNumber<&Item::Column>("Column", 0);
constexpr ItemKey kRow = ItemNumber<&Item::Row>("Row", 0);
constexpr ItemKey kType = {
    "Type",
    [](const IniSection& section, const ItemKey& key, const ItemDefaults& defaults, Item& item) {
      item.MenuId = section.ReadInt(key.name, defaults.menuId);
    },
    [](IniWriter& out, const ItemKey& key, const Item& item) { out.WriteInt(key.name, item.MenuId); }, "", 0};

constexpr ItemKey kItemKeys[] = {kExec, kStart, kPara, kMode, kIcon, kIndex, kMod,
                                 kKeyCode, kDisable, kColor, kColumn, kRow, kType};
// A menu file is the menu: its items carry no "Type", and their icon comes before the mode.
constexpr ItemKey kMenuFileItemKeys[] = {kExec, kStart, kPara, kIcon, kIndex, kMode,
                                         kMod, kKeyCode, kDisable, kColor, kColumn, kRow};

// ---- Setting keys ----

template <bool Settings::*Field>
constexpr SettingKey SettingFlag(const char* name, bool fallback) {
  return {name,
          [](const IniSection& section, const SettingKey& key, const SettingDefaults&, Settings& settings) {
            settings.*Field = section.ReadBool(key.name, key.numberDefault != 0);
          },
          [](IniWriter& out, const SettingKey& key, const Settings& settings) { out.WriteBool(key.name, settings.*Field); },
          "", fallback ? 1 : 0};
}

template <Color Settings::*Field>
constexpr SettingKey SettingColor(const char* name, Color fallback) {
  return {name,
          [](const IniSection& section, const SettingKey& key, const SettingDefaults&, Settings& settings) {
            settings.*Field = ColorOf(section.ReadInt(key.name, key.numberDefault));
          },
          [](IniWriter& out, const SettingKey& key, const Settings& settings) {
            out.WriteInt(key.name, ColorNumber(settings.*Field));
          },
          "", ColorNumber(fallback)};
}

constexpr SettingKey kSettingKeys[] = {
    {"Language",
     [](const IniSection& section, const SettingKey& key, const SettingDefaults&, Settings& settings) {
       settings.LanguageFile = section.ReadString(key.name, "");
     },
     [](IniWriter& out, const SettingKey& key, const Settings& settings) { out.Write(key.name, settings.LanguageFile); },
     "", 0},
    SettingFlag<&Settings::Startup>("Startup", true),
    SettingFlag<&Settings::Autosave>("Autosave", true),
    SettingFlag<&Settings::TrayMenu>("Tray Menu", true),
    SettingFlag<&Settings::HideDupNo>("Hide Dup No", true),
    SettingFlag<&Settings::GetShortcut>("Get Shortcut", true),
    SettingFlag<&Settings::Tarnwik>("Tarnwik", true),
    SettingFlag<&Settings::ExcludeCorners>("Exclude Corners", true),
    {"Sensitive",
     [](const IniSection& section, const SettingKey& key, const SettingDefaults&, Settings& settings) {
       settings.Sensitive = section.ReadInt(key.name, 2);
     },
     [](IniWriter& out, const SettingKey& key, const Settings& settings) { out.WriteInt(key.name, settings.Sensitive); },
     "", 0},
    {"Font",
     [](const IniSection& section, const SettingKey& key, const SettingDefaults& defaults, Settings& settings) {
       settings.MenuFont.Face = section.ReadString(key.name, defaults.windowFont.Face);
     },
     [](IniWriter& out, const SettingKey& key, const Settings& settings) { out.Write(key.name, settings.MenuFont.Face); },
     "", 0},
    {"Italic",
     [](const IniSection& section, const SettingKey& key, const SettingDefaults& defaults, Settings& settings) {
       settings.MenuFont.Italic = section.ReadBool(key.name, defaults.windowFont.Italic);
     },
     [](IniWriter& out, const SettingKey& key, const Settings& settings) {
       out.WriteBool(key.name, settings.MenuFont.Italic);
     },
     "", 0},
    {"Bold",
     [](const IniSection& section, const SettingKey& key, const SettingDefaults& defaults, Settings& settings) {
       settings.MenuFont.Bold = section.ReadBool(key.name, defaults.windowFont.Bold);
     },
     [](IniWriter& out, const SettingKey& key, const Settings& settings) { out.WriteBool(key.name, settings.MenuFont.Bold); },
     "", 0},
    {"FontSize",
     [](const IniSection& section, const SettingKey& key, const SettingDefaults& defaults, Settings& settings) {
       settings.MenuFont.Size = section.ReadInt(key.name, defaults.windowFont.Size);
     },
     [](IniWriter& out, const SettingKey& key, const Settings& settings) { out.WriteInt(key.name, settings.MenuFont.Size); },
     "", 0},
    SettingColor<&Settings::Background>("Background", kDefaultBackground),
    SettingColor<&Settings::Text>("Text", kDefaultText),
    SettingColor<&Settings::Highlight>("Highlight", kDefaultHighlight),
    SettingColor<&Settings::HighlightText>("HighlightText", kDefaultHighlightText),
};

}  // namespace

std::span<const ItemKey> ItemKeys() { return kItemKeys; }
std::span<const ItemKey> MenuFileItemKeys() { return kMenuFileItemKeys; }
std::span<const SettingKey> SettingKeys() { return kSettingKeys; }

}  // namespace tarnwick
