#include "special/SpecialItems.h"

#include <algorithm>
#include <optional>

#include "model/Names.h"
#include "model/Numbers.h"

namespace tarnwick {

namespace {

// A count as typed: not a number reads as the default; a number is brought within the cap.
int CountOf(std::string_view text, int fallback) {
  const std::optional<int> number = ParseInt(text);
  return number ? std::clamp(*number, -kMaxSpecialCount, kMaxSpecialCount) : fallback;
}

Item SpecialItem(const SpecialRequest& request, std::string description, std::string programFile,
                 std::string parameters, Color color) {
  Item item;
  item.Description = std::move(description);
  item.IconLocation = "Default Icon";
  item.IconIndex = -1;
  item.ProgramFile = std::move(programFile);
  item.Parameters = std::move(parameters);
  item.WindowMode = 1;
  item.ItemColor = color;
  item.Column = request.target.column;
  item.Row = request.target.row;
  item.MenuId = request.menuId;
  return item;
}

}  // namespace

SpecialLayout LayoutOf(SpecialKind kind, const LanguageTexts& texts) {
  switch (kind) {
    case SpecialKind::WindowsMessage:
      return {texts.Text("ASpecial9"), true, texts.Text("ASpecial10"), true, true};
    case SpecialKind::Separator:
      return {texts.Text("ASpecial9"), true, texts.Text("ASpecial7"), false, true};
    case SpecialKind::FakeEmpty:
    case SpecialKind::NewRow:
    case SpecialKind::NewColumn:
      break;
  }
  return {texts.Text("ASpecial8"), true, texts.Text("ASpecial7"), false, false};
}

void AddSpecialItems(ItemTable& table, const MenuList& menus, const SpecialRequest& request, Color textColor) {
  switch (request.kind) {
    case SpecialKind::FakeEmpty: {
      const int count = CountOf(request.parameter1, -1);
      for (int i = 0; i < count; ++i) table.AddItem(SpecialItem(request, "Empty", "", "", textColor));
      break;
    }
    case SpecialKind::NewRow: {
      // Rows and columns belong to the dialog's menu; a menu id that names none grows nothing.
      if (!menus.HasMenu(request.menuId)) break;
      int& rows = table.RowsOf(request.menuId);
      rows = std::max(rows + CountOf(request.parameter1, 0), 1);
      break;
    }
    case SpecialKind::NewColumn: {
      if (!menus.HasMenu(request.menuId)) break;
      const int count = CountOf(request.parameter1, -1);
      if (count > 0) table.ColumnsOf(request.menuId) += count;
      break;
    }
    case SpecialKind::WindowsMessage: {
      // The description names the item's section in the file, which cannot be empty.
      std::string description = CleanSectionName(request.parameter1);
      if (description.empty()) description = "Windows Message";
      table.AddItem(SpecialItem(request, description, "Send", request.parameter2, request.color));
      break;
    }
    case SpecialKind::Separator:
      table.AddItem(SpecialItem(request, "Separator", "Separator", request.parameter1, request.color));
      break;
  }
}

}  // namespace tarnwick
