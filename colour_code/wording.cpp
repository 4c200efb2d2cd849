#include "colour_code/wording.h"

#include "colour_code/ascii.h"

namespace colour_code {
namespace {

using ascii::IsDigit;
using ascii::StartsWithIgnoringCase;
using ascii::Trimmed;

// Drops `prefix` (in any case) from the front of `text` when it is there.
bool SkipPrefix(std::string_view& text, std::string_view prefix) {
  if (!StartsWithIgnoringCase(text, prefix)) return false;
  text.remove_prefix(prefix.size());
  return true;
}

// A number with at most three whole digits and at most `places` places
// that are not zero after the point, in units of 10^-places: "0.25" with
// places 2 is 25. None for anything else.
std::optional<int> ParseFixed(std::string_view text, int places) {
  int whole = 0;
  std::size_t i = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i) {
    if (i == 3) return std::nullopt;
    whole = whole * 10 + (text[i] - '0');
  }
  const bool wholeDigits = i > 0;
  int fraction = 0;
  int fractionPlaces = 0;
  if (i < text.size() && text[i] == '.') {
    ++i;
    const std::size_t start = i;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
      if (fractionPlaces < places) {
        fraction = fraction * 10 + (text[i] - '0');
        ++fractionPlaces;
      } else if (text[i] != '0') {
        return std::nullopt;
      }
    }
    if (i == start && !wholeDigits) return std::nullopt;
  } else if (!wholeDigits) {
    return std::nullopt;
  }
  if (i != text.size()) return std::nullopt;
  for (int scale = 0; scale < places; ++scale) whole *= 10;
  while (fractionPlaces < places) {
    fraction *= 10;
    ++fractionPlaces;
  }
  return whole + fraction;
}

// Sorts a few numbers, smallest first.
void SortAscending(std::span<int> numbers) {
  for (std::size_t i = 1; i < numbers.size(); ++i) {
    for (std::size_t j = i; j > 0 && numbers[j] < numbers[j - 1]; --j) {
      const int swapped = numbers[j];
      numbers[j] = numbers[j - 1];
      numbers[j - 1] = swapped;
    }
  }
}

// "first digit" in "band 1 of 4 (first digit): ".
Text BandPlace(std::size_t count, std::size_t band) {
  Text text("band ");
  text.AppendNumber(static_cast<long long>(band + 1)) += " of ";
  text.AppendNumber(static_cast<long long>(count)) += " (";
  return text + BandName(count, band) + "): ";
}

// "; choose black, brown, ..." for band `band` of `count`.
Text Choices(std::size_t count, std::size_t band) {
  if (count == 1) return Text("; choose black");
  return Text("; choose ") + ColourList(RoleColours(BandRoles(count)[band]));
}

Text& AppendRole(Text& text, Role role) {
  return text += role == Role::Tolerance ? "tolerance" : "temperature coefficient";
}

// A whole number of hundredths as a decimal: 25 -> "0.25", 500 -> "5".
Text& AppendHundredths(Text& text, int hundredths) {
  text.AppendNumber(hundredths / 100);
  const int fraction = hundredths % 100;
  if (fraction != 0) {
    text += '.';
    text += static_cast<char>('0' + fraction / 10);
    if (fraction % 10 != 0) text += static_cast<char>('0' + fraction % 10);
  }
  return text;
}

// "4.7 k ohm" in "cannot encode 4.7 k ohm: ".
Text CannotEncode(const Resistance& value) {
  Text text("cannot encode ");
  return AppendResistance(text, value) += ": ";
}

// "Range: 4.465 k ohm to 4.935 k ohm": figures x 10^exponent minus and
// plus the tolerance, in the unit of the value.
Text ToleranceRange(std::string_view figures, int exponent, Hundredths tolerance) {
  long long number = 0;
  for (const char figure : figures) number = number * 10 + (figure - '0');
  const int unit = UnitExponent(figures.size(), exponent);
  // value x (1 -/+ t / 10000), with t in hundredths of a percent.
  const long long ends[] = {number * (10000 - tolerance), number * (10000 + tolerance)};
  Text line("Range: ");
  for (std::size_t i = 0; i < 2; ++i) {
    if (i != 0) line += " to ";
    const Text digits = Text().AppendNumber(ends[i]);
    const Resistance value = *Resistance::Of(digits.View(), exponent - 4);
    if (value.IsZero()) {
      AppendDecimal(line, "0", unit, unit);
    } else {
      AppendDecimal(line, value.Digits(), value.Exponent(), unit);
    }
  }
  return line;
}

}  // namespace

Text ToleranceText(Hundredths tolerance) {
  Text text;
  return AppendHundredths(text, tolerance) += '%';
}

