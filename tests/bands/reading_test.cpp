// Reading colours at the command line: the lines of codes of 1 and 3 to 6
// bands with every colour in every role, the messages for colours that form
// no code, the reading from the other end, the details and the pictures.
#include <gtest/gtest.h>

#include <algorithm>

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
// grey 1). The codes the windows offer are their lines, byte for byte.
const Case kReadings[] = {
    // The zero-ohm band.
    {{"black"}, "Resistance: 0 ohm"},
    {{"BK"}, "Resistance: 0 ohm"},
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
    // Four bands, the windows' codes among them.
    {{"brown", "black", "red", "silver"}, "Resistance: 1.0 k ohm, 10%"},
    {{"yellow", "violet", "red", "gold"}, "Resistance: 4.7 k ohm, 5%"},
    {{"brown", "black", "black", "none"}, "Resistance: 10 ohm, 20%"},
    {{"red", "red", "silver", "silver"}, "Resistance: 0.22 ohm, 10%"},
    {{"orange", "white", "gold", "red"}, "Resistance: 3.9 ohm, 2%"},
    {{"green", "blue", "violet", "gold"}, "Resistance: 560 M ohm, 5%"},
    {{"black", "black", "brown", "red"}, "Resistance: 000 ohm, 2%"},
    {{"white", "white", "white", "gold"}, "Resistance: 99 G ohm, 5%"},
    // Four bands with the tolerances no window offers, and pink.
    {{"brown", "black", "red", "brown"}, "Resistance: 1.0 k ohm, 1%"},
    {{"brown", "black", "red", "green"}, "Resistance: 1.0 k ohm, 0.5%"},
    {{"brown", "black", "red", "blue"}, "Resistance: 1.0 k ohm, 0.25%"},
    {{"brown", "black", "red", "violet"}, "Resistance: 1.0 k ohm, 0.1%"},
    {{"brown", "black", "red", "orange"}, "Resistance: 1.0 k ohm, 0.05%"},
    {{"brown", "black", "red", "yellow"}, "Resistance: 1.0 k ohm, 0.02%"},
    {{"brown", "black", "red", "grey"}, "Resistance: 1.0 k ohm, 0.01%"},
    {{"yellow", "violet", "pink", "gold"}, "Resistance: 0.047 ohm, 5%"},
    {{"black", "black", "pink", "none"}, "Resistance: 0.000 ohm, 20%"},
    // Five bands, the windows' codes among them; pink puts the point one
    // step further than silver.
    {{"brown", "black", "black", "brown", "red"}, "Resistance: 1.00 k ohm, 2%"},
    {{"brown", "black", "black", "red", "gold"}, "Resistance: 10.0 k ohm, 5%"},
    {{"yellow", "violet", "black", "black", "brown"}, "Resistance: 470 ohm, 1%"},
    {{"red", "red", "black", "gold", "silver"}, "Resistance: 22.0 ohm, 10%"},
    {{"brown", "black", "black", "silver", "none"}, "Resistance: 1.00 ohm, 20%"},
    {{"orange", "orange", "white", "orange", "red"}, "Resistance: 339 k ohm, 2%"},
    {{"white", "white", "white", "white", "gold"}, "Resistance: 999 G ohm, 5%"},
    {{"black", "black", "brown", "black", "brown"}, "Resistance: 001 ohm, 1%"},
    {{"black", "brown", "black", "brown", "red"}, "Resistance: 0.10 k ohm, 2%"},
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
    // Names in any case, and the American grey.
    {{"YELLOW", "Violet", "Red", "GoLd"}, "Resistance: 4.7 k ohm, 5%"},
    {{"gray", "red", "black", "gold"}, "Resistance: 82 ohm, 5%"},
    {{"GRAY", "Grey", "grey", "gray", "None"}, "Resistance: 88.8 G ohm, 20%"},
    {{"RED", "red", "PINK", "GRAY"}, "Resistance: 0.022 ohm, 0.01%"},
};

TEST(Reading, EveryRoleReadsAsTheCodeDefinesIt) {
  for (const Case& c : kReadings) {
    SCOPED_TRACE(CommandLineOf(c.colours));
    const BandsRun run = RunBandsWith(c.colours);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, std::string(c.line) + "\n");
    EXPECT_EQ(run.err, "");
  }
}

