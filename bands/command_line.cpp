#include "command_line.h"

#include <cstddef>
#include <optional>

#include "colour_code/ascii.h"
#include "colour_code/code.h"
#include "colour_code/colours.h"
#include "colour_code/resistance.h"
#include "colour_code/series.h"
#include "colour_code/smd.h"
#include "colour_code/text.h"
#include "colour_code/wording.h"
#include "colour_words.h"
#include "help.h"
#include "resistor_picture.h"

#ifndef BANDS_VERSION
#define BANDS_VERSION "unknown"
#endif

namespace {

using colour_code::Code;
using colour_code::CodeRequest;
using colour_code::Colour;
using colour_code::MarkingReading;
using colour_code::MarkingReadings;
using colour_code::Reading;
using colour_code::ReadOutcome;
using colour_code::Resistance;
using colour_code::StandardSeries;
using colour_code::Text;
using colour_code::WriteOutcome;

struct Request {
  bool help = false;
  bool version = false;
  bool details = false;
  std::optional<std::string_view> value;
  std::optional<std::string_view> tolerance;
  std::optional<std::string_view> coefficient;
  std::optional<std::string_view> series;
  std::optional<std::string_view> color;  // WHEN
  ColourWords colours;
  std::size_t colourArguments = 0;
  std::string_view firstColourArgument;  // the whole argument, for a marking or a value
};

struct RequestParse {
  Request request;
  Text error;  // empty when the command line was understood
};

bool IsWhen(std::string_view word) { return word == "never" || word == "always" || word == "auto"; }

bool StartsWith(std::string_view text, std::string_view start) {
  return text.size() >= start.size() && std::string_view(text.data(), start.size()) == start;
}

std::string_view After(std::string_view text, std::size_t position) {
  return std::string_view(text.data() + position, text.size() - position);
}

// The options that take a value, with an example for a message.
struct ValueOption {
  std::string_view name;
  std::optional<std::string_view> Request::*target;
  std::string_view example;
};
constexpr ValueOption kValueOptions[] = {
    {"--value", &Request::value, "--value 4.7k"},
    {"--tolerance", &Request::tolerance, "--tolerance 5%"},
    {"--coefficient", &Request::coefficient, "--coefficient 50"},
    {"--series", &Request::series, "--series E24"},
};

// Splits the arguments into options and colour words; "--value X" and
// "--value=X" are the same, and so are "--color=never" and "--color never".
RequestParse ParseArguments(std::span<const std::string_view> arguments) {
  RequestParse parse;
  Request& request = parse.request;
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
    // --color alone means always; only one of the three WHEN words after a
    // blank is taken as WHEN, so that "--color black brown red" keeps its
    // colours.
    if (argument == "--color" || argument == "--colour") {
      if (i + 1 < arguments.size() && IsWhen(arguments[i + 1])) {
        request.color = arguments[++i];
      } else {
        request.color = "always";
      }
      continue;
    }
    if (StartsWith(argument, "--color=") || StartsWith(argument, "--colour=")) {
      request.color = After(argument, argument.find('=') + 1);
      if (!IsWhen(*request.color)) {
        colour_code::AppendQuoted(parse.error, argument);
        parse.error += ": choose --color=never, --color=always or --color=auto";
        return parse;
      }
      continue;
    }
    if (argument.size() < 2 || argument[0] != '-') {
      if (request.colourArguments++ == 0) request.firstColourArgument = argument;
      AppendColourWords(argument, request.colours);
      continue;
    }
    const std::size_t equals = argument.find('=');
    const std::string_view option =
        equals == std::string_view::npos ? argument : std::string_view(argument.data(), equals);
    const ValueOption* known = nullptr;
    for (const ValueOption& candidate : kValueOptions) {
      if (option == candidate.name) known = &candidate;
    }
    if (known == nullptr) {
      parse.error += "unknown option ";
      colour_code::AppendQuoted(parse.error, argument);
      parse.error += "; see bands --help";
      return parse;
    }
    std::optional<std::string_view>& target = request.*(known->target);
    if (target) {
      parse.error = Text(option) + " given twice";
      return parse;
    }
    if (equals != std::string_view::npos) {
      target = After(argument, equals + 1);
    } else if (i + 1 < arguments.size()) {
      target = arguments[++i];
    } else {
      parse.error = Text(option) + " needs an argument, e.g. " + known->example;
      return parse;
    }
  }
  if (request.help || request.version) return parse;
  if (request.value && request.colourArguments > 0) {
    parse.error += "give either colours or --value, not both";
  } else if (request.tolerance && !request.value) {
    parse.error += "--tolerance goes with --value";
  } else if (request.coefficient && !request.value) {
    parse.error += "--coefficient goes with --value";
  } else if (request.coefficient && !request.tolerance) {
    // The coefficient band follows the tolerance band: a code with an open
    // tolerance band could not show the coefficient after it.
    parse.error += "--coefficient goes with --tolerance, whose band comes before it";
  } else if (request.series && !request.value) {
    parse.error += "--series goes with --value";
  } else if (request.details && request.value) {
    parse.error += "--details goes with colours or a marking, not with --value";
  } else if (!request.value && request.colourArguments == 0) {
    parse.error += "no colours and no --value given; see bands --help";
  }
  return parse;
}

