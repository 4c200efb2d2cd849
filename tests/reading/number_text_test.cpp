#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

#include "number_steps.h"
#include "number_text.h"
#include "text_storage_probe.h"

namespace {

long double FromBits(bool negative, unsigned exponentField, std::uint64_t significand) {
  const std::uint16_t signAndExponent =
      static_cast<std::uint16_t>((negative ? 0x8000 : 0) | exponentField);
  unsigned char bytes[sizeof(long double)] = {};
  std::memcpy(bytes, &significand, 8);
  std::memcpy(bytes + 8, &signAndExponent, 2);
  long double value;
  std::memcpy(&value, bytes, sizeof value);
  return value;
}

std::string Text(long double value, int digits) {
  return std::string(NumberText(value, digits).view());
}

struct Conversion {
  long double value;
  const char* at15;
  const char* at7;
};

// Worked conversions; decimal fractions are the nearest extended values.
const Conversion kWorkedConversions[] = {
    {0, "0", "0"},
    {1, "1", "1"},
    {9, "9", "9"},
    {10, "10", "10"},
    {104, "104", "104"},
    {4.7L, "4.7", "4.7"},
    {0.47L, ".47", ".47"},
    {0.5L, ".5", ".5"},
    {-0.5L, "-.5", "-.5"},
    {-2, "-2", "-2"},
    {123.456L, "123.456", "123.456"},
    {47000, "47000", "47000"},
    {1000000, "1000000", "1000000"},
    {10000000, "10000000", "1E+7"},
    {12345678, "12345678", "1.234568E+7"},
    {999999999999999.0L, "999999999999999", "1E+15"},
    {1e15L, "1E+15", "1E+15"},
    {1e17L, "1E+17", "1E+17"},
    {123456789012345678.0L, "1.23456789012346E+17", "1.234568E+17"},
    {1.0L / 3, ".333333333333333", ".3333333"},
    {2.0L / 3, ".666666666666667", ".6666667"},
    {0.001L, ".001", ".001"},
    {1e-15L, ".000000000000001", "1E-15"},
    {1e-16L, "1E-16", "1E-16"},
    {0.0123456789012345L, "1.23456789012345E-2", "1.234568E-2"},
    {1234566.5L, "1234566.5", "1234566"},
    {1234567.5L, "1234567.5", "1234568"},
    {9999999.5L, "9999999.5", "1E+7"},
    {1.00000050001L, "1.00000050001", "1"},
    {-1.5e-300L, "-1.5E-300", "-1.5E-300"},
};

TEST(NumberText, WorkedConversions) {
  for (const Conversion& c : kWorkedConversions) {
    EXPECT_EQ(Text(c.value, 15), c.at15) << "at 15 digits";
    EXPECT_EQ(Text(c.value, 7), c.at7) << "at 7 digits";
  }
}

TEST(NumberText, EachDigitIsOneCharacter) {
  for (int digit = 0; digit <= 9; ++digit) {
    EXPECT_EQ(Text(digit, 15), std::string(1, static_cast<char>('0' + digit)));
  }
}

TEST(NumberText, CountsOutsideOneToSeventeenMeanEighteen) {
  for (int digits : {0, 18, 19, 100, -1}) {
    EXPECT_EQ(Text(1.0L / 3, digits), ".333333333333333333") << digits;
  }
  EXPECT_EQ(Text(1, 1), "1");
  EXPECT_EQ(Text(0.25L, 1), ".2") << "a tie keeps an even digit";
  EXPECT_EQ(Text(0.35L, 1), ".4");
}

TEST(NumberText, SwitchToExponentFormAtTheDigitCount) {
  EXPECT_EQ(Text(9999999, 7), "9999999");
  EXPECT_EQ(Text(99999999, 7), "1E+8");
  EXPECT_EQ(Text(1e-7L, 7), ".0000001");
  EXPECT_EQ(Text(1.5e-6L, 7), ".0000015");
  EXPECT_EQ(Text(1.5e-7L, 7), "1.5E-7");
  EXPECT_EQ(Text(1.25e-7L, 7), "1.25E-7");
  EXPECT_EQ(Text(1e300L, 15), "1E+300");
  EXPECT_EQ(Text(-1e4000L, 15), "-1E+4000");
}

TEST(NumberText, ZeroInfinityAndPatternsThatAreNoNumbers) {
  EXPECT_EQ(Text(-0.0L, 15), "0");
  EXPECT_EQ(Text(FromBits(false, 0, 1), 15), "0") << "below the normal range";
  EXPECT_EQ(Text(FromBits(true, 0x7FFF, 0x8000000000000000), 15), "-9.99999999999999E+998");
  EXPECT_EQ(Text(FromBits(false, 0x7FFF, 0x8000000000000000), 7), "9.999999E+998");
  const struct {
    unsigned exponentField;
    std::uint64_t significand;
  } kNoNumbers[] = {
      {0x7FFF, 0xC000000000000000},  // quiet not-a-number
      {0x7FFF, 0x8000000000000001},  // signalling, top 16 bits as in infinity
      {0x7FFF, 0x800000000000FFFF}, {0x7FFF, 0x0000000000000000},  // pseudo-infinity
      {0x3FFF, 0x4000000000000000},                                // unnormal: leading bit clear
      {0x4005, 0x0000000000000001},
  };
  for (const auto& pattern : kNoNumbers) {
    for (bool negative : {false, true}) {
      EXPECT_EQ(Text(FromBits(negative, pattern.exponentField, pattern.significand), 15), "0")
          << std::hex << pattern.exponentField << " " << pattern.significand;
    }
  }
}

// The decimal-exponent estimate is one too high just above some powers of
// two below 1 and must still give 18 digits and the true exponent.
TEST(NumberText, ValuesWhereTheExponentEstimateIsOneTooHigh) {
  EXPECT_EQ(Text(9.99e-206L, 15), "9.99E-206");
  EXPECT_EQ(Text(FromBits(false, 0x3C92, 0x8000000000000000), 15), "9.9241610332961E-265")
      << "2^-877";
  const DecimalDigits digits = ToDecimalDigits(9.99e-206L, 18);
  EXPECT_EQ(std::string(digits.digits, 18), "999000000000000000");
  EXPECT_EQ(digits.point, -205);
}

TEST(NumberText, MakesOneAllocationOfTheFinalLength) {
  TextStorageProbe probe;
  const ByteString text = NumberText(-1.5e-300L, 15);
  EXPECT_EQ(probe.allocations(), 1);
  EXPECT_EQ(text.size(), 9u);
}

TEST(PowerOfTenTable, EntriesAreTheNearestExtendedValues) {
  const struct {
    unsigned exponentField;
    std::uint64_t significand;
  } kExpected[10] = {
      {0x4019, 0xbebc200000000000}, {0x4034, 0x8e1bc9bf04000000}, {0x4069, 0x9dc5ada82b70b59e},
      {0x40d3, 0xc2781f49ffcfa6d5}, {0x41a8, 0x93ba47c980e98ce0}, {0x4351, 0xaa7eebfb9df9de8e},
      {0x46a3, 0xe319a0aea60e91c7}, {0x4d48, 0xc976758681750c17}, {0x5a92, 0x9e8b3b5dc53d5de5},
      {0x7525, 0xc46052028a20979b},
  };
  for (int i = 0; i < 10; ++i) {
    const ExtendedFields fields = DecodeExtended(LargePowersOfTen[i]);
    EXPECT_EQ(fields.exponentField, static_cast<int>(kExpected[i].exponentField)) << i;
    EXPECT_EQ(fields.significand, kExpected[i].significand) << i;
  }
}

TEST(DecimalDigits, RoundsByTheNextDigitAloneAndCarriesOutOfTheFirst) {
  const struct {
    long double value;
    int count;
    const char* digits;
    int point;
  } kCases[] = {
      {1234566.5L, 7, "1234566", 7},  // tie, even digit kept
      {1234567.5L, 7, "1234568", 7},  // tie, odd digit rounded up
      {1234567.6L, 7, "1234568", 7},
      {1234567.4L, 7, "1234567", 7},
      {1.00000050001L, 7, "1000000", 1},  // only the digit 5 is looked at
      {9999999.5L, 7, "1000000", 8},      // carry out of the first digit
      {0.99999999L, 3, "100", 1},
      {4.7L, 3, "470", 1},
      {1e17L, 18, "100000000000000000", 18},
  };
  for (const auto& c : kCases) {
    const DecimalDigits digits = ToDecimalDigits(c.value, c.count);
    EXPECT_EQ(std::string(digits.digits, c.count), c.digits) << c.digits;
    EXPECT_EQ(digits.point, c.point) << c.digits;
  }
}

TEST(LayOutNumber, EveryForm) {
  const struct {
    const char* digits;
    int point;
    bool negative;
    const char* text;
  } kCases[] = {
      {"4700000", 2, false, "47"},      // point right after the last digit
      {"4700000", 5, false, "47000"},   // zeros up to the point
      {"4700000", 8, false, "4.7E+7"},  // point beyond the digit count
      {"1000000", 8, false, "1E+7"},
      {"4700000", 1, false, "4.7"},
      {"4700000", 0, false, ".47"},
      {"4700000", -2, true, "-.0047"},
      {"1000000", -6, false, ".0000001"},  // 6 zeros + 1 digit: 7 after the point
      {"1000000", -7, false, "1E-8"},
      {"1234567", -1, false, "1.234567E-2"},
      {"1500000", -4950, false, "1.5E-4951"},
      {"1000000", 4933, true, "-1E+4932"},
      {"0000000", 1, true, "0"},
  };
  for (const auto& c : kCases) {
    DecimalDigits number{};
    std::memcpy(number.digits, c.digits, 7);
    number.count = 7;
    number.point = c.point;
    number.negative = c.negative;
    // The text fills its room at most, and nothing after it is written.
    char text[MaxNumberTextLength + 8];
    std::memset(text, '#', sizeof text);
    const std::size_t length = LayOutNumber(number, text);
    EXPECT_EQ(std::string(text, length), c.text);
    EXPECT_EQ(std::string(text + length, sizeof text - length),
              std::string(sizeof text - length, '#'))
        << c.text;
  }
}

// Every finite value prints its true leading digits: the first digit is not
// 0, and the text at 18 digits, read back by the C library, is the value to
// within 18 digits.
TEST(NumberText, EighteenDigitsReadBackAsTheValue) {
  std::mt19937_64 random(20261210);
  for (int i = 0; i < 20000; ++i) {
    const unsigned exponentField = 1 + random() % 0x7FFE;
    const long double value = FromBits(random() & 1, exponentField, random() | 0x8000000000000000);
    ASSERT_NE(ToDecimalDigits(value, 18).digits[0], '0') << exponentField;
    const std::string text = Text(value, 18);
    const long double readBack = std::strtold(text.c_str(), nullptr);
    const long double relativeError = (readBack - value) / value;
    ASSERT_LT(relativeError < 0 ? -relativeError : relativeError, 2e-17L) << text;
  }
}

#ifndef NDEBUG
// Where the preconditions are checked (the native build under the
// sanitizers), the steps stop the program on a digit count or an exponent
// outside what they are made for. NumberText itself maps every count to 1-18.
TEST(NumberStepsDeathTest, DigitCountOutsideOneToEighteen) {
  EXPECT_DEATH(ToDecimalDigits(1.0L, 0), "count >= 1");
  EXPECT_DEATH(ToDecimalDigits(1.0L, 19), "count <= MaxSignificantDigits");
}

TEST(NumberStepsDeathTest, ExponentOfMoreThanFourDigits) {
  DecimalDigits number{};
  std::memcpy(number.digits, "1000000", 7);
  number.count = 7;
  number.point = 10001;  // 1E+10000
  char text[MaxNumberTextLength + 8];
  EXPECT_DEATH(LayOutNumber(number, text), "exponent < 10000");
}
#endif

}  // namespace