Text ColourList(std::span<const Colour> colours) {
  Text list;
  for (const Colour colour : colours) {
    if (!list.Empty()) list += ", ";
    list += Info(colour).name;
  }
  return list;
}

std::optional<Colour> ToleranceFromText(std::string_view text) {
  text = Trimmed(text);
  if (const std::optional<Colour> named = ColourFromName(text); named == Colour::None) return named;
  // "±5%", "+/-5%", "5 %", "5.0%", "5".
  if (!SkipPrefix(text, "\xC2\xB1")) SkipPrefix(text, "+/-");
  text = Trimmed(text);
  if (text.ends_with('%')) text.remove_suffix(1);
  const std::optional<int> hundredths = ParseFixed(Trimmed(text), 2);
  if (!hundredths) return std::nullopt;
  return ToleranceColour(*hundredths);
}

Text ToleranceChoices() {
  Hundredths tolerances[ColourCount] = {};
  std::size_t count = 0;
  for (const Colour colour : RoleColours(Role::Tolerance))
    tolerances[count++] = *Info(colour).tolerance;
  SortAscending({tolerances, count});
  Text list;
  for (std::size_t i = 0; i < count; ++i) {
    if (i != 0) list += ", ";
    list += ToleranceText(tolerances[i]);
  }
  return list;
}

std::optional<Colour> CoefficientFromText(std::string_view text) {
  text = Trimmed(text);
  // "50", "50ppm", "50 ppm/K", "50 ppm/°C".
  std::size_t digits = 0;
  while (digits < text.size() && IsDigit(text[digits])) ++digits;
  std::string_view rest = Trimmed(std::string_view(text.data() + digits, text.size() - digits));
  if (SkipPrefix(rest, "ppm")) {
    if (!SkipPrefix(rest, "/k"))
      SkipPrefix(rest,
                 "/\xC2\xB0"
                 "c");
  }
  if (!rest.empty()) return std::nullopt;
  const std::optional<int> ppm = ParseFixed(std::string_view(text.data(), digits), 0);
  if (!ppm) return std::nullopt;
  return CoefficientColour(*ppm);
}

Text CoefficientChoices() {
  int coefficients[ColourCount] = {};
  std::size_t count = 0;
  for (const Colour colour : RoleColours(Role::Coefficient)) {
    coefficients[count++] = *Info(colour).ppmPerKelvin;
  }
  SortAscending({coefficients, count});
  Text list;
  for (std::size_t i = 0; i < count; ++i) {
    if (i != 0) list += ", ";
    list.AppendNumber(coefficients[i]);
  }
  return list + " ppm/K";
}

Text ReadingLine(const Reading& reading) {
  Text line("Resistance: ");
  if (reading.IsZeroOhm()) return line + "0 ohm";
  AppendCodeValue(line, reading.Figures(), reading.exponent);
  line += ", ";
  line += ToleranceText(*reading.tolerance);
  if (reading.ppmPerKelvin) {
    line += ", ";
    line.AppendNumber(*reading.ppmPerKelvin) += " ppm/K";
  }
  return line;
}

Text ReadFaultMessage(const ReadFault& fault) {
  if (fault.kind == ReadFault::BandCount) {
    Text text(
        "expected the colours of 3 to 6 bands: 3 (two digits, multiplier), 4 (two digits, "
        "multiplier, tolerance), 5 (three digits, multiplier, tolerance) or 6 (three digits, "
        "multiplier, tolerance, temperature coefficient), or the one black band of a zero-ohm "
        "link; got ");
    return text.AppendNumber(static_cast<long long>(fault.count));
  }
  return BandPlace(fault.count, fault.band) + Info(fault.colour).name + " is not offered" +
         Choices(fault.count, fault.band);
}

Text UnknownColourMessage(std::size_t count, std::size_t band, std::string_view word,
                          std::optional<Colour> suggestion) {
  Text text = BandPlace(count, band) + "unknown colour ";
  AppendQuoted(text, word);
  if (suggestion) return text + "; did you mean " + Info(*suggestion).name + "?";
  return text + Choices(count, band);
}

Text OtherEndFaultLine(const Reading& otherEnd) {
  return Text("from the other end: ") + ReadingLine(otherEnd);
}

std::optional<Text> RangeLine(const Reading& reading) {
  if (reading.IsZeroOhm()) return std::nullopt;
  return ToleranceRange(reading.Figures(), reading.exponent, *reading.tolerance);
}

std::optional<Text> RangeLine(const MarkingReading& reading) {
  if (!reading.tolerance || reading.figureCount == 0) return std::nullopt;
  return ToleranceRange(reading.Figures(), reading.exponent, *reading.tolerance);
}

