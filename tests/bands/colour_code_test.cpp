// Reading a colour code given by names: the lines the windows show, and the
// messages for colours that do not form a code.
#include <gtest/gtest.h>

#include <iterator>

#include "band_codes.h"
#include "byte_string.h"
#include "colour_names.h"
#include "run_bands.h"

namespace {

struct KnownResistor {
  std::vector<std::string_view> colours;
  const char* line;
};

const KnownResistor kKnownResistors[] = {
    // Five bands: three digits, multiplier, tolerance.
    {{"brown", "black", "black", "brown", "red"}, "Resistance: 1.00 k ohm, 2%"},
    {{"brown", "black", "black", "red", "gold"}, "Resistance: 10.0 k ohm, 5%"},
    {{"yellow", "violet", "black", "black", "brown"}, "Resistance: 470 ohm, 1%"},
    {{"red", "red", "black", "gold", "silver"}, "Resistance: 22.0 ohm, 10%"},
    {{"brown", "black", "black", "silver", "none"}, "Resistance: 1.00 ohm, 20%"},
    {{"orange", "orange", "white", "orange", "red"}, "Resistance: 339 k ohm, 2%"},
    {{"white", "white", "white", "white", "gold"}, "Resistance: 999 G ohm, 5%"},
    {{"black", "black", "brown", "black", "brown"}, "Resistance: 001 ohm, 1%"},
    {{"black", "brown", "black", "brown", "red"}, "Resistance: 0.10 k ohm, 2%"},
    // Four bands: two digits, multiplier, tolerance.
    {{"brown", "black", "red", "silver"}, "Resistance: 1.0 k ohm, 10%"},
    {{"yellow", "violet", "red", "gold"}, "Resistance: 4.7 k ohm, 5%"},
    {{"brown", "black", "black", "none"}, "Resistance: 10 ohm, 20%"},
    {{"red", "red", "silver", "silver"}, "Resistance: 0.22 ohm, 10%"},
    {{"orange", "white", "gold", "red"}, "Resistance: 3.9 ohm, 2%"},
    {{"green", "blue", "violet", "gold"}, "Resistance: 560 M ohm, 5%"},
    {{"black", "black", "brown", "red"}, "Resistance: 000 ohm, 2%"},
    {{"white", "white", "white", "gold"}, "Resistance: 99 G ohm, 5%"},
    // Names in any case, and the American grey.
    {{"YELLOW", "Violet", "Red", "GoLd"}, "Resistance: 4.7 k ohm, 5%"},
    {{"gray", "red", "black", "gold"}, "Resistance: 82 ohm, 5%"},
    {{"GRAY", "Grey", "grey", "gray", "None"}, "Resistance: 88.8 G ohm, 20%"},
};

TEST(ColourCode, KnownResistorsReadAsTheWindowsShowThem) {
  for (const KnownResistor& resistor : kKnownResistors) {
    SCOPED_TRACE(resistor.line);
    const ColourCodeReading reading = ReadColourCode(resistor.colours);
    EXPECT_EQ(reading.error, "");
    EXPECT_EQ(reading.line, resistor.line);

    const BandsRun run = RunBandsWith(resistor.colours);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, std::string(resistor.line) + "\n");
    EXPECT_EQ(run.err, "");
  }
}

TEST(ColourCode, NamesMatchTheColourTable) {
  const struct {
    const char* name;
    std::optional<BandColour> colour;
  } cases[] = {
      {"black", BandColour::Black},
      {"Brown", BandColour::Brown},
      {"RED", BandColour::Red},
      {"orange", BandColour::Orange},
      {"yellow", BandColour::Yellow},
      {"green", BandColour::Green},
      {"blue", BandColour::Blue},
      {"violet", BandColour::Violet},
      {"grey", BandColour::Grey},
      {"gray", BandColour::Grey},
      {"GrAy", BandColour::Grey},
      {"white", BandColour::White},
      {"silver", BandColour::Silver},
      {"gold", BandColour::Gold},
      {"none", BandColour::None},
      {"purple", std::nullopt},
      {"", std::nullopt},
      {"gol", std::nullopt},
      {"golden", std::nullopt},
      {"black ", std::nullopt},
      {"20%", std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ColourFromName(c.name), c.colour);
  }
  EXPECT_EQ(ColourName(BandColour::Grey), "grey");
  EXPECT_EQ(ColourName(BandColour::None), "none");
}

