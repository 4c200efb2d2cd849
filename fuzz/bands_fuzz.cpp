// The command line of bands on any text: as a whole command line, as the
// value of --value, and as the words of a code or a marking.
//
// Properties:
// - the command line ends with a known status, prints nothing on standard
//   output on bad input but a message, and ends every line it prints;
// - a value that --value takes comes back: every whole code it prints
//   reads, at the command line, as the same value; the four-band code shows
//   nothing that the five-band code does not;
// - a reading of colours or of a marking is lines of "Resistance: ",
//   named by kind when a marking reads two ways.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "colour_code/resistance.h"
#include "command_line.h"
#include "output.h"

namespace {

[[noreturn]] void Broken(const char* property, std::string_view input) {
  std::fprintf(stderr, "broken: %s: input \"%.*s\"\n", property, static_cast<int>(input.size()),
               input.data());
  std::abort();
}

std::vector<std::string_view> Split(std::string_view text, char separator, std::size_t most) {
  std::vector<std::string_view> parts;
  while (parts.size() < most) {
    const std::size_t end = text.find(separator);
    parts.push_back(text.substr(0, end));
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return parts;
}

void Append(void* context, std::string_view text) {
  static_cast<std::string*>(context)->append(text);
}

struct Run {
  int status;
  std::string out;
  std::string err;
};

Run RunWith(const std::vector<std::string_view>& arguments) {
  Run run{-1, {}, {}};
  Output out(Append, &run.out);
  Output err(Append, &run.err);
  run.status = RunBands(arguments, out, err);
  return run;
}

std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    lines.push_back(text.substr(0, end));
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

bool LinesEnded(const std::string& text) { return text.empty() || text.back() == '\n'; }

// The checks every run passes, whatever its arguments.
void CheckRun(const Run& run, std::string_view input) {
  if (run.status != ExitDone && run.status != ExitNotEncodable && run.status != ExitBadInput) {
    Broken("exit status", input);
  }
  if (!LinesEnded(run.out) || !LinesEnded(run.err)) Broken("unended line", input);
  if (run.status == ExitBadInput) {
    // A message quotes what was typed, line ends and all.
    if (!run.out.empty() || !run.err.starts_with("bands: ")) {
      Broken("bad input: a message, no output", input);
    }
  } else if (!run.err.empty()) {
    Broken("a message on success", input);
  }
}

void CheckCommandLine(std::string_view input) { CheckRun(RunWith(Split(input, '\n', 8)), input); }

// "Resistance: 4.70 k ohm, 1%" -> "4.70 k ohm".
std::string_view ReadValue(std::string_view line) {
  constexpr std::string_view prefix = "Resistance: ";
  if (!line.starts_with(prefix)) return {};
  line.remove_prefix(prefix.size());
  return line.substr(0, line.find(", "));
}

void CheckValue(std::string_view input) {
  const colour_code::ValueParse parse = colour_code::ParseValue(input);
  // With a tolerance every line that shows the value is a whole code.
  const Run run = RunWith({"--value", input, "--tolerance", "1%"});
  CheckRun(run, input);
  if (parse.value.has_value() != (run.status != ExitBadInput))
    Broken("taken exactly as a value", input);
  if (!parse.value) return;
  bool fourShown = false, fiveShown = false;
  for (const std::string_view line : Lines(run.out)) {
    const std::size_t colon = line.find(": ");
    if (colon == std::string_view::npos) Broken("a named line", input);
    const std::string_view name = line.substr(0, colon);
    std::string_view rest = line.substr(colon + 2);
    if (name == "SMD") continue;
    if (rest.starts_with("cannot encode")) continue;
    (name == "4 bands" ? fourShown : fiveShown) = true;
    if (rest.find(", then") != std::string_view::npos) Broken("a whole code", input);
    std::vector<std::string_view> colours;
    while (!rest.empty()) {
      const std::size_t blank = rest.find(' ');
      colours.push_back(rest.substr(0, blank));
      if (blank == std::string_view::npos) break;
      rest.remove_prefix(blank + 1);
    }
    const Run back = RunWith(colours);
    if (back.status != ExitDone) Broken("a written code reads", input);
    const colour_code::ValueParse again = colour_code::ParseValue(ReadValue(Lines(back.out)[0]));
    if (!again.value || !(*again.value == *parse.value))
      Broken("a written code reads as the value", input);
  }
  if (fourShown && !fiveShown && !parse.value->IsZero())
    Broken("four bands show what five do not", input);
  if ((run.status == ExitDone) != (fourShown || fiveShown || parse.value->IsZero())) {
    Broken("status 1 exactly when no code shows the value", input);
  }
}

void CheckReading(std::string_view input) {
  const std::vector<std::string_view> words = Split(input, ' ', 7);
  const Run run = RunWith(words);
  CheckRun(run, input);
  // Options (--details, --help, --value) print other lines.
  for (const std::string_view word : words) {
    if (word.starts_with("-")) return;
  }
  if (run.status != ExitDone) return;
  for (const std::string_view line : Lines(run.out)) {
    if (!line.starts_with("Resistance: ") && !line.starts_with("R notation: Resistance: ") &&
        !line.starts_with("EIA-96: Resistance: ") && !line.starts_with("three digits: ") &&
        !line.starts_with("four digits: ")) {
      Broken("a reading line", input);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  CheckCommandLine(input);
  CheckValue(input);
  CheckReading(input);
  return 0;
}
