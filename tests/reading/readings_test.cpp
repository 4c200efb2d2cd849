#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "readings.h"

namespace {

using enum BandColour;

int N(BandColour colour) { return static_cast<int>(colour); }

std::string Five(const FiveBandSelection& selection) {
  return std::string(FiveBandResultText(selection).view());
}
std::string Four(const FourBandSelection& selection) {
  return std::string(FourBandResultText(selection).view());
}

int FourBandTolerancePosition(BandColour colour) {
  switch (colour) {
    case None: return 0;
    case Red: return 1;
    case Silver: return 2;
    case Gold: return 3;
    default: return 4;
  }
}

TEST(FiveBandReading, WorkedResults) {
  const struct {
    BandColour first, second, third, multiplier, tolerance;
    const char* text;
  } kResults[] = {
      {Brown, Black, Black, Brown, Red, "Resistance: 1.00 k ohm, 2%"},
      {Brown, Black, Black, Red, Gold, "Resistance: 10.0 k ohm, 5%"},
      {Yellow, Violet, Black, Black, Brown, "Resistance: 470 ohm, 1%"},
      {Green, Blue, Black, Black, Brown, "Resistance: 560 ohm, 1%"},
      {Red, Red, Black, Gold, Silver, "Resistance: 22.0 ohm, 10%"},
      {Brown, Black, Black, Silver, None, "Resistance: 1.00 ohm, 20%"},
      {Orange, Orange, White, Orange, Red, "Resistance: 339 k ohm, 2%"},
      {White, White, White, White, Gold, "Resistance: 999 G ohm, 5%"},
      {Black, Black, Brown, Black, Brown, "Resistance: 001 ohm, 1%"},
      {Black, Brown, Black, Brown, Red, "Resistance: 0.10 k ohm, 2%"},
  };
  for (const auto& r : kResults) {
    EXPECT_EQ(Five({N(r.first), N(r.second), N(r.third), N(r.multiplier), r.tolerance}),
              std::string(r.text) + "\r\n");
  }
}

TEST(FiveBandReading, GroupsWithNothingChecked) {
  EXPECT_EQ(Five({10, 0, 0, N(Brown), Red}), "Resistance: 10.00 k ohm, 2%\r\n");
  EXPECT_EQ(Five({1, 0, 0, 12, Red}), "Resistance:  2%\r\n");
  EXPECT_EQ(Five({4, 7, 0, N(Red), std::nullopt}), "Resistance: 47.0 k ohm,\r\n");
  EXPECT_EQ(Five({10, 10, 10, 12, std::nullopt}), "Resistance: \r\n");
  EXPECT_EQ(Five({4, 7, 0, -1, Gold}), "Resistance:  5%\r\n");
}

TEST(FourBandReading, WorkedResults) {
  const struct {
    BandColour first, second, multiplier, tolerance;
    const char* text;
  } kResults[] = {
      {Brown, Black, Red, Silver, "Resistance: 1.0 k ohm, 10%"},
      {Yellow, Violet, Red, Gold, "Resistance: 4.7 k ohm, 5%"},
      {Brown, Black, Black, None, "Resistance: 10 ohm, 20%"},
      {Red, Red, Silver, Silver, "Resistance: 0.22 ohm, 10%"},
      {Orange, White, Gold, Red, "Resistance: 3.9 ohm, 2%"},
      {Green, Blue, Violet, Gold, "Resistance: 560 M ohm, 5%"},
      {Black, Black, Brown, Red, "Resistance: 000 ohm, 2%"},
      {White, White, White, Gold, "Resistance: 99 G ohm, 5%"},
      {Black, Violet, Black, Gold, "Resistance: 07 ohm, 5%"},
      {Black, Green, Red, Gold, "Resistance: 0.5 k ohm, 5%"},
      {Black, Black, Silver, Gold, "Resistance: 0.00 ohm, 5%"},
      {Black, Black, Black, None, "Resistance: 00 ohm, 20%"},
      {White, White, Gold, Gold, "Resistance: 9.9 ohm, 5%"},
      {Yellow, Violet, Yellow, Red, "Resistance: 470 k ohm, 2%"},
  };
  for (const auto& r : kResults) {
    EXPECT_EQ(
        Four({N(r.first), N(r.second), N(r.multiplier), FourBandTolerancePosition(r.tolerance)}),
        std::string(r.text) + "\r\n");
  }
}

TEST(FourBandReading, GroupsWithNothingChecked) {
  EXPECT_EQ(Four({10, 0, N(Red), 2}), "Resistance: 10.0 k ohm, 10%\r\n");
  EXPECT_EQ(Four({1, 0, 12, 2}), "Resistance:  10%\r\n");
  EXPECT_EQ(Four({4, 7, N(Red), 4}), "Resistance: 4.7 k ohm,\r\n");
  EXPECT_EQ(Four({10, 10, 12, 4}), "Resistance: \r\n");
}

// A window stand-in: the identifiers that are checked, and the order in
// which the reading asks.
struct FakeWindow {
  std::set<int> checked;
  std::vector<int> asked;

