#include "command_line.h"

#include <new>
#include <optional>
#include <string>
#include <vector>

#include "band_codes.h"
#include "colour_names.h"
#include "colour_words.h"
#include "resistance_value.h"

#ifndef BANDS_VERSION
#define BANDS_VERSION "unknown"
#endif

namespace {

constexpr std::string_view kHelp =
    "Usage:\n"
    "  bands COLOUR COLOUR COLOUR COLOUR [COLOUR]\n"
    "  bands --value VALUE [--tolerance PERCENT]\n"
    "  bands --help | --version\n"
    "\n"
    "With four colours (two digits, multiplier, tolerance) or five (three digits,\n"
    "multiplier, tolerance), prints the line that the fourband or the fiveband\n"
    "window shows for those bands. Colours: black brown red orange yellow green\n"
    "blue violet grey white silver gold none, in any case; gray is grey, and none\n"
    "is the empty tolerance band. The letter codes BK BN RD OG YE GN BU VT GY WH\n"
    "SR GD name the same colours. One argument may hold the whole code, its\n"
    "colours separated by commas, hyphens, slashes or blanks: BN,BK,RD,GD.\n"
    "\n"
    "With --value, prints the colours of the four-band and of the five-band code\n"
    "that show the value exactly, one line each, or why a code cannot encode it.\n"
    "The first digit is not black unless the value is too small for that.\n"
    "Values: 4700, 4.7k, 4k7, 0.22, R22, 1M, 2.2G, with an optional \"ohm\" or\n"
    "ohm sign (U+2126 or U+03A9); a decimal comma is refused: write 4.7k or 4k7.\n"
    "Tolerances: 1%, 2%, 5%, 10%, 20% (none); without --tolerance no tolerance\n"
    "band is printed.\n"
    "\n"
    "Examples:\n"
    "  bands brown black black brown red\n"
    "    Resistance: 1.00 k ohm, 2%\n"
    "  bands yellow violet red gold\n"
    "    Resistance: 4.7 k ohm, 5%\n"
    "  bands --value 4.7k --tolerance 5%\n"
    "    4 bands: yellow violet red gold\n"
    "    5 bands: yellow violet black brown gold\n"
    "  bands --value 4k75\n"
    "    4 bands: cannot encode 4.75 k ohm: it has 3 significant digits, the code shows only 2\n"
    "    5 bands: yellow violet green brown\n"
    "\n"
    "Exit status: 0 done; 1 neither code can encode the value; 2 bad input;\n"
    "3 out of memory or output not written.\n";

struct Request {
  bool help = false;
  bool version = false;
  std::optional<std::string_view> value;
  std::optional<std::string_view> tolerance;
  std::vector<std::string_view> colours;
};

struct RequestParse {
  Request request;
  std::string error;
};

// Splits the arguments into options and colour names; "--value X" and
// "--value=X" are the same.
RequestParse ParseArguments(std::span<const std::string_view> arguments) {
  Request request;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string_view argument = arguments[i];
    if (argument == "--help" || argument == "-h") {
      request.help = true;
      continue;
    }
    if (argument == "--version") {
      request.version = true;
      continue;
    }
    if (argument.size() < 2 || argument[0] != '-') {
      AppendColourWords(argument, request.colours);
      continue;
    }
    const std::size_t equals = argument.find('=');
    const std::string_view option = argument.substr(0, equals);
    std::optional<std::string_view>* target = nullptr;
    if (option == "--value") target = &request.value;
    if (option == "--tolerance") target = &request.tolerance;
    if (target == nullptr) {
      return {{}, "unknown option \"" + std::string(argument) + "\"; see bands --help"};
    }
    if (target->has_value()) return {{}, std::string(option) + " given twice"};
    if (equals != std::string_view::npos) {
      *target = argument.substr(equals + 1);
    } else if (i + 1 < arguments.size()) {
      *target = arguments[++i];
    } else {
      return {{}, std::string(option) + " needs an argument, e.g. " +
                      (option == "--value" ? "--value 4.7k" : "--tolerance 5%")};
    }
  }
  if (request.help || request.version) return {request, {}};
  if (request.value && !request.colours.empty()) {
    return {{}, "give either colours or --value, not both"};
  }
  if (request.tolerance && !request.value) return {{}, "--tolerance goes with --value"};
  if (!request.value && request.colours.empty()) {
    return {{}, "no colours and no --value given; see bands --help"};
  }
  return {request, {}};
}

