// Codes of 3 to 6 bands with every colour of the code in every role: the
// lines, the bad colours, the reading from the other end, the details and
// the pictures.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <span>
#include <sstream>

#include "band_codes.h"
#include "band_colour.h"
#include "code_colours.h"
#include "code_details.h"
#include "colour_names.h"
#include "resistance_value.h"
#include "resistor_code.h"
#include "run_bands.h"

namespace {

struct Case {
  std::vector<std::string_view> colours;
  const char* line;
};

// Lines written out by hand from the code's roles: digits, multiplier
// (pink 0.001 to white 10^9), tolerance (none 20%, silver 10%, gold 5%,
// red 2%, brown 1%, green 0.5%, blue 0.25%, violet 0.1%, orange 0.05%,
// yellow 0.02%, grey 0.01%) and temperature coefficient in ppm/K (black
// 250, brown 100, red 50, orange 15, yellow 25, green 20, blue 10, violet 5,
// grey 1).
const Case kReadings[] = {
    // Three bands: two digits and a multiplier, 20%.
    {{"yellow", "violet", "orange"}, "Resistance: 47 k ohm, 20%"},
    {{"brown", "black", "black"}, "Resistance: 10 ohm, 20%"},
    {{"brown", "black", "brown"}, "Resistance: 100 ohm, 20%"},
    {{"red", "red", "gold"}, "Resistance: 2.2 ohm, 20%"},
    {{"red", "red", "silver"}, "Resistance: 0.22 ohm, 20%"},
    {{"red", "red", "pink"}, "Resistance: 0.022 ohm, 20%"},
    {{"white", "white", "white"}, "Resistance: 99 G ohm, 20%"},
    {{"black", "black", "black"}, "Resistance: 00 ohm, 20%"},
    {{"grey", "red", "grey"}, "Resistance: 8.2 G ohm, 20%"},
    // Four bands with the tolerances no window offers, and Pink.
    {{"brown", "black", "red", "brown"}, "Resistance: 1.0 k ohm, 1%"},
    {{"brown", "black", "red", "green"}, "Resistance: 1.0 k ohm, 0.5%"},
    {{"brown", "black", "red", "blue"}, "Resistance: 1.0 k ohm, 0.25%"},
    {{"brown", "black", "red", "violet"}, "Resistance: 1.0 k ohm, 0.1%"},
    {{"brown", "black", "red", "orange"}, "Resistance: 1.0 k ohm, 0.05%"},
    {{"brown", "black", "red", "yellow"}, "Resistance: 1.0 k ohm, 0.02%"},
    {{"brown", "black", "red", "grey"}, "Resistance: 1.0 k ohm, 0.01%"},
    {{"yellow", "violet", "pink", "gold"}, "Resistance: 0.047 ohm, 5%"},
    {{"black", "black", "pink", "none"}, "Resistance: 0.000 ohm, 20%"},
    // Five bands: Pink puts the point one step further than Silver.
    {{"yellow", "violet", "black", "pink", "brown"}, "Resistance: 0.470 ohm, 1%"},
    {{"yellow", "violet", "black", "silver", "green"}, "Resistance: 4.70 ohm, 0.5%"},
    {{"brown", "black", "black", "red", "grey"}, "Resistance: 10.0 k ohm, 0.01%"},
    {{"white", "white", "white", "white", "violet"}, "Resistance: 999 G ohm, 0.1%"},
    // Six bands: each temperature coefficient.
    {{"orange", "orange", "black", "brown", "blue", "red"},
     "Resistance: 3.30 k ohm, 0.25%, 50 ppm/K"},
    {{"brown", "black", "black", "black", "brown", "black"}, "Resistance: 100 ohm, 1%, 250 ppm/K"},
    {{"brown", "black", "black", "black", "brown", "brown"}, "Resistance: 100 ohm, 1%, 100 ppm/K"},
    {{"brown", "black", "black", "black", "brown", "orange"}, "Resistance: 100 ohm, 1%, 15 ppm/K"},
    {{"brown", "black", "black", "black", "brown", "yellow"}, "Resistance: 100 ohm, 1%, 25 ppm/K"},
    {{"brown", "black", "black", "black", "brown", "green"}, "Resistance: 100 ohm, 1%, 20 ppm/K"},
    {{"brown", "black", "black", "black", "brown", "blue"}, "Resistance: 100 ohm, 1%, 10 ppm/K"},
    {{"brown", "black", "black", "black", "brown", "violet"}, "Resistance: 100 ohm, 1%, 5 ppm/K"},
    {{"brown", "black", "black", "black", "brown", "grey"}, "Resistance: 100 ohm, 1%, 1 ppm/K"},
    {{"red", "red", "black", "yellow", "gold", "brown"}, "Resistance: 2.20 M ohm, 5%, 100 ppm/K"},
    {{"red", "red", "black", "pink", "none", "red"}, "Resistance: 0.220 ohm, 20%, 50 ppm/K"},
    // Codes a window offers keep the window's line.
    {{"yellow", "violet", "red", "gold"}, "Resistance: 4.7 k ohm, 5%"},
    {{"black", "black", "brown", "black", "brown"}, "Resistance: 001 ohm, 1%"},
};

TEST(CodeReading, EveryRoleReadsAsTheCodeDefinesIt) {
  for (const Case& c : kReadings) {
    SCOPED_TRACE(c.line);
    const BandsRun run = RunBandsWith(c.colours);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, std::string(c.line) + "\n");
    EXPECT_EQ(run.err, "");
  }
  // Names in any case; the American grey.
  EXPECT_EQ(RunBandsWith({"RED", "red", "PINK", "GRAY"}).out, "Resistance: 0.022 ohm, 0.01%\n");
}

