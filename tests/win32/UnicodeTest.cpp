#include "platform/win32/Unicode.h"

#include <gtest/gtest.h>

#include <string>

namespace tarnwick {
namespace {

struct Pair {
  const char* name;
  std::string utf8;
  std::wstring utf16;
};

TEST(Unicode, ValidTextRoundTrips) {
  const Pair cases[] = {
      {"empty", "", L""},
      {"ascii", "Tarnwick.ini", L"Tarnwick.ini"},
      {"accented latin", "caf\xC3\xA9 \xC3\x9C", L"caf\u00E9 \u00DC"},
      {"cjk", "\xE8\xA8\xAD\xE5\xAE\x9A", L"\u8A2D\u5B9A"},
      {"surrogate pair", "\xF0\x9F\x98\x80", L"\xD83D\xDE00"},
      {"embedded nul", std::string("a\0b", 3), std::wstring(L"a\0b", 3)},
  };
  for (const Pair& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Widen(c.utf8), c.utf16);
    EXPECT_EQ(Narrow(c.utf16), c.utf8);
  }
}

TEST(Unicode, InvalidUtf8WidensToEmpty) {
  const std::string cases[] = {
      "\xFF",              // never valid
      "abc\xC3",           // truncated sequence after valid text
      "\xC0\xAF",          // overlong '/'
      "\xED\xA0\x80",      // an encoded surrogate
      "\xF4\x90\x80\x80",  // past U+10FFFF
  };
  for (const std::string& bytes : cases) {
    SCOPED_TRACE(::testing::PrintToString(bytes));
    EXPECT_EQ(Widen(bytes), L"");
  }
}

TEST(Unicode, LoneSurrogateNarrowsToEmpty) {
  const std::wstring cases[] = {L"\xD83D", L"a\xDE00", L"\xDE00\xD83D"};
  for (const std::wstring& text : cases) {
    SCOPED_TRACE(::testing::PrintToString(text));
    EXPECT_EQ(Narrow(text), "");
  }
}

}  // namespace
}  // namespace tarnwick