int Refuse(std::ostream& err, const std::string& message) {
  err << "bands: " << message << "\n";
  return ExitBadInput;
}

std::string FailureReason(EncodingFailure failure, const Resistance& value, int digitBands,
                          BandColour tolerance) {
  const char* const digitWord = digitBands == 2 ? "2" : "3";
  switch (failure) {
    case EncodingFailure::FinerThanStep:
      return "cannot encode " + ResistanceText(value) +
             ": it has a digit below 0.01 ohm, the finest step of the code";
    case EncodingFailure::TooManyDigits:
      return "cannot encode " + ResistanceText(value) + ": it has " +
             std::to_string(value.digits.size()) + " significant digits, the code shows only " + digitWord;
    case EncodingFailure::TooLarge:
      return "cannot encode " + ResistanceText(value) + ": above " +
             (digitBands == 2 ? "99 G ohm" : "999 G ohm") + ", the largest value of the code";
    case EncodingFailure::ToleranceNotOffered: {
      const BandGroupKind group =
          digitBands == 2 ? BandGroupKind::FourBandTolerance : BandGroupKind::FiveBandTolerance;
      return "cannot encode a " + std::to_string(TolerancePercent(tolerance)) +
             "% tolerance: the code offers " + ToleranceList(GroupColours(group));
    }
    case EncodingFailure::None: break;
  }
  return {};
}

int ShowCodes(const Request& request, std::ostream& out, std::ostream& err) {
  const ResistanceParse parse = ParseResistance(*request.value);
  if (!parse.value) {
    return Refuse(err, "value \"" + std::string(*request.value) + "\": " + parse.error);
  }
  std::optional<BandColour> tolerance;
  if (request.tolerance) {
    tolerance = ToleranceFromText(*request.tolerance);
    if (!tolerance) {
      return Refuse(err, "tolerance \"" + std::string(*request.tolerance) + "\": choose " +
                             ToleranceList(GroupColours(BandGroupKind::FiveBandTolerance)));
    }
  }

  bool anyShown = false;
  std::string lines;
  for (const int digitBands : {2, 3}) {
    const Encoding encoding = EncodeResistance(*parse.value, digitBands, tolerance);
    lines += std::to_string(digitBands + 2) + " bands: ";
    if (encoding.failure == EncodingFailure::None) {
      anyShown = true;
      for (std::size_t i = 0; i < encoding.colours.size(); ++i) {
        if (i != 0) lines += ' ';
        lines += ColourName(encoding.colours[i]);
      }
    } else {
      lines += FailureReason(encoding.failure, *parse.value, digitBands,
                             tolerance.value_or(BandColour::None));
    }
    lines += '\n';
  }
  out << lines;
  return anyShown ? ExitDone : ExitNotEncodable;
}

int ShowReading(const Request& request, std::ostream& out, std::ostream& err) {
  const ColourCodeReading reading = ReadColourCode(request.colours);
  if (!reading.error.empty()) return Refuse(err, reading.error);
  out << reading.line << "\n";
  return ExitDone;
}

}  // namespace

int RunBands(std::span<const std::string_view> arguments, std::ostream& out, std::ostream& err) {
  try {
    const RequestParse parse = ParseArguments(arguments);
    if (!parse.error.empty()) return Refuse(err, parse.error);
    const Request& request = parse.request;
    if (request.help) {
      out << kHelp;
      return ExitDone;
    }
    if (request.version) {
      out << "bands " BANDS_VERSION "\n";
      return ExitDone;
    }
    if (request.value) return ShowCodes(request, out, err);
    return ShowReading(request, out, err);
  } catch (const std::bad_alloc&) {
    err << "bands: out of memory\n";
    return ExitFailure;
  }
}
