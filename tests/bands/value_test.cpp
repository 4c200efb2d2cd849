// --value: the colours of the codes that show a value, each line a whole
// code or saying which band is still to choose, the zero-ohm band, the
// tolerances and coefficients as typed, the SMD markings and the standard
// values around.
#include <gtest/gtest.h>

#include "run_bands.h"

namespace {

const Typed kEncodings[] = {
    {{"--value", "4.7k", "--tolerance", "5%"},
     "4 bands: yellow violet red gold\n"
     "5 bands: yellow violet black brown gold\n"
     "SMD: 472, 4701\n",
     "",
     0},
    {{"--value=4.7k", "--tolerance=5"},
     "4 bands: yellow violet red gold\n"
     "5 bands: yellow violet black brown gold\n"
     "SMD: 472, 4701\n",
     "",
     0},
    // Without a tolerance the line says that band is still to choose.
    {{"--value", "4.7k"},
     "4 bands: yellow violet red, then the tolerance band\n"
     "5 bands: yellow violet black brown, then the tolerance band\n"
     "SMD: 472, 4701\n",
     "",
     0},
    {{"--value", "4.75k"},
     "4 bands: cannot encode 4.75 k ohm: it has 3 significant digits, the code shows only 2\n"
     "5 bands: yellow violet green brown, then the tolerance band\n"
     "SMD: 4751, 66B\n",
     "",
     0},
    {{"--value", "123.4", "--tolerance", "1%"},
     "4 bands: cannot encode 123.4 ohm: it has 4 significant digits, the code shows only 2\n"
     "5 bands: cannot encode 123.4 ohm: it has 4 significant digits, the code shows only 3\n"
     "SMD: none\n",
     "",
     1},
    {{"--value", "100G", "--tolerance", "5%"},
     "4 bands: cannot encode 100 G ohm: above 99 G ohm, the largest value of the code\n"
     "5 bands: brown black black white gold\n"
     "SMD: 1009\n",
     "",
     0},
    {{"--value", "99G", "--tolerance", "20%"},
     "4 bands: white white white none\n"
     "5 bands: white white black grey none\n"
     "SMD: 999, 9908\n",
     "",
     0},
    // Every tolerance of the code, in both codes.
    {{"--value", "R22", "--tolerance", "1%"},
     "4 bands: red red silver brown\n"
     "5 bands: red red black pink brown\n"
     "SMD: R22, R220\n",
     "",
     0},
    {{"--value", "4.7k", "--tolerance", "0.5%"},
     "4 bands: yellow violet red green\n"
     "5 bands: yellow violet black brown green\n"
     "SMD: 472, 4701\n",
     "",
     0},
    {{"--value", "2.2G", "--tolerance", "0.01 %"},
     "4 bands: red red grey grey\n"
     "5 bands: red red black violet grey\n"
     "SMD: 228, 2207\n",
     "",
     0},
    // Pink: 0.001 ohm steps. The first digit is black only when the value
    // is too small for anything else.
    {{"--value", "0.047", "--tolerance", "5%"},
     "4 bands: yellow violet pink gold\n"
     "5 bands: black yellow violet pink gold\n"
     "SMD: R047\n",
     "",
     0},
    {{"--value", "0.05", "--tolerance", "10%"},
     "4 bands: green black pink silver\n"
     "5 bands: black green black pink silver\n"
     "SMD: R05, R050\n",
     "",
     0},
    {{"--value", "0.001", "--tolerance", "20%"},
     "4 bands: black brown pink none\n"
     "5 bands: black black brown pink none\n"
     "SMD: R001\n",
     "",
     0},
    {{"--value", "0.1", "--tolerance", "2%"},
     "4 bands: brown black silver red\n"
     "5 bands: brown black black pink red\n"
     "SMD: R10, R100, 01Z\n",
     "",
     0},
    {{"--value", "1", "--tolerance", "1%"},
     "4 bands: brown black gold brown\n"
     "5 bands: brown black black silver brown\n"
     "SMD: 1R0, 1R00, 01Y\n",
     "",
     0},
    // Zero is the zero-ohm band, which has no tolerance.
    {{"--value", "0"}, "1 band: black\nSMD: 0R, 000\n", "", 0},
    {{"--value", "0 ohm", "--tolerance", "5%"}, "1 band: black\nSMD: 0R, 000\n", "", 0},
    // A temperature coefficient adds the six-band code.
    {{"--value", "3.3k", "--tolerance", "0.25%", "--coefficient", "50"},
     "4 bands: orange orange red blue\n"
     "5 bands: orange orange black brown blue\n"
     "6 bands: orange orange black brown blue red\n"
     "SMD: 332, 3301\n",
     "",
     0},
    {{"--value", "100", "--tolerance", "1%", "--coefficient=100ppm/K"},
     "4 bands: brown black brown brown\n"
     "5 bands: brown black black black brown\n"
     "6 bands: brown black black black brown brown\n"
     "SMD: 101, 1000, 01A\n",
     "",
     0},
};

TEST(Value, PrintsTheColoursOfEachCode) {
  for (const Typed& typed : kEncodings) CheckTyped(typed);
}

// The tolerances as people type them: every tolerance of the code, the
// percent sign left out, a plus-minus sign, trailing zeros.
TEST(Value, TolerancesAsTyped) {
  const struct {
    const char* text;
    const char* colour;
  } cases[] = {
      {"1%", "brown"},
      {"2%", "red"},
      {"5%", "gold"},
      {"10%", "silver"},
      {"20%", "none"},
      {"5", "gold"},
      {"05%", "gold"},
      {" 10 %", "silver"},
      {"\xC2\xB1"
       "5%",
       "gold"},
      {"5.0%", "gold"},
      {"0.5%", "green"},
      {"0.25%", "blue"},
      {"0.1%", "violet"},
      {"0.05%", "orange"},
      {"0.02%", "yellow"},
      {"0.01%", "grey"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const BandsRun run = RunBandsWith({"--value", "4.7k", "--tolerance", c.text});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "4 bands: yellow violet red " + std::string(c.colour) +
                           "\n5 bands: yellow violet black brown " + c.colour +
                           "\nSMD: 472, 4701\n");
  }
  for (const char* refused : {"3%", "0%", "%", "", "5%%", "-5%", "gold", "1000005%"}) {
    SCOPED_TRACE(refused);
    const BandsRun run = RunBandsWith({"--value", "4.7k", "--tolerance", refused});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "bands: tolerance \"" + std::string(refused) +
                           "\": choose 0.01%, 0.02%, 0.05%, 0.1%, 0.25%, 0.5%, 1%, 2%, 5%, 10%, "
                           "20%\n");
  }
}

