// bands: the resistor colour code at a terminal, in both directions.
#include <iostream>
#include <string_view>
#include <vector>

#include "command_line.h"
#include "float_control.h"

int main(int argc, char** argv) {
  // The readings compute in the same floating-point mode as the windows.
  LoadFloatControlWord(ExtendedFloatControlWord);
  const std::vector<std::string_view> arguments(argv + 1, argv + argc);
  const int status = RunBands(arguments, std::cout, std::cerr);
  std::cout.flush();
  // A full disk or a closed pipe must not pass for success.
  if (!std::cout) return ExitFailure;
  return status;
}
