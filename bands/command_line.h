// The command line of `bands`, apart from the process: arguments in, text
// out, exit status back. Nothing is written to `out` unless the whole
// command line was understood.
#pragma once

#include <span>
#include <string_view>

#include "output.h"

// Exit statuses.
inline constexpr int ExitDone = 0;
inline constexpr int ExitNotEncodable = 1;  // no code can show the value asked for
inline constexpr int ExitBadInput = 2;
inline constexpr int ExitFailure =
    3;  // the output could not be written, or no memory for the arguments

// Where standard output goes, for the resistor pictures of --color=auto.
struct OutputTerminal {
  bool isTerminal = false;    // standard output is a terminal that shows the pictures' colours
  bool noColor = false;       // NO_COLOR is set to a non-empty text
  bool dumbTerminal = false;  // TERM is "dumb": a terminal without colours
};

// Runs `bands` with `arguments` (the program name not included): results to
// `out`, messages to `err`, each line ending in "\n", messages beginning
// with "bands: ". A picture follows each reading and each line of colours
// when --color=always, or when --color=auto (the default) and `terminal` is
// a terminal with colours and without NO_COLOR. Returns the exit status.
int RunBands(std::span<const std::string_view> arguments, Output& out, Output& err,
             const OutputTerminal& terminal = {});
