#pragma once

#include <string>
#include <vector>

namespace tarnwick {

// The menus in list order: their names and their ids (non-negative, unique in practice).
struct MenuList {
  std::vector<std::string> MenuNames;
  std::vector<int> MenuIds;

  size_t Count() const { return MenuNames.size(); }
  // Position of the first menu with this id; 0 when no menu has it.
  size_t MenuPositionOfId(int id) const;
  bool HasMenu(int id) const;
  void Add(std::string name, int id);
};

inline constexpr const char* kDefaultMenuName = "Tarnwick";

}  // namespace tarnwick