// The choices of each role, in the order the colour code lists them.
#define DIGITS "black, brown, red, orange, yellow, green, blue, violet, grey, white"
#define MULTIPLIERS \
  "black, brown, red, orange, yellow, green, blue, violet, grey, white, silver, gold, pink"
#define TOLERANCES "none, brown, red, green, blue, violet, orange, yellow, grey, silver, gold"
#define COEFFICIENTS "black, brown, red, orange, yellow, green, blue, violet, grey"

// Colours outside their role; codes held the wrong way round get the
// reading from the other end as a second line. Status 2, nothing on
// standard output.
const Typed kRefused[] = {
    {{"pink", "black", "gold"},
     "",
     "bands: band 1 of 3 (first digit): pink is not offered; choose " DIGITS "\n",
     2},
    {{"brown", "black", "none"},
     "",
     "bands: band 3 of 3 (multiplier): none is not offered; choose " MULTIPLIERS "\n",
     2},
    {{"white", "black", "red", "white"},
     "",
     "bands: band 4 of 4 (tolerance): white is not offered; choose " TOLERANCES "\n",
     2},
    {{"brown", "black", "black", "red", "gold", "silver"},
     "",
     "bands: band 6 of 6 (temperature coefficient): silver is not offered; choose " COEFFICIENTS
     "\n",
     2},
    {{"brown", "black", "black", "pink", "pink"},
     "",
     "bands: band 5 of 5 (tolerance): pink is not offered; choose " TOLERANCES "\n",
     2},
    {{"brown", "black", "none", "black", "red"},
     "",
     "bands: band 3 of 5 (third digit): none is not offered; choose " DIGITS "\n",
     2},
    // The wrong end first.
    {{"gold", "red", "violet", "yellow"},
     "",
     "bands: band 1 of 4 (first digit): gold is not offered; choose " DIGITS "\n"
     "bands: from the other end: Resistance: 4.7 k ohm, 5%\n",
     2},
    {{"silver", "orange", "black", "brown"},
     "",
     "bands: band 1 of 4 (first digit): silver is not offered; choose " DIGITS "\n"
     "bands: from the other end: Resistance: 10 k ohm, 10%\n",
     2},
    {{"none", "gold", "black", "black", "brown"},
     "",
     "bands: band 1 of 5 (first digit): none is not offered; choose " DIGITS "\n"
     "bands: from the other end: Resistance: 10.0 ohm, 20%\n",
     2},
    {{"red", "blue", "brown", "black", "white", "orange"},
     "",
     "bands: band 5 of 6 (tolerance): white is not offered; choose " TOLERANCES "\n"
     "bands: from the other end: Resistance: 3.90 k ohm, 0.25%, 50 ppm/K\n",
     2},
    {{"pink", "violet", "yellow"},
     "",
     "bands: band 1 of 3 (first digit): pink is not offered; choose " DIGITS "\n"
     "bands: from the other end: Resistance: 0.047 ohm, 20%\n",
     2},
    // Neither end reads.
    {{"gold", "red", "violet", "gold"},
     "",
     "bands: band 1 of 4 (first digit): gold is not offered; choose " DIGITS "\n",
     2},
};

TEST(Reading, ColoursOutsideTheirRoleAndTheOtherEnd) {
  for (const Typed& typed : kRefused) CheckTyped(typed);
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
     "k ohm; a colour may be misread\n"},
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
     "ohm; a colour may be misread\n"
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
    // Both ends read the same: no second reading.
    {{"--details", "brown", "brown", "brown", "brown", "brown"},
     "Resistance: 1.11 k ohm, 1%\n"
     "Range: 1.0989 k ohm to 1.1211 k ohm\n"
     "Series: E192\n"
     "Not in E96 or E24, the series of a 1% tolerance: the nearest standard values are 1.1 k ohm "
     "and 1.13 k ohm; a colour may be misread\n"},
    {{"--details", "red", "red", "red"},
     "Resistance: 2.2 k ohm, 20%\n"
     "Range: 1.76 k ohm to 2.64 k ohm\n"
     "Series: E3 E6 E12 E24\n"},
    // The zero-ohm band has no tolerance, range or series.
    {{"--details", "black"}, "Resistance: 0 ohm\n"},
};

