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

struct BandsRun {
  int status;
  std::string out;
  std::string err;
};

inline BandsRun RunBandsWith(const std::vector<std::string_view>& arguments) {
  std::ostringstream out, err;
  const int status = RunBands(arguments, out, err);
  return {status, out.str(), err.str()};
}

struct ReadingParts {
  std::string value;      // "4.70 k ohm"
  std::string tolerance;  // "1%", and the temperature coefficient after it when there is one
};

// "Resistance: 4.70 k ohm, 1%" -> {"4.70 k ohm", "1%"}
inline ReadingParts SplitReading(const std::string& line) {
  const std::string prefix = "Resistance: ";
  EXPECT_TRUE(line.starts_with(prefix)) << line;
  const std::size_t comma = line.find(", ", prefix.size());
  EXPECT_NE(comma, std::string::npos) << line;
  if (comma == std::string::npos) return {};
  return {line.substr(prefix.size(), comma - prefix.size()), line.substr(comma + 2)};
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
    std::vector<std::string> arguments{std::istream_iterator<std::string>(words), {}};
    const BandsRun run = RunBandsWith({arguments.begin(), arguments.end()});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, expected);
  }
  return examples.size();
}
