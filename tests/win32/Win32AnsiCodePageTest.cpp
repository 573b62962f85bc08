#include "platform/win32/Win32AnsiCodePage.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace tarnwick {
namespace {

const std::string kEAcute = "\xC3\xA9";              // é
const std::string kEuro = "\xE2\x82\xAC";            // €
const std::string kAMacron = "\xC4\x80";             // Ā, best-fits to 'A' under 1252
const std::string kNihon = "\xE6\x97\xA5\xE6\x9C\xAC";  // 日本

TEST(Win32AnsiCodePage, FromUtf8) {
  struct Case {
    const char* name;
    unsigned codePage;
    std::string utf8;
    std::optional<std::string> expected;
  };
  const Case cases[] = {
      {"empty", 1252, "", ""},
      {"ascii", 1252, "Menu 1", "Menu 1"},
      {"e acute in 1252", 1252, kEAcute, "\xE9"},
      {"euro in 1252", 1252, kEuro, "\x80"},
      {"no best fit in 1252", 1252, "x" + kAMacron, std::nullopt},
      {"cjk missing from 1252", 1252, kNihon, std::nullopt},
      {"invalid utf-8", 1252, "a\xFF", std::nullopt},
      {"cjk in 932", 932, kNihon, "\x93\xFA\x96\x7B"},
      {"utf-8 code page passes through", CP_UTF8, kNihon + kEAcute, kNihon + kEAcute},
      {"utf-8 code page refuses invalid", CP_UTF8, "a\xFF", std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Win32AnsiCodePage(c.codePage).FromUtf8(c.utf8), c.expected);
  }
}

TEST(Win32AnsiCodePage, ToUtf8) {
  struct Case {
    const char* name;
    unsigned codePage;
    std::string bytes;
    std::string expected;
  };
  const Case cases[] = {
      {"empty", 1252, "", ""},
      {"e acute from 1252", 1252, "caf\xE9", "caf" + kEAcute},
      {"euro from 1252", 1252, "\x80", kEuro},
      {"cjk from 932", 932, "\x93\xFA\x96\x7B", kNihon},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Win32AnsiCodePage(c.codePage).ToUtf8(c.bytes), c.expected);
  }
}

TEST(Win32AnsiCodePage, DefaultIsTheSystemCodePage) {
  if (GetACP() != 1252) GTEST_SKIP() << "the system code page is " << GetACP() << ", not 1252";
  Win32AnsiCodePage system;
  EXPECT_EQ(system.FromUtf8(kEAcute), "\xE9");
  EXPECT_EQ(system.ToUtf8("\xE9"), kEAcute);
  EXPECT_EQ(system.FromUtf8(kNihon), std::nullopt);
}

}  // namespace
}  // namespace tarnwick
