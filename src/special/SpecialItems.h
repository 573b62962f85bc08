#pragma once

#include <string>
#include <string_view>

#include "model/Geometry.h"
#include "model/ItemTable.h"
#include "model/MenuList.h"
#include "ui/LanguageTexts.h"

namespace tarnwick {

// The kinds the add-special dialog offers, in its list's order.
enum class SpecialKind { FakeEmpty, NewRow, NewColumn, WindowsMessage, Separator };
inline constexpr int kSpecialKindCount = 5;

// More than this many placeholders, rows or columns in one go is a typing slip (99999999
// would freeze the program), not a wish.
inline constexpr int kMaxSpecialCount = 1000;

// What the dialog's controls show for a kind: the captions of the parameter labels and which
// of them, their boxes and the colour swatch are enabled.
struct SpecialLayout {
  std::string parameter1;
  bool parameter1Enabled = false;
  std::string parameter2;
  bool parameter2Enabled = false;
  bool colorEnabled = false;
};
SpecialLayout LayoutOf(SpecialKind kind, const LanguageTexts& texts);

// One Apply of the dialog: the kind, the two parameter texts as typed, the chosen colour, and
// the cell and menu the dialog was opened for.
struct SpecialRequest {
  SpecialKind kind = SpecialKind::FakeEmpty;
  std::string parameter1;
  std::string parameter2;
  Color color = 0xFFFFFF;
  Cell target;
  int menuId = 0;
};

// Adds what the request asks for to the table. textColor is the colour of placeholders.
void AddSpecialItems(ItemTable& table, const MenuList& menus, const SpecialRequest& request, Color textColor);

}  // namespace tarnwick
