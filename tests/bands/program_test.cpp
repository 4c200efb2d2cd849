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
                         "5 bands: yellow violet black brown gold" + kNewline);
  EXPECT_EQ(run.err, "");
}

TEST(Program, ExitsWith1WhenNeitherCodeCanEncodeTheValue) {
  const ProgramRun run = RunBandsProgram({"--value", "0.001"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out,
            "4 bands: cannot encode 0.001 ohm: it has a digit below 0.01 ohm, the finest step of "
            "the code" +
                kNewline +
                "5 bands: cannot encode 0.001 ohm: it has a digit below 0.01 ohm, the finest step "
                "of the code" +
                kNewline);
  EXPECT_EQ(run.err, "");
}

TEST(Program, BadInputGivesStatus2AMessageAndNoOutput) {
  const struct {
    std::vector<std::string> arguments;
    const char* messagePart;
  } cases[] = {
      {{}, "no colours and no --value"},
      {{"brown", "black"}, "got 2"},
      {{"purple", "black", "red", "gold"}, "band 1 of 4 (first digit): unknown colour \"purple\""},
      {{"gold", "black", "red", "gold"}, "band 1 of 4 (first digit): gold is not offered"},
      {{"brown", "black", "red", "pink"},
       "band 4 of 4 (tolerance): pink is not offered; choose none, brown, red, green, blue, "
       "violet, orange, "
       "yellow, grey, silver, gold"},
      {{"--value", "4.7x"}, "value \"4.7x\": unexpected \"x\""},
      {{"--value", "1000G"}, "value \"1000G\": above 999 G ohm"},
      {{"--value", "1k", "--tolerance", "3%"}, "tolerance \"3%\": choose 1%, 2%, 5%, 10%, 20%"},
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
  EXPECT_EQ(version.out, "bands 1.0.0.1" + kNewline);
}

}  // namespace
