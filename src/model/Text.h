#pragma once

#include <string>
#include <string_view>

namespace tarnwick {

// Case folding of the names the program compares "without regard to case" (ASCII letters).
std::string FoldCase(std::string_view text);
bool EqualsIgnoreCase(std::string_view a, std::string_view b);

}  // namespace tarnwick