TEST(Value, CoefficientsAsTyped) {
  for (const char* typed : {"50", "50ppm", "50 ppm/K"}) {
    SCOPED_TRACE(typed);
    const BandsRun run =
        RunBandsWith({"--value", "1k", "--tolerance", "1%", "--coefficient", typed});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("6 bands: brown black black brown brown red\n"), std::string::npos)
        << run.out;
  }
  const BandsRun bad = RunBandsWith({"--value", "1k", "--tolerance", "1%", "--coefficient", "7"});
  EXPECT_EQ(bad.status, 2);
  EXPECT_EQ(bad.out, "");
  EXPECT_EQ(bad.err, "bands: coefficient \"7\": choose 1, 5, 10, 15, 20, 25, 50, 100, 250 ppm/K\n");
}

const Typed kSeries[] = {
    {{"--value", "4k75", "--series", "E24"},
     "4 bands: cannot encode 4.75 k ohm: it has 3 significant digits, the code shows only 2\n"
     "5 bands: yellow violet green brown, then the tolerance band\n"
     "SMD: 4751, 66B\n"
     "E24 below: 4.7 k ohm\n"
     "4 bands: yellow violet red, then the tolerance band\n"
     "5 bands: yellow violet black brown, then the tolerance band\n"
     "SMD: 472, 4701\n"
     "E24 above: 5.1 k ohm\n"
     "4 bands: green brown red, then the tolerance band\n"
     "5 bands: green brown black brown, then the tolerance band\n"
     "SMD: 512, 5101\n",
     "",
     0},
    {{"--value", "4.7k", "--series=e12", "--tolerance", "5%"},
     "4 bands: yellow violet red gold\n"
     "5 bands: yellow violet black brown gold\n"
     "SMD: 472, 4701\n"
     "E12: 4.7 k ohm is a standard value\n",
     "",
     0},
    {{"--value", "919", "--series", "E192", "--tolerance", "0.5%"},
     "4 bands: cannot encode 919 ohm: it has 3 significant digits, the code shows only 2\n"
     "5 bands: white brown white black green\n"
     "SMD: 9190\n"
     "E192 below: 909 ohm\n"
     "4 bands: cannot encode 909 ohm: it has 3 significant digits, the code shows only 2\n"
     "5 bands: white black white black green\n"
     "SMD: 9090, 93A\n"
     "E192 above: 920 ohm\n"
     "4 bands: white red brown green\n"
     "5 bands: white red black black green\n"
     "SMD: 921, 9200\n",
     "",
     0},
    {{"--value", "1k", "--series", "E25"},
     "",
     "bands: series \"E25\": choose E3, E6, E12, E24, E48, E96 or E192\n",
     2},
};

TEST(Value, SeriesShowsTheStandardValuesAround) {
  for (const Typed& typed : kSeries) CheckTyped(typed);
}

}  // namespace
