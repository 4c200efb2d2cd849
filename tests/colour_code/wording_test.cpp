// The wording shared by every front-end: typed tolerances and
// coefficients, the details of a reading, and the messages.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "colour_code/code.h"
#include "colour_code/wording.h"

namespace {

using namespace colour_code;
using C = Colour;

Reading Read(std::vector<Colour> colours) { return *ReadCode(colours); }

TEST(Typed, TolerancesAsPeopleWriteThem) {
  const struct {
    const char* text;
    std::optional<Colour> colour;
  } cases[] = {
      {"5%", C::Gold},
      {"5", C::Gold},
      {" 5 % ", C::Gold},
      {"\xC2\xB1"
       "5%",
       C::Gold},
      {"+/-5%", C::Gold},
      {"5.0%", C::Gold},
      {"5.00", C::Gold},
      {"20%", C::None},
      {"none", C::None},
      {"10%", C::Silver},
      {"0.5%", C::Green},
      {".5%", C::Green},
      {"0.25%", C::Blue},
      {"0.1%", C::Violet},
      {"0.05%", C::Orange},
      {"0.02%", C::Yellow},
      {"0.01%", C::Grey},
      {"1%", C::Brown},
      {"2%", C::Red},
      {"3%", std::nullopt},
      {"0.255%", std::nullopt},
      {"-5%", std::nullopt},
      {"%", std::nullopt},
      {"", std::nullopt},
      {"5%%", std::nullopt},
      {"1000%", std::nullopt},
      {"gold", std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ToleranceFromText(c.text), c.colour);
  }
  EXPECT_EQ(ToleranceChoices().View(),
            "0.01%, 0.02%, 0.05%, 0.1%, 0.25%, 0.5%, 1%, 2%, 5%, 10%, 20%");
}

TEST(Typed, CoefficientsAsPeopleWriteThem) {
  const struct {
    const char* text;
    std::optional<Colour> colour;
  } cases[] = {
      {"50", C::Red},
      {"50ppm", C::Red},
      {"50 ppm/K", C::Red},
      {"50 PPM/k", C::Red},
      {"50ppm/\xC2\xB0"
       "C",
       C::Red},
      {"250", C::Black},
      {"1", C::Grey},
      {"15", C::Orange},
      {"30", std::nullopt},
      {"ppm", std::nullopt},
      {"50 ohm", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(CoefficientFromText(c.text), c.colour);
  }
  EXPECT_EQ(CoefficientChoices().View(), "1, 5, 10, 15, 20, 25, 50, 100, 250 ppm/K");
}

TEST(Details, RangeSeriesAndWarning) {
  const struct {
    std::vector<Colour> colours;
    const char* range;
    const char* series;
    const char* warning;  // empty for none
  } cases[] = {
      {{C::Yellow, C::Violet, C::Red, C::Gold},
       "Range: 4.465 k ohm to 4.935 k ohm",
       "Series: E3 E6 E12 E24 E192",
       ""},
      {{C::Yellow, C::Blue, C::Red, C::Gold},
       "Range: 4.37 k ohm to 4.83 k ohm",
       "Series: none",
       "Not in E24, the series of a 5% tolerance: the nearest standard values are 4.3 k ohm and "
       "4.7 k ohm; a colour may be misread"},
      {{C::Yellow, C::Violet, C::Green, C::Brown, C::Brown},
       "Range: 4.7025 k ohm to 4.7975 k ohm",
       "Series: E96 E192",
       ""},
      {{C::Brown, C::Black, C::Black, C::Brown, C::Grey},
       "Range: 0.9999 k ohm to 1.0001 k ohm",
       "Series: E3 E6 E12 E24 E48 E96 E192",
       ""},
      {{C::Black, C::Black, C::Black}, "Range: 0 ohm to 0 ohm", "Series: none", ""},
      {{C::Yellow, C::Blue, C::Pink},
       "Range: 0.0368 ohm to 0.0552 ohm",
       "Series: none",
       "Not in E6, the series of a 20% tolerance: the nearest standard values are 0.033 ohm and "
       "0.047 ohm; a colour may be misread"},
  };
  for (const auto& c : cases) {
    const Reading reading = Read(c.colours);
    SCOPED_TRACE(std::string(ReadingLine(reading).View()));
    ASSERT_TRUE(RangeLine(reading));
    EXPECT_EQ(RangeLine(reading)->View(), c.range);
    EXPECT_EQ(SeriesLine(reading.Value()).View(), c.series);
    const std::optional<Text> warning = SeriesWarningLine(reading.Value(), *reading.tolerance);
    EXPECT_EQ(warning ? std::string(warning->View()) : "", c.warning);
  }
  EXPECT_FALSE(RangeLine(Read({C::Black})));
  EXPECT_EQ(OtherEndLine(Read({C::Yellow, C::Violet, C::Red, C::Gold})).View(),
            "From the other end: Resistance: 4.7 k ohm, 5%; Series: E3 E6 E12 E24 E192");
}

TEST(Messages, UnknownWordsAndValues) {
  EXPECT_EQ(UnknownColourMessage(4, 1, "bown", C::Brown).View(),
            "band 2 of 4 (second digit): unknown colour \"bown\"; did you mean brown?");
  EXPECT_EQ(UnknownColourMessage(3, 2, "teal", std::nullopt).View(),
            "band 3 of 3 (multiplier): unknown colour \"teal\"; choose black, brown, red, orange, "
            "yellow, green, blue, violet, grey, white, silver, gold, pink");
  EXPECT_EQ(ValueNotColourMessage("4.7k").View(),
            "\"4.7k\" is a value, not a colour or a marking; for its colours write --value 4.7k");
  const StandardSeries& e24 = *FindStandardSeries("E24");
  EXPECT_EQ(StandardValueLine(e24, *Resistance::Of("47", 2)).View(),
            "E24: 4.7 k ohm is a standard value");
  EXPECT_EQ(NeighbourLine(e24, true, *Resistance::Of("51", 2)).View(), "E24 above: 5.1 k ohm");
  EXPECT_EQ(NeighbourLine(e24, false, *Resistance::Of("47", 2)).View(), "E24 below: 4.7 k ohm");
  EXPECT_EQ(OtherEndFaultLine(Read({C::Yellow, C::Violet, C::Red, C::Gold})).View(),
            "from the other end: Resistance: 4.7 k ohm, 5%");
}

}  // namespace