// Every code a window offers: the general rule of digit placement and unit
// gives the value part of the window's own line.
TEST(CodeReading, TheGeneralValueTextIsTheWindowsOne) {
  const char* const digits[] = {"black", "brown", "red",    "orange", "yellow",
                                "green", "blue",  "violet", "grey",   "white"};
  const char* const multipliers[] = {"black", "brown",  "red",  "orange", "yellow", "green",
                                     "blue",  "violet", "grey", "white",  "silver", "gold"};
  for (const int digitBands : {2, 3}) {
    for (int figures = 0; figures < (digitBands == 2 ? 100 : 1000); ++figures) {
      for (const char* multiplier : multipliers) {
        std::vector<std::string_view> colours;
        std::string figureText;
        for (int place = digitBands - 1; place >= 0; --place) {
          int digit = figures;
          for (int i = 0; i < place; ++i) digit /= 10;
          colours.push_back(digits[digit % 10]);
          figureText += static_cast<char>('0' + digit % 10);
        }
        colours.push_back(multiplier);
        colours.push_back("gold");
        const ColourCodeReading window = ReadColourCode(colours);
        ASSERT_EQ(window.error, "");
        const ResistorReading reading = ReadResistorCode(colours);
        ASSERT_TRUE(reading.code);
        // Both lines come from the windows' own line for these colours, so
        // this guards only the conversion of the code's colours to the
        // windows' ones.
        EXPECT_EQ(reading.line, window.line);
        EXPECT_EQ("Resistance: " + CodeValueText(figureText, reading.code->exponent) + ", 5%",
                  window.line);
      }
    }
  }
}

// The window's tolerance text (" 5%", " 10%": whole percents) in hundredths
// of a percent.
int WindowToleranceHundredths(std::string_view text) {
  int percent = 0;
  for (const char c : text) {
    if (c >= '0' && c <= '9') percent = percent * 10 + (c - '0');
  }
  return percent * 100;
}

bool RoleHas(CodeRole role, BandColour colour) {
  const std::span<const CodeColour> colours = RoleColours(role);
  return std::find(colours.begin(), colours.end(), ToCodeColour(colour)) != colours.end();
}