int Refuse(Output& err, const Text& message) {
  err.Write("bands: ");
  err.Line(message.View());
  return ExitBadInput;
}

// The details of a reading of colours: the range, the series, a warning,
// and the reading from the other end when it is another.
void WriteDetails(const Reading& reading, const ReadOutcome& otherEnd, Output& out) {
  if (reading.IsZeroOhm()) return;
  if (const std::optional<Text> range = colour_code::RangeLine(reading)) out.Line(range->View());
  const Resistance value = reading.Value();
  out.Line(colour_code::SeriesLine(value).View());
  if (reading.tolerance) {
    if (const std::optional<Text> warning =
            colour_code::SeriesWarningLine(value, *reading.tolerance))
      out.Line(warning->View());
  }
  if (otherEnd && colour_code::ReadingLine(*otherEnd) != colour_code::ReadingLine(reading)) {
    out.Line(colour_code::OtherEndLine(*otherEnd).View());
  }
}

int ShowColours(const Request& request, bool pictures, Output& out, Output& err) {
  const ColourWords& words = request.colours;
  const std::size_t count = words.count;
  if (colour_code::BandRoles(count).empty()) {
    return Refuse(err, colour_code::ReadFaultMessage(
                           {colour_code::ReadFault::BandCount, count, 0, Colour::Black}));
  }
  Colour colours[colour_code::MaxBands];
  for (std::size_t i = 0; i < count; ++i) {
    const std::optional<Colour> colour = ColourOfWord(words.words[i]);
    if (!colour) {
      return Refuse(err, colour_code::UnknownColourMessage(count, i, words.words[i],
                                                           SpellingSuggestion(words.words[i])));
    }
    colours[i] = *colour;
  }
  const std::span<const Colour> given(colours, count);
  const ReadOutcome reading = colour_code::ReadCode(given);
  // The colours from the other end; one band is the same from either.
  const ReadOutcome otherEnd = colour_code::ReadCode(Code::Of(given).Reversed().Bands());
  if (!reading) {
    // A gold or silver band first is the common sign of a code held the
    // wrong way round; the user decides, so nothing goes to standard output.
    Refuse(err, colour_code::ReadFaultMessage(reading.Error()));
    if (otherEnd) Refuse(err, colour_code::OtherEndFaultLine(*otherEnd));
    return ExitBadInput;
  }
  out.Line(colour_code::ReadingLine(*reading).View());
  if (pictures) WriteResistorPicture(out, reading->code, reading->code.count);
  if (request.details) WriteDetails(*reading, otherEnd, out);
  return ExitDone;
}

// The lines of a marking's reading; named by its kind when the marking
// reads two ways.
void WriteMarkingReading(const MarkingReading& reading, bool named, bool details, Output& out) {
  Text line;
  if (named) {
    line += colour_code::MarkingKindName(reading.kind);
    line += ": ";
  }
  line += colour_code::MarkingLine(reading);
  out.Line(line.View());
  if (!details) return;
  out.Line(colour_code::MarkingDetailLine(reading).View());
  const Resistance value = reading.Value();
  if (value.IsZero()) return;
  if (const std::optional<Text> range = colour_code::RangeLine(reading)) out.Line(range->View());
  out.Line(colour_code::SeriesLine(value).View());
  if (reading.tolerance) {
    if (const std::optional<Text> warning =
            colour_code::SeriesWarningLine(value, *reading.tolerance)) {
      out.Line(warning->View());
    }
  }
}

int ShowMarking(const MarkingReadings& markings, bool details, Output& out) {
  for (std::size_t i = 0; i < markings.count; ++i) {
    WriteMarkingReading(markings.readings[i], markings.count > 1, details, out);
  }
  return ExitDone;
}

// Whether `text` holds a decimal digit: then it was meant as a number.
bool HasDigit(std::string_view text) {
  for (const char c : text) {
    if (colour_code::ascii::IsDigit(c)) return true;
  }
  return false;
}

// Colours, or one argument that names no colour: an SMD marking, or a value
// given without --value.
int ShowReading(const Request& request, bool pictures, Output& out, Output& err) {
  if (request.colourArguments == 1) {
    const std::string_view word = request.firstColourArgument;
    bool allColours = true;
    for (std::size_t i = 0; i < request.colours.count && i < ColourWords::Capacity; ++i) {
      if (!ColourOfWord(request.colours.words[i])) allColours = false;
    }
    if (!allColours) {
      const MarkingReadings markings = colour_code::ReadMarking(word);
      if (markings.count > 0) return ShowMarking(markings, request.details, out);
      const colour_code::ValueParse value = colour_code::ParseValue(word);
      if (value.value) return Refuse(err, colour_code::ValueNotColourMessage(word));
      if (HasDigit(word)) {
        Text message;
        colour_code::AppendQuoted(message, word);
        message += " is neither a colour nor an SMD marking; as a value: ";
        message += value.error;
        return Refuse(err, message);
      }
    }
  }
  return ShowColours(request, pictures, out, err);
}

