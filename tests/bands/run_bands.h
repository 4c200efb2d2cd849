// Runs the command line of `bands` in this process and keeps what it wrote.
#pragma once

#include <initializer_list>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

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