  auto Reader() {
    return [this](int identifier) {
      asked.push_back(identifier);
      return checked.count(identifier) ? 1 : 0;
    };
  }
};

std::vector<int> Range(int first, int last) {
  std::vector<int> identifiers;
  for (int i = first; i <= last; ++i) identifiers.push_back(i);
  return identifiers;
}

TEST(ReadFiveBandSelection, PositionsOfTheCheckedOptions) {
  FakeWindow opening{{121, 130, 140, 151, 172}, {}};
  const FiveBandSelection selection = ReadFiveBandSelection(opening.Reader());
  EXPECT_EQ(selection.firstDigit, 1);
  EXPECT_EQ(selection.secondDigit, 0);
  EXPECT_EQ(selection.thirdDigit, 0);
  EXPECT_EQ(selection.multiplier, 1);
  EXPECT_EQ(selection.tolerance, Red);
  // Groups in order, identifiers increasing, each scan ending at the first checked.
  EXPECT_EQ(opening.asked, (std::vector<int>{120, 121, 130, 140, 150, 151, 170, 171, 172}));

  const struct {
    int identifier;
    std::optional<BandColour> colour;
  } kTolerances[] = {{170, None},  {171, std::nullopt}, {172, Red},
                     {173, Brown}, {174, Silver},       {175, Gold}};
  for (const auto& t : kTolerances) {
    FakeWindow window{{129, 139, 149, 161, t.identifier}, {}};
    const FiveBandSelection s = ReadFiveBandSelection(window.Reader());
    EXPECT_EQ(s.tolerance, t.colour) << t.identifier;
    EXPECT_EQ(s.multiplier, 11);
    EXPECT_EQ(s.thirdDigit, 9);
  }
}

TEST(ReadFiveBandSelection, NothingCheckedScansPastEveryRange) {
  FakeWindow empty;
  const FiveBandSelection selection = ReadFiveBandSelection(empty.Reader());
  EXPECT_EQ(selection.firstDigit, 10);
  EXPECT_EQ(selection.secondDigit, 10);
  EXPECT_EQ(selection.thirdDigit, 10);
  EXPECT_EQ(selection.multiplier, 12);
  EXPECT_EQ(selection.tolerance, std::nullopt);
  std::vector<int> all = Range(120, 161);
  for (int id : Range(170, 175)) all.push_back(id);
  EXPECT_EQ(empty.asked, all);
  EXPECT_EQ(Five(selection), "Resistance: \r\n");
}

TEST(ReadFourBandSelection, PositionsOfTheCheckedOptions) {
  FakeWindow opening{{121, 130, 142, 162}, {}};
  const FourBandSelection selection = ReadFourBandSelection(opening.Reader());
  EXPECT_EQ(Four(selection), "Resistance: 1.0 k ohm, 10%\r\n");
  EXPECT_EQ(opening.asked, (std::vector<int>{120, 121, 130, 140, 141, 142, 160, 161, 162}));

  FakeWindow twoChecked{{125, 127, 139, 151, 160, 163}, {}};
  const FourBandSelection first = ReadFourBandSelection(twoChecked.Reader());
  EXPECT_EQ(first.firstDigit, 5) << "the lowest checked identifier wins";
  EXPECT_EQ(first.tolerance, 0);

  FakeWindow empty;
  const FourBandSelection none = ReadFourBandSelection(empty.Reader());
  EXPECT_EQ(none.firstDigit, 10);
  EXPECT_EQ(none.multiplier, 12);
  EXPECT_EQ(none.tolerance, 4);
  EXPECT_EQ(empty.asked.size(), 10u + 10u + 12u + 4u);
}

// The value part read back as a number: "4.70 k ohm, 5%" gives 470000
// hundredths of an ohm and 5 percent; the number's digits without the point
// are returned too.
struct ParsedResult {
  std::uint64_t hundredths;
  std::string digits;
  int percent;
};

bool ParseResult(const std::string& text, ParsedResult& parsed) {
  const std::string head = "Resistance: ";
  if (text.rfind(head, 0) != 0 || text.size() < head.size() + 2 ||
      text.substr(text.size() - 2) != "\r\n") {
    return false;
  }
  std::size_t at = head.size();
  std::uint64_t mantissa = 0;
  int decimals = -1;
  parsed.digits.clear();
  for (;
       at < text.size() && (std::isdigit(static_cast<unsigned char>(text[at])) || text[at] == '.');
       ++at) {
    if (text[at] == '.') {
      if (decimals >= 0) return false;
      decimals = 0;
      continue;
    }
    mantissa = mantissa * 10 + (text[at] - '0');
    parsed.digits += text[at];
    if (decimals >= 0) ++decimals;
  }
  if (decimals < 0) decimals = 0;
  const std::string rest = text.substr(at, text.size() - 2 - at);
  int unitExponent;
  std::string tolerance;
  if (rest.rfind(" ohm, ", 0) == 0) {
    unitExponent = 0;
    tolerance = rest.substr(6);
  } else if (rest.size() > 8 && rest[0] == ' ' && rest.substr(2, 6) == " ohm, ") {
    const std::string prefixes = "kMG";
    const std::size_t prefix = prefixes.find(rest[1]);
    if (prefix == std::string::npos) return false;
    unitExponent = 3 * static_cast<int>(prefix + 1);
    tolerance = rest.substr(8);
  } else {
    return false;
  }
  if (tolerance.empty() || tolerance.back() != '%') return false;
  parsed.percent = std::stoi(tolerance.substr(0, tolerance.size() - 1));
  int shift = unitExponent + 2 - decimals;
  if (shift < 0) return false;
  parsed.hundredths = mantissa;
  while (shift-- > 0) parsed.hundredths *= 10;
  return true;
}

// Independent of the colour table: the multiplier exponents by position and
// the tolerance percentages by colour.
const int kMultiplierExponent[12] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, -2, -1};
int Percent(BandColour colour) {
  switch (colour) {
    case None: return 20;
    case Brown: return 1;
    case Red: return 2;
    case Silver: return 10;
    case Gold: return 5;
    default: return -1;
  }
}

