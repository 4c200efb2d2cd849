// The command line of `bands`, apart from the process: arguments in, text
// out, exit status back. Nothing is written to `out` unless the whole
// command line was understood.
#pragma once

#include <ostream>
#include <span>
#include <string_view>

// Exit statuses.
inline constexpr int ExitDone = 0;
inline constexpr int ExitNotEncodable = 1;  // neither code can encode the value asked for
inline constexpr int ExitBadInput = 2;
inline constexpr int ExitFailure = 3;  // out of memory, or the output could not be written

// Runs `bands` with `arguments` (the program name not included): results to
// `out`, messages to `err`, one line each ending in "\n". Returns the exit
// status.
int RunBands(std::span<const std::string_view> arguments, std::ostream& out, std::ostream& err);

// Where standard output goes, for the resistor pictures of --color=auto.
struct OutputTerminal {
  bool isTerminal = false;  // standard output is a terminal
  bool noColor = false;     // NO_COLOR is set to a non-empty text
};

// The same; a picture follows each reading and each code line when
// --color=always, or when --color=auto (the default) and `terminal` is a
// terminal without NO_COLOR.
int RunBands(std::span<const std::string_view> arguments, std::ostream& out, std::ostream& err,
             const OutputTerminal& terminal);
