// The readings of bands on any text: as a value, as colour names, and as a
// whole command line.
//
// Properties:
// - a value that parses and that a code can show comes back: its colours
//   read as the window's line, and the value in that line parses to the same
//   value; whatever two digit bands show, three show too;
// - colour names give either a line or a message, never both or neither,
//   read as a window's code and as a code of 3 to 6 bands; the latter has
//   its code exactly when it has a line;
// - the command line ends with a known status, prints nothing on bad input,
//   and ends every line it prints.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "band_codes.h"
#include "colour_names.h"
#include "command_line.h"
#include "resistance_value.h"
#include "resistor_code.h"

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

bool LinesEnded(const std::string& text) { return text.empty() || text.back() == '\n'; }

void CheckValue(std::string_view input) {
  const ResistanceParse parse = ParseResistance(input);
  if (parse.value.has_value() == !parse.error.empty()) Broken("a value or an error", input);
  if (!parse.value) return;
  const Resistance& value = *parse.value;
  if (ResistanceText(value).empty()) Broken("no text for a value", input);

  bool shownWithTwoDigits = false;
  for (const int digitBands : {2, 3}) {
    const Encoding encoding = EncodeResistance(value, digitBands, BandColour::None);
    if (encoding.failure != EncodingFailure::None) {
      if (!encoding.colours.empty()) Broken("colours of a failed encoding", input);
      if ((encoding.failure == EncodingFailure::FinerThanStep) != !HundredthsOfOhm(value)) {
        Broken("finer than the step exactly when there are no hundredths", input);
      }
      if (shownWithTwoDigits) Broken("two digits show it and three do not", input);
      continue;
    }
    shownWithTwoDigits = digitBands == 2;
    if (encoding.colours.size() != static_cast<std::size_t>(digitBands) + 2) {
      Broken("band count", input);
    }
    std::vector<std::string> names;
    for (const BandColour colour : encoding.colours) names.push_back(ColourName(colour));
    const std::vector<std::string_view> views(names.begin(), names.end());
    const ColourCodeReading reading = ReadColourCode(views);
    if (!reading.error.empty()) Broken("encoded colours do not read", input);

    // "Resistance: 4.70 k ohm, 20%"
    const std::string_view prefix = "Resistance: ";
    const std::string_view line = reading.line;
    const std::size_t comma = line.rfind(", ");
    if (!line.starts_with(prefix) || comma == std::string_view::npos ||
        line.substr(comma) != ", 20%") {
      Broken("line", input);
    }
    const ResistanceParse back = ParseResistance(line.substr(prefix.size(), comma - prefix.size()));
    if (!back.value || *back.value != value) Broken("the line's value is another", input);
  }
}

void CheckColourNames(std::string_view input) {
  std::vector<std::string_view> names;
  for (const std::string_view word : Split(input, ' ', 6)) {
    if (!word.empty()) names.push_back(word);
  }
  const ColourCodeReading reading = ReadColourCode(names);
  if (reading.line.empty() == reading.error.empty()) Broken("a line or a message", input);

  // The same words as a code of 3 to 6 bands, as the command line reads them.
  const ResistorReading code = ReadResistorCode(names);
  if (code.line.empty() == code.error.empty()) Broken("a code's line or a message", input);
  if (code.code.has_value() == code.line.empty()) Broken("a code exactly with its line", input);
}

void CheckCommandLine(std::string_view input) {
  const std::vector<std::string_view> arguments = Split(input, '\n', 8);
  std::ostringstream out;
  std::ostringstream err;
  const int status = RunBands(arguments, out, err);
  if (status != ExitDone && status != ExitNotEncodable && status != ExitBadInput &&
      status != ExitFailure) {
    Broken("exit status", input);
  }
  if (status == ExitBadInput && (!out.str().empty() || err.str().empty())) {
    Broken("bad input: a message and nothing printed", input);
  }
  if (!LinesEnded(out.str()) || !LinesEnded(err.str())) Broken("unended line", input);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  CheckValue(input);
  CheckColourNames(input);
  CheckCommandLine(input);
  return 0;
}