// Every way a command line can be wrong: exit status 2, nothing on standard
// output, and one line on standard error naming what was wrong.
struct BadInput {
  std::vector<std::string_view> arguments;
  std::vector<const char*> messageParts;
};

const char* const kDigitChoices =
    "choose black, brown, red, orange, yellow, green, blue, violet, grey, white";
const char* const kMultiplierChoices =
    "choose black, brown, red, orange, yellow, green, blue, violet, grey, white, silver, gold";

const BadInput kBadInputs[] = {
    // Wrong number of colours.
    {{"brown", "black"}, {"3 to 6 bands", "got 2"}},
    {{"brown"}, {"got 1"}},
    {{"brown", "black", "black", "black", "brown", "red", "red"}, {"got 7"}},
    {{}, {"no colours and no --value"}},
    // Unknown colours, named with their band and the band's choices.
    {{"purple", "black", "red", "gold"},
     {"band 1 of 4 (first digit)", "unknown colour \"purple\"", kDigitChoices}},
    {{"brown", "black", "red", "golden"},
     {"band 4 of 4 (tolerance)", "unknown colour \"golden\"",
      "choose none, brown, red, green, blue, violet, orange, yellow, grey, silver, gold"}},
    {{"brown", "black", "black", "magenta", "red"},
     {"band 4 of 5 (multiplier)", "unknown colour \"magenta\"", kMultiplierChoices}},
    // Colours that the band does not offer.
    {{"gold", "black", "red", "gold"},
     {"band 1 of 4 (first digit)", "gold is not offered", kDigitChoices}},
    {{"brown", "silver", "red", "gold"},
     {"band 2 of 4 (second digit)", "silver is not offered", kDigitChoices}},
    {{"brown", "black", "none", "black", "red"},
     {"band 3 of 5 (third digit)", "none is not offered", kDigitChoices}},
    {{"brown", "black", "red", "pink"},
     {"band 4 of 4 (tolerance)", "pink is not offered",
      "choose none, brown, red, green, blue, violet, orange, yellow, grey, silver, gold"}},
    {{"brown", "black", "black", "red", "brown", "WHITE"},
     {"band 6 of 6 (temperature coefficient)", "white is not offered",
      "choose black, brown, red, orange, yellow, green, blue, violet, grey"}},
    {{"brown", "black", "none", "gold"},
     {"band 3 of 4 (multiplier)", "none is not offered", kMultiplierChoices}},
    {{"brown", "black", "black", "red", "Pink"},
     {"band 5 of 5 (tolerance)", "pink is not offered",
      "choose none, brown, red, green, blue, violet, orange, yellow, grey, silver, gold"}},
    // Values.
    {{"--value", "4.7x"}, {"value \"4.7x\"", "unexpected \"x\""}},
    {{"--value", "abc"}, {"value \"abc\"", "no number"}},
    {{"--value", ""}, {"value \"\"", "no number"}},
    {{"--value", "ohm"}, {"value \"ohm\"", "no number"}},
    {{"--value", "k7"}, {"value \"k7\"", "no number"}},
    {{"--value", "1.5.3"}, {"value \"1.5.3\"", "unexpected \".3\""}},
    {{"--value", "4k7k"}, {"value \"4k7k\"", "unexpected \"k\""}},
    {{"--value", "1e3"}, {"value \"1e3\"", "unexpected \"e3\""}},
    {{"--value", "2.2T"}, {"value \"2.2T\"", "unexpected \"T\""}},
    {{"--value", "1m"}, {"value \"1m\"", "milli"}},
    {{"--value", "-4.7k"}, {"value \"-4.7k\"", "negative"}},
    {{"--value", "1000G"}, {"value \"1000G\"", "above 999 G ohm"}},
    {{"--value", "999.01G"}, {"value \"999.01G\"", "above 999 G ohm"}},
    {{"--value", "1T"}, {"value \"1T\""}},
    {{"--value=1000000000000"}, {"above 999 G ohm"}},
    // Tolerances.
    {{"--value", "4.7k", "--tolerance", "3%"}, {"tolerance \"3%\"", "choose 1%, 2%, 5%, 10%, 20%"}},
    {{"--value", "4.7k", "--tolerance", "gold"},
     {"tolerance \"gold\"", "choose 1%, 2%, 5%, 10%, 20%"}},
    {{"--value", "4.7k", "--tolerance="}, {"tolerance \"\""}},
    // The command line itself.
    {{"--value"}, {"--value needs an argument"}},
    {{"--value", "4.7k", "--tolerance"}, {"--tolerance needs an argument"}},
    {{"--frob"}, {"unknown option \"--frob\""}},
    {{"--value", "1k", "--value", "2k"}, {"--value given twice"}},
    {{"--value", "1k", "brown"}, {"either colours or --value"}},
    {{"--tolerance", "5%"}, {"--tolerance goes with --value"}},
    {{"brown", "black", "red", "gold", "--tolerance", "5%"}, {"--tolerance goes with --value"}},
};

