// Every code of 3 to 6 bands with every colour in every role: its line shows
// the value the colours stand for, and --value on that value gives back
// codes of the same value.
#include <gtest/gtest.h>

#include <iterator>
#include <sstream>

#include "resistance_value.h"
#include "run_bands.h"

namespace {

struct Named {
  const char* name;
  int number;  // digit, or the multiplier's power of ten
};

constexpr Named kDigits[] = {{"black", 0},  {"brown", 1}, {"red", 2},  {"orange", 3},
                             {"yellow", 4}, {"green", 5}, {"blue", 6}, {"violet", 7},
                             {"grey", 8},   {"white", 9}};
constexpr Named kMultipliers[] = {{"pink", -3}, {"silver", -2}, {"gold", -1},  {"black", 0},
                                  {"brown", 1}, {"red", 2},     {"orange", 3}, {"yellow", 4},
                                  {"green", 5}, {"blue", 6},    {"violet", 7}, {"grey", 8},
                                  {"white", 9}};
constexpr const char* kTolerances[] = {"none", "silver", "gold",   "red",    "brown", "green",
                                       "blue", "violet", "orange", "yellow", "grey"};
constexpr const char* kCoefficients[] = {"black", "brown", "red",    "orange", "yellow",
                                         "green", "blue",  "violet", "grey"};

// figures x 10^exponent exactly, built without the parser.
Resistance ExactValue(int figures, int exponent) {
  if (figures == 0) return {};
  while (figures % 10 == 0) {
    figures /= 10;
    ++exponent;
  }
  return {std::to_string(figures), exponent};
}

void CheckRoundTrip(const std::vector<std::string_view>& colours, int figures, int exponent) {
  std::string code;
  for (const std::string_view colour : colours) code += std::string(colour) + " ";
  SCOPED_TRACE(code);
  const BandsRun reading = RunBandsWith(colours);
  ASSERT_EQ(reading.status, 0) << reading.err;
  const std::string value = SplitReading(reading.out).value;
  const ResistanceParse parsed = ParseResistance(value);
  ASSERT_TRUE(parsed.value) << value;
  const Resistance expected = ExactValue(figures, exponent);
  ASSERT_EQ(*parsed.value, expected) << value;

  // With a tolerance band the lines are whole codes of four and five bands.
  const BandsRun codes = RunBandsWith({"--value", value, "--tolerance", "5%"});
  std::istringstream lines(codes.out);
  std::string line;
  int shown = 0;
  while (std::getline(lines, line)) {
    ASSERT_TRUE(line.starts_with("4 bands: ") || line.starts_with("5 bands: ")) << line;
    if (line.find("cannot encode") != std::string::npos) continue;
    std::istringstream words(line.substr(9));
    std::vector<std::string> names{std::istream_iterator<std::string>(words), {}};
    const BandsRun back = RunBandsWith({names.begin(), names.end()});
    ASSERT_EQ(back.status, 0) << line;
    const ResistanceParse again = ParseResistance(SplitReading(back.out).value);
    ASSERT_TRUE(again.value);
    EXPECT_EQ(*again.value, expected) << line << " reads " << back.out;
    ++shown;
  }
  // The codes --value prints step by 0.01 ohm at the finest; a Pink code
  // with a figure in the last place has no such code.
  const bool finerThanSilver = figures % 10 != 0 && exponent == -3;
  if (finerThanSilver) {
    EXPECT_EQ(codes.status, 1);
    EXPECT_EQ(shown, 0);
    EXPECT_NE(codes.out.find("digit below 0.01 ohm"), std::string::npos) << codes.out;
  } else {
    EXPECT_EQ(codes.status, 0) << codes.out;
    EXPECT_GE(shown, 1) << codes.out;
  }
}

TEST(CodeRoundTrip, EveryThreeAndFourBandCode) {
  for (const Named& first : kDigits) {
    for (const Named& second : kDigits) {
      for (const Named& multiplier : kMultipliers) {
        const int figures = first.number * 10 + second.number;
        CheckRoundTrip({first.name, second.name, multiplier.name}, figures, multiplier.number);
        for (const char* tolerance : kTolerances) {
          CheckRoundTrip({first.name, second.name, multiplier.name, tolerance}, figures,
                         multiplier.number);
        }
      }
    }
  }
}

// Five and six bands: every figure and multiplier, the tolerances and
// coefficients taking turns so that each appears with many values.
TEST(CodeRoundTrip, EveryFiveAndSixBandValue) {
  int turn = 0;
  for (const Named& first : kDigits) {
    for (const Named& second : kDigits) {
      for (const Named& third : kDigits) {
        for (const Named& multiplier : kMultipliers) {
          const int figures = first.number * 100 + second.number * 10 + third.number;
          const char* tolerance = kTolerances[turn % 11];
          const char* coefficient = kCoefficients[turn % 9];
          ++turn;
          CheckRoundTrip({first.name, second.name, third.name, multiplier.name, tolerance}, figures,
                         multiplier.number);
          CheckRoundTrip(
              {first.name, second.name, third.name, multiplier.name, tolerance, coefficient},
              figures, multiplier.number);
        }
      }
    }
  }
}

}  // namespace