// The lines of the codes of `value`, each whole code followed by its
// picture when asked for, then its SMD markings. Returns whether any code
// shows the value.
bool WriteCodes(const Resistance& value, std::optional<Colour> tolerance,
                std::optional<Colour> coefficient, bool pictures, Output& out) {
  bool shown = false;
  const auto write = [&](const CodeRequest& request) {
    const WriteOutcome outcome = colour_code::WriteCode(value, request);
    out.Line(colour_code::WriteLine(value, request, outcome).View());
    if (!outcome) return;
    shown = true;
    if (pictures) WriteResistorPicture(out, outcome->code, outcome->bands);
  };
  if (value.IsZero()) {
    // A zero-ohm link has one black band and no tolerance.
    write({1, std::nullopt, std::nullopt});
  } else {
    write({4, tolerance, std::nullopt});
    write({5, tolerance, std::nullopt});
    if (coefficient) write({6, tolerance, coefficient});
  }
  out.Line(colour_code::MarkingsLine(colour_code::MarkingsOf(value)).View());
  return shown;
}

Text SeriesChoices() {
  Text choices("choose ");
  const std::span<const StandardSeries> all = colour_code::AllStandardSeries();
  for (std::size_t i = 0; i < all.size(); ++i) {
    if (i != 0) choices += i + 1 == all.size() ? " or " : ", ";
    choices += all[i].name;
  }
  return choices;
}

Text QuotedRefusal(std::string_view what, std::string_view given, const Text& reason) {
  Text message(what);
  message += ' ';
  colour_code::AppendQuoted(message, given);
  message += ": ";
  return message + reason;
}

int ShowCodes(const Request& request, bool pictures, Output& out, Output& err) {
  const StandardSeries* series = nullptr;
  if (request.series) {
    series = colour_code::FindStandardSeries(*request.series);
    if (series == nullptr)
      return Refuse(err, QuotedRefusal("series", *request.series, SeriesChoices()));
  }
  const colour_code::ValueParse parse = colour_code::ParseValue(*request.value);
  if (!parse.value) return Refuse(err, QuotedRefusal("value", *request.value, parse.error));
  std::optional<Colour> tolerance;
  if (request.tolerance) {
    tolerance = colour_code::ToleranceFromText(*request.tolerance);
    if (!tolerance) {
      return Refuse(err, QuotedRefusal("tolerance", *request.tolerance,
                                       Text("choose ") + colour_code::ToleranceChoices()));
    }
  }
  std::optional<Colour> coefficient;
  if (request.coefficient) {
    coefficient = colour_code::CoefficientFromText(*request.coefficient);
    if (!coefficient) {
      return Refuse(err, QuotedRefusal("coefficient", *request.coefficient,
                                       Text("choose ") + colour_code::CoefficientChoices()));
    }
  }

  const Resistance& value = *parse.value;
  const bool shown = WriteCodes(value, tolerance, coefficient, pictures, out);
  if (series != nullptr && !value.IsZero()) {
    if (colour_code::InSeries(*series, value)) {
      out.Line(colour_code::StandardValueLine(*series, value).View());
    } else {
      // The standard values on either side, with their codes.
      const StandardSeries* const one[] = {series};
      const colour_code::NearestValues nearest = colour_code::Nearest(one, value);
      out.Line(colour_code::NeighbourLine(*series, false, nearest.below).View());
      WriteCodes(nearest.below, tolerance, coefficient, pictures, out);
      out.Line(colour_code::NeighbourLine(*series, true, nearest.above).View());
      WriteCodes(nearest.above, tolerance, coefficient, pictures, out);
    }
  }
  return shown ? ExitDone : ExitNotEncodable;
}

}  // namespace

int RunBands(std::span<const std::string_view> arguments, Output& out, Output& err,
             const OutputTerminal& terminal) {
  const RequestParse parse = ParseArguments(arguments);
  if (!parse.error.Empty()) return Refuse(err, parse.error);
  const Request& request = parse.request;
  if (request.help) {
    WriteHelp(out);
    return ExitDone;
  }
  if (request.version) {
    out.Line("bands " BANDS_VERSION);
    return ExitDone;
  }
  const std::string_view color = request.color.value_or("auto");
  const bool pictures = color == "always" || (color == "auto" && terminal.isTerminal &&
                                              !terminal.noColor && !terminal.dumbTerminal);
  if (request.value) return ShowCodes(request, pictures, out, err);
  return ShowReading(request, pictures, out, err);
}
