#include "model/Names.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

namespace tarnwick {
namespace {

NameSet SetOf(std::initializer_list<const char*> names) {
  NameSet set;
  for (const char* name : names) set.Add(name);
  return set;
}

TEST(Names_MakeUniqueDescription, NumbersClashesAndReservedNames) {
  struct Case {
    const char* name;
    std::initializer_list<const char*> existing;
    const char* expected;
  };
  const Case cases[] = {
      {"Notepad", {}, "Notepad"},
      {"Notepad", {"notepad"}, "Notepad (2)"},
      {"NOTEPAD", {"Notepad", "notepad (2)"}, "NOTEPAD (3)"},
      {"Notepad (2)", {"Notepad (2)"}, "Notepad (2) (2)"},
      {"Setting", {}, "Setting (2)"},
      {"menu", {}, "menu (2)"},
      {"Menu", {"Menu (2)"}, "Menu (3)"},
      {"Popup Enabled", {}, "Popup Enabled (2)"},
      {"Menu Column", {}, "Menu Column (2)"},
      {"Settings", {}, "Settings"},
      {"", {}, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(MakeUniqueDescription(c.name, SetOf(c.existing)), c.expected);
  }
}

TEST(Names_NameSet, RemovingOneOfTwoEqualNamesKeepsTheOther) {
  NameSet set = SetOf({"Notepad", "NOTEPAD"});
  set.Remove("notepad");
  EXPECT_TRUE(set.Contains("Notepad"));
  set.Remove("Notepad");
  EXPECT_FALSE(set.Contains("Notepad"));
}

TEST(Names_StripDuplicateNumber, DropsOnlyATrailingBlankAndNumber) {
  struct Case {
    const char* text;
    const char* hidden;
  };
  const Case cases[] = {
      {"Notepad (2)", "Notepad"},   {"Separator (12)", "Separator"}, {"Notepad(2)", "Notepad(2)"},
      {"Notepad (x)", "Notepad (x)"}, {"A (2) b", "A (2) b"},         {"A (-1)", "A (-1)"},
      {"A (-2)", "A"},              {" (2)", " (2)"},                {"a (2)", "a"},
      {"Notepad ()", "Notepad ()"}, {"Notepad (2) (3)", "Notepad (2)"}, {"x (99999999999)", "x (99999999999)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(StripDuplicateNumber(c.text, true), c.hidden);
    EXPECT_EQ(StripDuplicateNumber(c.text, false), c.text);
  }
}

TEST(Names_Clean, RemovesWhatAnIniFileCannotCarry) {
  struct Case {
    const char* name;
    const char* section;
    const char* key;
  };
  const Case cases[] = {
      {"Work", "Work", "Work"},
      {"  Work  ", "Work", "Work"},
      {"a=b", "a=b", "a-b"},
      {";Tools", ";Tools", "Tools"},
      {"[Tools]", "[Tools]", "Tools]"},
      {"line\r\nbreak", "linebreak", "linebreak"},
      {"tab\there", "tab here", "tab here"},
      {"; [ x", "; [ x", "x"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(CleanSectionName(c.name), c.section);
    EXPECT_EQ(CleanKeyName(c.name), c.key);
  }
}

}  // namespace
}  // namespace tarnwick