TEST(Reading, DetailsGiveRangeSeriesWarningAndTheOtherEnd) {
  for (const Details& c : kDetails) {
    SCOPED_TRACE(CommandLineOf(c.arguments));
    const BandsRun run = RunBandsWith(c.arguments);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, c.out);
    EXPECT_EQ(run.err, "");
  }
}

// The pictures follow the lines only where asked for, or on a terminal with
// colours.
TEST(Reading, PicturesOnlyOnATerminalOrWhenAsked) {
  const auto run = [](std::vector<std::string_view> arguments, OutputTerminal terminal) {
    const BandsRun result = RunBandsWith(arguments, terminal);
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    return result.out;
  };
  const OutputTerminal pipe{false, false, false}, terminal{true, false, false},
      noColor{true, true, false}, dumb{true, false, true};
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
  EXPECT_EQ(run(code, dumb), plain);
  EXPECT_EQ(run({"--color=never", "brown", "black", "red", "gold"}, terminal), plain);
  EXPECT_EQ(run({"--color", "never", "brown", "black", "red", "gold"}, terminal), plain);
  EXPECT_EQ(run({"--colour", "auto", "brown", "black", "red", "gold"}, pipe), plain);
  EXPECT_EQ(run({"--color=auto", "brown", "black", "red", "gold"}, pipe), plain);
  EXPECT_EQ(run({"--color=always", "brown", "black", "red", "gold"}, pipe), picture);
  EXPECT_EQ(run({"--color", "always", "brown", "black", "red", "gold"}, dumb), picture);
  // After a blank, only never, always and auto are WHEN: a colour stays a
  // colour, and --color alone means always.
  EXPECT_EQ(run({"--color", "brown", "black", "red", "gold"}, noColor), picture);
  EXPECT_EQ(run({"brown", "black", "red", "gold", "--color"}, pipe), picture);

  // The zero-ohm band: one black band on the body.
  const std::string zero = run({"--color=always", "black"}, pipe);
  EXPECT_TRUE(zero.starts_with("Resistance: 0 ohm\n")) << zero;
  EXPECT_NE(zero.find(black), std::string::npos) << zero;

  const BandsRun bad = RunBandsWith({"--color=sometimes", "brown", "black", "red"});
  EXPECT_EQ(bad.status, 2);
  EXPECT_EQ(bad.out, "");
  EXPECT_EQ(bad.err,
            "bands: \"--color=sometimes\": choose --color=never, --color=always or --color=auto\n");
}

// The picture of a line of --value draws what the line says: a band still
// to choose is no band of another code.
TEST(Reading, PicturesOfCodesDrawOnlyTheChosenBands) {
  const BandsRun run = RunBandsWith({"--value", "4.7k", "--color=always"});
  ASSERT_EQ(run.status, 0);
  std::istringstream lines(run.out);
  std::string line, fourPicture, fivePicture;
  std::getline(lines, line);
  EXPECT_EQ(line, "4 bands: yellow violet red, then the tolerance band");
  std::getline(lines, fourPicture);
  std::getline(lines, line);
  EXPECT_EQ(line, "5 bands: yellow violet black brown, then the tolerance band");
  std::getline(lines, fivePicture);
  std::getline(lines, line);
  EXPECT_EQ(line, "SMD: 472, 4701");
  // The open tolerance band stands apart, after the gap, as a question
  // mark on the bare body; the five-band code's brown multiplier comes
  // before it, with the value's bands.
  const std::string openBand = "  \x1b[38;2;90;60;30m??";
  const std::string brown = "\x1b[48;2;139;69;19m";
  for (const std::string& picture : {fourPicture, fivePicture}) {
    const std::size_t open = picture.find(openBand);
    EXPECT_NE(open, std::string::npos) << picture;
    EXPECT_EQ(picture.find("??", open + openBand.size()), std::string::npos) << picture;
  }
  EXPECT_LT(fivePicture.find(brown), fivePicture.find(openBand)) << fivePicture;
  EXPECT_EQ(fourPicture.find(brown), std::string::npos) << fourPicture;
}

}  // namespace
