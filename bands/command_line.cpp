#include "command_line.h"

#include <new>
#include <optional>
#include <string>
#include <vector>

#include "band_codes.h"
#include "code_details.h"
#include "colour_names.h"
#include "colour_words.h"
#include "resistance_value.h"
#include "resistor_code.h"
#include "resistor_picture.h"
#include "standard_values.h"

#ifndef BANDS_VERSION
#define BANDS_VERSION "unknown"
#endif

namespace {

constexpr std::string_view kHelp =
    "Usage:\n"
    "  bands [--details] [--color[=WHEN]] COLOUR COLOUR COLOUR [COLOUR [COLOUR [COLOUR]]]\n"
    "  bands --value VALUE [--tolerance PERCENT] [--series SERIES] [--color[=WHEN]]\n"
    "  bands --help | --version\n"
    "\n"
    "Reads the colour code of a resistor of 3 to 6 bands, first band first:\n"
    "  3: two digits, multiplier (tolerance 20%)\n"
    "  4: two digits, multiplier, tolerance\n"
    "  5: three digits, multiplier, tolerance\n"
    "  6: three digits, multiplier, tolerance, temperature coefficient\n"
    "A code that the fourband or the fiveband window offers prints exactly the\n"
    "window's line; every other code a line of the same form, with \", N ppm/K\"\n"
    "for six bands. Colours (IEC 60062), in any case; gray is grey:\n"
    "  digit        black 0, brown 1, red 2, orange 3, yellow 4, green 5, blue 6,\n"
    "               violet 7, grey 8, white 9\n"
    "  multiplier   pink x0.001, silver x0.01, gold x0.1, black x1 ... white x10^9\n"
    "  tolerance    none 20%, silver 10%, gold 5%, red 2%, brown 1%, green 0.5%,\n"
    "               blue 0.25%, violet 0.1%, orange 0.05%, yellow 0.02%, grey 0.01%\n"
    "               (grey is 0.01% since IEC 60062:2016; older charts give 0.05%)\n"
    "  temperature  black 250, brown 100, red 50, orange 15, yellow 25, green 20,\n"
    "  coefficient  blue 10, violet 5, grey 1 ppm/K\n"
    "None is the empty tolerance band. The letter codes BK BN RD OG YE GN BU VT\n"
    "GY WH SR GD PK name the same colours. One argument may hold the whole code,\n"
    "its colours separated by commas, hyphens, slashes or blanks: BN,BK,RD,GD.\n"
    "When the colours form no code but do read from the other end, the message\n"
    "is followed by the reading from the other end; the status stays 2.\n"
    "\n"
    "--details adds the range that the tolerance allows, the IEC 60063 series\n"
    "(E3 E6 E12 E24 E48 E96 E192) that hold the figures, a warning with the\n"
    "nearest standard values when the figures are not in the series that the\n"
    "tolerance calls for (20% E6, 10% E12, 5% E24, 2% E48, 1% E96 or E24, 0.5%\n"
    "and tighter E192): a colour may be misread; and, when the colours read\n"
    "from both ends, the reading from the other end.\n"
    "\n"
    "With --value, prints the colours of the four-band and of the five-band code\n"
    "that show the value exactly, one line each, or why a code cannot encode it.\n"
    "The first digit is not black unless the value is too small for that.\n"
    "Values: 4700, 4.7k, 4k7, 0.22, R22, 1M, 2.2G, with an optional \"ohm\" or\n"
    "ohm sign (U+2126 or U+03A9); a decimal comma is refused: write 4.7k or 4k7.\n"
    "Tolerances: 1%, 2%, 5%, 10%, 20% (none); without --tolerance no tolerance\n"
    "band is printed. --series E3 ... E192: when the value is not in that\n"
    "series, also the nearest standard values below and above, with their codes.\n"
    "\n"
    "--color=WHEN: after each reading and each line of colours, a picture of the\n"
    "resistor in 24-bit colour: always (also --color alone), never, or auto (the\n"
    "default: when standard output is a terminal and NO_COLOR is not set).\n"
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
    "More examples:\n"
    "  bands yellow violet orange\n"
    "    Resistance: 47 k ohm, 20%\n"
    "  bands orange orange black brown blue red\n"
    "    Resistance: 3.30 k ohm, 0.25%, 50 ppm/K\n"
    "  bands --details yellow blue red gold\n"
    "    Resistance: 4.6 k ohm, 5%\n"
    "    Range: 4.37 k ohm to 4.83 k ohm\n"
    "    Series: none\n"
    "    Not in E24, the series of a 5% tolerance: the nearest standard values are 4.3 k ohm and "
    "4.7 k ohm; a colour may be misread\n"
    "  bands --value 4k75 --series E24\n"
    "    4 bands: cannot encode 4.75 k ohm: it has 3 significant digits, the code shows only 2\n"
    "    5 bands: yellow violet green brown\n"
    "    E24 below: 4.7 k ohm\n"
    "    4 bands: yellow violet red\n"
    "    5 bands: yellow violet black brown\n"
    "    E24 above: 5.1 k ohm\n"
    "    4 bands: green brown red\n"
    "    5 bands: green brown black brown\n"
    "\n"
    "Exit status: 0 done; 1 neither code can encode the value; 2 bad input;\n"
    "3 out of memory or output not written.\n";

struct Request {
  bool help = false;
  bool version = false;
  std::optional<std::string_view> value;
  std::optional<std::string_view> tolerance;
  std::optional<std::string_view> series;
  std::optional<std::string_view> color;
  bool details = false;
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
    if (argument == "--details") {
      request.details = true;
      continue;
    }
    // As in the common tools, --color alone means always and WHEN is only
    // ever given after "=".
    if (argument == "--color" || argument == "--colour") {
      request.color = "always";
      continue;
    }
    if (argument.starts_with("--color=") || argument.starts_with("--colour=")) {
      request.color = argument.substr(argument.find('=') + 1);
      if (*request.color != "never" && *request.color != "always" && *request.color != "auto") {
        std::string message(1, '"');
        message += argument;
        message += "\": choose --color=never, --color=always or --color=auto";
        return {{}, message};
      }
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
    if (option == "--series") target = &request.series;
    if (target == nullptr) {
      return {{}, "unknown option \"" + std::string(argument) + "\"; see bands --help"};
    }
    if (target->has_value()) return {{}, std::string(option) + " given twice"};
    if (equals != std::string_view::npos) {
      *target = argument.substr(equals + 1);
    } else if (i + 1 < arguments.size()) {
      *target = arguments[++i];
    } else {
      return {{},
              std::string(option) + " needs an argument, e.g. " +
                  (option == "--value"       ? "--value 4.7k"
                   : option == "--tolerance" ? "--tolerance 5%"
                                             : "--series E24")};
    }
  }
  if (request.help || request.version) return {request, {}};
  if (request.value && !request.colours.empty()) {
    return {{}, "give either colours or --value, not both"};
  }
  if (request.tolerance && !request.value) return {{}, "--tolerance goes with --value"};
  if (request.series && !request.value) return {{}, "--series goes with --value"};
  if (request.details && request.value)
    return {{}, "--details goes with colours, not with --value"};
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
             std::to_string(value.digits.size()) + " significant digits, the code shows only " +
             digitWord;
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

// The code lines of `value`, each followed by its picture when asked for.
std::string CodeLines(const Resistance& value, std::optional<BandColour> tolerance, bool pictures,
                      bool& anyShown) {
  std::string lines;
  for (const int digitBands : {2, 3}) {
    const Encoding encoding = EncodeResistance(value, digitBands, tolerance);
    lines += std::to_string(digitBands + 2) + " bands: ";
    if (encoding.failure == EncodingFailure::None) {
      anyShown = true;
      std::vector<CodeColour> colours;
      for (std::size_t i = 0; i < encoding.colours.size(); ++i) {
        if (i != 0) lines += ' ';
        lines += ColourName(encoding.colours[i]);
        colours.push_back(ToCodeColour(encoding.colours[i]));
      }
      lines += '\n';
      if (pictures) lines += ResistorPicture(colours);
    } else {
      lines +=
          FailureReason(encoding.failure, value, digitBands, tolerance.value_or(BandColour::None));
      lines += '\n';
    }
  }
  return lines;
}

int ShowCodes(const Request& request, bool pictures, std::ostream& out, std::ostream& err) {
  const StandardSeries* series = nullptr;
  if (request.series) {
    series = FindStandardSeries(*request.series);
    if (series == nullptr) {
      return Refuse(err, "series \"" + std::string(*request.series) +
                             "\": choose E3, E6, E12, E24, E48, E96 or E192");
    }
  }
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
  std::string lines = CodeLines(*parse.value, tolerance, pictures, anyShown);
  if (series != nullptr && !parse.value->digits.empty()) {
    const std::string name(series->name);
    if (InSeries(*series, *parse.value)) {
      lines += name + ": " + ResistanceText(*parse.value) + " is a standard value\n";
    } else {
      // The standard values on either side, with their codes.
      const StandardSeries* const one[] = {series};
      const NearestStandardValues nearest = NearestValues(one, *parse.value);
      bool nearestShown = false;
      lines += name + " below: " + ResistanceText(nearest.below) + "\n";
      lines += CodeLines(nearest.below, tolerance, pictures, nearestShown);
      lines += name + " above: " + ResistanceText(nearest.above) + "\n";
      lines += CodeLines(nearest.above, tolerance, pictures, nearestShown);
    }
  }
  out << lines;
  return anyShown ? ExitDone : ExitNotEncodable;
}

int ShowReading(const Request& request, bool pictures, std::ostream& out, std::ostream& err) {
  const ResistorReading reading = ReadResistorCode(request.colours);
  // The colours read from the other end, when the count can form a code.
  ResistorReading otherEnd;
  if (request.colours.size() >= 3 && request.colours.size() <= 6) {
    const std::vector<std::string_view> reversed(request.colours.rbegin(), request.colours.rend());
    otherEnd = ReadResistorCode(reversed);
  }
  if (!reading.code) {
    // A gold or silver band first is the common sign of a code held the
    // wrong way round; the user decides, so nothing goes to standard output.
    std::string message = "bands: " + reading.error + "\n";
    if (otherEnd.code) message += "bands: from the other end: " + otherEnd.line + "\n";
    err << message;
    return ExitBadInput;
  }
  std::string lines = reading.line + "\n";
  if (pictures) lines += ResistorPicture(reading.code->colours);
  if (request.details) lines += DetailLines(*reading.code, otherEnd.code ? &otherEnd : nullptr);
  out << lines;
  return ExitDone;
}

}  // namespace

int RunBands(std::span<const std::string_view> arguments, std::ostream& out, std::ostream& err) {
  return RunBands(arguments, out, err, OutputTerminal{});
}

int RunBands(std::span<const std::string_view> arguments, std::ostream& out, std::ostream& err,
             const OutputTerminal& terminal) {
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
    const std::string_view color = request.color.value_or("auto");
    const bool pictures =
        color == "always" || (color == "auto" && terminal.isTerminal && !terminal.noColor);
    if (request.value) return ShowCodes(request, pictures, out, err);
    return ShowReading(request, pictures, out, err);
  } catch (const std::bad_alloc&) {
    err << "bands: out of memory\n";
    return ExitFailure;
  }
}