// The code's colour table repeats what the windows' own table says of their
// thirteen colours; the two must not drift apart.
TEST(CodeReading, TheCodeColoursAgreeWithTheWindowColours) {
  for (int number = 0; number < BandColourCount; ++number) {
    const auto colour = static_cast<BandColour>(number);
    SCOPED_TRACE(number);
    const BandColourInfo& window = ColourInfo(colour);
    const CodeColourInfo& code = CodeInfo(ToCodeColour(colour));
    EXPECT_EQ(code.digit, window.digit);
    EXPECT_EQ(code.multiplierExponent, window.multiplierExponent);
    // Where a window offers the colour as a tolerance, the code means the
    // same by it; the code has further, finer tolerances of its own.
    if (!window.toleranceText.empty()) {
      ASSERT_EQ(window.toleranceText.view().find('.'), std::string_view::npos);
      EXPECT_EQ(code.toleranceHundredthsPercent,
                WindowToleranceHundredths(window.toleranceText.view()));
    }
  }
  // Every colour a window offers in a group is one the code allows there.
  const struct {
    CodeRole role;
    std::span<const BandColour> group;
  } kGroups[] = {
      {CodeRole::Digit, group_colours::Digit},
      {CodeRole::Multiplier, group_colours::Multiplier},
      {CodeRole::Tolerance, group_colours::FiveBandTolerance},
      {CodeRole::Tolerance, group_colours::FourBandTolerance},
  };
  for (const auto& [role, group] : kGroups) {
    for (const BandColour colour : group) {
      EXPECT_TRUE(RoleHas(role, colour))
          << "role " << static_cast<int>(role) << ", colour " << static_cast<int>(colour);
    }
  }
}

struct Refused {
  std::vector<std::string_view> colours;
  const char* message;  // the whole of standard error
};

const Refused kRefused[] = {
    {{"pink", "black", "gold"},
     "bands: band 1 of 3 (first digit): pink is not offered; choose black, brown, red, orange, "
     "yellow, "
     "green, blue, violet, grey, white\n"},
    {{"brown", "black", "none"},
     "bands: band 3 of 3 (multiplier): none is not offered; choose black, brown, red, orange, "
     "yellow, "
     "green, blue, violet, grey, white, silver, gold, pink\n"},
    {{"white", "black", "red", "white"},
     "bands: band 4 of 4 (tolerance): white is not offered; choose none, brown, red, green, blue, "
     "violet, "
     "orange, yellow, grey, silver, gold\n"},
    {{"brown", "black", "black", "red", "gold", "white"},
     "bands: band 6 of 6 (temperature coefficient): white is not offered; choose black, brown, "
     "red, "
     "orange, yellow, green, blue, violet, grey\n"},
    {{"brown", "black", "black", "red", "gold", "silver"},
     "bands: band 6 of 6 (temperature coefficient): silver is not offered; choose black, brown, "
     "red, "
     "orange, yellow, green, blue, violet, grey\n"},
    {{"brown", "black", "black", "red", "gold", "lilac"},
     "bands: band 6 of 6 (temperature coefficient): unknown colour \"lilac\"; choose black, brown, "
     "red, "
     "orange, yellow, green, blue, violet, grey\n"},
    {{"brown", "black", "black", "pink", "pink"},
     "bands: band 5 of 5 (tolerance): pink is not offered; choose none, brown, red, green, blue, "
     "violet, "
     "orange, yellow, grey, silver, gold\n"},
};

TEST(CodeReading, ColoursOutsideTheirRoleAreRefused) {
  for (const Refused& c : kRefused) {
    SCOPED_TRACE(c.message);
    const BandsRun run = RunBandsWith(c.colours);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, c.message);
  }
}

