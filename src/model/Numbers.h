#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarnwick {

// The one number reader of the program. Accepts an optional "-" and decimal digits;
// with allowHex, a text longer than two characters starting "0x"/"0X" is read as
// hexadecimal (the INI convention). Anything else, including values that do not fit
// 32 bits, is "not a number". Never throws.
std::optional<int32_t> ParseInt(std::string_view text, bool allowHex = false);

// ParseInt with the caller's default for text that is not a number.
inline int32_t IntOr(std::string_view text, int32_t fallback, bool allowHex = false) {
  return ParseInt(text, allowHex).value_or(fallback);
}

inline std::string IntToText(int64_t value) { return std::to_string(value); }

}  // namespace tarnwick
