#pragma once

#include <string>
#include <string_view>

namespace tarnwick {

// UTF-8 to UTF-16 for the W functions. Invalid UTF-8 gives an empty string.
std::wstring Widen(std::string_view utf8);
// UTF-16 from the W functions to UTF-8. Invalid UTF-16 (a lone surrogate) gives an empty string.
std::string Narrow(std::wstring_view utf16);

}  // namespace tarnwick
