#include "help.h"

#include <span>
#include <string_view>

#include "colour_code/colours.h"
#include "colour_code/text.h"
#include "colour_code/wording.h"

namespace {

using colour_code::Colour;
using colour_code::Role;
using colour_code::Text;

constexpr std::string_view kUsage =
    "Usage:\n"
    "  bands [--details] [--color[=WHEN]] COLOUR [COLOUR ...]\n"
    "  bands [--details] MARKING\n"
    "  bands --value VALUE [--tolerance PERCENT] [--coefficient PPM]\n"
    "        [--series SERIES] [--color[=WHEN]]\n"
    "  bands --help | --version\n"
    "\n"
    "Reads the colour code of a resistor, first band first:\n"
    "  1: the zero-ohm band, black\n"
    "  3: two digits, multiplier (tolerance 20%)\n"
    "  4: two digits, multiplier, tolerance\n"
    "  5: three digits, multiplier, tolerance\n"
    "  6: three digits, multiplier, tolerance, temperature coefficient\n"
    "A code that the fourband or the fiveband window offers prints exactly the\n"
    "window's line; every other code a line of the same form, with \", N ppm/K\"\n"
    "for six bands. Colours (IEC 60062), in any case; gray is grey:\n";

constexpr std::string_view kAfterTable =
    "None is the empty tolerance band. One argument may hold the whole code,\n"
    "its colours separated by commas, hyphens, slashes or blanks: BN,BK,RD,GD.\n"
    "When the colours form no code but do read from the other end, the message\n"
    "is followed by the reading from the other end; the status stays 2.\n"
    "\n"
    "A single word that is no colour is read as the marking of a surface-mount\n"
    "resistor: three digits (472: 47 x 10^2 ohm), four digits (4701: 470 x 10^1\n"
    "ohm), R for the point (4R7, R47, 0R), or EIA-96 (01C: the number 01 to 96\n"
    "of an E96 value, then a multiplier letter Z Y R X S A B H C D E F; 1%).\n"
    "A marking that reads two ways (10R) prints both readings, each named.\n"
    "\n"
    "--details adds the range that the tolerance allows, the IEC 60063 series\n"
    "(E3 E6 E12 E24 E48 E96 E192) that hold the figures, a warning with the\n"
    "nearest standard values when the figures are not in the series that the\n"
    "tolerance calls for (20% E6, 10% E12, 5% E24, 2% E48, 1% E96 or E24, 0.5%\n"
    "and tighter E192): a colour may be misread; and, when the colours read\n"
    "otherwise from the other end, that reading. On a marking it adds what\n"
    "kind of marking it is, the range of an EIA-96 marking (1%) and the series.\n"
    "\n"
    "With --value, prints the colours of the four-band and of the five-band code\n"
    "that show the value exactly, one line each, or why a code cannot show it,\n"
    "then the SMD markings that show it. Each line is a whole code, or ends\n"
    "with the band still to choose. The first digit is not black unless the\n"
    "value is too small for that; 0 is the zero-ohm band.\n"
    "Values: 4700, 4.7k, 4k7, 0.22, R22, 1M, 2.2G, with an optional \"ohm\" or\n"
    "ohm sign (U+2126 or U+03A9); a decimal comma is refused: write 4.7k or 4k7.\n"
    "--tolerance PERCENT adds the tolerance band:\n";

constexpr std::string_view kAfterTolerances =
    "--coefficient PPM (in ppm/K, with --tolerance) adds a six-band code with\n"
    "that temperature coefficient:\n";

constexpr std::string_view kRest =
    "--series E3 ... E192: when the value is not in that series, also the\n"
    "nearest standard values below and above, with their codes and markings.\n"
    "\n"
    "--color[=WHEN]: after each reading and each line of colours, a picture of\n"
    "the resistor in 24-bit colour: always (also --color alone), never, or auto\n"
    "(the default: when standard output is a terminal, NO_COLOR is not set and\n"
    "TERM is not dumb). WHEN may also follow after a blank: --color never.\n"
    "\n"
    "Examples:\n"
    "  bands brown black black brown red\n"
    "    Resistance: 1.00 k ohm, 2%\n"
    "  bands yellow violet red gold\n"
    "    Resistance: 4.7 k ohm, 5%\n"
    "  bands 472\n"
    "    Resistance: 4.7 k ohm\n"
    "  bands --value 4.7k --tolerance 5%\n"
    "    4 bands: yellow violet red gold\n"
    "    5 bands: yellow violet black brown gold\n"
    "    SMD: 472, 4701\n"
    "\n"
    "More examples:\n"
    "  bands black\n"
    "    Resistance: 0 ohm\n"
    "  bands orange orange black brown blue red\n"
    "    Resistance: 3.30 k ohm, 0.25%, 50 ppm/K\n"
    "  bands 10R\n"
    "    R notation: Resistance: 10 ohm\n"
    "    EIA-96: Resistance: 1.24 ohm, 1%\n"
    "  bands --details yellow violet red gold\n"
    "    Resistance: 4.7 k ohm, 5%\n"
    "    Range: 4.465 k ohm to 4.935 k ohm\n"
    "    Series: E3 E6 E12 E24 E192\n"
    "  bands --value 4.7k\n"
    "    4 bands: yellow violet red, then the tolerance band\n"
    "    5 bands: yellow violet black brown, then the tolerance band\n"
    "    SMD: 472, 4701\n"
    "\n"
    "Exit status: 0 done; 1 no code can show the value; 2 bad input; 3 output\n"
    "not written, or no memory for the arguments.\n";

constexpr std::size_t kWidth = 79;  // columns of text, leaving the last one free
constexpr std::string_view kTableIndent = "               ";

// Writes `items` separated by ", " after `labels[0]`, wrapping before an
// item that would pass kWidth; each further line begins with the next label,
// or `continuation` when the labels have run out.
class Wrapped {
 public:
  Wrapped(Output& out, std::span<const std::string_view> labels,
          std::string_view continuation = kTableIndent)
      : out_(out), labels_(labels), continuation_(continuation) {
    StartLine();
  }
  void Add(std::string_view item) {
    const std::size_t separator = first_ ? 0 : 2;
    if (!first_ && line_.Size() + separator + item.size() + 1 > kWidth) {
      line_ += ',';
      out_.Line(line_.View());
      StartLine();
    } else if (!first_) {
      line_ += ", ";
    }
    line_ += item;
    first_ = false;
  }
  void End(std::string_view last = "") {
    line_ += last;
    out_.Line(line_.View());
  }

