// bands: the resistor colour code at a terminal, in both directions.
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string_view>
#include <vector>

#include "command_line.h"
#include "number_text.h"

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace {

// Whether standard output is a terminal; on Windows a console, which is
// then asked to understand the colour sequences of the pictures.
bool OutputIsTerminal() {
#ifdef _WIN32
  if (!_isatty(_fileno(stdout))) return false;
  const HANDLE console = GetStdHandle(STD_OUTPUT_HANDLE);
  DWORD mode = 0;
  if (GetConsoleMode(console, &mode)) SetConsoleMode(console, mode | ENABLE_VIRTUAL_TERMINAL_PROCESSING);
  return true;
#else
  return isatty(STDOUT_FILENO) != 0;
#endif
}

}  // namespace

int main(int argc, char** argv) {
  // The readings compute in the same floating-point mode as the windows.
  LoadFloatControlWord(ExtendedFloatControlWord);
  const std::vector<std::string_view> arguments(argv + 1, argv + argc);
  // NO_COLOR counts when set to a non-empty text (no-color.org).
  const char* const noColor = std::getenv("NO_COLOR");
  const OutputTerminal terminal{OutputIsTerminal(), noColor != nullptr && noColor[0] != '\0'};
  const int status = RunBands(arguments, std::cout, std::cerr, terminal);
  std::cout.flush();
  // A full disk or a closed pipe must not pass for success.
  if (!std::cout) return ExitFailure;
  return status;
}
