#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/AnsiCodePage.h"

namespace tarnwick::fakes {

// Windows-1252 as the Windows conversion functions implement it. The five bytes the code page
// leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 controls of the same value,
// both ways. FromUtf8 fails for invalid UTF-8 and for characters outside the code page.
class Cp1252CodePage : public AnsiCodePage {
 public:
  std::string ToUtf8(std::string_view ansi) const override;
  std::optional<std::string> FromUtf8(std::string_view utf8) const override;
};

}  // namespace tarnwick::fakes
