// What people type, given to the real program: the ohm sign reaches it
// whole (on Windows through the wide command line), and messages quote it
// as typed.
#include <gtest/gtest.h>

#include "run_program.h"

namespace {

TEST(TypedProgram, OhmSignsLetterCodesAndSeparators) {
  const struct {
    std::vector<std::string> arguments;
    std::string out;
  } cases[] = {
      {{"--value", "4.7 k\xCE\xA9", "--tolerance", "5%"},
       "4 bands: yellow violet red gold" + kNewline + "5 bands: yellow violet black brown gold" +
           kNewline + "SMD: 472, 4701" + kNewline},
      {{"--value", "1M\xE2\x84\xA6", "--tolerance",
        "\xC2\xB1"
        "10%"},
       "4 bands: brown black green silver" + kNewline + "5 bands: brown black black yellow silver" +
           kNewline + "SMD: 105, 1004, 01E" + kNewline},
      {{"BN", "BK", "RD", "GD"}, "Resistance: 1.0 k ohm, 5%" + kNewline},
      {{"brown,black,black,brown,red"}, "Resistance: 1.00 k ohm, 2%" + kNewline},
      {{"yellow violet red gold"}, "Resistance: 4.7 k ohm, 5%" + kNewline},
      {{"4R7"}, "Resistance: 4.7 ohm" + kNewline},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.arguments.front());
    const ProgramRun run = RunProgram(BANDS_PROGRAM, c.arguments, kDeadlineMilliseconds);
    EXPECT_TRUE(run.started && run.finishedInTime);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, c.out);
    EXPECT_EQ(run.err, "");
  }
}

TEST(TypedProgram, MessagesQuoteTheValueAsTyped) {
  const ProgramRun run =
      RunProgram(BANDS_PROGRAM, {"--value", "4,7 k\xE2\x84\xA6"}, kDeadlineMilliseconds);
  EXPECT_TRUE(run.started && run.finishedInTime);
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err,
            "bands: value \"4,7 k\xE2\x84\xA6\": a comma may be a decimal point or a thousands "
            "separator and is "
            "not guessed at; write 4.7 k\xE2\x84\xA6 or 4k7" +
                kNewline);
}

// A Unicode minus is a minus, and a misspelt colour gets the colour meant.
TEST(TypedProgram, MinusSignsAndMisspeltColours) {
  const struct {
    std::vector<std::string> arguments;
    std::string err;
  } cases[] = {
      {{"--value",
        "\xE2\x88\x92"
        "5"},
       "bands: value \"\xE2\x88\x92"
       "5\": a resistance cannot be negative; write 5" +
           kNewline},
      {{"yelow", "violet", "red"},
       "bands: band 1 of 3 (first digit): unknown colour \"yelow\"; did you mean yellow?" +
           kNewline},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.arguments.back());
    const ProgramRun run = RunProgram(BANDS_PROGRAM, c.arguments, kDeadlineMilliseconds);
    EXPECT_TRUE(run.started && run.finishedInTime);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, c.err);
  }
}

}  // namespace