 private:
  void StartLine() {
    line_ = Text(next_ < labels_.size() ? labels_[next_] : continuation_);
    ++next_;
    first_ = true;
  }
  Output& out_;
  std::span<const std::string_view> labels_;
  std::string_view continuation_;
  std::size_t next_ = 0;
  Text line_;
  bool first_ = true;
};

// "x0.001", "x1", "x100", "x1k", "x10M", "x1G".
Text MultiplierText(int exponent) {
  Text text("x");
  if (exponent < 0) {
    text += "0.";
    for (int i = exponent + 1; i < 0; ++i) text += '0';
    return text += '1';
  }
  const char* const units[] = {"", "k", "M", "G"};
  text += '1';
  for (int i = 0; i < exponent % 3; ++i) text += '0';
  return text += units[exponent / 3];
}

void WriteRole(Output& out, Role role, std::span<const std::string_view> labels,
               std::string_view last = "") {
  Wrapped line(out, labels);
  for (const Colour colour : colour_code::RoleColours(role)) {
    const colour_code::ColourInfo& info = colour_code::Info(colour);
    Text item(info.name);
    item += ' ';
    switch (role) {
      case Role::Digit: item.AppendNumber(*info.digit); break;
      case Role::Multiplier: item += MultiplierText(*info.multiplierExponent); break;
      case Role::Tolerance: item += colour_code::ToleranceText(*info.tolerance); break;
      case Role::Coefficient: item.AppendNumber(*info.ppmPerKelvin); break;
    }
    line.Add(item.View());
  }
  line.End(last);
}

void WriteColourTable(Output& out) {
  constexpr std::string_view digit[] = {"  digit        "};
  constexpr std::string_view multiplier[] = {"  multiplier   "};
  constexpr std::string_view tolerance[] = {"  tolerance    "};
  constexpr std::string_view coefficient[] = {"  temperature  ", "  coefficient  "};
  WriteRole(out, Role::Digit, digit);
  WriteRole(out, Role::Multiplier, multiplier);
  WriteRole(out, Role::Tolerance, tolerance);
  out.Line("               (grey is 0.01% since IEC 60062:2016; older charts give 0.05%)");
  WriteRole(out, Role::Coefficient, coefficient, " ppm/K");
  // The letter codes of IEC 60757, in the order of the colours.
  constexpr std::string_view letters[] = {"  letter codes "};
  Wrapped codes(out, letters);
  for (int number = 0; number < colour_code::ColourCount; ++number) {
    const colour_code::ColourInfo& info = colour_code::Info(static_cast<Colour>(number));
    if (info.letterCode.empty()) continue;
    Text item(info.letterCode);
    item += ' ';
    item += info.name;
    codes.Add(item.View());
  }
  codes.End();
}

// A list of choices that a library text gives, wrapped at kWidth after an
// indent of two blanks.
void WriteChoices(Output& out, const Text& choices) {
  constexpr std::string_view indent[] = {"  "};
  Wrapped line(out, indent, "  ");
  std::string_view rest = choices.View();
  while (!rest.empty()) {
    const std::size_t comma = rest.find(", ");
    const std::size_t size = comma == std::string_view::npos ? rest.size() : comma;
    line.Add(std::string_view(rest.data(), size));
    rest = comma == std::string_view::npos
               ? std::string_view()
               : std::string_view(rest.data() + comma + 2, rest.size() - comma - 2);
  }
  line.End();
}

}  // namespace

void WriteHelp(Output& out) {
  out.Write(kUsage);
  WriteColourTable(out);
  out.Write(kAfterTable);
  WriteChoices(out, colour_code::ToleranceChoices());
  out.Write(kAfterTolerances);
  WriteChoices(out, colour_code::CoefficientChoices());
  out.Write(kRest);
}
