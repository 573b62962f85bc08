#include "model/MenuList.h"

namespace tarnwick {

size_t MenuList::MenuPositionOfId(int id) const {
  for (size_t position = 0; position < MenuIds.size(); ++position) {
    if (MenuIds[position] == id) return position;
  }
  return 0;
}

bool MenuList::HasMenu(int id) const {
  for (const int menuId : MenuIds) {
    if (menuId == id) return true;
  }
  return false;
}

void MenuList::Add(std::string name, int id) {
  MenuNames.push_back(std::move(name));
  MenuIds.push_back(id);
}

}  // namespace tarnwick
