// What people type: values with the ohm sign, colours by letter code, whole
// codes in one argument; and for what cannot be read, one line saying what
// to write instead.
#include <gtest/gtest.h>

#include "colour_names.h"
#include "colour_words.h"
#include "resistance_value.h"
#include "run_bands.h"

namespace {

// The ohm sign as OHM SIGN (U+2126) and as GREEK CAPITAL LETTER OMEGA
// (U+03A9), written out in UTF-8.
#define OHM_SIGN "\xE2\x84\xA6"
#define OMEGA "\xCE\xA9"

std::string CommandLineOf(const std::vector<std::string_view>& arguments) {
  std::string commandLine = "bands";
  for (const std::string_view argument : arguments) {
    commandLine += " [";
    commandLine += argument;
    commandLine += ']';
  }
  return commandLine;
}

// A command line and everything it prints: on success standard output, on
// bad input the one line on standard error (exit status 2).
struct Typed {
  std::vector<std::string_view> arguments;
  const char* out;
  const char* err;
  int status;
};

void CheckTyped(const Typed& typed) {
  SCOPED_TRACE(CommandLineOf(typed.arguments));
  const BandsRun run = RunBandsWith(typed.arguments);
  EXPECT_EQ(run.out, typed.out);
  EXPECT_EQ(run.err, typed.err);
  EXPECT_EQ(run.status, typed.status);
}

const char* const kYellowViolet =
    "4 bands: yellow violet red\n"
    "5 bands: yellow violet black brown\n";

const Typed kValues[] = {
    // The ohm sign in both code points, with or without a blank before it.
    {{"--value", "4.7 k" OMEGA}, kYellowViolet, "", 0},
    {{"--value", "4.7 k" OHM_SIGN}, kYellowViolet, "", 0},
    {{"--value", "4.7k" OMEGA}, kYellowViolet, "", 0},
    {{"--value", "4.7k" OHM_SIGN}, kYellowViolet, "", 0},
    {{"--value", "4.7 K" OMEGA}, kYellowViolet, "", 0},
    {{"--value", "4.7 k " OMEGA}, kYellowViolet, "", 0},
    {{"--value", "4k7" OMEGA}, kYellowViolet, "", 0},
    {{"--value", "4700 " OHM_SIGN}, kYellowViolet, "", 0},
    {{"--value=4.7k" OMEGA}, kYellowViolet, "", 0},
    {{"--value", "470" OMEGA},
     "4 bands: yellow violet brown\n"
     "5 bands: yellow violet black black\n",
     "",
     0},
    {{"--value", "47 " OHM_SIGN},
     "4 bands: yellow violet black\n"
     "5 bands: yellow violet black gold\n",
     "",
     0},
    {{"--value", "1 M" OMEGA},
     "4 bands: brown black green\n"
     "5 bands: brown black black yellow\n",
     "",
     0},
    {{"--value", "1M" OHM_SIGN, "--tolerance", "5%"},
     "4 bands: brown black green gold\n"
     "5 bands: brown black black yellow gold\n",
     "",
     0},
    {{"--value", "2.2 G" OMEGA},
     "4 bands: red red grey\n"
     "5 bands: red red black violet\n",
     "",
     0},
    {{"--value", "R22" OMEGA},
     "4 bands: red red silver\n"
     "5 bands: black red red silver\n",
     "",
     0},
    {{"--value", "0.22 " OHM_SIGN, "--tolerance", "10%"},
     "4 bands: red red silver silver\n"
     "5 bands: black red red silver silver\n",
     "",
     0},
    {{"--value", "4.75 k" OMEGA},
     "4 bands: cannot encode 4.75 k ohm: it has 3 significant digits, the code shows only 2\n"
     "5 bands: yellow violet green brown\n",
     "",
     0},

    // A comma is not taken for a point or for thousands: the message offers
    // what the value may have meant.
    {{"--value", "4,7k"},
     "",
     "bands: value \"4,7k\": a comma may be a decimal point or a thousands separator and is not "
     "guessed at; "
     "write 4.7k or 4k7\n",
     2},
    {{"--value", "4,7 k" OMEGA},
     "",
     "bands: value \"4,7 k" OMEGA
     "\": a comma may be a decimal point or a thousands separator and is not "
     "guessed at; write 4.7 k" OMEGA " or 4k7\n",
     2},
    {{"--value", "4,7"},
     "",
     "bands: value \"4,7\": a comma may be a decimal point or a thousands separator and is not "
     "guessed at; "
     "write 4.7 or 4R7\n",
     2},
    {{"--value", "0,22"},
     "",
     "bands: value \"0,22\": a comma may be a decimal point or a thousands separator and is not "
     "guessed at; "
     "write 0.22 or R22\n",
     2},
    {{"--value", "2,2M"},
     "",
     "bands: value \"2,2M\": a comma may be a decimal point or a thousands separator and is not "
     "guessed at; "
     "write 2.2M or 2M2\n",
     2},
    {{"--value", "4,700"},
     "",
     "bands: value \"4,700\": a comma may be a decimal point or a thousands separator and is not "
     "guessed at; "
     "write 4.700 or 4R700 for a decimal comma, or 4700 for thousands\n",
     2},
    {{"--value", "1,000,000"},
     "",
     "bands: value \"1,000,000\": a comma may be a decimal point or a thousands separator and is "
     "not guessed "
     "at; write 1000000\n",
     2},
    {{"--value", "4,7x"},
     "",
     "bands: value \"4,7x\": a comma may be a decimal point or a thousands separator and is not "
     "guessed at; "
     "write e.g. 4.7k or 4k7\n",
     2},
    {{"--value", "1,5,3"},
     "",
     "bands: value \"1,5,3\": a comma may be a decimal point or a thousands separator and is not "
     "guessed at; "
     "write e.g. 4.7k or 4k7\n",
     2},
    {{"--value", "2000,5G"},
     "",
     "bands: value \"2000,5G\": a comma may be a decimal point or a thousands separator and is not "
     "guessed "
     "at; write e.g. 4.7k or 4k7\n",
     2},

    // "m" is milli.
    {{"--value", "1m"},
     "",
     "bands: value \"1m\": \"m\" would mean milli-ohm; write 1M for mega-ohm\n",
     2},
    {{"--value", "4.7 m" OMEGA},
     "",
     "bands: value \"4.7 m" OMEGA "\": \"m\" would mean milli-ohm; write 4.7 M" OMEGA
     " for mega-ohm\n",
     2},
    {{"--value", "1000000m"},
     "",
     "bands: value \"1000000m\": \"m\" would mean milli-ohm; write M for mega-ohm\n",
     2},

    // Everything else that is not a value.
    {{"--value", "-4.7k"},
     "",
     "bands: value \"-4.7k\": a resistance cannot be negative; write 4.7k\n",
     2},
    {{"--value", "--4.7k"},
     "",
     "bands: value \"--4.7k\": a resistance cannot be negative; write e.g. 4700, 4.7k, 4k7 or 4.7 "
     "k ohm\n",
     2},
    {{"--value", "-x"},
     "",
     "bands: value \"-x\": a resistance cannot be negative; write e.g. 4700, 4.7k, 4k7 or 4.7 k "
     "ohm\n",
     2},
    {{"--value", OMEGA},
     "",
     "bands: value \"" OMEGA "\": no number before \"" OMEGA
     "\"; write e.g. 4700, 4.7k, 4k7 or 4.7 k ohm\n",
     2},
    {{"--value", " "},
     "",
     "bands: value \" \": no number; write e.g. 4700, 4.7k, 4k7 or 4.7 k ohm\n",
     2},
    {{"--value", "4.7x"},
     "",
     "bands: value \"4.7x\": unexpected \"x\"; units are k, M, G and R, then optionally ohm or the "
     "ohm sign: "
     "write e.g. 4700, 4.7k, 4k7 or 4.7 k ohm\n",
     2},
    {{"--value", "4.7 " OMEGA "k"},
     "",
     "bands: value \"4.7 " OMEGA
     "k\": unexpected \"k\"; units are k, M, G and R, then optionally ohm or the "
     "ohm sign: write e.g. 4700, 4.7k, 4k7 or 4.7 k ohm\n",
     2},
    {{"--value", "470" OMEGA OMEGA},
     "",
     "bands: value \"470" OMEGA OMEGA "\": unexpected \"" OMEGA
     "\"; units are k, M, G and R, then optionally "
     "ohm or the ohm sign: write e.g. 4700, 4.7k, 4k7 or 4.7 k ohm\n",
     2},
    // Lower-case omega, and an ohm sign cut short, are no ohm sign.
    {{"--value", "4.7 k\xCF\x89"},
     "",
     "bands: value \"4.7 k\xCF\x89\": unexpected \"\xCF\x89\"; units are k, M, G and R, then "
     "optionally ohm or "
     "the ohm sign: write e.g. 4700, 4.7k, 4k7 or 4.7 k ohm\n",
     2},
    {{"--value", "470\xE2\x84"},
     "",
     "bands: value \"470\xE2\x84\": unexpected \"\xE2\x84\"; units are k, M, G and R, then "
     "optionally ohm or "
     "the ohm sign: write e.g. 4700, 4.7k, 4k7 or 4.7 k ohm\n",
     2},
    {{"--value", "1000 G" OMEGA},
     "",
     "bands: value \"1000 G" OMEGA
     "\": above 999 G ohm, the largest value of a colour code; write at most "
     "999G\n",
     2},
};

TEST(TypedForms, Values) {
  for (const Typed& typed : kValues) CheckTyped(typed);
}

// Texts as long as a command line allows, made of what the messages look
// at twice (signs, commas, "m"), are refused like short ones.
TEST(TypedForms, LongTextsAreRefusedLikeShortOnes) {
  const struct {
    std::string text;
    const char* errorStart;
  } cases[] = {
      {std::string(100'000, '-') + "1", "a resistance cannot be negative; write e.g."},
      {"1" + std::string(100'000, ','), "a comma may be a decimal point"},
      {std::string(50'000, '1') + "," + std::string(50'000, '1'), "a comma may be a decimal point"},
      {"1,1" + std::string(100'000, 'm'), "a comma may be a decimal point"},
      {"1" + std::string(100'000, 'm'), "\"m\" would mean milli-ohm; write M for mega-ohm"},
      {std::string(33'333, ',') + std::string(33'333, '-') + std::string(33'333, ','),
       "a comma may be"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text.substr(0, 20));
    const ResistanceParse parse = ParseResistance(c.text);
    EXPECT_FALSE(parse.value.has_value());
    EXPECT_TRUE(parse.error.starts_with(c.errorStart)) << parse.error.substr(0, 200);
  }
}

// Every letter code, in the band roles it has in the windows' codes; each
// line is also the reading of the same code by name.
struct LetterCodeCase {
  std::vector<std::string_view> byCode;
  std::vector<std::string_view> byName;
  const char* line;
};

const LetterCodeCase kLetterCodes[] = {
    {{"BN", "BK", "RD", "GD"}, {"brown", "black", "red", "gold"}, "Resistance: 1.0 k ohm, 5%"},
    {{"YE", "VT", "OG", "SR"},
     {"yellow", "violet", "orange", "silver"},
     "Resistance: 47 k ohm, 10%"},
    {{"GN", "BU", "BK", "BN", "BN"},
     {"green", "blue", "black", "brown", "brown"},
     "Resistance: 5.60 k ohm, 1%"},
    {{"GY", "RD", "WH", "GD"}, {"grey", "red", "white", "gold"}, "Resistance: 82 G ohm, 5%"},
    {{"VT", "GN", "BU", "SR"}, {"violet", "green", "blue", "silver"}, "Resistance: 75 M ohm, 10%"},
    {{"WH", "GY", "VT", "GD", "RD"},
     {"white", "grey", "violet", "gold", "red"},
     "Resistance: 98.7 ohm, 2%"},
    {{"OG", "OG", "SR", "none"},
     {"orange", "orange", "silver", "none"},
     "Resistance: 0.33 ohm, 20%"},
    // Any case.
    {{"bn", "bk", "rd", "gd"}, {"brown", "black", "red", "gold"}, "Resistance: 1.0 k ohm, 5%"},
    {{"Ye", "vT", "Og", "sr"},
     {"yellow", "violet", "orange", "silver"},
     "Resistance: 47 k ohm, 10%"},
    {{"bK", "Bn", "bk", "Ye", "Rd"},
     {"black", "brown", "black", "yellow", "red"},
     "Resistance: 0.10 M ohm, 2%"},
    // Mixed with names.
    {{"brown", "BK", "red", "GD"}, {"brown", "black", "red", "gold"}, "Resistance: 1.0 k ohm, 5%"},
};

TEST(TypedForms, LetterCodesReadAsTheirColours) {
  for (const LetterCodeCase& c : kLetterCodes) {
    SCOPED_TRACE(c.line);
    const BandsRun byCode = RunBandsWith(c.byCode);
    const BandsRun byName = RunBandsWith(c.byName);
    EXPECT_EQ(byCode.out, std::string(c.line) + "\n");
    EXPECT_EQ(byCode.out, byName.out);
    EXPECT_EQ(byCode.err, "");
    EXPECT_EQ(byCode.status, 0);
  }
}

TEST(TypedForms, LetterCodesNameTheirColours) {
  using enum CodeColour;
  const struct {
    const char* code;
    const char* name;
    CodeColour colour;
  } codes[] = {
      {"BK", "black", Black},   {"BN", "brown", Brown},   {"RD", "red", Red},
      {"OG", "orange", Orange}, {"YE", "yellow", Yellow}, {"GN", "green", Green},
      {"BU", "blue", Blue},     {"VT", "violet", Violet}, {"GY", "grey", Grey},
      {"WH", "white", White},   {"GD", "gold", Gold},     {"SR", "silver", Silver},
      {"PK", "pink", Pink},     {"pk", "pink", Pink},     {"gY", "grey", Grey},
  };
  for (const auto& c : codes) {
    SCOPED_TRACE(c.code);
    EXPECT_EQ(ColourNameOfLetterCode(c.code), c.name);
  }
  for (const char* notACode : {"", "B", "BKK", "BL", "GR", "NO", "none", "B K", "K"}) {
    SCOPED_TRACE(notACode);
    EXPECT_EQ(ColourNameOfLetterCode(notACode), std::nullopt);
  }
  // The name each code gives reads as that code's colour: PK as the code's
  // Pink, every other one as a colour of the windows' table.
  for (const auto& c : codes) {
    SCOPED_TRACE(c.code);
    const std::optional<std::string_view> name = ColourNameOfLetterCode(c.code);
    ASSERT_TRUE(name);
    EXPECT_EQ(CodeColourFromName(*name), c.colour);
    if (c.colour == Pink) continue;
    const std::optional<BandColour> windowColour = ColourFromName(*name);
    ASSERT_TRUE(windowColour);
    EXPECT_EQ(ToCodeColour(*windowColour), c.colour);
  }
}

// Pink exists only as a multiplier (x0.001, one step finer than silver).
const Typed kPink[] = {
    {{"BN", "BK", "PK", "GD"}, "Resistance: 0.010 ohm, 5%\n", "", 0},
    {{"pk", "BK", "RD", "GD"}, "", nullptr, 2},
    {{"BN,BK,BK,PK,BN"}, "Resistance: 0.100 ohm, 1%\n", "", 0},
};

TEST(TypedForms, PinkByLetterCode) {
  for (const Typed& typed : kPink) {
    SCOPED_TRACE(CommandLineOf(typed.arguments));
    const BandsRun run = RunBandsWith(typed.arguments);
    EXPECT_EQ(run.out, typed.out);
    EXPECT_EQ(run.status, typed.status);
    if (typed.err != nullptr) {
      EXPECT_EQ(run.err, typed.err);
    } else {
      EXPECT_NE(run.err.find("band 1 of 4 (first digit): pink is not offered"), std::string::npos)
          << run.err;
    }
  }
}

const Typed kSeparated[] = {
    {{"brown,black,red,gold"}, "Resistance: 1.0 k ohm, 5%\n", "", 0},
    {{"brown-black-red-gold"}, "Resistance: 1.0 k ohm, 5%\n", "", 0},
    {{"brown/black/red/gold"}, "Resistance: 1.0 k ohm, 5%\n", "", 0},
    {{"brown black red gold"}, "Resistance: 1.0 k ohm, 5%\n", "", 0},
    {{"brown, black, red, gold"}, "Resistance: 1.0 k ohm, 5%\n", "", 0},
    {{" brown\tblack  red / gold,"}, "Resistance: 1.0 k ohm, 5%\n", "", 0},
    {{"BN-BK-RD-GD"}, "Resistance: 1.0 k ohm, 5%\n", "", 0},
    {{"bn/bk/rd/gd"}, "Resistance: 1.0 k ohm, 5%\n", "", 0},
    {{"brown,black", "red", "gold"}, "Resistance: 1.0 k ohm, 5%\n", "", 0},
    {{"brown", "black,red", "gold"}, "Resistance: 1.0 k ohm, 5%\n", "", 0},
    {{"brown,black,black,brown,red"}, "Resistance: 1.00 k ohm, 2%\n", "", 0},
    {{"YE VT BK BK BN"}, "Resistance: 470 ohm, 1%\n", "", 0},
    {{"white-white-white-white-gold"}, "Resistance: 999 G ohm, 5%\n", "", 0},
    {{"gray,red,black,none"}, "Resistance: 82 ohm, 20%\n", "", 0},
    // Counted and checked as if given one by one.
    {{"brown,black,red"}, "Resistance: 1.0 k ohm, 20%\n", "", 0},
    {{"brown,black"},
     "",
     "bands: expected the colours of 3 to 6 bands: 3 (two digits, multiplier), 4 (two digits, "
     "multiplier, "
     "tolerance), 5 (three digits, multiplier, tolerance) or 6 (three digits, multiplier, "
     "tolerance, "
     "temperature coefficient), got 2\n",
     2},
    {{"brown,purple,red,gold"},
     "",
     "bands: band 2 of 4 (second digit): unknown colour \"purple\"; choose black, brown, red, "
     "orange, yellow, "
     "green, blue, violet, grey, white\n",
     2},
    {{"GD-BK-RD-GD"},
     "",
     "bands: band 1 of 4 (first digit): gold is not offered; choose black, brown, red, orange, "
     "yellow, green, "
     "blue, violet, grey, white\n",
     2},
    {{"BL", "BK", "RD", "GD"},
     "",
     "bands: band 1 of 4 (first digit): unknown colour \"BL\"; choose black, brown, red, orange, "
     "yellow, "
     "green, blue, violet, grey, white\n",
     2},
    {{"brown.black.red.gold"},
     "",
     "bands: expected the colours of 3 to 6 bands: 3 (two digits, multiplier), 4 (two digits, "
     "multiplier, "
     "tolerance), 5 (three digits, multiplier, tolerance) or 6 (three digits, multiplier, "
     "tolerance, "
     "temperature coefficient), got 1\n",
     2},
    // An argument of separators only stays one colour, quoted as given.
    {{",", "black", "red", "gold"},
     "",
     "bands: band 1 of 4 (first digit): unknown colour \",\"; choose black, brown, red, orange, "
     "yellow, "
     "green, blue, violet, grey, white\n",
     2},
    {{"", "black", "red", "gold"},
     "",
     "bands: band 1 of 4 (first digit): unknown colour \"\"; choose black, brown, red, orange, "
     "yellow, "
     "green, blue, violet, grey, white\n",
     2},
    // Options still come first: a hyphen at the start makes an option.
    {{"-brown-black-red-gold"},
     "",
     "bands: unknown option \"-brown-black-red-gold\"; see bands --help\n",
     2},
    {{"--value", "1k", "brown,black"}, "", "bands: give either colours or --value, not both\n", 2},
};

TEST(TypedForms, WholeCodeInOneArgument) {
  for (const Typed& typed : kSeparated) CheckTyped(typed);
}

TEST(TypedForms, ArgumentsSplitIntoColourWords) {
  const struct {
    const char* argument;
    std::vector<std::string_view> words;
  } cases[] = {
      {"brown", {"brown"}},
      {"brown,black", {"brown", "black"}},
      {"a-b/c d\te", {"a", "b", "c", "d", "e"}},
      {",,a,,b,,", {"a", "b"}},
      {"BN", {"brown"}},
      {"bn,Gy,pk", {"brown", "grey", "pink"}},
      {"BNBK", {"BNBK"}},
      {"", {""}},
      {" ,-/", {" ,-/"}},
      {"none", {"none"}},
      {"\xCE\xA9", {"\xCE\xA9"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.argument);
    std::vector<std::string_view> words{"before"};
    AppendColourWords(c.argument, words);
    ASSERT_FALSE(words.empty());
    EXPECT_EQ(words.front(), "before");
    EXPECT_EQ(std::vector<std::string_view>(words.begin() + 1, words.end()), c.words);
  }
}

}  // namespace
