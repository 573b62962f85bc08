#include "storage/TextEncoding.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>

#include "fakes/Cp1252CodePage.h"

namespace tarnwick {
namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

// ---------------------------------------------------------------- validation

struct ValidityCase {
  const char* name;
  std::string_view bytes;
  bool valid;
};

std::ostream& operator<<(std::ostream& out, const ValidityCase& row) { return out << row.name; }

constexpr ValidityCase kValidityCases[] = {
    {"Empty", "", true},
    {"Ascii", "[Setting]\r\n", true},
    {"NulByte", std::string_view("a\0b", 3), true},
    {"TwoBytes", "\xC3\xA9", true},
    {"ThreeBytes", "\xE2\x82\xAC", true},
    {"FourBytes", "\xF0\x9F\x98\x80", true},
    {"LargestCodePoint", "\xF4\x8F\xBF\xBF", true},
    {"AboveLargestCodePoint", "\xF4\x90\x80\x80", false},
    {"LeadAboveF4", "\xF5\x80\x80\x80", false},
    {"OverlongSlashC0", "\xC0\xAF", false},
    {"OverlongC1", "\xC1\xBF", false},
    {"SmallestTwoByte", "\xC2\x80", true},
    {"OverlongThreeBytes", "\xE0\x9F\xBF", false},
    {"SmallestThreeByte", "\xE0\xA0\x80", true},
    {"OverlongFourBytes", "\xF0\x8F\xBF\xBF", false},
    {"SmallestFourByte", "\xF0\x90\x80\x80", true},
    {"FirstSurrogate", "\xED\xA0\x80", false},
    {"LastSurrogate", "\xED\xBF\xBF", false},
    {"JustBelowSurrogates", "\xED\x9F\xBF", true},
    {"JustAboveSurrogates", "\xEE\x80\x80", true},
    {"ByteFF", "\xFF", false},
    {"ByteFE", "\xFE", false},
    {"LoneContinuation", "a\x80", false},
    {"TruncatedTwoByteAtEnd", "ab\xC3", false},
    {"TruncatedFourByteAtEnd", "\xF0\x9F\x98", false},
    {"AsciiInsteadOfContinuation", "\xC3(", false},
    {"ExtraContinuation", "\xC3\xA9\xA9", false},
    {"Windows1252Accent", "Caf\xE9", false},
};

class IsValidUtf8Test : public testing::TestWithParam<ValidityCase> {};

TEST_P(IsValidUtf8Test, AcceptsOnlyStrictUtf8) {
  EXPECT_EQ(IsValidUtf8(GetParam().bytes), GetParam().valid);
}

INSTANTIATE_TEST_SUITE_P(Bytes, IsValidUtf8Test, testing::ValuesIn(kValidityCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------- decoding

struct DecodeCase {
  const char* name;
  std::string_view bytes;
  std::string_view text;
};

std::ostream& operator<<(std::ostream& out, const DecodeCase& row) { return out << row.name; }

constexpr DecodeCase kDecodeCases[] = {
    {"Ascii", "[Menu]\r\nA=0\r\n", "[Menu]\r\nA=0\r\n"},
    {"Empty", "", ""},
    {"Utf8WithoutBom", "Caf\xC3\xA9", "Caf\xC3\xA9"},
    {"Utf8BomDropped", "\xEF\xBB\xBF" "Caf\xC3\xA9", "Caf\xC3\xA9"},
    {"BomOnly", "\xEF\xBB\xBF", ""},
    {"OnlyOneBomDropped", "\xEF\xBB\xBF\xEF\xBB\xBFx", "\xEF\xBB\xBFx"},
    {"Windows1252Accent", "Caf\xE9", "Caf\xC3\xA9"},
    {"Windows1252Euro", "\x80", "\xE2\x82\xAC"},
    {"Windows1252Undefined81", "\x81", "\xC2\x81"},
    {"Windows1252Undefined9D", "\x9D", "\xC2\x9D"},
    {"Windows1252Quotes", "\x93q\x94", "\xE2\x80\x9Cq\xE2\x80\x9D"},
    {"MixedValidAndInvalidIsAllAnsi", "\xC3\xA9\xE9", "\xC3\x83\xC2\xA9\xC3\xA9"},
    {"CutBomIsAnsi", "\xEF\xBB" "a", "\xC3\xAF\xC2\xBB" "a"},
    {"BomThenInvalidByteReplaced", "\xEF\xBB\xBF" "a\xE9" "b", "a\xEF\xBF\xBD" "b"},
    {"BomThenCutSequenceIsOneReplacement", "\xEF\xBB\xBF" "a\xE2\x82", "a\xEF\xBF\xBD"},
    {"BomThenSurrogateIsReplaced", "\xEF\xBB\xBF\xED\xA0\x80",
     "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
    {"Utf16LittleEndian", std::string_view("\xFF\xFE[\0A\0]\0\xE9\0", 10), "[A]\xC3\xA9"},
    {"Utf16BigEndian", std::string_view("\xFE\xFF\0A\x4E\x2D", 6), "A\xE4\xB8\xAD"},
    {"Utf16SurrogatePair", std::string_view("\xFF\xFE\x3D\xD8\x00\xDE", 6), "\xF0\x9F\x98\x80"},
    {"Utf16LoneSurrogate", std::string_view("\xFF\xFE\x3D\xD8" "A\0", 6), "\xEF\xBF\xBD" "A"},
    {"Utf16OddLastByte", std::string_view("\xFF\xFE" "A\0B", 5), "A\xEF\xBF\xBD"},
};

class DecodeTextFileTest : public testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeTextFileTest, GivesUtf8Text) {
  const fakes::Cp1252CodePage ansi;
  const std::string text = DecodeTextFile(GetParam().bytes, ansi);
  EXPECT_EQ(text, GetParam().text);
  EXPECT_TRUE(IsValidUtf8(text));
}

INSTANTIATE_TEST_SUITE_P(Files, DecodeTextFileTest, testing::ValuesIn(kDecodeCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------- encoding

struct EncodeCase {
  const char* name;
  std::string_view text;
  bool expectAnsi;          // else UTF-8 with a byte-order mark
  std::string_view ansi;    // the expected bytes when expectAnsi
};

std::ostream& operator<<(std::ostream& out, const EncodeCase& row) { return out << row.name; }

constexpr EncodeCase kEncodeCases[] = {
    {"Ascii", "[Setting]\r\nVersion=2.0\r\n", true, "[Setting]\r\nVersion=2.0\r\n"},
    {"Empty", "", true, ""},
    {"LatinAccents", "[Caf\xC3\xA9]\r\nN\xC3\xBCm=\xC3\x85\r\n", true, "[Caf\xE9]\r\nN\xFCm=\xC5\r\n"},
    {"EuroSign", "\xE2\x82\xAC", true, "\x80"},
    {"UndefinedByteAsControl", "\xC2\x81", true, "\x81"},
    {"ControlOutsideCodePage", "\xC2\x80", false, ""},
    {"Cjk", "[\xE4\xB8\xAD\xE6\x96\x87]", false, ""},
    {"LatinAndCjk", "\xC3\xA9\xE4\xB8\xAD", false, ""},
    {"Emoji", "\xF0\x9F\x98\x80", false, ""},
    {"ReplacementCharacter", "x\xEF\xBF\xBD", false, ""},
    // Text whose ANSI bytes would read back as something else.
    {"AnsiBytesLookLikeUtf8", "\xC3\x83\xC2\xA9", false, ""},
    {"AnsiBytesLookLikeBom", "\xC3\xAF\xC2\xBB\xC2\xBFx", false, ""},
    {"AnsiBytesLookLikeUtf16Mark", "\xC3\xBF\xC3\xBEx", false, ""},
};

class EncodeTextFileTest : public testing::TestWithParam<EncodeCase> {};

TEST_P(EncodeTextFileTest, PrefersAnsiWhenItReadsBack) {
  const EncodeCase& row = GetParam();
  const fakes::Cp1252CodePage ansi;
  const std::string bytes = EncodeTextFile(row.text, ansi);
  if (row.expectAnsi) {
    EXPECT_EQ(bytes, row.ansi);
  } else {
    EXPECT_EQ(bytes, std::string(kBom) + std::string(row.text));
  }
  EXPECT_EQ(DecodeTextFile(bytes, ansi), row.text);
}

INSTANTIATE_TEST_SUITE_P(Texts, EncodeTextFileTest, testing::ValuesIn(kEncodeCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TextEncodingTest, EveryWindows1252ByteSurvivesDecodeAndEncode) {
  const fakes::Cp1252CodePage ansi;
  for (int value = 0x80; value <= 0xFF; ++value) {
    const std::string byte(1, static_cast<char>(value));
    SCOPED_TRACE(testing::Message() << "byte 0x" << std::hex << value);
    const std::string text = DecodeTextFile(byte, ansi);
    EXPECT_NE(text, byte);
    EXPECT_EQ(EncodeTextFile(text, ansi), byte);
  }
}

}  // namespace
}  // namespace tarnwick
