#include "storage/IniFile.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <ostream>
#include <random>
#include <string>
#include <vector>

namespace tarnwick {
namespace {

using namespace std::string_literals;

// ---------------------------------------------------------------- lookups in awkward files

struct LookupCase {
  std::string name;
  std::string file;
  std::string section;
  std::string key;
  std::optional<std::string> expected;
};

std::ostream& operator<<(std::ostream& out, const LookupCase& row) { return out << row.name; }

std::vector<LookupCase> LookupCases() {
  const std::string longValue2048(2048, 'x');
  std::string longValue70000;
  for (int i = 0; i < 7000; ++i) longValue70000 += "0123456789";
  return {
      {"CrLf", "[A]\r\nk=v\r\nj=w\r\n", "A", "k", "v"},
      {"LfOnly", "[A]\nk=v\nj=w\n", "A", "j", "w"},
      {"LoneCrAtEndOfFile", "[A]\nk=v\r", "A", "k", "v"},
      {"CrOnlyLineEnds", "[A]\rk=v\rj=w\r", "A", "j", "w"},
      {"CrLineEndsAfterLastLf", "[A]\nk=v\rj=w", "A", "j", "w"},
      {"CrInsideLineStays", "[A]\nk=a\rb\nj=w\n", "A", "k", "a\rb"},
      {"NoFinalLineEnd", "[A]\nk=v", "A", "k", "v"},
      {"ByteOrderMarkBeforeFirstHeader", "\xEF\xBB\xBF[A]\nk=v\n", "A", "k", "v"},
      {"BlanksAroundEverything", " \t[ A ]\t\r\n \tk \t=\t v \t\r\n", "A", "k", "v"},
      {"BlanksInsideKept", "[My Menu]\nBottom Right = a \t b\n", "My Menu", "Bottom Right",
       "a \t b"},
      {"NamesIgnoreAsciiCase", "[Popup Enabled]\nBottom Right=1\n", "pOPUP eNABLED",
       "BOTTOM RIGHT", "1"},
      {"NonAsciiNamesCompareExactly", "[\xC3\x89t\xC3\xA9]\nk=1\n", "\xC3\xA9t\xC3\xA9", "k",
       std::nullopt},
      {"AskedNamesAreTrimmed", "[A]\nk=v\n", " A\t", " k ", "v"},
      {"CommentLineIgnored", "[A]\n;k=1\nk=2\n", "A", "k", "2"},
      {"IndentedComment", "[A]\n \t;k=1\n", "A", ";k", std::nullopt},
      {"SemicolonInsideValueKept", "[A]\nk=a ; b\n", "A", "k", "a ; b"},
      {"FirstOfDuplicateKeysWins", "[A]\nk=1\nK=2\n", "A", "k", "1"},
      {"FirstOfDuplicateSectionsWins", "[A]\nk=1\n[a]\nk=2\n", "A", "k", "1"},
      {"DuplicateSectionNotMerged", "[A]\nk=1\n[ a ]\nj=2\n", "A", "j", std::nullopt},
      {"SectionAfterDuplicateReadsAgain", "[A]\n[B]\nk=1\n[A]\nj=2\n[C]\nk=3\n", "C", "k", "3"},
      {"DoubleQuotesStripped", "[A]\nk=\"  v  \"\n", "A", "k", "  v  "},
      {"SingleQuotesStripped", "[A]\nk='v'\n", "A", "k", "v"},
      {"QuotesStrippedAfterTrim", "[A]\nk= \"v\" \n", "A", "k", "v"},
      {"MismatchedQuotesKept", "[A]\nk=\"v'\n", "A", "k", "\"v'"},
      {"OnlyOnePairStripped", "[A]\nk=\"\"v\"\"\n", "A", "k", "\"v\""},
      {"QuoteAtStartOnly", "[A]\nk=\"C:\\My Files\n", "A", "k", "\"C:\\My Files"},
      {"QuoteAtEndOnly", "[A]\nk=12\"\n", "A", "k", "12\""},
      {"LoneQuote", "[A]\nk=\"\n", "A", "k", "\""},
      {"EmptyQuotes", "[A]\nk=\"\"\n", "A", "k", ""},
      {"EmptyValue", "[A]\nk=\n", "A", "k", ""},
      {"BlankValue", "[A]\nk= \t \n", "A", "k", ""},
      {"EqualsInsideValue", "[A]\nk=a=b\n", "A", "k", "a=b"},
      {"EmptyKey", "[A]\n=v\n", "A", "", "v"},
      {"MissingEqualsHasNoValue", "[A]\nk\n", "A", "k", std::nullopt},
      {"MissingEqualsShadowsLaterKey", "[A]\nk\nk=1\n", "A", "k", std::nullopt},
      {"LinesBeforeFirstSectionIgnored", "k=1\n[A]\nj=2\n", "A", "k", std::nullopt},
      {"EmptySectionName", "[]\nk=1\n", "", "k", "1"},
      {"HeaderRunsToLastBracket", "[a]b]\nk=1\n", "a]b", "k", "1"},
      {"TextAfterHeaderIgnored", "[A] ; note\nk=1\n", "A", "k", "1"},
      {"UnclosedHeaderIsOrdinaryLine", "[A]\n[B\nk=1\n", "A", "k", "1"},
      {"UnclosedHeaderWithEqualsIsKey", "[A]\n[B=x\n", "A", "[B", "x"},
      {"ValueLongerThan2047", "[A]\nk=" + longValue2048 + "\n", "A", "k", longValue2048},
      {"ValueLongerThan65536", "[A]\nk=" + longValue70000 + "\r\n", "A", "k", longValue70000},
      {"NulBytesKept", "[A]\nk=a\0b\n"s, "A", "k", "a\0b"s},
      {"InvalidUtf8Kept", "[A]\nk=\xFF\xC3\n", "A", "k", "\xFF\xC3"},
      {"MissingSection", "[A]\nk=1\n", "B", "k", std::nullopt},
  };
}

class IniFileLookupTest : public testing::TestWithParam<LookupCase> {};

TEST_P(IniFileLookupTest, FindsWhatTheProfileFunctionsFind) {
  const LookupCase& row = GetParam();
  const IniFile file = IniFile::Parse(row.file);
  EXPECT_EQ(file.Find(row.section, row.key), row.expected);
  EXPECT_EQ(file.ReadString(row.section, row.key, "fallback"),
            row.expected.value_or("fallback"));
}

INSTANTIATE_TEST_SUITE_P(AwkwardFiles, IniFileLookupTest, testing::ValuesIn(LookupCases()),
                         [](const auto& info) { return info.param.name; });

// ---------------------------------------------------------------- listings

struct ListingCase {
  std::string name;
  std::string file;
  std::vector<std::string> sections;
  std::string listedSection;
  std::vector<std::string> keys;
};

std::ostream& operator<<(std::ostream& out, const ListingCase& row) { return out << row.name; }

std::vector<ListingCase> ListingCases() {
  return {
      {"FileOrderNotSorted", "[Zeta]\nz=1\ny=2\nx=3\n[Alpha]\n[Mid]\n", {"Zeta", "Alpha", "Mid"},
       "zeta", {"z", "y", "x"}},
      {"DuplicatesListedOnceAtFirstPlace", "[B]\nz=1\nY=2\nZ=3\n[a]\n[b]\nw=1\n[A]\n",
       {"B", "a"}, "b", {"z", "Y"}},
      {"NamesKeepTheirSpellingButNotTheirBlanks", "[ My Menu ]\n  New Menu  = 0\n",
       {"My Menu"}, "my menu", {"New Menu"}},
      {"KeyWithoutEqualsIsListed", "[A]\nk\nj=1\n;c=1\n[x\n", {"A"}, "A", {"k", "j", "[x"}},
      {"NothingBeforeFirstSection", "k=1\n;[Fake]\n[A]\n", {"A"}, "A", {}},
      {"MissingSectionHasNoKeys", "[A]\nk=1\n", {"A"}, "B", {}},
      {"EmptyText", "", {}, "A", {}},
  };
}

class IniFileListingTest : public testing::TestWithParam<ListingCase> {};

TEST_P(IniFileListingTest, ListsEachNameOnceInFileOrder) {
  const ListingCase& row = GetParam();
  const IniFile file = IniFile::Parse(row.file);
  EXPECT_EQ(file.SectionNames(), row.sections);
  EXPECT_EQ(file.KeyNames(row.listedSection), row.keys);
  for (const std::string& section : row.sections) EXPECT_TRUE(file.HasSection(section)) << section;
  EXPECT_FALSE(file.HasSection("Absent"));
}

INSTANTIATE_TEST_SUITE_P(AwkwardFiles, IniFileListingTest, testing::ValuesIn(ListingCases()),
                         [](const auto& info) { return info.param.name; });

// ---------------------------------------------------------------- numbers and booleans

struct NumberCase {
  std::string name;
  std::string file;  // the line(s) after "[S]"
  int32_t fallback;
  int32_t expectedInt;
  bool expectedBool;  // ReadBool with the fallback's truth
};

std::ostream& operator<<(std::ostream& out, const NumberCase& row) { return out << row.name; }

std::vector<NumberCase> NumberCases() {
  return {
      {"Decimal", "k=12", -1, 12, true},
      {"Zero", "k=0", 7, 0, false},
      {"Negative", "k=-5", 0, -5, true},
      {"HexPrefix", "k=0x10", -1, 16, true},
      {"HexZero", "k=0X0", 1, 0, false},
      {"HexAllBits", "k=0xFFFFFFFF", 0, -1, true},
      {"BlanksTrimmed", "k =  7 ", -1, 7, true},
      {"QuotedNumber", "k=\"8\"", -1, 8, true},
      {"NotANumber", "k=yes", 3, 3, true},
      {"NotANumberFalseFallback", "k=true", 0, 0, false},
      {"TrailingText", "k=12abc", -1, -1, true},
      {"Empty", "k=", 4, 4, true},
      {"TooLarge", "k=4294967296", 9, 9, true},
      {"MissingKey", "j=1", -1, -1, true},
      {"MissingKeyFalseFallback", "j=1", 0, 0, false},
      {"KeyWithoutEquals", "k", 5, 5, true},
  };
}

class IniFileNumberTest : public testing::TestWithParam<NumberCase> {};

TEST_P(IniFileNumberTest, ReadsNumbersOrGivesTheFallback) {
  const NumberCase& row = GetParam();
  const IniFile file = IniFile::Parse("[S]\r\n" + row.file + "\r\n");
  EXPECT_EQ(file.ReadInt("s", "K", row.fallback), row.expectedInt);
  EXPECT_EQ(file.ReadBool("s", "K", row.fallback != 0), row.expectedBool);
}

INSTANTIATE_TEST_SUITE_P(Values, IniFileNumberTest, testing::ValuesIn(NumberCases()),
                         [](const auto& info) { return info.param.name; });

// ---------------------------------------------------------------- scale and robustness

TEST(IniFileScaleTest, ThousandsOfSectionsAndAHugeSectionReadCompletely) {
  constexpr int kSections = 20000;
  constexpr int kKeysInHugeSection = 50000;
  std::string text;
  for (int i = 0; i < kSections; ++i) {
    text += "[Item " + std::to_string(i) + "]\r\nExec=prog" + std::to_string(i) + ".exe\r\n";
  }
  text += "[HUGE]\r\n";
  for (int i = 0; i < kKeysInHugeSection; ++i) {
    text += "Key" + std::to_string(i) + "=" + std::to_string(i) + "\r\n";
  }

  const IniFile file = IniFile::Parse(text);

  const std::vector<std::string> sections = file.SectionNames();
  ASSERT_EQ(sections.size(), static_cast<size_t>(kSections + 1));
  for (int i = 0; i < kSections; i += 997) {
    EXPECT_EQ(sections[i], "Item " + std::to_string(i));
    EXPECT_EQ(file.ReadString("ITEM " + std::to_string(i), "exec", ""),
              "prog" + std::to_string(i) + ".exe");
  }
  const std::vector<std::string> keys = file.KeyNames("huge");
  ASSERT_EQ(keys.size(), static_cast<size_t>(kKeysInHugeSection));
  for (int i = 0; i < kKeysInHugeSection; ++i) {
    ASSERT_EQ(keys[i], "Key" + std::to_string(i));
    ASSERT_EQ(file.ReadInt("Huge", keys[i], -1), i);
  }
}

// Random files made of the characters the parser reacts to. Whatever it makes of them must
// survive being written out and read again (the save after a load), apart from the documented
// loss of CR inside values; keys without "=" cannot be written and are left out.
TEST(IniFileRobustnessTest, ArbitraryBytesParseIntoWhatTheWriterReproduces) {
  const std::string alphabet = "[]=;\"' \t\r\nabAB\0\xFF\xC3"s;
  std::mt19937 random(20240611);
  std::uniform_int_distribution<size_t> pick(0, alphabet.size() - 1);
  std::uniform_int_distribution<size_t> length(0, 120);
  for (int round = 0; round < 3000; ++round) {
    std::string text(length(random), '\0');
    for (char& c : text) c = alphabet[pick(random)];
    SCOPED_TRACE(testing::PrintToString(text));

    const IniFile parsed = IniFile::Parse(text);
    IniWriter writer;
    for (const std::string& section : parsed.SectionNames()) {
      writer.Section(section);
      for (const std::string& key : parsed.KeyNames(section)) {
        if (const std::optional<std::string> value = parsed.Find(section, key)) {
          writer.Write(key, *value);
        }
      }
    }

    const IniFile reread = IniFile::Parse(writer.Text());
    ASSERT_EQ(reread.SectionNames(), parsed.SectionNames()) << writer.Text();
    for (const std::string& section : parsed.SectionNames()) {
      for (const std::string& key : parsed.KeyNames(section)) {
        std::optional<std::string> expected = parsed.Find(section, key);
        if (!expected) continue;
        for (char& c : *expected) {
          if (c == '\r') c = ' ';
        }
        ASSERT_EQ(reread.Find(section, key), expected) << writer.Text();
      }
    }
  }
}

// ---------------------------------------------------------------- writer

struct RoundTripCase {
  std::string name;
  std::string written;
  std::string read;  // differs from written only where line breaks are lost
};

std::ostream& operator<<(std::ostream& out, const RoundTripCase& row) { return out << row.name; }

std::vector<RoundTripCase> RoundTripCases() {
  const std::string longValue(70000, 'v');
  auto same = [](std::string name, std::string value) {
    return RoundTripCase{std::move(name), value, value};
  };
  return {
      same("Plain", "C:\\Program Files\\app.exe"),
      same("Empty", ""),
      same("LeadingBlank", " lead"),
      same("TrailingBlank", "trail "),
      same("TabsAtBothEnds", "\tboth\t"),
      same("OnlyBlanks", "   "),
      same("VerticalTabAtEnd", "x\v"),
      same("QuotedPath", "\"C:\\My Files\\a.txt\""),
      same("SingleQuoted", "'single'"),
      same("QuoteAtStartOnly", "\"C:\\My Files"),
      same("QuoteAtEndOnly", "12\""),
      same("LoneDoubleQuote", "\""),
      same("LoneSingleQuote", "'"),
      same("TwoDoubleQuotes", "\"\""),
      same("QuotedWithBlanksInside", "\" padded \""),
      same("MixedQuotePair", "\"x'"),
      same("EqualsSign", "a=b"),
      same("LooksLikeComment", ";not a comment"),
      same("LooksLikeHeader", "[not a header]"),
      same("Utf8", "Men\xC3\xBC \xE4\xB8\xAD"),
      same("NulByte", "a\0b"s),
      same("LongerThan65536", longValue),
      {"CrLfInside", "a\r\nb", "a  b"},
      {"LfAtEnd", "line\n", "line "},
      {"CrAtStart", "\rx", " x"},
  };
}

class IniWriterRoundTripTest : public testing::TestWithParam<RoundTripCase> {};

TEST_P(IniWriterRoundTripTest, ValueReadsBackAndLeavesNeighboursAlone) {
  const RoundTripCase& row = GetParam();
  IniWriter writer;
  writer.Section("S");
  writer.Write("before", "1");
  writer.Write("k", row.written);
  writer.Write("after", "2");
  writer.Section("T");
  writer.Write("k", "3");

  const IniFile file = IniFile::Parse(writer.Text());
  EXPECT_EQ(file.Find("S", "k"), row.read);
  EXPECT_EQ(file.KeyNames("S"), (std::vector<std::string>{"before", "k", "after"}));
  EXPECT_EQ(file.Find("S", "after"), "2");
  EXPECT_EQ(file.Find("T", "k"), "3");
}

INSTANTIATE_TEST_SUITE_P(AwkwardValues, IniWriterRoundTripTest,
                         testing::ValuesIn(RoundTripCases()),
                         [](const auto& info) { return info.param.name; });

TEST(IniWriterTest, LaysOutSectionsWithCrLfAndOneEmptyLineBetween) {
  IniWriter writer;
  writer.Section("Setting");
  writer.Write("Version", "2.0");
  writer.WriteBool("Startup", true);
  writer.WriteBool("Autosave", false);
  writer.WriteInt("Background", -2147483648LL);
  writer.Section("Menu");
  writer.Write("Path", " x ");

  EXPECT_EQ(writer.Text(),
            "[Setting]\r\nVersion=2.0\r\nStartup=1\r\nAutosave=0\r\nBackground=-2147483648\r\n"
            "\r\n[Menu]\r\nPath=\" x \"\r\n");
}

TEST(IniWriterTest, RewritingAParsedFileGivesTheSameText) {
  IniWriter first;
  first.Section("Setting");
  first.Write("Version", "2.0");
  first.WriteInt("Highlight", 8388608);
  first.WriteInt("Smallest", INT32_MIN);
  first.WriteBool("Tarnwik", true);
  first.Section("Menu Column");
  first.Write("New Menu", "3");
  first.Section("My \"Item\" [1]");
  first.Write("Exec", "\"C:\\My Files\\run.exe\"");
  first.Write("Para", " -x ");
  first.Write("Start", "");
  first.Write("Icon", "\"");

  const IniFile parsed = IniFile::Parse(first.Text());
  IniWriter second;
  for (const std::string& section : parsed.SectionNames()) {
    second.Section(section);
    for (const std::string& key : parsed.KeyNames(section)) {
      second.Write(key, parsed.ReadString(section, key, "<missing>"));
    }
  }

  EXPECT_EQ(second.Text(), first.Text());
  EXPECT_EQ(parsed.ReadInt("setting", "smallest", 0), INT32_MIN);
  EXPECT_TRUE(parsed.ReadBool("setting", "tarnwik", false));
}

}  // namespace
}  // namespace tarnwick
