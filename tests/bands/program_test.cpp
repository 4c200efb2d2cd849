// The real `bands` program, run as a child process: what reaches standard
// output and standard error, and the exit status.
#include <gtest/gtest.h>

#include "run_program.h"

namespace {

ProgramRun RunBandsProgram(const std::vector<std::string>& arguments) {
  ProgramRun run = RunProgram(BANDS_PROGRAM, arguments, kDeadlineMilliseconds);
  EXPECT_TRUE(run.started) << BANDS_PROGRAM;
  EXPECT_TRUE(run.finishedInTime);
  return run;
}

TEST(Program, PrintsTheReadingOfColours) {
  const ProgramRun run = RunBandsProgram({"brown", "black", "black", "brown", "red"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "Resistance: 1.00 k ohm, 2%" + kNewline);
  EXPECT_EQ(run.err, "");
}

TEST(Program, PrintsTheColoursOfAValue) {
  const ProgramRun run = RunBandsProgram({"--value", "4.7 k ohm", "--tolerance", "5%"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "4 bands: yellow violet red gold" + kNewline +
                         "5 bands: yellow violet black brown gold" + kNewline + "SMD: 472, 4701" +
                         kNewline);
  EXPECT_EQ(run.err, "");
}

TEST(Program, ExitsWith1WhenNoCodeCanShowTheValue) {
  const ProgramRun run = RunBandsProgram({"--value", "123.4"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out,
            "4 bands: cannot encode 123.4 ohm: it has 4 significant digits, the code shows only 2" +
                kNewline +
                "5 bands: cannot encode 123.4 ohm: it has 4 significant digits, the code shows "
                "only 3" +
                kNewline + "SMD: none" + kNewline);
  EXPECT_EQ(run.err, "");
}

TEST(Program, ReadsTheZeroOhmBandAndMarkings) {
  const struct {
    std::vector<std::string> arguments;
    std::string out;
  } cases[] = {
      {{"black"}, "Resistance: 0 ohm" + kNewline},
      {{"--value", "0"}, "1 band: black" + kNewline + "SMD: 0R, 000" + kNewline},
      {{"472"}, "Resistance: 4.7 k ohm" + kNewline},
      {{"10R"},
       "R notation: Resistance: 10 ohm" + kNewline + "EIA-96: Resistance: 1.24 ohm, 1%" + kNewline},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.arguments.front());
    const ProgramRun run = RunBandsProgram(c.arguments);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, c.out);
    EXPECT_EQ(run.err, "");
  }
}

TEST(Program, BadInputGivesStatus2AMessageAndNoOutput) {
  const struct {
    std::vector<std::string> arguments;
    const char* messagePart;
  } cases[] = {
      {{}, "no colours and no --value"},
      {{"brown", "black"}, "got 2"},
      {{"purple", "black", "red", "gold"},
       "band 1 of 4 (first digit): unknown colour \"purple\"; did you mean violet?"},
      {{"gold", "black", "red", "gold"}, "band 1 of 4 (first digit): gold is not offered"},
      {{"brown", "black", "red", "pink"},
       "band 4 of 4 (tolerance): pink is not offered; choose none, brown, red, green, blue, "
       "violet, orange, yellow, grey, silver, gold"},
      {{"--value", "4.7x"}, "value \"4.7x\": unexpected \"x\""},
      {{"--value", "1000G"}, "value \"1000G\": above 999 G ohm"},
      {{"--value", "1k", "--tolerance", "3%"}, "tolerance \"3%\": choose 0.01%, 0.02%"},
      {{"4.7k"},
       "\"4.7k\" is a value, not a colour or a marking; for its colours write --value 4.7k"},
      {{"--frob"}, "unknown option \"--frob\""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.messagePart);
    const ProgramRun run = RunBandsProgram(c.arguments);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_TRUE(run.err.starts_with("bands: ")) << run.err;
    EXPECT_NE(run.err.find(c.messagePart), std::string::npos) << run.err;
  }
}

// A full disk must not pass for success: the output is lost, and the status
// says so.
TEST(Program, ExitsWith3WhenTheOutputCannotBeWritten) {
  const ProgramRun run = RunProgram(BANDS_PROGRAM, {"brown", "black", "black", "brown", "red"},
                                    kDeadlineMilliseconds, "/dev/full");
  ASSERT_TRUE(run.started) << BANDS_PROGRAM;
  ASSERT_TRUE(run.finishedInTime);
  EXPECT_EQ(run.status, 3);
}

TEST(Program, HelpAndVersion) {
  const ProgramRun help = RunBandsProgram({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_TRUE(help.out.starts_with("Usage:" + kNewline)) << help.out;
  EXPECT_NE(help.out.find("bands --value 4.7k --tolerance 5%" + kNewline), std::string::npos);
  EXPECT_EQ(help.err, "");

  const ProgramRun version = RunBandsProgram({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, "bands " BANDS_VERSION + kNewline);
}

}  // namespace
