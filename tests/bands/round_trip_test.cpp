// Every selection the windows allow, there and back: the reading's value,
// the colours --value prints for it, and the reading of those colours must
// all be the same value, with the same tolerance.
#include <gtest/gtest.h>

#include "band_codes.h"
#include "colour_names.h"
#include "readings.h"
#include "resistance_value.h"
#include "run_bands.h"

namespace {

// Colour names by position in each group, as the windows list them.
const char* const kDigitNames[] = {"black", "brown", "red",    "orange", "yellow",
                                   "green", "blue",  "violet", "grey",   "white"};
const char* const kMultiplierNames[] = {"black", "brown",  "red",  "orange", "yellow", "green",
                                        "blue",  "violet", "grey", "white",  "silver", "gold"};
// Powers of ten of the multiplier positions, in hundredths of an ohm:
// Black multiplies by 1 ohm = 10^2 hundredths, Silver by 0.01 ohm = 10^0.
const int kMultiplierHundredthsExponent[] = {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 0, 1};

struct Tolerance {
  const char* name;
  const char* percent;
};
const Tolerance kFourBandTolerances[] = {
    {"none", "20%"}, {"red", "2%"}, {"silver", "10%"}, {"gold", "5%"}};
const Tolerance kFiveBandTolerances[] = {
    {"none", "20%"}, {"brown", "1%"}, {"red", "2%"}, {"silver", "10%"}, {"gold", "5%"}};

std::int64_t PowerOfTen(int exponent) {
  std::int64_t power = 1;
  for (int i = 0; i < exponent; ++i) power *= 10;
  return power;
}

// Whether two digits and a multiplier show exactly `hundredths`, tried in
// every way the four-band code allows.
bool FourBandCanShow(std::int64_t hundredths) {
  for (const int exponent : kMultiplierHundredthsExponent) {
    for (std::int64_t digits = 0; digits <= 99; ++digits) {
      if (digits * PowerOfTen(exponent) == hundredths) return true;
    }
  }
  return false;
}

std::int64_t ValueInHundredths(const std::string& text) {
  const ResistanceParse parse = ParseResistance(text);
  EXPECT_TRUE(parse.value.has_value()) << text << ": " << parse.error;
  if (!parse.value) return -1;
  return HundredthsOfOhm(*parse.value).value_or(-1);
}

std::vector<std::string> Words(const std::string& text) {
  std::vector<std::string> words;
  std::istringstream stream(text);
  for (std::string word; stream >> word;) words.push_back(word);
  return words;
}

// Runs --value on a reading and checks that each code it prints reads back
// as the same value and tolerance. Returns the two lines' colours ("" for a
// code that cannot show the value).
struct Codes {
  std::string fourBand;
  std::string fiveBand;
};

Codes CheckRoundTrip(const std::vector<std::string_view>& colours, std::int64_t expectedHundredths,
                     const char* expectedPercent) {
  const ColourCodeReading reading = ReadColourCode(colours);
  EXPECT_EQ(reading.error, "");
  const ReadingParts parts = SplitReading(reading.line);
  EXPECT_EQ(ValueInHundredths(parts.value), expectedHundredths) << reading.line;
  EXPECT_EQ(parts.tolerance, expectedPercent) << reading.line;

  const BandsRun run = RunBandsWith({"--value", parts.value, "--tolerance", parts.tolerance});
  EXPECT_EQ(run.status, 0) << reading.line;
  EXPECT_EQ(run.err, "");
  std::istringstream lines(run.out);
  std::string fourLine, fiveLine;
  std::getline(lines, fourLine);
  std::getline(lines, fiveLine);
  EXPECT_TRUE(fourLine.starts_with("4 bands: ")) << run.out;
  EXPECT_TRUE(fiveLine.starts_with("5 bands: ")) << run.out;

  Codes codes;
  for (const auto& [line, bandCount, code] :
       {std::tuple{fourLine, std::size_t{4}, &codes.fourBand},
        std::tuple{fiveLine, std::size_t{5}, &codes.fiveBand}}) {
    const std::string printed = line.substr(std::min<std::size_t>(9, line.size()));
    if (printed.starts_with("cannot encode ")) continue;
    const std::vector<std::string> names = Words(printed);
    EXPECT_EQ(names.size(), bandCount) << line;
    const ColourCodeReading back =
        ReadColourCode(std::vector<std::string_view>(names.begin(), names.end()));
    EXPECT_EQ(back.error, "") << line;
    const ReadingParts backParts = SplitReading(back.line);
    EXPECT_EQ(ValueInHundredths(backParts.value), expectedHundredths)
        << reading.line << " -> " << line;
    EXPECT_EQ(backParts.tolerance, expectedPercent) << reading.line << " -> " << line;
    *code = printed;
  }
  return codes;
}

// The first digit band is black only when the value is too small for a
// non-zero first digit: below 0.10 ohm with two digits, 1.00 ohm with three.
void CheckFirstDigit(const std::string& code, std::int64_t hundredths, std::int64_t smallestFull) {
  if (code.empty()) return;
  EXPECT_EQ(code.starts_with("black "), hundredths < smallestFull) << code << " for " << hundredths;
}

TEST(RoundTrip, EveryFourBandSelection) {
  for (int first = 0; first < 10; ++first) {
    for (int second = 0; second < 10; ++second) {
      for (int multiplier = 0; multiplier < 12; ++multiplier) {
        for (const Tolerance& tolerance : kFourBandTolerances) {
          const std::int64_t hundredths =
              (first * 10 + second) * PowerOfTen(kMultiplierHundredthsExponent[multiplier]);
          const Codes codes = CheckRoundTrip({kDigitNames[first], kDigitNames[second],
                                              kMultiplierNames[multiplier], tolerance.name},
                                             hundredths, tolerance.percent);
          // Every tolerance of the four-band code is one of the five-band code's
          // too, and three digits hold whatever two do.
          EXPECT_FALSE(codes.fourBand.empty());
          EXPECT_FALSE(codes.fiveBand.empty());
          CheckFirstDigit(codes.fourBand, hundredths, 10);
          CheckFirstDigit(codes.fiveBand, hundredths, 100);
          if (HasFailure()) return;
        }
      }
    }
  }
}

TEST(RoundTrip, EveryFiveBandSelection) {
  for (int first = 0; first < 10; ++first) {
    for (int second = 0; second < 10; ++second) {
      for (int third = 0; third < 10; ++third) {
        for (int multiplier = 0; multiplier < 12; ++multiplier) {
          for (const Tolerance& tolerance : kFiveBandTolerances) {
            const std::int64_t hundredths = (first * 100 + second * 10 + third) *
                                            PowerOfTen(kMultiplierHundredthsExponent[multiplier]);
            const Codes codes =
                CheckRoundTrip({kDigitNames[first], kDigitNames[second], kDigitNames[third],
                                kMultiplierNames[multiplier], tolerance.name},
                               hundredths, tolerance.percent);
            EXPECT_FALSE(codes.fiveBand.empty());
            // The four-band code has no brown (1%) tolerance.
            const bool fourBandCanShow =
                FourBandCanShow(hundredths) && std::string_view(tolerance.name) != "brown";
            EXPECT_EQ(!codes.fourBand.empty(), fourBandCanShow)
                << hundredths << " " << tolerance.name;
            CheckFirstDigit(codes.fourBand, hundredths, 10);
            CheckFirstDigit(codes.fiveBand, hundredths, 100);
            if (HasFailure()) return;
          }
        }
      }
    }
  }
}

}  // namespace
