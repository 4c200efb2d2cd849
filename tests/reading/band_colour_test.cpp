#include <gtest/gtest.h>

#include <iterator>
#include <optional>
#include <vector>

#include "band_colour.h"

namespace {

using enum BandColour;

std::vector<BandColour> Colours(BandGroupKind kind) {
  const auto colours = GroupColours(kind);
  return {colours.begin(), colours.end()};
}

TEST(ColourTable, GroupsOfferTheirColoursTopToBottom) {
  EXPECT_EQ(Colours(BandGroupKind::Digit),
            (std::vector{Black, Brown, Red, Orange, Yellow, Green, Blue, Violet, Grey, White}));
  EXPECT_EQ(Colours(BandGroupKind::Multiplier),
            (std::vector{Black, Brown, Red, Orange, Yellow, Green, Blue, Violet, Grey, White,
                         Silver, Gold}));
  EXPECT_EQ(Colours(BandGroupKind::FiveBandTolerance),
            (std::vector{None, Brown, Red, Silver, Gold}));
  EXPECT_EQ(Colours(BandGroupKind::FourBandTolerance), (std::vector{None, Red, Silver, Gold}));
  EXPECT_EQ(ColourAt(BandGroupKind::FourBandTolerance, 4), std::nullopt);
  EXPECT_EQ(ColourAt(BandGroupKind::Digit, -1), std::nullopt);
}

// The readings rely on these: a digit option's position is its digit, a
// multiplier option's position is its colour's number.
TEST(ColourTable, PositionsAreDigitsAndMultiplierNumbers) {
  const int kExponents[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, -2, -1};
  for (int position = 0; position < 12; ++position) {
    const BandColour colour = *ColourAt(BandGroupKind::Multiplier, position);
    EXPECT_EQ(static_cast<int>(colour), position);
    EXPECT_EQ(ColourInfo(colour).multiplierExponent, kExponents[position]);
    if (position < 10) {
      EXPECT_EQ(ColourInfo(*ColourAt(BandGroupKind::Digit, position)).digit, position);
    } else {
      EXPECT_EQ(ColourInfo(colour).digit, std::nullopt);
    }
  }
  EXPECT_EQ(ColourInfo(None).multiplierExponent, std::nullopt);
}

TEST(ColourTable, ToleranceTexts) {
  const struct {
    BandColour colour;
    const char* text;
  } kTolerances[] = {{None, " 20%"}, {Brown, " 1%"}, {Red, " 2%"}, {Silver, " 10%"}, {Gold, " 5%"}};
  for (const auto& t : kTolerances) EXPECT_EQ(ColourInfo(t.colour).toleranceText.view(), t.text);
  EXPECT_TRUE(ColourInfo(Orange).toleranceText.empty());
}

TEST(ColourTable, ButtonTextsAndPaint) {
  const char* kTexts[] = {"Black",  "Brown", "Red",   "Orange", "Yellow", "Green", "Blue",
                          "Violet", "Grey",  "White", "Silver", "Gold",   "None"};
  for (int c = 0; c < BandColourCount; ++c) {
    EXPECT_EQ(ColourInfo(static_cast<BandColour>(c)).buttonText.view(), kTexts[c]);
  }
}

// Every row's paint, written out: Violet is magenta with the system's text
// colour; Grey and None are not painted.
TEST(ColourTable, PaintOfEveryColour) {
  constexpr std::optional<Rgb> kDefault;
  const struct {
    BandColour colour;
    std::optional<Rgb> background;
    std::optional<Rgb> text;
  } kPaint[] = {
      {Black, Rgb{0, 0, 0}, Rgb{255, 255, 255}},
      {Brown, Rgb{128, 0, 0}, Rgb{255, 255, 255}},
      {Red, Rgb{255, 0, 0}, Rgb{0, 0, 0}},
      {Orange, Rgb{255, 128, 0}, Rgb{0, 0, 0}},
      {Yellow, Rgb{255, 255, 0}, Rgb{0, 0, 0}},
      {Green, Rgb{0, 128, 0}, Rgb{255, 255, 255}},
      {Blue, Rgb{0, 0, 255}, Rgb{255, 255, 255}},
      {Violet, Rgb{255, 0, 255}, kDefault},
      {Grey, kDefault, kDefault},
      {White, Rgb{255, 255, 255}, Rgb{0, 0, 0}},
      {Silver, Rgb{219, 219, 219}, Rgb{0, 0, 0}},
      {Gold, Rgb{239, 184, 16}, Rgb{0, 0, 0}},
      {None, kDefault, kDefault},
  };
  static_assert(std::size(kPaint) == BandColourCount);
  for (const auto& row : kPaint) {
    const BandColourInfo& info = ColourInfo(row.colour);
    EXPECT_EQ(info.background, row.background) << info.buttonText.view();
    EXPECT_EQ(info.textColour, row.text) << info.buttonText.view();
  }
}

#ifndef NDEBUG
// Where the preconditions are checked (the native build under the
// sanitizers), a colour number outside the table stops the program.
TEST(ColourTableDeathTest, ColourOutsideTheTable) {
  EXPECT_DEATH(ColourInfo(static_cast<BandColour>(BandColourCount)), "BandColourCount");
  EXPECT_DEATH(ColourInfo(static_cast<BandColour>(255)), "BandColourCount");
}
#endif

}  // namespace