// Codes held the wrong way round: the message for the colours as given,
// then the reading from the other end; still status 2 and nothing on
// standard output.
const Refused kWrongEnd[] = {
    {{"gold", "red", "violet", "yellow"},
     "bands: band 1 of 4 (first digit): gold is not offered; choose black, brown, red, orange, "
     "yellow, "
     "green, blue, violet, grey, white\n"
     "bands: from the other end: Resistance: 4.7 k ohm, 5%\n"},
    {{"silver", "orange", "black", "brown"},
     "bands: band 1 of 4 (first digit): silver is not offered; choose black, brown, red, orange, "
     "yellow, "
     "green, blue, violet, grey, white\n"
     "bands: from the other end: Resistance: 10 k ohm, 10%\n"},
    {{"none", "gold", "black", "black", "brown"},
     "bands: band 1 of 5 (first digit): none is not offered; choose black, brown, red, orange, "
     "yellow, "
     "green, blue, violet, grey, white\n"
     "bands: from the other end: Resistance: 10.0 ohm, 20%\n"},
    {{"red", "blue", "brown", "black", "white", "orange"},
     "bands: band 5 of 6 (tolerance): white is not offered; choose none, brown, red, green, blue, "
     "violet, "
     "orange, yellow, grey, silver, gold\n"
     "bands: from the other end: Resistance: 3.90 k ohm, 0.25%, 50 ppm/K\n"},
    {{"pink", "violet", "yellow"},
     "bands: band 1 of 3 (first digit): pink is not offered; choose black, brown, red, orange, "
     "yellow, "
     "green, blue, violet, grey, white\n"
     "bands: from the other end: Resistance: 0.047 ohm, 20%\n"},
    // Neither end reads.
    {{"gold", "red", "violet", "gold"},
     "bands: band 1 of 4 (first digit): gold is not offered; choose black, brown, red, orange, "
     "yellow, "
     "green, blue, violet, grey, white\n"},
};

TEST(CodeReading, TheOtherEndIsOfferedWhenOnlyItReads) {
  for (const Refused& c : kWrongEnd) {
    SCOPED_TRACE(c.message);
    const BandsRun run = RunBandsWith(c.colours);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, c.message);
  }
}

struct Details {
  std::vector<std::string_view> arguments;
  const char* out;
};

const Details kDetails[] = {
    {{"--details", "yellow", "violet", "red", "gold"},
     "Resistance: 4.7 k ohm, 5%\n"
     "Range: 4.465 k ohm to 4.935 k ohm\n"
     "Series: E3 E6 E12 E24 E192\n"},
    // 4.75 is in E96, one of the two series of 1%.
    {{"--details", "yellow", "violet", "green", "brown", "brown"},
     "Resistance: 4.75 k ohm, 1%\n"
     "Range: 4.7025 k ohm to 4.7975 k ohm\n"
     "Series: E96 E192\n"
     "From the other end: Resistance: 1.15 G ohm, 0.02%; Series: E48 E96 E192\n"},
    // A misread band: 4.6 is in no series.
    {{"--details", "yellow", "blue", "red", "gold"},
     "Resistance: 4.6 k ohm, 5%\n"
     "Range: 4.37 k ohm to 4.83 k ohm\n"
     "Series: none\n"
     "Not in E24, the series of a 5% tolerance: the nearest standard values are 4.3 k ohm and 4.7 "
     "k ohm; "
     "a colour may be misread\n"},
    {{"--details", "brown", "black", "orange"},
     "Resistance: 10 k ohm, 20%\n"
     "Range: 8 k ohm to 12 k ohm\n"
     "Series: E3 E6 E12 E24 E48 E96 E192\n"
     "From the other end: Resistance: 300 ohm, 20%; Series: E24\n"},
    // 1.2 is in E12 but not in E6; the nearest wrap into the decade above.
    {{"--details", "brown", "red", "red"},
     "Resistance: 1.2 k ohm, 20%\n"
     "Range: 0.96 k ohm to 1.44 k ohm\n"
     "Series: E12 E24 E192\n"
     "Not in E6, the series of a 20% tolerance: the nearest standard values are 1 k ohm and 1.5 k "
     "ohm; "
     "a colour may be misread\n"
     "From the other end: Resistance: 220 ohm, 20%; Series: E3 E6 E12 E24\n"},
    {{"--details", "white", "white", "black", "brown", "grey"},
     "Resistance: 9.90 k ohm, 0.01%\n"
     "Range: 9.89901 k ohm to 9.90099 k ohm\n"
     "Series: none\n"
     "Not in E192, the series of a 0.01% tolerance: the nearest standard values are 9.88 k ohm and "
     "10 k ohm; a colour may be misread\n"},
    // Leading zeros are ignored; zero is in no series and needs no warning.
    {{"--details", "black", "brown", "black", "silver", "red", "brown"},
     "Resistance: 0.10 ohm, 2%, 100 ppm/K\n"
     "Range: 0.098 ohm to 0.102 ohm\n"
     "Series: E3 E6 E12 E24 E48 E96 E192\n"},
    {{"--details", "black", "black", "pink"},
     "Resistance: 0.000 ohm, 20%\n"
     "Range: 0 ohm to 0 ohm\n"
     "Series: none\n"},
    {{"--details", "orange", "orange", "black", "brown", "blue", "red"},
     "Resistance: 3.30 k ohm, 0.25%, 50 ppm/K\n"
     "Range: 3.29175 k ohm to 3.30825 k ohm\n"
     "Series: E6 E12 E24\n"
     "Not in E192, the series of a 0.25% tolerance: the nearest standard values are 3.28 k ohm and "
     "3.32 k ohm; a colour may be misread\n"
     "From the other end: Resistance: 261 ohm, 0.05%, 15 ppm/K; Series: E48 E96 E192\n"},
};

