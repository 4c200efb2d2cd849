// Colour codes both ways: the lines of codes of every length, the faults,
// a written value's code, and the round trip over every code of 3 to 6
// bands with every colour in every role.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "colour_code/code.h"
#include "colour_code/wording.h"

namespace {

using namespace colour_code;
using C = Colour;

std::string Line(std::vector<Colour> colours) {
  const ReadOutcome reading = ReadCode(colours);
  if (!reading) return "fault: " + std::string(ReadFaultMessage(reading.Error()).View());
  return std::string(ReadingLine(*reading).View());
}

// Lines written out by hand from the roles: digits, multiplier (pink 0.001
// to white 10^9), tolerance (none 20% ... grey 0.01%), coefficient in
// ppm/K (black 250, brown 100, red 50, orange 15, yellow 25, green 20, blue
// 10, violet 5, grey 1).
TEST(ReadCode, LinesOfEveryLength) {
  const struct {
    std::vector<Colour> colours;
    const char* line;
  } cases[] = {
      {{C::Black}, "Resistance: 0 ohm"},
      {{C::Yellow, C::Violet, C::Orange}, "Resistance: 47 k ohm, 20%"},
      {{C::Brown, C::Black, C::Pink}, "Resistance: 0.010 ohm, 20%"},
      {{C::Yellow, C::Violet, C::Red, C::Gold}, "Resistance: 4.7 k ohm, 5%"},
      {{C::Yellow, C::Violet, C::Pink, C::Gold}, "Resistance: 0.047 ohm, 5%"},
      {{C::Brown, C::Black, C::Red, C::Brown}, "Resistance: 1.0 k ohm, 1%"},
      {{C::Brown, C::Black, C::Red, C::Green}, "Resistance: 1.0 k ohm, 0.5%"},
      {{C::Brown, C::Black, C::Red, C::Grey}, "Resistance: 1.0 k ohm, 0.01%"},
      {{C::Brown, C::Black, C::Black, C::Brown, C::Red}, "Resistance: 1.00 k ohm, 2%"},
      {{C::Black, C::Black, C::Brown, C::Black, C::Brown}, "Resistance: 001 ohm, 1%"},
      {{C::Yellow, C::Violet, C::Black, C::Pink, C::Violet}, "Resistance: 0.470 ohm, 0.1%"},
      {{C::White, C::White, C::White, C::White, C::Orange}, "Resistance: 999 G ohm, 0.05%"},
      {{C::Orange, C::Orange, C::Black, C::Brown, C::Blue, C::Red},
       "Resistance: 3.30 k ohm, 0.25%, 50 ppm/K"},
      {{C::Brown, C::Black, C::Black, C::Black, C::Yellow, C::Black},
       "Resistance: 100 ohm, 0.02%, 250 ppm/K"},
      {{C::Brown, C::Black, C::Black, C::Black, C::Brown, C::Grey},
       "Resistance: 100 ohm, 1%, 1 ppm/K"},
  };
  for (const auto& c : cases) EXPECT_EQ(Line(c.colours), c.line);
}

TEST(ReadCode, FaultsNameTheBandItsRoleAndTheChoices) {
  const struct {
    std::vector<Colour> colours;
    ReadFault::Kind kind;
    std::size_t band;
    const char* message;
  } cases[] = {
      {{C::Red},
       ReadFault::NotInRole,
       0,
       "band 1 of 1 (zero-ohm band): red is not offered; choose black"},
      {{C::Gold, C::Red, C::Violet, C::Yellow},
       ReadFault::NotInRole,
       0,
       "band 1 of 4 (first digit): gold is not offered; choose black, brown, red, orange, "
       "yellow, green, blue, violet, grey, white"},
      {{C::Brown, C::Black, C::None},
       ReadFault::NotInRole,
       2,
       "band 3 of 3 (multiplier): none is not offered; choose black, brown, red, orange, "
       "yellow, green, blue, violet, grey, white, silver, gold, pink"},
      {{C::Brown, C::Black, C::Red, C::White},
       ReadFault::NotInRole,
       3,
       "band 4 of 4 (tolerance): white is not offered; choose none, brown, red, green, blue, "
       "violet, orange, yellow, grey, silver, gold"},
      {{C::Brown, C::Black, C::Black, C::Red, C::Gold, C::Gold},
       ReadFault::NotInRole,
       5,
       "band 6 of 6 (temperature coefficient): gold is not offered; choose black, brown, red, "
       "orange, yellow, green, blue, violet, grey"},
  };
  for (const auto& c : cases) {
    const ReadOutcome reading = ReadCode(c.colours);
    ASSERT_FALSE(reading);
    EXPECT_EQ(reading.Error().kind, c.kind);
    EXPECT_EQ(reading.Error().band, c.band);
    EXPECT_EQ(ReadFaultMessage(reading.Error()).View(), c.message);
  }
  for (const std::size_t count : {0, 2, 7}) {
    const std::vector<Colour> colours(count, C::Brown);
    const ReadOutcome reading = ReadCode(colours);
    ASSERT_FALSE(reading);
    EXPECT_EQ(reading.Error().kind, ReadFault::BandCount);
    EXPECT_TRUE(ReadFaultMessage(reading.Error()).View().ends_with("got " + std::to_string(count)));
  }
}

std::string Written(const char* value, CodeRequest request) {
  const Resistance resistance = *ParseValue(value).value;
  return std::string(WriteLine(resistance, request, WriteCode(resistance, request)).View());
}

// Codes of values written out by hand: the first digit is not black
// whenever the value allows, pink below 0.1 ohm (two digits) or 1 ohm
// (three), the bands still to choose named.
TEST(WriteCode, CodesOfValues) {
  const std::optional<Colour> open;
  const struct {
    const char* value;
    CodeRequest request;
    const char* line;
  } cases[] = {
      {"4.7k", {3, open, open}, "3 bands: yellow violet red"},
      {"4.7k", {4, C::Gold, open}, "4 bands: yellow violet red gold"},
      {"4.7k", {4, open, open}, "4 bands: yellow violet red, then the tolerance band"},
      {"4.7k", {5, open, open}, "5 bands: yellow violet black brown, then the tolerance band"},
      {"4.7k",
       {6, C::Brown, open},
       "6 bands: yellow violet black brown brown, then the temperature coefficient band"},
      {"4.7k",
       {6, open, C::Red},
       "6 bands: yellow violet black brown, then the tolerance and temperature coefficient bands"},
      {"3.3k", {6, C::Blue, C::Red}, "6 bands: orange orange black brown blue red"},
      {"0.047", {4, C::Gold, open}, "4 bands: yellow violet pink gold"},
      {"0.05", {4, C::Gold, open}, "4 bands: green black pink gold"},
      {"0.005", {4, C::Gold, open}, "4 bands: black green pink gold"},
      {"0.001", {4, C::Gold, open}, "4 bands: black brown pink gold"},
      {"0.001", {5, C::Gold, open}, "5 bands: black black brown pink gold"},
      {"0.47", {5, C::Brown, open}, "5 bands: yellow violet black pink brown"},
      {"0.0001",
       {4, C::Gold, open},
       "4 bands: cannot encode 0.0001 ohm: it has a digit below 0.001 ohm, the finest step of the "
       "code"},
      {"4.75k",
       {4, C::Brown, open},
       "4 bands: cannot encode 4.75 k ohm: it has 3 significant digits, the code shows only 2"},
      {"4.75k", {5, C::Brown, open}, "5 bands: yellow violet green brown brown"},
      {"99G", {4, C::None, open}, "4 bands: white white white none"},
      {"100G",
       {4, C::Gold, open},
       "4 bands: cannot encode 100 G ohm: above 99 G ohm, the largest value of the code"},
      {"999G", {5, C::Gold, open}, "5 bands: white white white white gold"},
      {"0", {1, open, open}, "1 band: black"},
      {"0", {4, C::Gold, open}, "4 bands: 0 ohm is marked by one black band, the zero-ohm link"},
      {"10",
       {1, open, open},
       "1 band: cannot encode 10 ohm: one band marks only 0 ohm, the zero-ohm link"},
      {"4.7k",
       {3, C::Gold, open},
       "3 bands: cannot encode a 5% tolerance: three bands have no tolerance band and mean 20%"},
      {"4.7k", {3, C::None, open}, "3 bands: yellow violet red"},
      {"4.7k",
       {5, C::Gold, C::Red},
       "5 bands: cannot encode a temperature coefficient: only six bands have one"},
      {"4.7k",
       {4, C::White, open},
       "4 bands: white is no tolerance; choose none, brown, red, green, blue, violet, orange, "
       "yellow, grey, silver, gold"},
      {"4.7k",
       {2, open, open},
       "2 bands: a code has 3 to 6 bands, or the one black band of a zero-ohm link"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(Written(c.value, c.request), c.line);
  }
}

// The value of digits d1 d2 [d3] x 10^e, computed as an integer count of
// thousandths of an ohm, the finest step of the code.
long long Thousandths(const Reading& reading) {
  long long value = 0;
  for (const char figure : reading.Figures()) value = value * 10 + (figure - '0');
  for (int i = -3; i < reading.exponent; ++i) value *= 10;
  return value;
}

// Every code of 3 to 6 bands with every colour in every role: its value,
// written with the same tolerance and coefficient, gives a whole code that
// reads back as the same value, tolerance and coefficient; and the first
// written digit is black only when the value is too small for any other.
TEST(WriteCode, EveryCodeReadsBackFromItsValue) {
  const std::span<const Colour> digits = RoleColours(Role::Digit);
  const std::span<const Colour> multipliers = RoleColours(Role::Multiplier);
  const std::span<const Colour> tolerances = RoleColours(Role::Tolerance);
  const std::span<const Colour> coefficients = RoleColours(Role::Coefficient);
  long long codes = 0;
  const auto check = [&](std::span<const Colour> colours) {
    const ReadOutcome reading = ReadCode(colours);
    ASSERT_TRUE(reading);
    const Resistance value = reading->Value();
    if (value.IsZero()) return;  // all-black digits: zero is the one black band
    const std::size_t count = colours.size();
    CodeRequest request{count, std::nullopt, std::nullopt};
    if (count >= 4) request.tolerance = colours[count == 6 ? 4 : count - 1];
    if (count == 6) request.coefficient = colours[5];
    const WriteOutcome written = WriteCode(value, request);
    ASSERT_TRUE(written) << WriteFaultMessage(value, written.Error()).View();
    ASSERT_TRUE(written->Whole());
    const ReadOutcome back = ReadCode(written->code.Bands());
    ASSERT_TRUE(back);
    EXPECT_EQ(Thousandths(*back), Thousandths(*reading));
    EXPECT_EQ(back->tolerance, reading->tolerance);
    EXPECT_EQ(back->ppmPerKelvin, reading->ppmPerKelvin);
    // A black first digit only where even pink needs it: below 0.010 ohm
    // (two digits) or 0.100 ohm (three).
    const long long smallestWithoutBlack = count >= 5 ? 100 : 10;
    EXPECT_EQ(written->code.colours[0] == C::Black, Thousandths(*reading) < smallestWithoutBlack);
    ++codes;
  };
  for (const Colour a : digits) {
    for (const Colour b : digits) {
      for (const Colour m : multipliers) {
        check(std::vector<Colour>{a, b, m});
        for (const Colour t : tolerances) {
          check(std::vector<Colour>{a, b, m, t});
          for (const Colour c : digits) {
            check(std::vector<Colour>{a, b, c, m, t});
            for (const Colour k : coefficients) check(std::vector<Colour>{a, b, c, m, t, k});
          }
        }
      }
    }
  }
  // Every code but those whose digits are all black.
  EXPECT_EQ(codes, 13 * (99 + 99 * 11 + 999 * 11 + 999 * 11 * 9));
}

}  // namespace
