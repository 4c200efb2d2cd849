// What people type: values with the ohm sign, colours by letter code, whole
// codes in one argument, misspelt colours, markings and values given
// without --value; and for what cannot be read, one line saying what to
// write instead.
#include <gtest/gtest.h>

#include "colour_words.h"
#include "run_bands.h"

namespace {

// The ohm sign as OHM SIGN (U+2126) and as GREEK CAPITAL LETTER OMEGA
// (U+03A9), and the minus sign U+2212, written out in UTF-8.
#define OHM_SIGN "\xE2\x84\xA6"
#define OMEGA "\xCE\xA9"
#define MINUS "\xE2\x88\x92"

#define DIGITS "black, brown, red, orange, yellow, green, blue, violet, grey, white"
#define TOLERANCES "none, brown, red, green, blue, violet, orange, yellow, grey, silver, gold"

const char* const kYellowViolet =
    "4 bands: yellow violet red, then the tolerance band\n"
    "5 bands: yellow violet black brown, then the tolerance band\n"
    "SMD: 472, 4701\n";

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
    {{"--value", "1M" OHM_SIGN, "--tolerance", "5%"},
     "4 bands: brown black green gold\n"
     "5 bands: brown black black yellow gold\n"
     "SMD: 105, 1004, 01E\n",
     "",
     0},
    {{"--value", "R22" OMEGA, "--tolerance", "10%"},
     "4 bands: red red silver silver\n"
     "5 bands: red red black pink silver\n"
     "SMD: R22, R220\n",
     "",
     0},

    // A comma is not taken for a point or for thousands: the message offers
    // what the value may have meant, quoting it as typed.
    {{"--value", "4,7k"},
     "",
     "bands: value \"4,7k\": a comma may be a decimal point or a thousands separator and is not "
     "guessed at; write 4.7k or 4k7\n",
     2},
    {{"--value", "4,7 k" OMEGA},
     "",
     "bands: value \"4,7 k" OMEGA
     "\": a comma may be a decimal point or a thousands separator and is not guessed at; write "
     "4.7 k" OMEGA " or 4k7\n",
     2},
    {{"--value", "1,000,000"},
     "",
     "bands: value \"1,000,000\": a comma may be a decimal point or a thousands separator and is "
     "not guessed at; write 1000000\n",
     2},
    // "m" is milli.
    {{"--value", "1m"},
     "",
     "bands: value \"1m\": \"m\" would mean milli-ohm; write 1M for mega-ohm\n",
     2},
    // A resistance is not negative, whichever minus sign is typed.
    {{"--value", "-4.7k"},
     "",
     "bands: value \"-4.7k\": a resistance cannot be negative; write 4.7k\n",
     2},
    {{"--value", MINUS "5"},
     "",
     "bands: value \"" MINUS "5\": a resistance cannot be negative; write 5\n",
     2},
    {{"--value", "4.7x"},
     "",
     "bands: value \"4.7x\": unexpected \"x\"; units are k, M, G and R, then optionally ohm or the "
     "ohm sign: write e.g. 4700, 4.7k, 4k7 or 4.7 k ohm\n",
     2},
    {{"--value", "1000 G" OMEGA},
     "",
     "bands: value \"1000 G" OMEGA
     "\": above 999 G ohm, the largest value of a colour code; write at most 999G\n",
     2},
};

TEST(TypedForms, Values) {
  for (const Typed& typed : kValues) CheckTyped(typed);
}

// Every letter code, in the roles it has; each line is also the reading of
// the same code by name.
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
    {{"BN", "BK", "PK", "GD"}, {"brown", "black", "pink", "gold"}, "Resistance: 0.010 ohm, 5%"},
    {{"BN,BK,BK,PK,BN"}, {"brown", "black", "black", "pink", "brown"}, "Resistance: 0.100 ohm, 1%"},
    {{"BK"}, {"black"}, "Resistance: 0 ohm"},
    // Any case, and mixed with names.
    {{"bn", "bk", "rd", "gd"}, {"brown", "black", "red", "gold"}, "Resistance: 1.0 k ohm, 5%"},
    {{"Ye", "vT", "Og", "sr"},
     {"yellow", "violet", "orange", "silver"},
     "Resistance: 47 k ohm, 10%"},
    {{"bK", "Bn", "bk", "Ye", "Rd"},
     {"black", "brown", "black", "yellow", "red"},
     "Resistance: 0.10 M ohm, 2%"},
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

