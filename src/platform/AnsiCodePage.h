#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tarnwick {

// The system's single-byte ("ANSI") code page, for configuration files that are not UTF-8.
class AnsiCodePage {
 public:
  AnsiCodePage() = default;
  AnsiCodePage(const AnsiCodePage&) = delete;
  AnsiCodePage& operator=(const AnsiCodePage&) = delete;
  virtual ~AnsiCodePage() = default;

  // Bytes in the code page to UTF-8.
  virtual std::string ToUtf8(std::string_view ansi) const = 0;
  // UTF-8 to the code page; nullopt when a character has no exact equivalent there.
  virtual std::optional<std::string> FromUtf8(std::string_view utf8) const = 0;
};

}  // namespace tarnwick
