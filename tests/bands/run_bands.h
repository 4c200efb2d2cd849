// Runs the command line of `bands` in this process and keeps what it wrote.
#pragma once

#include <initializer_list>
#include <iterator>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "command_line.h"
#include "output.h"

struct BandsRun {
  int status;
  std::string out;
  std::string err;
};

inline void AppendToString(void* context, std::string_view text) {
  static_cast<std::string*>(context)->append(text);
}

inline BandsRun RunBandsWith(const std::vector<std::string_view>& arguments,
                             const OutputTerminal& terminal = {}) {
  BandsRun run{-1, {}, {}};
  Output out(AppendToString, &run.out);
  Output err(AppendToString, &run.err);
  run.status = RunBands(arguments, out, err, terminal);
  return run;
}

inline BandsRun RunBandsWithStrings(const std::vector<std::string>& arguments) {
  return RunBandsWith(std::vector<std::string_view>(arguments.begin(), arguments.end()));
}

// "bands [--value] [4.7k]": a command line for a trace, each argument in
// brackets so that blanks inside one show.
inline std::string CommandLineOf(const std::vector<std::string_view>& arguments) {
  std::string commandLine = "bands";
  for (const std::string_view argument : arguments) {
    commandLine += " [";
    commandLine += argument;
    commandLine += ']';
  }
  return commandLine;
}

// A command line and everything it prints: standard output, standard error
// and the exit status.
struct Typed {
  std::vector<std::string_view> arguments;
  const char* out;
  const char* err;
  int status;
};

inline void CheckTyped(const Typed& typed) {
  SCOPED_TRACE(CommandLineOf(typed.arguments));
  const BandsRun run = RunBandsWith(typed.arguments);
  EXPECT_EQ(run.out, typed.out);
  EXPECT_EQ(run.err, typed.err);
  EXPECT_EQ(run.status, typed.status);
}

// The words of a line of colours after "N bands: ": {"yellow", "violet",
// "red"}; empty for a line that is no whole code.
inline std::vector<std::string> CodeWords(const std::string& line) {
  const std::size_t colon = line.find(": ");
  if (colon == std::string::npos || line.find(", then") != std::string::npos ||
      line.find("cannot encode") != std::string::npos) {
    return {};
  }
  std::istringstream words(line.substr(colon + 2));
  return {std::istream_iterator<std::string>(words), {}};
}

// Checks the examples that --help lists under `heading` ("Examples:"): each
// is a line "  bands ..." followed by what it prints, indented by two more
// blanks, and each must do what it says. Returns how many there were.
inline std::size_t CheckHelpExamples(std::string_view heading) {
  const std::string help = RunBandsWith({"--help"}).out;
  const std::size_t start = help.find(std::string(heading) + "\n");
  EXPECT_NE(start, std::string::npos) << heading;
  if (start == std::string::npos) return 0;
  std::istringstream lines(help.substr(start + heading.size() + 1));
  std::vector<std::pair<std::string, std::string>> examples;
  std::string line;
  while (std::getline(lines, line) && !line.empty()) {
    if (line.starts_with("  bands ")) {
      examples.push_back({line.substr(8), ""});
    } else {
      EXPECT_TRUE(line.starts_with("    ") && !examples.empty()) << line;
      if (examples.empty()) return 0;
      examples.back().second += line.substr(4) + "\n";
    }
  }
  for (const auto& [command, expected] : examples) {
    SCOPED_TRACE(command);
    std::istringstream words(command);
    const std::vector<std::string> arguments{std::istream_iterator<std::string>(words), {}};
    const BandsRun run = RunBandsWithStrings(arguments);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, expected);
  }
  return examples.size();
}