TEST(CodeReading, DetailsGiveRangeSeriesWarningAndTheOtherEnd) {
  for (const Details& c : kDetails) {
    SCOPED_TRACE(c.out);
    const BandsRun run = RunBandsWith(c.arguments);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, c.out);
    EXPECT_EQ(run.err, "");
  }
}

TEST(CodeReading, ValueWithSeriesShowsTheStandardValuesAround) {
  const Details cases[] = {
      {{"--value", "4k75", "--series", "E24"},
       "4 bands: cannot encode 4.75 k ohm: it has 3 significant digits, the code shows only 2\n"
       "5 bands: yellow violet green brown\n"
       "E24 below: 4.7 k ohm\n"
       "4 bands: yellow violet red\n"
       "5 bands: yellow violet black brown\n"
       "E24 above: 5.1 k ohm\n"
       "4 bands: green brown red\n"
       "5 bands: green brown black brown\n"},
      {{"--value", "4.7k", "--series=e12", "--tolerance", "5%"},
       "4 bands: yellow violet red gold\n"
       "5 bands: yellow violet black brown gold\n"
       "E12: 4.7 k ohm is a standard value\n"},
      {{"--value", "9.9", "--series", "E192"},
       "4 bands: white white gold\n"
       "5 bands: white white black silver\n"
       "E192 below: 9.88 ohm\n"
       "4 bands: cannot encode 9.88 ohm: it has 3 significant digits, the code shows only 2\n"
       "5 bands: white grey grey silver\n"
       "E192 above: 10 ohm\n"
       "4 bands: brown black black\n"
       "5 bands: brown black black gold\n"},
      {{"--value", "919", "--series", "E192"},
       "4 bands: cannot encode 919 ohm: it has 3 significant digits, the code shows only 2\n"
       "5 bands: white brown white black\n"
       "E192 below: 909 ohm\n"
       "4 bands: cannot encode 909 ohm: it has 3 significant digits, the code shows only 2\n"
       "5 bands: white black white black\n"
       "E192 above: 920 ohm\n"
       "4 bands: white red brown\n"
       "5 bands: white red black black\n"},
  };
  for (const Details& c : cases) {
    SCOPED_TRACE(c.out);
    const BandsRun run = RunBandsWith(c.arguments);
    EXPECT_EQ(run.out, c.out);
    EXPECT_EQ(run.err, "");
  }
  const BandsRun bad = RunBandsWith({"--value", "1k", "--series", "E25"});
  EXPECT_EQ(bad.status, 2);
  EXPECT_EQ(bad.out, "");
  EXPECT_EQ(bad.err, "bands: series \"E25\": choose E3, E6, E12, E24, E48, E96 or E192\n");
  EXPECT_EQ(RunBandsWith({"--series", "E24"}).err, "bands: --series goes with --value\n");
  EXPECT_EQ(RunBandsWith({"--details", "--value", "1k"}).err,
            "bands: --details goes with colours, not with --value\n");
}

