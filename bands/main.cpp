// bands: the resistor colour code at a terminal, in both directions.
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "command_line.h"
#include "float_control.h"

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace {

// Whether standard output is a terminal; on Windows a console that agrees
// to understand the colour sequences of the pictures. A console without
// them, or the NUL device (which _isatty also reports), counts as none.
bool OutputIsTerminal() {
#ifdef _WIN32
  if (!_isatty(_fileno(stdout))) return false;
  const HANDLE console = GetStdHandle(STD_OUTPUT_HANDLE);
  DWORD mode = 0;
  return GetConsoleMode(console, &mode) &&
         SetConsoleMode(console, mode | ENABLE_VIRTUAL_TERMINAL_PROCESSING);
#else
  return isatty(STDOUT_FILENO) != 0;
#endif
}

int RunWithArguments(const std::vector<std::string_view>& arguments) {
  // The readings compute in the same floating-point mode as the windows.
  LoadFloatControlWord(ExtendedFloatControlWord);
  // NO_COLOR counts when set to a non-empty text (no-color.org).
  const char* const noColor = std::getenv("NO_COLOR");
  const OutputTerminal terminal{OutputIsTerminal(), noColor != nullptr && noColor[0] != '\0'};
  const int status = RunBands(arguments, std::cout, std::cerr, terminal);
  std::cout.flush();
  // A full disk or a closed pipe must not pass for success.
  if (!std::cout) return ExitFailure;
  return status;
}

}  // namespace

#ifdef _WIN32

// Windows passes a program's narrow arguments in the ANSI code page, which
// has no ohm sign (it arrives as "?"); the wide arguments converted to UTF-8
// keep it, and every other character, as on other systems.
int wmain(int argc, wchar_t** argv) {
  std::vector<std::string> utf8Arguments;
  for (int i = 1; i < argc; ++i) {
    const int length = WideCharToMultiByte(CP_UTF8, 0, argv[i], -1, nullptr, 0, nullptr, nullptr);
    std::string argument(length > 0 ? length : 1, '\0');
    if (length > 0)
      WideCharToMultiByte(CP_UTF8, 0, argv[i], -1, argument.data(), length, nullptr, nullptr);
    argument.pop_back();  // the terminating zero
    utf8Arguments.push_back(std::move(argument));
  }
  // Messages quote what was typed, in UTF-8: a console shows it as such
  // while bands runs.
  const UINT consoleCodePage = GetConsoleOutputCP();
  if (consoleCodePage != 0) SetConsoleOutputCP(CP_UTF8);
  const int status = RunWithArguments({utf8Arguments.begin(), utf8Arguments.end()});
  if (consoleCodePage != 0) SetConsoleOutputCP(consoleCodePage);
  return status;
}

#else

int main(int argc, char** argv) { return RunWithArguments({argv + 1, argv + argc}); }

#endif
