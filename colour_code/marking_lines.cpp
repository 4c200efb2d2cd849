// The lines of SMD markings: what a marking reads as, what kind of marking
// it is, and the markings of a value.
#include <cstddef>
#include <string_view>

#include "colour_code/resistance.h"
#include "colour_code/smd.h"
#include "colour_code/text.h"
#include "colour_code/wording.h"

namespace colour_code {
namespace {

// EIA-96 multipliers from 10^-3 to 10^5, as the detail line writes them.
constexpr std::string_view Eia96Multipliers[] = {"0.001", "0.01", "0.1",   "1",     "10",
                                                 "100",   "1000", "10000", "100000"};
constexpr int SmallestEiaExponent = -3;
// The letter written for each of those multipliers, for a reading that does
// not keep the printed one.
constexpr std::string_view PrimaryLetters = "ZYXABCDEF";

// The EIA-96 number of the three figures of a reading: 1 to 96, or 0.
int Eia96Number(const MarkingReading& reading) {
  int figures = 0;
  for (char c : reading.Figures()) figures = figures * 10 + (c - '0');
  for (int number = 1; number <= 96; ++number) {
    if (Eia96Value(number) == figures) return number;
  }
  return 0;
}

}  // namespace

Text MarkingLine(const MarkingReading& reading) {
  Text line("Resistance: ");
  if (reading.figureCount == 0) {
    AppendResistance(line, Resistance());
  } else {
    AppendCodeValue(line, reading.Figures(), reading.exponent);
  }
  if (reading.tolerance) {
    line += ", ";
    line += ToleranceText(*reading.tolerance);
  }
  return line;
}

std::string_view MarkingKindName(MarkingKind kind) {
  switch (kind) {
    case MarkingKind::ThreeDigits: return "three digits";
    case MarkingKind::FourDigits: return "four digits";
    case MarkingKind::RNotation: return "R notation";
    case MarkingKind::Eia96: return "EIA-96";
    case MarkingKind::ZeroOhm: return "zero-ohm";
  }
  return {};
}

Text MarkingDetailLine(const MarkingReading& reading) {
  Text line("Marking: ");
  switch (reading.kind) {
    case MarkingKind::ThreeDigits: line += "three digits, two figures and a power of ten"; break;
    case MarkingKind::FourDigits: line += "four digits, three figures and a power of ten"; break;
    case MarkingKind::RNotation: line += "R notation, R for the decimal point"; break;
    case MarkingKind::ZeroOhm: line += "zero-ohm jumper"; break;
    case MarkingKind::Eia96: {
      // "EIA-96, number 66 (E96 value 475) and multiplier B (x10), 1% parts"
      const int index = reading.exponent - SmallestEiaExponent;
      const bool known = index >= 0 && index < static_cast<int>(std::size(Eia96Multipliers));
      line += "EIA-96, number ";
      const int number = Eia96Number(reading);
      if (number < 10) line += '0';
      line.AppendNumber(number);
      line += " (E96 value ";
      line += reading.Figures();
      line += ") and multiplier ";
      if (reading.letter != 0) {
        line += reading.letter;
      } else if (known) {
        line += PrimaryLetters[static_cast<std::size_t>(index)];
      }
      if (known) {
        line += " (x";
        line += Eia96Multipliers[static_cast<std::size_t>(index)];
        line += ')';
      }
      if (reading.tolerance) {
        line += ", ";
        line += ToleranceText(*reading.tolerance);
        line += " parts";
      }
      break;
    }
  }
  return line;
}

Text MarkingsLine(const Markings& markings) {
  Text line("SMD: ");
  if (markings.count == 0) return line.Append("none");
  for (std::size_t i = 0; i < markings.count; ++i) {
    if (i > 0) line += ", ";
    line += markings.markings[i].View();
  }
  return line;
}

}  // namespace colour_code