// The pictures follow the lines only where asked for or on a terminal.
TEST(CodeReading, PicturesOnlyOnATerminalOrWhenAsked) {
  const auto run = [](std::vector<std::string_view> arguments, OutputTerminal terminal) {
    std::ostringstream out, err;
    const int status = RunBands(arguments, out, err, terminal);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(err.str(), "");
    return out.str();
  };
  const OutputTerminal pipe{false, false}, terminal{true, false}, noColor{true, true};
  const std::vector<std::string_view> code = {"brown", "black", "red", "gold"};
  const std::string plain = "Resistance: 1.0 k ohm, 5%\n";
  // Brown, Black, Red, then Gold apart, as 24-bit background colours.
  const std::string brown = "\x1b[48;2;139;69;19m", black = "\x1b[48;2;0;0;0m",
                    red = "\x1b[48;2;220;20;20m", gold = "\x1b[48;2;212;175;55m";
  const std::string picture = run(code, terminal);
  ASSERT_TRUE(picture.starts_with(plain)) << picture;
  const std::size_t b = picture.find(brown), k = picture.find(black), r = picture.find(red),
                    g = picture.find(gold);
  EXPECT_TRUE(b != std::string::npos && b < k && k < r && r < g) << picture;
  EXPECT_TRUE(picture.ends_with("\x1b[0m\n")) << picture;
  EXPECT_EQ(std::count(picture.begin(), picture.end(), '\n'), 2);

  EXPECT_EQ(run(code, pipe), plain);
  EXPECT_EQ(run(code, noColor), plain);
  EXPECT_EQ(run({"--color=never", "brown", "black", "red", "gold"}, terminal), plain);
  EXPECT_EQ(run({"--color=auto", "brown", "black", "red", "gold"}, pipe), plain);
  EXPECT_EQ(run({"--color=always", "brown", "black", "red", "gold"}, pipe), picture);
  EXPECT_EQ(run({"--color", "brown", "black", "red", "gold"}, noColor), picture);

  // Each code line of --value has its picture; the failure line has none.
  const std::string codes = run({"--value", "4k75", "--color=always"}, pipe);
  EXPECT_TRUE(
      codes.starts_with("4 bands: cannot encode 4.75 k ohm: it has 3 significant digits, the code "
                        "shows only 2\n5 bands: yellow violet green brown\n\x1b["))
      << codes;
  EXPECT_EQ(std::count(codes.begin(), codes.end(), '\n'), 3);

  const BandsRun bad = RunBandsWith({"--color=sometimes", "brown", "black", "red"});
  EXPECT_EQ(bad.status, 2);
  EXPECT_EQ(bad.err,
            "bands: \"--color=sometimes\": choose --color=never, --color=always or --color=auto\n");
}

// The further examples in the help are commands followed by their output,
// indented by two more blanks; each must do what it says.
TEST(CodeReading, MoreHelpExamplesShowWhatTheCommandsPrint) {
  EXPECT_EQ(CheckHelpExamples("More examples:"), 4u);
  const std::string help = RunBandsWith({"--help"}).out;
  EXPECT_NE(help.find("older charts give 0.05%"), std::string::npos);
}

}  // namespace
