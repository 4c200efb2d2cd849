#include <gtest/gtest.h>

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
            (std::vector{Black, Brown, Red, Orange, Yellow, Green, Blue, Violet, Grey, White, Silver, Gold}));
  EXPECT_EQ(Colours(BandGroupKind::FiveBandTolerance), (std::vector{None, Brown, Red, Silver, Gold}));
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
  const char* kTexts[] = {"Black", "Brown", "Red",  "Orange", "Yellow", "Green", "Blue",
                          "Violet", "Grey", "White", "Silver", "Gold",  "None"};
  for (int c = 0; c < BandColourCount; ++c) {
    EXPECT_EQ(ColourInfo(static_cast<BandColour>(c)).buttonText.view(), kTexts[c]);
  }
  EXPECT_EQ(ColourInfo(Gold).background, (Rgb{239, 184, 16}));
  EXPECT_EQ(ColourInfo(Brown).textColour, (Rgb{255, 255, 255}));
  // Violet: magenta with the system's text colour; Grey and None unpainted.
  EXPECT_EQ(ColourInfo(Violet).background, (Rgb{255, 0, 255}));
  EXPECT_EQ(ColourInfo(Violet).textColour, std::nullopt);
  EXPECT_EQ(ColourInfo(Grey).background, std::nullopt);
  EXPECT_EQ(ColourInfo(None).background, std::nullopt);
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
