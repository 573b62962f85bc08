#include "model/Numbers.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace tarnwick {
namespace {

struct ParseCase {
  const char* name;
  std::string_view text;
  bool allowHex;
  std::optional<int32_t> expected;
};

std::ostream& operator<<(std::ostream& out, const ParseCase& row) { return out << row.name; }

constexpr std::optional<int32_t> kNotANumber = std::nullopt;

constexpr ParseCase kParseCases[] = {
    {"Zero", "0", false, 0},
    {"Positive", "42", false, 42},
    {"Negative", "-17", false, -17},
    {"NegativeZero", "-0", false, 0},
    {"LargestInt", "2147483647", false, INT32_MAX},
    {"SmallestInt", "-2147483648", false, INT32_MIN},
    {"JustAboveLargest", "2147483648", false, kNotANumber},
    {"JustBelowSmallest", "-2147483649", false, kNotANumber},
    {"WrapsSixtyFourBits", "18446744073709551617", false, kNotANumber},
    {"ManyLeadingZeros", "000000000000000000000012", false, 12},
    {"Empty", "", false, kNotANumber},
    {"MinusOnly", "-", false, kNotANumber},
    {"DoubleMinus", "--1", false, kNotANumber},
    {"PlusSign", "+5", false, kNotANumber},
    {"LeadingBlank", " 5", false, kNotANumber},
    {"TrailingBlank", "5 ", false, kNotANumber},
    {"TrailingLetters", "12abc", false, kNotANumber},
    {"Fraction", "1.5", false, kNotANumber},
    {"Exponent", "1e3", false, kNotANumber},
    {"FullWidthDigit", "\xEF\xBC\x91", false, kNotANumber},
    {"HexWhenNotAllowed", "0x10", false, kNotANumber},
    {"HexLowerPrefix", "0x1f", true, 31},
    {"HexUpperPrefixMixedDigits", "0XaB", true, 171},
    {"HexColour", "0x00800000", true, 8388608},
    {"HexAllBitsIsMinusOne", "0xFFFFFFFF", true, -1},
    {"HexHighBit", "0x80000000", true, INT32_MIN},
    {"HexAboveThirtyTwoBits", "0x100000000", true, kNotANumber},
    {"HexManyLeadingZeros", "0x0000000000000001", true, 1},
    {"HexPrefixOnly", "0x", true, kNotANumber},
    {"HexBadDigit", "0x1G", true, kNotANumber},
    {"HexSignAfterPrefix", "0x-1", true, kNotANumber},
    {"NegativeHex", "-0x10", true, -16},
    {"HexDigitsWithoutPrefix", "1A", true, kNotANumber},
    {"DecimalWithHexAllowed", "123", true, 123},
    {"LeadingZeroDecimalWithHexAllowed", "010", true, 10},
    {"SmallestIntWithHexAllowed", "-2147483648", true, INT32_MIN},
};

class ParseIntTest : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseIntTest, ReadsOnlyWholeNumbersThatFit) {
  const ParseCase& row = GetParam();
  EXPECT_EQ(ParseInt(row.text, row.allowHex), row.expected);
}

INSTANTIATE_TEST_SUITE_P(Texts, ParseIntTest, testing::ValuesIn(kParseCases),
                         [](const testing::TestParamInfo<ParseCase>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
}  // namespace tarnwick
