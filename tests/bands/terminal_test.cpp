// The real `bands` program with its standard output on a pseudo-terminal:
// the pictures appear there, and NO_COLOR, TERM=dumb or --color=never keep
// the plain lines.
#include <gtest/gtest.h>

#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct TerminalRun {
  int status = -1;
  std::string out;  // as the terminal received it: "\n" comes as "\r\n"
};

// Runs bands on a new pseudo-terminal with NO_COLOR and TERM as given (null:
// unset).
TerminalRun RunOnTerminal(const std::vector<std::string>& arguments, const char* noColor,
                          const char* term = "xterm-256color") {
  TerminalRun run;
  int master = -1;
  const pid_t child = forkpty(&master, nullptr, nullptr, nullptr);
  if (child == 0) {
    if (noColor != nullptr) {
      setenv("NO_COLOR", noColor, 1);
    } else {
      unsetenv("NO_COLOR");
    }
    if (term != nullptr) {
      setenv("TERM", term, 1);
    } else {
      unsetenv("TERM");
    }
    std::vector<char*> argv{const_cast<char*>(BANDS_PROGRAM)};
    for (const std::string& argument : arguments)
      argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    execv(BANDS_PROGRAM, argv.data());
    _exit(127);
  }
  EXPECT_GT(child, 0);
  if (child <= 0) return run;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  char buffer[4096];
  while (std::chrono::steady_clock::now() < deadline) {
    pollfd wait{master, POLLIN, 0};
    if (poll(&wait, 1, 100) <= 0) continue;
    const ssize_t count = read(master, buffer, sizeof buffer);
    if (count <= 0) break;  // EIO once the child has closed the terminal
    run.out.append(buffer, static_cast<std::size_t>(count));
  }
  // A program still running at the deadline is stopped, so that the test
  // fails instead of waiting for it.
  int status = 0;
  pid_t ended = 0;
  while ((ended = waitpid(child, &status, WNOHANG)) == 0 &&
         std::chrono::steady_clock::now() < deadline) {
    poll(nullptr, 0, 10);
  }
  if (ended == 0) {
    ADD_FAILURE() << "bands did not end within 60 seconds; it wrote: " << run.out;
    kill(child, SIGKILL);
    waitpid(child, &status, 0);
  } else if (ended == child && WIFEXITED(status)) {
    run.status = WEXITSTATUS(status);
  }
  close(master);
  return run;
}

TEST(Terminal, PicturesFollowTheLinesOnATerminal) {
  const TerminalRun run = RunOnTerminal({"yellow", "violet", "red", "gold"}, nullptr);
  EXPECT_EQ(run.status, 0);
  ASSERT_TRUE(run.out.starts_with("Resistance: 4.7 k ohm, 5%\r\n")) << run.out;
  // Yellow, Violet, Red and Gold bands as 24-bit backgrounds, then a reset.
  const std::size_t yellow = run.out.find("\x1b[48;2;255;230;0m"),
                    violet = run.out.find("\x1b[48;2;150;60;200m"),
                    red = run.out.find("\x1b[48;2;220;20;20m"),
                    gold = run.out.find("\x1b[48;2;212;175;55m");
  EXPECT_TRUE(yellow != std::string::npos && yellow < violet && violet < red && red < gold)
      << run.out;
  EXPECT_TRUE(run.out.ends_with("\x1b[0m\r\n")) << run.out;

  const TerminalRun codes = RunOnTerminal({"--value", "4.7k"}, nullptr);
  EXPECT_EQ(codes.status, 0);
  EXPECT_TRUE(codes.out.starts_with("4 bands: yellow violet red, then the tolerance band\r\n\x1b["))
      << codes.out;
  EXPECT_NE(
      codes.out.find("\r\n5 bands: yellow violet black brown, then the tolerance band\r\n\x1b["),
      std::string::npos)
      << codes.out;
  EXPECT_TRUE(codes.out.ends_with("\r\nSMD: 472, 4701\r\n")) << codes.out;
}

TEST(Terminal, NoColorAndNeverKeepThePlainLines) {
  const std::string plain = "Resistance: 4.7 k ohm, 5%\r\n";
  EXPECT_EQ(RunOnTerminal({"yellow", "violet", "red", "gold"}, "1").out, plain);
  EXPECT_EQ(RunOnTerminal({"--color=never", "yellow", "violet", "red", "gold"}, nullptr).out,
            plain);
  EXPECT_EQ(RunOnTerminal({"--color", "never", "yellow", "violet", "red", "gold"}, nullptr).out,
            plain);
  // A dumb terminal shows no colours.
  EXPECT_EQ(RunOnTerminal({"yellow", "violet", "red", "gold"}, nullptr, "dumb").out, plain);
  // An empty NO_COLOR does not count (no-color.org), nor does a missing TERM;
  // --color=always wins over NO_COLOR and TERM=dumb. Each prints the line and
  // then the picture.
  for (const TerminalRun& run :
       {RunOnTerminal({"yellow", "violet", "red", "gold"}, ""),
        RunOnTerminal({"yellow", "violet", "red", "gold"}, nullptr, nullptr),
        RunOnTerminal({"--color=always", "yellow", "violet", "red", "gold"}, "1"),
        RunOnTerminal({"--color", "always", "yellow", "violet", "red", "gold"}, nullptr, "dumb")}) {
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.out.starts_with(plain)) << run.out;
    EXPECT_NE(run.out.find("\x1b[48;2;"), std::string::npos) << run.out;
  }
}

}  // namespace
