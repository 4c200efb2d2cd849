// Values as exact decimals: typed forms, refusals, order, and the value
// texts of codes.
#include <gtest/gtest.h>

#include <string>

#include "colour_code/resistance.h"

namespace {

using namespace colour_code;

struct Exact {
  const char* digits;
  int exponent;
};

TEST(Resistance, KeepsOnlySignificantDigits) {
  const struct {
    const char* figures;
    int exponent;
    Exact expected;
  } cases[] = {
      {"470", 1, {"47", 2}},  {"047", -2, {"47", -2}}, {"001", 0, {"1", 0}},
      {"100", -3, {"1", -1}}, {"000", 5, {"", 0}},     {"", 0, {"", 0}},
      {"999", 9, {"999", 9}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.figures);
    const std::optional<Resistance> value = Resistance::Of(c.figures, c.exponent);
    ASSERT_TRUE(value);
    EXPECT_EQ(value->Digits(), c.expected.digits);
    EXPECT_EQ(value->Exponent(), c.expected.exponent);
  }
  EXPECT_FALSE(Resistance::Of("4x7", 0));
  EXPECT_FALSE(Resistance::Of("1000000000000000000000001", 0));   // 25 significant digits
  EXPECT_TRUE(Resistance::Of("100000000000000000000001000", 0));  // 24, and zeros
}

TEST(Resistance, OrdersByValue) {
  const char* const ascending[] = {"0",  "0.001", "0.0011", "0.01", "0.47",  "1",    "9.99",
                                   "10", "47",    "470",    "4.7k", "4.75k", "100k", "999G"};
  for (std::size_t i = 0; i + 1 < std::size(ascending); ++i) {
    SCOPED_TRACE(ascending[i]);
    const Resistance a = *ParseValue(ascending[i]).value;
    const Resistance b = *ParseValue(ascending[i + 1]).value;
    EXPECT_TRUE(a < b);
    EXPECT_FALSE(b < a);
    EXPECT_FALSE(a < a);
  }
}

TEST(ParseValue, TheUsualNotations) {
  const struct {
    const char* text;
    const char* shown;
  } cases[] = {
      {"4700", "4.7 k ohm"},
      {"4.7k", "4.7 k ohm"},
      {"4k7", "4.7 k ohm"},
      {"4K7", "4.7 k ohm"},
      {"4.7 k ohm", "4.7 k ohm"},
      {" 4.7K Ohms ", "4.7 k ohm"},
      {"4.7 k\xE2\x84\xA6", "4.7 k ohm"},  // U+2126 OHM SIGN
      {"470\xCE\xA9", "470 ohm"},          // U+03A9 GREEK CAPITAL LETTER OMEGA
      {"0.22", "0.22 ohm"},
      {".22", "0.22 ohm"},
      {"R22", "0.22 ohm"},
      {"4R7", "4.7 ohm"},
      {"47R", "47 ohm"},
      {"47.", "47 ohm"},
      {"1M5", "1.5 M ohm"},
      {"2G2 OHM", "2.2 G ohm"},
      {"999 G ohm", "999 G ohm"},
      {"999999", "999.999 k ohm"},
      {"001 ohm", "1 ohm"},
      {"0.00 ohm", "0 ohm"},
      {"0.10 k ohm", "100 ohm"},
      {"0.047", "0.047 ohm"},
      {"0.0001", "0.0001 ohm"},
      {"1.00000000000000000001", "1.00000000000000000001 ohm"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const ValueParse parse = ParseValue(c.text);
    ASSERT_TRUE(parse.value) << parse.error.View();
    EXPECT_EQ(ResistanceText(*parse.value).View(), c.shown);
  }
}

TEST(ParseValue, RefusalsSayWhatToWriteInstead) {
  const struct {
    const char* text;
    const char* error;
  } cases[] = {
      {"-4.7k", "a resistance cannot be negative; write 4.7k"},
      {"\xE2\x88\x92"
       "5",
       "a resistance cannot be negative; write 5"},  // U+2212 MINUS SIGN
      {"--5", "a resistance cannot be negative; write e.g. 4700, 4.7k, 4k7 or 4.7 k ohm"},
      {"1m", "\"m\" would mean milli-ohm; write 1M for mega-ohm"},
      {"4,7k",
       "a comma may be a decimal point or a thousands separator and is not guessed at; write "
       "4.7k or 4k7"},
      {"4,700",
       "a comma may be a decimal point or a thousands separator and is not guessed at; write "
       "4.700 or 4R700 for a decimal comma, or 4700 for thousands"},
      {"abc", "no number before \"abc\"; write e.g. 4700, 4.7k, 4k7 or 4.7 k ohm"},
      {"", "no number; write e.g. 4700, 4.7k, 4k7 or 4.7 k ohm"},
      {"4.7x",
       "unexpected \"x\"; units are k, M, G and R, then optionally ohm or the ohm sign: write "
       "e.g. 4700, 4.7k, 4k7 or 4.7 k ohm"},
      {"999.01G", "above 999 G ohm, the largest value of a colour code; write at most 999G"},
      {"1.000000000000000000000001", "more than 24 significant digits; no resistor shows so many"},
      {"11111111111111111111111111111111111111111111111111111111111111111",
       "longer than 64 characters; write e.g. 4700, 4.7k, 4k7 or 4.7 k ohm"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const ValueParse parse = ParseValue(c.text);
    EXPECT_FALSE(parse.value);
    EXPECT_EQ(parse.error.View(), c.error);
  }
  // Either side of the largest value.
  EXPECT_TRUE(ParseValue("999.0000G").value);
  EXPECT_FALSE(ParseValue("1000G").value);
}

// The windows' rules: the unit leaves one to three places before the point
// when the first figure is not zero, and every figure stays.
TEST(CodeValue, PlacesThePointAndChoosesTheUnit) {
  const struct {
    const char* figures;
    int exponent;
    const char* text;
  } cases[] = {
      {"47", 2, "4.7 k ohm"},   {"470", 1, "4.70 k ohm"}, {"47", -3, "0.047 ohm"},
      {"00", -2, "0.00 ohm"},   {"001", 0, "001 ohm"},    {"010", 1, "0.10 k ohm"},
      {"999", 9, "999 G ohm"},  {"47", 9, "47 G ohm"},    {"10", 9, "10 G ohm"},
      {"470", -3, "0.470 ohm"}, {"05", 2, "0.5 k ohm"},   {"12", 4, "120 k ohm"},
  };
  for (const auto& c : cases) {
    Text text;
    EXPECT_EQ(AppendCodeValue(text, c.figures, c.exponent).View(), c.text);
  }
}

TEST(Text, KeepsWhatFitsAndSaysSo) {
  Text text;
  for (std::size_t i = 0; i < Text::Capacity - 1; ++i) text += 'a';
  EXPECT_TRUE(text.Complete());
  text += "\xCE\xA9";  // two bytes, one of room: the character is dropped whole
  EXPECT_EQ(text.Size(), Text::Capacity - 1);
  EXPECT_FALSE(text.Complete());

  Text quoted;
  AppendQuoted(quoted, std::string(39, 'x') + "\xCE\xA9" + "yz");
  EXPECT_EQ(quoted.View(), "\"" + std::string(39, 'x') + "...\"");
  EXPECT_EQ(Text().AppendNumber(-1234).View(), "-1234");
  EXPECT_EQ(Text().AppendNumber(0).View(), "0");
}

}  // namespace
