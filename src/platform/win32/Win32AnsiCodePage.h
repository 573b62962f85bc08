#pragma once

#include "platform/AnsiCodePage.h"

namespace tarnwick {

class Win32AnsiCodePage final : public AnsiCodePage {
 public:
  // The system's ANSI code page (GetACP).
  Win32AnsiCodePage();
  // A given Windows code page, e.g. 1252 or 932.
  explicit Win32AnsiCodePage(unsigned codePage);

  unsigned CodePage() const { return m_codePage; }

  std::string ToUtf8(std::string_view ansi) const override;
  std::optional<std::string> FromUtf8(std::string_view utf8) const override;

 private:
  unsigned m_codePage;
};

}  // namespace tarnwick