Text SeriesLine(const Resistance& value) {
  Text line("Series:");
  bool any = false;
  for (const StandardSeries& series : AllStandardSeries()) {
    if (!InSeries(series, value)) continue;
    line += ' ';
    line += series.name;
    any = true;
  }
  return any ? line : Text("Series: none");
}

std::optional<Text> SeriesWarningLine(const Resistance& value, Hundredths tolerance) {
  if (value.IsZero()) return std::nullopt;
  const SeriesChoice expected = SeriesForTolerance(tolerance);
  Text names;
  for (const StandardSeries* series : expected.All()) {
    if (InSeries(*series, value)) return std::nullopt;
    if (!names.Empty()) names += " or ";
    names += series->name;
  }
  const NearestValues nearest = Nearest(expected.All(), value);
  Text line = Text("Not in ") + names + ", the series of a " + ToleranceText(tolerance) +
              " tolerance: the nearest standard values are ";
  AppendResistance(line, nearest.below) += " and ";
  return AppendResistance(line, nearest.above) += "; a colour may be misread";
}

Text OtherEndLine(const Reading& otherEnd) {
  return Text("From the other end: ") + ReadingLine(otherEnd) + "; " + SeriesLine(otherEnd.Value());
}

Text WriteLine(const Resistance& value, const CodeRequest& request, const WriteOutcome& outcome) {
  Text line;
  line.AppendNumber(static_cast<long long>(request.bands)) +=
      request.bands == 1 ? " band: " : " bands: ";
  if (!outcome) return line + WriteFaultMessage(value, outcome.Error());
  const WrittenCode& written = *outcome;
  for (std::size_t i = 0; i < written.code.count; ++i) {
    if (i != 0) line += ' ';
    line += Info(written.code.colours[i]).name;
  }
  if (written.Whole()) return line;
  // The bands still to choose: the tolerance, and with six bands the
  // temperature coefficient after it.
  const std::span<const Role> roles = BandRoles(written.bands);
  line += ", then the ";
  for (std::size_t band = written.code.count; band < written.bands; ++band) {
    if (band != written.code.count) line += " and ";
    AppendRole(line, roles[band]);
  }
  return line + (written.bands - written.code.count == 1 ? " band" : " bands");
}

Text WriteFaultMessage(const Resistance& value, const WriteFault& fault) {
  const std::size_t digitBands = fault.bands >= 5 ? 3 : 2;
  switch (fault.kind) {
    case WriteFault::BandCount:
      return Text("a code has 3 to 6 bands, or the one black band of a zero-ohm link");
    case WriteFault::ZeroIsOneBand:
      return Text("0 ohm is marked by one black band, the zero-ohm link");
    case WriteFault::OneBandIsZero:
      return CannotEncode(value) + "one band marks only 0 ohm, the zero-ohm link";
    case WriteFault::FinerThanCode:
      return CannotEncode(value) + "it has a digit below 0.001 ohm, the finest step of the code";
    case WriteFault::TooManyDigits:
      return (CannotEncode(value) + "it has ")
          .AppendNumber(static_cast<long long>(value.Digits().size()))
          .Append(" significant digits, the code shows only ")
          .AppendNumber(static_cast<long long>(digitBands));
    case WriteFault::TooLarge:
      return CannotEncode(value) + "above " + (digitBands == 2 ? "99 G ohm" : "999 G ohm") +
             ", the largest value of the code";
    case WriteFault::NoToleranceBand:
      return Text("cannot encode a ") + ToleranceText(*Info(fault.colour).tolerance) +
             " tolerance: three bands have no tolerance band and mean 20%";
    case WriteFault::NotTolerance:
      return Text(Info(fault.colour).name) + " is no tolerance; choose " +
             ColourList(RoleColours(Role::Tolerance));
    case WriteFault::NoCoefficientBand:
      return Text("cannot encode a temperature coefficient: only six bands have one");
    case WriteFault::NotCoefficient:
      return Text(Info(fault.colour).name) + " is no temperature coefficient; choose " +
             ColourList(RoleColours(Role::Coefficient));
  }
  return {};
}

Text StandardValueLine(const StandardSeries& series, const Resistance& value) {
  Text line = Text(series.name) + ": ";
  return AppendResistance(line, value) += " is a standard value";
}

Text NeighbourLine(const StandardSeries& series, bool above, const Resistance& value) {
  Text line = Text(series.name) + (above ? " above: " : " below: ");
  return AppendResistance(line, value);
}

Text ValueNotColourMessage(std::string_view word) {
  Text text;
  AppendQuoted(text, word);
  text += " is a value, not a colour or a marking; for its colours write --value ";
  if (word.size() <= QuotedWordLimit && word.find(' ') == std::string_view::npos)
    return text + word;
  return AppendQuoted(text, word);
}

}  // namespace colour_code
