// Every code of 3 to 6 bands with every colour in every role, there and
// back at the command line: its line shows the value the colours stand
// for, and every line of colours that --value prints for that value, with
// the line's tolerance and coefficient, reads back as the same.
#include <gtest/gtest.h>

#include <optional>

#include "colour_code/resistance.h"
#include "run_bands.h"

namespace {

using colour_code::Resistance;

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

// "Resistance: 4.70 k ohm, 1%, 50 ppm/K" -> "4.70 k ohm", "1%", "50 ppm/K".
struct LineParts {
  std::string value;
  std::string tolerance;
  std::string coefficient;
};

LineParts SplitReading(const std::string& out) {
  const std::string prefix = "Resistance: ";
  EXPECT_TRUE(out.starts_with(prefix)) << out;
  EXPECT_TRUE(out.ends_with("\n")) << out;
  if (!out.starts_with(prefix) || !out.ends_with("\n")) return {};
  std::string rest = out.substr(prefix.size(), out.size() - prefix.size() - 1);
  LineParts parts;
  std::string* const fields[] = {&parts.value, &parts.tolerance, &parts.coefficient};
  for (std::string* field : fields) {
    const std::size_t comma = rest.find(", ");
    *field = rest.substr(0, comma);
    if (comma == std::string::npos) break;
    rest = rest.substr(comma + 2);
  }
  return parts;
}

std::optional<Resistance> ValueOf(const std::string& text) {
  return colour_code::ParseValue(text).value;
}

// figures x 10^exponent, with the first digit made of `figures`' digits.
Resistance Expected(int figures, int exponent) {
  return *Resistance::Of(std::to_string(figures), exponent);
}

void CheckRoundTrip(const std::vector<std::string_view>& colours, int figures, int exponent) {
  SCOPED_TRACE(CommandLineOf(colours));
  const BandsRun reading = RunBandsWith(colours);
  ASSERT_EQ(reading.status, 0) << reading.err;
  const LineParts parts = SplitReading(reading.out);
  const Resistance expected = Expected(figures, exponent);
  ASSERT_EQ(ValueOf(parts.value), expected) << reading.out;

  std::vector<std::string_view> request = {"--value", parts.value, "--tolerance", parts.tolerance};
  if (!parts.coefficient.empty()) {
    request.push_back("--coefficient");
    request.push_back(parts.coefficient);
  }
  const BandsRun codes = RunBandsWith(request);
  ASSERT_EQ(codes.status, 0) << codes.out;
  std::istringstream lines(codes.out);
  std::string line;
  int whole = 0;
  while (std::getline(lines, line)) {
    if (line.starts_with("SMD: ")) continue;
    const std::vector<std::string> names = CodeWords(line);
    if (expected.IsZero()) {
      EXPECT_EQ(line, "1 band: black");
      continue;
    }
    if (names.empty()) {
      // Only the four-band code may fail: three digits show whatever two do.
      EXPECT_TRUE(line.starts_with("4 bands: cannot encode")) << line;
      continue;
    }
    ++whole;
    const BandsRun back = RunBandsWithStrings(names);
    ASSERT_EQ(back.status, 0) << line << ": " << back.err;
    const LineParts backParts = SplitReading(back.out);
    EXPECT_EQ(ValueOf(backParts.value), expected) << line << " reads " << back.out;
    EXPECT_EQ(backParts.tolerance, parts.tolerance) << line << " reads " << back.out;
    // Only the six-band code has the coefficient.
    EXPECT_EQ(backParts.coefficient, line.starts_with("6 bands: ") ? parts.coefficient : "")
        << line << " reads " << back.out;
    // The first digit is black only when the value is too small for a
    // non-zero one: below 0.010 ohm with two digits, 0.100 ohm with three.
    const Resistance smallestFull =
        line.starts_with("4 bands: ") ? Expected(1, -2) : Expected(1, -1);
    EXPECT_EQ(names.front() == "black", expected < smallestFull) << line;
  }
  if (!expected.IsZero()) {
    EXPECT_GE(whole, 1) << codes.out;
  }
}

TEST(RoundTrip, EveryThreeAndFourBandCode) {
  for (const Named& first : kDigits) {
    for (const Named& second : kDigits) {
      for (const Named& multiplier : kMultipliers) {
        const int figures = first.number * 10 + second.number;
        CheckRoundTrip({first.name, second.name, multiplier.name}, figures, multiplier.number);
        for (const char* tolerance : kTolerances) {
          CheckRoundTrip({first.name, second.name, multiplier.name, tolerance}, figures,
                         multiplier.number);
        }
        if (HasFailure()) return;
      }
    }
  }
}

// Five and six bands: every figure and multiplier, the tolerances and
// coefficients taking turns so that each appears with many values.
TEST(RoundTrip, EveryFiveAndSixBandValue) {
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
          if (HasFailure()) return;
        }
      }
    }
  }
}

}  // namespace
