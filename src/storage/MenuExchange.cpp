#include "storage/MenuExchange.h"

#include <algorithm>

#include "model/Names.h"
#include "storage/ConfigurationKeys.h"
#include "storage/IniFile.h"
#include "storage/TextEncoding.h"

namespace tarnwick {

namespace {

constexpr const char* kSetting = "Setting";
constexpr const char* kColumnKey = "Column";
constexpr const char* kRowKey = "Row";

// A grid size as the configuration loader allows it: at least one cell, at most the largest.
int BoundedCount(int count) { return std::clamp(count, 1, kMaxCellIndex + 1); }

}  // namespace

std::string ExportedMenuBytes(const ItemTable& table, int menuId, int columns, int rows, const AnsiCodePage& ansi) {
  IniWriter out;
  out.Section(kSetting);
  out.WriteInt(kColumnKey, columns);
  out.WriteInt(kRowKey, rows);
  for (const Item& item : table.Items()) {
    if (item.MenuId != menuId || item.ProgramFile == "Empty") continue;
    out.Section(item.Description);
    for (const ItemKey& key : MenuFileItemKeys()) key.write(out, key, item);
  }
  return EncodeTextFile(out.Text(), ansi);
}

ImportedMenu ParseMenuFile(std::string_view bytes, Color textColor, bool hideDupNo, const AnsiCodePage& ansi) {
  const IniFile file = IniFile::Parse(DecodeTextFile(bytes, ansi));
  ImportedMenu menu;
  menu.columns = BoundedCount(file.ReadInt(kSetting, kColumnKey, 1));
  menu.rows = BoundedCount(file.ReadInt(kSetting, kRowKey, 1));

  const ItemDefaults defaults{textColor, 0};
  for (const IniSection& section : file.Sections()) {
    if (section.FindView(kExecKey).value_or("").empty()) continue;
    Item item;
    for (const ItemKey& key : MenuFileItemKeys()) key.read(section, key, defaults, item);
    item.Description = StripDuplicateNumber(section.Name(), hideDupNo);
    menu.items.push_back(std::move(item));
  }
  return menu;
}

std::string MenuNameFromFile(std::string_view path, bool hideDupNo) {
  const size_t separator = path.find_last_of("\\/");
  const std::string_view fileName = separator == std::string_view::npos ? path : path.substr(separator + 1);
  const std::string_view stem = fileName.substr(0, fileName.find('.'));
  return StripDuplicateNumber(stem.empty() ? fileName : stem, hideDupNo);
}

}  // namespace tarnwick