TEST(TypedForms, WordsNameColours) {
  using colour_code::Colour;
  const struct {
    const char* word;
    std::optional<Colour> colour;
  } cases[] = {
      {"BK", Colour::Black},    {"BN", Colour::Brown},  {"RD", Colour::Red},
      {"OG", Colour::Orange},   {"YE", Colour::Yellow}, {"GN", Colour::Green},
      {"BU", Colour::Blue},     {"VT", Colour::Violet}, {"GY", Colour::Grey},
      {"WH", Colour::White},    {"GD", Colour::Gold},   {"SR", Colour::Silver},
      {"PK", Colour::Pink},     {"pk", Colour::Pink},   {"gY", Colour::Grey},
      {"black", Colour::Black}, {"GrAy", Colour::Grey}, {"grey", Colour::Grey},
      {"none", Colour::None},   {"Pink", Colour::Pink}, {"", std::nullopt},
      {"B", std::nullopt},      {"BKK", std::nullopt},  {"BL", std::nullopt},
      {"GR", std::nullopt},     {"NO", std::nullopt},   {"B K", std::nullopt},
      {"purple", std::nullopt}, {"gol", std::nullopt},  {"black ", std::nullopt},
      {"20%", std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.word);
    EXPECT_EQ(ColourOfWord(c.word), c.colour);
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
    {{"brown,black,red"}, "Resistance: 1.0 k ohm, 20%\n", "", 0},
    // Counted and checked as if given one by one.
    {{"GD-BK-RD-GD"},
     "",
     "bands: band 1 of 4 (first digit): gold is not offered; choose " DIGITS "\n",
     2},
    {{"BL", "BK", "RD", "GD"},
     "",
     "bands: band 1 of 4 (first digit): unknown colour \"BL\"; choose " DIGITS "\n",
     2},
    // An argument of separators only stays one colour, quoted as given.
    {{",", "black", "red", "gold"},
     "",
     "bands: band 1 of 4 (first digit): unknown colour \",\"; choose " DIGITS "\n",
     2},
    {{"", "black", "red", "gold"},
     "",
     "bands: band 1 of 4 (first digit): unknown colour \"\"; choose " DIGITS "\n",
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
      {"a\nb\r\nc", {"a", "b", "c"}},
      {",,a,,b,,", {"a", "b"}},
      {"BN", {"BN"}},
      {"BNBK", {"BNBK"}},
      {"", {""}},
      {" ,-/", {" ,-/"}},
      {"\xCE\xA9", {"\xCE\xA9"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.argument);
    ColourWords words;
    words.Add("before");
    AppendColourWords(c.argument, words);
    ASSERT_EQ(words.count, c.words.size() + 1);
    EXPECT_EQ(words.words[0], "before");
    for (std::size_t i = 0; i < c.words.size(); ++i) EXPECT_EQ(words.words[i + 1], c.words[i]);
  }
  // Every word counts, also past the words kept.
  ColourWords many;
  AppendColourWords("a,b,c,d,e,f,g,h,i,j", many);
  EXPECT_EQ(many.count, 10u);
  EXPECT_EQ(many.words[ColourWords::Capacity - 1], "h");
}

// What people misspell, and the colour each message offers instead of the
// whole list.
TEST(TypedForms, MisspeltColoursGetTheColourMeant) {
  using colour_code::Colour;
  const struct {
    const char* word;
    std::optional<Colour> meant;
  } cases[] = {
      {"bown", Colour::Brown},
      {"browm", Colour::Brown},
      {"yelow", Colour::Yellow},
      {"yellwo", Colour::Yellow},
      {"violett", Colour::Violet},
      {"voilet", Colour::Violet},
      {"purple", Colour::Violet},
      {"Purple", Colour::Violet},
      {"balck", Colour::Black},
      {"sliver", Colour::Silver},
      {"silber", Colour::Silver},
      {"golden", Colour::Gold},
      {"orage", Colour::Orange},
      {"grean", Colour::Green},
      {"whte", Colour::White},
      {"rde", Colour::Red},
      {"pnik", Colour::Pink},
      {"nnoe", Colour::None},
      // Too far from any name, too short to tell, or as close to two.
      {"lilac", std::nullopt},
      {"hello", std::nullopt},
      {"magenta", std::nullopt},
      {"xyz", std::nullopt},
      {"BL", std::nullopt},
      {"re", std::nullopt},
      {"gren", std::nullopt},
      {"", std::nullopt},
      {"averyveryverylongword", std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.word);
    EXPECT_EQ(SpellingSuggestion(c.word), c.meant);
  }
}

const Typed kMisspelt[] = {
    {{"bown", "black", "red", "gold"},
     "",
     "bands: band 1 of 4 (first digit): unknown colour \"bown\"; did you mean brown?\n",
     2},
    {{"brown", "black", "red", "yelow"},
     "",
     "bands: band 4 of 4 (tolerance): unknown colour \"yelow\"; did you mean yellow?\n",
     2},
    {{"brown,purple,red,gold"},
     "",
     "bands: band 2 of 4 (second digit): unknown colour \"purple\"; did you mean violet?\n",
     2},
    {{"violett", "green", "blue", "silver"},
     "",
     "bands: band 1 of 4 (first digit): unknown colour \"violett\"; did you mean violet?\n",
     2},
    {{"brown", "black", "red", "lilac"},
     "",
     "bands: band 4 of 4 (tolerance): unknown colour \"lilac\"; choose " TOLERANCES "\n",
     2},
};

TEST(TypedForms, MisspeltColoursAtTheCommandLine) {
  for (const Typed& typed : kMisspelt) CheckTyped(typed);
}

// One argument that names no colour: an SMD marking is read; a value
// without --value, or a word meant as a number, gets what to write.
const Typed kLoneWords[] = {
    {{"472"}, "Resistance: 4.7 k ohm\n", "", 0},
    {{"4701"}, "Resistance: 4.70 k ohm\n", "", 0},
    {{"4R7"}, "Resistance: 4.7 ohm\n", "", 0},
    {{"R47"}, "Resistance: 0.47 ohm\n", "", 0},
    {{"01C"}, "Resistance: 10.0 k ohm, 1%\n", "", 0},
    {{"66b"}, "Resistance: 4.75 k ohm, 1%\n", "", 0},
    {{"0R"}, "Resistance: 0 ohm\n", "", 0},
    {{"000"}, "Resistance: 0 ohm\n", "", 0},
    {{"10R"},
     "R notation: Resistance: 10 ohm\n"
     "EIA-96: Resistance: 1.24 ohm, 1%\n",
     "",
     0},
    {{"4.7k"},
     "",
     "bands: \"4.7k\" is a value, not a colour or a marking; for its colours write --value 4.7k\n",
     2},
    {{"4k7 " OHM_SIGN},
     "",
     "bands: \"4k7 " OHM_SIGN
     "\" is a value, not a colour or a marking; for its colours write --value \"4k7 " OHM_SIGN
     "\"\n",
     2},
    {{"97C"},
     "",
     "bands: \"97C\" is neither a colour nor an SMD marking; as a value: unexpected \"C\"; units "
     "are k, M, G and R, then optionally ohm or the ohm sign: write e.g. 4700, 4.7k, 4k7 or 4.7 k "
     "ohm\n",
     2},
    // A colour is a colour, and a word that is neither stays an unknown
    // colour.
    {{"brown"}, "", "bands: band 1 of 1 (zero-ohm band): brown is not offered; choose black\n", 2},
    {{"lilac"},
     "",
     "bands: band 1 of 1 (zero-ohm band): unknown colour \"lilac\"; choose black\n",
     2},
};

TEST(TypedForms, LoneWordsAreMarkingsOrValues) {
  for (const Typed& typed : kLoneWords) CheckTyped(typed);
}

// --details on a marking: what it is, the range when it states a tolerance
// (EIA-96, 1%), and the series of its figures; each reading of a marking
// that reads two ways with its own.
const Typed kMarkingDetails[] = {
    {{"--details", "66B"},
     "Resistance: 4.75 k ohm, 1%\n"
     "Marking: EIA-96, number 66 (E96 value 475) and multiplier B (x10), 1% parts\n"
     "Range: 4.7025 k ohm to 4.7975 k ohm\n"
     "Series: E96 E192\n",
     "",
     0},
    {{"472", "--details"},
     "Resistance: 4.7 k ohm\n"
     "Marking: three digits, two figures and a power of ten\n"
     "Series: E3 E6 E12 E24 E192\n",
     "",
     0},
    {{"--details", "10R"},
     "R notation: Resistance: 10 ohm\n"
     "Marking: R notation, R for the decimal point\n"
     "Series: E3 E6 E12 E24 E48 E96 E192\n"
     "EIA-96: Resistance: 1.24 ohm, 1%\n"
     "Marking: EIA-96, number 10 (E96 value 124) and multiplier R (x0.01), 1% parts\n"
     "Range: 1.2276 ohm to 1.2524 ohm\n"
     "Series: E96 E192\n",
     "",
     0},
    {{"--details", "0R"}, "Resistance: 0 ohm\nMarking: zero-ohm jumper\n", "", 0},
};

TEST(TypedForms, DetailsOfMarkings) {
  for (const Typed& typed : kMarkingDetails) CheckTyped(typed);
}

}  // namespace