TEST(ColourCode, BadInputIsRefusedWithAMessageAndStatus2) {
  for (const BadInput& bad : kBadInputs) {
    std::string commandLine;
    for (const std::string_view argument : bad.arguments) {
      commandLine += " [";
      commandLine += argument;
      commandLine += ']';
    }
    SCOPED_TRACE("bands" + commandLine);
    const BandsRun run = RunBandsWith(bad.arguments);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_TRUE(run.err.starts_with("bands: ")) << run.err;
    EXPECT_TRUE(run.err.ends_with("\n")) << run.err;
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << "one line: " << run.err;
    for (const char* part : bad.messageParts) {
      EXPECT_NE(run.err.find(part), std::string::npos)
          << "missing \"" << part << "\" in " << run.err;
    }
  }
}

// A reading that gets no storage for its text would come out with pieces
// missing; the program says so instead of printing the broken line.
TEST(ColourCode, ReadingWithoutStorageIsAFailureNotALine) {
  const TextStorage noStorage{[](std::uint32_t) -> char* { return nullptr; }, [](char*) {}};
  const TextStorage previous = SetTextStorage(noStorage);
  const BandsRun run = RunBandsWith({"yellow", "violet", "red", "gold"});
  SetTextStorage(previous);
  EXPECT_EQ(run.status, 3);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "bands: out of memory\n");
  ClearTextError();

  // And the storage that is back in place serves the next reading.
  EXPECT_EQ(RunBandsWith({"yellow", "violet", "red", "gold"}).out, "Resistance: 4.7 k ohm, 5%\n");
}

TEST(ColourCode, HelpAndVersion) {
  const BandsRun help = RunBandsWith({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_TRUE(help.out.starts_with("Usage:\n")) << help.out;
  EXPECT_NE(help.out.find("Examples:"), std::string::npos);
  EXPECT_EQ(help.err, "");
  EXPECT_EQ(RunBandsWith({"-h"}).out, help.out);

  const BandsRun version = RunBandsWith({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, "bands 1.0.0.1\n");
  EXPECT_EQ(version.err, "");
}

// The examples in the help are commands followed by their output, indented
// by two more blanks; each must do what it says.
TEST(ColourCode, HelpExamplesShowWhatTheCommandsPrint) {
  EXPECT_EQ(CheckHelpExamples("Examples:"), 4u);
}

}  // namespace