std::uint64_t Hundredths(int digits, int exponent) {
  std::uint64_t value = digits;
  for (int i = 0; i < exponent + 2; ++i) value *= 10;
  return value;
}

TEST(FiveBandReading, EverySelectionReadsBackAsItsValue) {
  const BandColour kTolerances[] = {None, Brown, Red, Silver, Gold};
  for (int a = 0; a < 10; ++a)
    for (int b = 0; b < 10; ++b)
      for (int c = 0; c < 10; ++c)
        for (int m = 0; m < 12; ++m)
          for (BandColour t : kTolerances) {
            const std::string text = Five({a, b, c, m, t});
            ParsedResult parsed;
            ASSERT_TRUE(ParseResult(text, parsed)) << text;
            ASSERT_EQ(parsed.hundredths, Hundredths(100 * a + 10 * b + c, kMultiplierExponent[m]))
                << text;
            ASSERT_EQ(parsed.digits, std::to_string(a) + std::to_string(b) + std::to_string(c))
                << text;
            ASSERT_EQ(parsed.percent, Percent(t)) << text;
          }
}

TEST(FourBandReading, EverySelectionReadsBackAsItsValue) {
  const BandColour kTolerances[] = {None, Red, Silver, Gold};
  for (int a = 0; a < 10; ++a)
    for (int b = 0; b < 10; ++b)
      for (int m = 0; m < 12; ++m)
        for (int t = 0; t < 4; ++t) {
          const std::string text = Four({a, b, m, t});
          ParsedResult parsed;
          ASSERT_TRUE(ParseResult(text, parsed)) << text;
          ASSERT_EQ(parsed.hundredths, Hundredths(10 * a + b, kMultiplierExponent[m])) << text;
          ASSERT_EQ(parsed.percent, Percent(kTolerances[t])) << text;
        }
}

// The colour each option identifier of the windows stands for, written out
// from the windows' option rows; the window tables are checked against
// these at compile time.
TEST(OptionColours, EveryIdentifierOfBothWindows) {
  using enum BandColour;
  const BandColour kDigitColours[] = {Black, Brown, Red,    Orange, Yellow,
                                      Green, Blue,  Violet, Grey,   White};
  const BandColour kMultiplierColours[] = {Black, Brown,  Red,  Orange, Yellow, Green,
                                           Blue,  Violet, Grey, White,  Silver, Gold};
  const struct {
    int identifier;
    std::optional<BandColour> colour;
  } kFiveBandCases[] =
      {
          {119, std::nullopt}, {162, std::nullopt}, {169, std::nullopt}, {170, None},
          {171, std::nullopt}, {172, Red},          {173, Brown},        {174, Silver},
          {175, Gold},         {176, std::nullopt}, {180, std::nullopt},
      },
    kFourBandCases[] = {
        {119, std::nullopt}, {152, std::nullopt}, {159, std::nullopt},
        {160, None},         {161, Red},          {162, Silver},
        {163, Gold},         {164, std::nullopt}, {170, std::nullopt},
    };
  for (int i = 0; i < 10; ++i) {
    for (int first : {120, 130}) {
      EXPECT_EQ(five_band_ids::OptionColour(first + i), kDigitColours[i]) << first + i;
      EXPECT_EQ(four_band_ids::OptionColour(first + i), kDigitColours[i]) << first + i;
    }
    EXPECT_EQ(five_band_ids::OptionColour(140 + i), kDigitColours[i]) << 140 + i;
  }
  for (int i = 0; i < 12; ++i) {
    EXPECT_EQ(five_band_ids::OptionColour(150 + i), kMultiplierColours[i]) << 150 + i;
    EXPECT_EQ(four_band_ids::OptionColour(140 + i), kMultiplierColours[i]) << 140 + i;
  }
  for (const auto& c : kFiveBandCases) {
    EXPECT_EQ(five_band_ids::OptionColour(c.identifier), c.colour) << c.identifier;
  }
  for (const auto& c : kFourBandCases) {
    EXPECT_EQ(four_band_ids::OptionColour(c.identifier), c.colour) << c.identifier;
  }
}

}  // namespace
