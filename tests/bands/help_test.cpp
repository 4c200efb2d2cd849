// --help and --version, and the command line's own refusals.
#include <gtest/gtest.h>

#include "run_bands.h"

namespace {

TEST(Help, FitsEightyColumnsAndListsEveryColourInItsRoles) {
  const BandsRun help = RunBandsWith({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.err, "");
  EXPECT_TRUE(help.out.starts_with("Usage:\n")) << help.out;
  EXPECT_EQ(RunBandsWith({"-h"}).out, help.out);
  std::istringstream lines(help.out);
  for (std::string line; std::getline(lines, line);) {
    // Columns, not bytes: a UTF-8 character takes one.
    std::size_t columns = 0;
    for (const char c : line) columns += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    EXPECT_LE(columns, 80u) << line;
  }
  // The colour table, written out from IEC 60062 and IEC 60757.
  for (const char* part :
       {"  digit        black 0, brown 1, red 2, orange 3, yellow 4, green 5, blue 6,\n"
        "               violet 7, grey 8, white 9\n",
        "  multiplier   black x1, brown x10, red x100, orange x1k, yellow x10k,\n"
        "               green x100k, blue x1M, violet x10M, grey x100M, white x1G,\n"
        "               silver x0.01, gold x0.1, pink x0.001\n",
        "  tolerance    none 20%, brown 1%, red 2%, green 0.5%, blue 0.25%, violet 0.1%,\n"
        "               orange 0.05%, yellow 0.02%, grey 0.01%, silver 10%, gold 5%\n",
        "  temperature  black 250, brown 100, red 50, orange 15, yellow 25, green 20,\n"
        "  coefficient  blue 10, violet 5, grey 1 ppm/K\n",
        "  letter codes BK black, BN brown, RD red, OG orange, YE yellow, GN green,\n"
        "               BU blue, VT violet, GY grey, WH white, SR silver, GD gold,\n"
        "               PK pink\n",
        "older charts give 0.05%"}) {
    EXPECT_NE(help.out.find(part), std::string::npos) << part << "\nin\n" << help.out;
  }
}

// The examples in the help are commands followed by their output, indented
// by two more blanks; each must do what it says.
TEST(Help, ExamplesShowWhatTheCommandsPrint) {
  EXPECT_EQ(CheckHelpExamples("Examples:"), 4u);
  EXPECT_EQ(CheckHelpExamples("More examples:"), 5u);
}

TEST(Help, VersionIsTheBuildsVersion) {
  const BandsRun version = RunBandsWith({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, "bands " BANDS_VERSION "\n");
  EXPECT_EQ(version.err, "");
}

// Every way a command line can be wrong: exit status 2, nothing on standard
// output, and one line on standard error naming what was wrong.
const Typed kBadCommandLines[] = {
    {{}, "", "bands: no colours and no --value given; see bands --help\n", 2},
    {{"--value"}, "", "bands: --value needs an argument, e.g. --value 4.7k\n", 2},
    {{"--value", "4.7k", "--tolerance"},
     "",
     "bands: --tolerance needs an argument, e.g. --tolerance 5%\n",
     2},
    {{"--value", "4.7k", "--coefficient"},
     "",
     "bands: --coefficient needs an argument, e.g. --coefficient 50\n",
     2},
    {{"--frob"}, "", "bands: unknown option \"--frob\"; see bands --help\n", 2},
    {{"--value", "1k", "--value", "2k"}, "", "bands: --value given twice\n", 2},
    {{"--value", "1k", "brown"}, "", "bands: give either colours or --value, not both\n", 2},
    {{"--tolerance", "5%"}, "", "bands: --tolerance goes with --value\n", 2},
    {{"brown", "black", "red", "gold", "--tolerance", "5%"},
     "",
     "bands: --tolerance goes with --value\n",
     2},
    {{"--coefficient", "50", "brown", "black", "red"},
     "",
     "bands: --coefficient goes with --value\n",
     2},
    {{"--value", "4.7k", "--coefficient", "50"},
     "",
     "bands: --coefficient goes with --tolerance, whose band comes before it\n",
     2},
    {{"--series", "E24"}, "", "bands: --series goes with --value\n", 2},
    {{"--details", "--value", "1k"},
     "",
     "bands: --details goes with colours or a marking, not with --value\n",
     2},
    // A long word is quoted cut short.
    {{"--frobnicate-every-band-of-the-resistor-twice"},
     "",
     "bands: unknown option \"--frobnicate-every-band-of-the-resistor-...\"; see bands --help\n",
     2},
};

TEST(Help, BadCommandLinesAreRefused) {
  for (const Typed& typed : kBadCommandLines) CheckTyped(typed);
}

}  // namespace
