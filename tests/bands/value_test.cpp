// Values as typed, and the colours of the codes that show them.
#include <gtest/gtest.h>

#include "band_codes.h"
#include "resistance_value.h"
#include "run_bands.h"

namespace {

constexpr std::int64_t kNotInHundredths = -1;

struct ValueCase {
  const char* text;
  std::int64_t hundredths;  // kNotInHundredths when a digit lies below 0.01 ohm
  const char* shown;        // ResistanceText
};

const ValueCase kValues[] = {
    {"4700", 470000, "4.7 k ohm"},
    {"4.7k", 470000, "4.7 k ohm"},
    {"4k7", 470000, "4.7 k ohm"},
    {"4K7", 470000, "4.7 k ohm"},
    {"4.7 k ohm", 470000, "4.7 k ohm"},
    {"4.7kohm", 470000, "4.7 k ohm"},
    {" 4.7K Ohms ", 470000, "4.7 k ohm"},
    {"4k7 ohm", 470000, "4.7 k ohm"},
    {"0.22", 22, "0.22 ohm"},
    {".22", 22, "0.22 ohm"},
    {"R22", 22, "0.22 ohm"},
    {"r22", 22, "0.22 ohm"},
    {"4R7", 470, "4.7 ohm"},
    {"47R", 4700, "47 ohm"},
    {"47", 4700, "47 ohm"},
    {"47.", 4700, "47 ohm"},
    {"1M", 100000000, "1 M ohm"},
    {"1M5", 150000000, "1.5 M ohm"},
    {"2.2G", 220000000000, "2.2 G ohm"},
    {"2.2g", 220000000000, "2.2 G ohm"},
    {"2G2 OHM", 220000000000, "2.2 G ohm"},
    {"999 G ohm", 99900000000000, "999 G ohm"},
    {"999000000000", 99900000000000, "999 G ohm"},
    {"100G", 10000000000000, "100 G ohm"},
    {"999999", 99999900, "999.999 k ohm"},
    {"1000", 100000, "1 k ohm"},
    {"12.5", 1250, "12.5 ohm"},
    // Leading and trailing zeros, as the readings write them.
    {"001 ohm", 100, "1 ohm"},
    {"000 ohm", 0, "0 ohm"},
    {"0.00 ohm", 0, "0 ohm"},
    {"0.10 k ohm", 10000, "100 ohm"},
    {"4.70 k ohm", 470000, "4.7 k ohm"},
    {"0", 0, "0 ohm"},
    {"0.01", 1, "0.01 ohm"},
    // Finer than a hundredth of an ohm.
    {"0.001", kNotInHundredths, "0.001 ohm"},
    {"4.755", kNotInHundredths, "4.755 ohm"},
    {"0.0010", kNotInHundredths, "0.001 ohm"},
    {"1.00000000000000000001", kNotInHundredths, "1.00000000000000000001 ohm"},
};

TEST(Value, ParsesTheUsualNotations) {
  for (const ValueCase& c : kValues) {
    SCOPED_TRACE(c.text);
    const ResistanceParse parse = ParseResistance(c.text);
    ASSERT_TRUE(parse.value.has_value()) << parse.error;
    EXPECT_EQ(HundredthsOfOhm(*parse.value).value_or(kNotInHundredths), c.hundredths);
    EXPECT_EQ(ResistanceText(*parse.value), c.shown);
  }
}

// Either side of the largest value of a colour code, 999 G ohm.
TEST(Value, RangeEndsAt999GOhm) {
  const struct {
    const char* text;
    bool accepted;
  } cases[] = {
      {"999G", true},
      {"999.0000G", true},
      {"998.99G", true},
      {"999.01G", false},
      {"999.000000001G", false},
      {"1000G", false},
      {"1T", false},
      {"99999999999999999999999", false},
      {"0", true},
      {"-0", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ParseResistance(c.text).value.has_value(), c.accepted);
  }
}

// --value: one line per code, the four-band code first.
struct EncodeCase {
  std::vector<std::string_view> arguments;
  const char* out;
  int status;
};

const EncodeCase kEncodings[] = {
    {{"--value", "4.7k", "--tolerance", "5%"},
     "4 bands: yellow violet red gold\n"
     "5 bands: yellow violet black brown gold\n",
     0},
    {{"--value", "4.7k"},
     "4 bands: yellow violet red\n"
     "5 bands: yellow violet black brown\n",
     0},
    {{"--value=4.7k", "--tolerance=5"},
     "4 bands: yellow violet red gold\n"
     "5 bands: yellow violet black brown gold\n",
     0},
    {{"--value", "4.75k"},
     "4 bands: cannot encode 4.75 k ohm: it has 3 significant digits, the code shows only 2\n"
     "5 bands: yellow violet green brown\n",
     0},
    {{"--value", "0.001"},
     "4 bands: cannot encode 0.001 ohm: it has a digit below 0.01 ohm, the finest step of the "
     "code\n"
     "5 bands: cannot encode 0.001 ohm: it has a digit below 0.01 ohm, the finest step of the "
     "code\n",
     1},
    {{"--value", "123.4"},
     "4 bands: cannot encode 123.4 ohm: it has 4 significant digits, the code shows only 2\n"
     "5 bands: cannot encode 123.4 ohm: it has 4 significant digits, the code shows only 3\n",
     1},
    {{"--value", "100G"},
     "4 bands: cannot encode 100 G ohm: above 99 G ohm, the largest value of the code\n"
     "5 bands: brown black black white\n",
     0},
    {{"--value", "99G"},
     "4 bands: white white white\n"
     "5 bands: white white black grey\n",
     0},
    {{"--value", "999G", "--tolerance", "5%"},
     "4 bands: cannot encode 999 G ohm: above 99 G ohm, the largest value of the code\n"
     "5 bands: white white white white gold\n",
     0},
    {{"--value", "R22", "--tolerance", "1%"},
     "4 bands: cannot encode a 1% tolerance: the code offers 2%, 5%, 10%, 20%\n"
     "5 bands: black red red silver brown\n",
     0},
    {{"--value", "0.22", "--tolerance", "10%"},
     "4 bands: red red silver silver\n"
     "5 bands: black red red silver silver\n",
     0},
    // Below 0.10 ohm (two digits) and 1.00 ohm (three) the first digit is black.
    {{"--value", "0.05"},
     "4 bands: black green silver\n"
     "5 bands: black black green silver\n",
     0},
    {{"--value", "0.1"},
     "4 bands: brown black silver\n"
     "5 bands: black brown black silver\n",
     0},
    {{"--value", "1"},
     "4 bands: brown black gold\n"
     "5 bands: brown black black silver\n",
     0},
    {{"--value", "0", "--tolerance", "20%"},
     "4 bands: black black black none\n"
     "5 bands: black black black black none\n",
     0},
    {{"--value", "10"},
     "4 bands: brown black black\n"
     "5 bands: brown black black gold\n",
     0},
    {{"--value", "1M", "--tolerance", "20 %"},
     "4 bands: brown black green none\n"
     "5 bands: brown black black yellow none\n",
     0},
    {{"--value", "2.2G", "--tolerance", "2%"},
     "4 bands: red red grey red\n"
     "5 bands: red red black violet red\n",
     0},
    {{"--value", "560M"},
     "4 bands: green blue violet\n"
     "5 bands: green blue black blue\n",
     0},
    {{"--value", "339k", "--tolerance", "2%"},
     "4 bands: cannot encode 339 k ohm: it has 3 significant digits, the code shows only 2\n"
     "5 bands: orange orange white orange red\n",
     0},
};

TEST(Value, PrintsTheColoursOfBothCodes) {
  for (const EncodeCase& c : kEncodings) {
    std::string commandLine;
    for (const std::string_view argument : c.arguments) {
      commandLine += ' ';
      commandLine += argument;
    }
    SCOPED_TRACE("bands" + commandLine);
    const BandsRun run = RunBandsWith(c.arguments);
    EXPECT_EQ(run.out, c.out);
    EXPECT_EQ(run.status, c.status);
    EXPECT_EQ(run.err, "");
  }
}

TEST(Value, TolerancesByPercentage) {
  const struct {
    const char* text;
    std::optional<BandColour> colour;
  } cases[] = {
      {"1%", BandColour::Brown},   {"2%", BandColour::Red},       {"5%", BandColour::Gold},
      {"10%", BandColour::Silver}, {"20%", BandColour::None},     {"5", BandColour::Gold},
      {"05%", BandColour::Gold},   {" 10 %", BandColour::Silver}, {"3%", std::nullopt},
      {"0%", std::nullopt},        {"%", std::nullopt},           {"", std::nullopt},
      {"5%%", std::nullopt},       {"-5%", std::nullopt},         {"gold", std::nullopt},
      {"0.5%", std::nullopt},      {"1000005%", std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ToleranceFromText(c.text), c.colour);
  }
}

}  // namespace
