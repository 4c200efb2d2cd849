#include "colour_code/resistance.h"

#include "colour_code/ascii.h"

#include <iterator>
#include <span>

namespace colour_code {
namespace {

using ascii::From;
using ascii::IsBlank;
using ascii::IsDigit;
using ascii::StartsWithIgnoringCase;
using ascii::Trimmed;

// A typed value longer than this is no value anyone means; refusing it
// keeps every message within a Text.
constexpr std::size_t kLongestValueText = 64;

// Power of ten of a unit letter, or none for any other character.
std::optional<int> UnitLetterExponent(char c) {
  switch (c) {
    case 'R':
    case 'r': return 0;
    case 'k':
    case 'K': return 3;
    case 'M': return 6;
    case 'G':
    case 'g': return 9;
    default: return std::nullopt;
  }
}

// The ohm sign in UTF-8, as OHM SIGN (U+2126) or as the Greek capital
// omega (U+03A9) that fonts and keyboards give for it.
constexpr std::string_view kOhmSigns[] = {"\xE2\x84\xA6", "\xCE\xA9"};
// Minus signs: the hyphen-minus and MINUS SIGN (U+2212), as word processors
// and calculators write it.
constexpr std::string_view kMinusSigns[] = {"-", "\xE2\x88\x92"};

// The length of the sign of `signs` that `text` starts with, or 0.
std::size_t SignLength(std::string_view text, std::span<const std::string_view> signs) {
  for (const std::string_view sign : signs) {
    if (ascii::StartsWith(text, sign)) return sign.size();
  }
  return 0;
}

// Walks the text once; every step either consumes what it expects or leaves
// the position where it was.
struct Scanner {
  std::string_view text;
  std::size_t position = 0;

  bool AtEnd() const { return position == text.size(); }
  char Next() const { return AtEnd() ? '\0' : text[position]; }
  std::string_view Rest() const { return From(text, position); }
  void SkipBlanks() {
    while (!AtEnd() && IsBlank(text[position])) ++position;
  }
  std::string_view Digits() {
    const std::size_t start = position;
    while (!AtEnd() && IsDigit(text[position])) ++position;
    return {text.data() + start, position - start};
  }
};

ValueParse Refuse(const Text& error) { return {std::nullopt, error}; }

constexpr std::string_view kWriteInstead = "write e.g. 4700, 4.7k, 4k7 or 4.7 k ohm";

bool IsValue(std::string_view text) { return ParseValue(text).value.has_value(); }

// "m" is milli; the message offers the text with M, mega, in its place.
Text MilliRefusal(std::string_view text, std::size_t m) {
  Text written;
  written += std::string_view(text.data(), m);
  written += 'M';
  written += From(text, m + 1);
  const std::string_view trimmed = Trimmed(written.View());
  if (!IsValue(trimmed)) return Text("\"m\" would mean milli-ohm; write M for mega-ohm");
  return Text("\"m\" would mean milli-ohm; write ") + trimmed + " for mega-ohm";
}

// A comma in a number may be a decimal comma or a thousands separator;
// rather than guess, the message offers the value written each way the
// comma can be meant, each only when it is a value.
Text CommaRefusal(std::string_view text) {
  const Text refusal(
      "a comma may be a decimal point or a thousands separator and is not guessed at; write ");
  text = Trimmed(text);
  const std::size_t first = text.find(',');
  std::size_t wholeStart = first;
  while (wholeStart > 0 && IsDigit(text[wholeStart - 1])) --wholeStart;
  const std::string_view whole(text.data() + wholeStart, first - wholeStart);

  // The digits after each comma of the number: "1,000,000" has two groups.
  std::string_view groups[8];
  std::size_t groupCount = 0;
  std::size_t end = first;
  while (end < text.size() && text[end] == ',') {
    const std::size_t start = end + 1;
    end = start;
    while (end < text.size() && IsDigit(text[end])) ++end;
    if (groupCount == std::size(groups)) return refusal + "e.g. 4.7k or 4k7";
    groups[groupCount++] = std::string_view(text.data() + start, end - start);
  }
  const std::string_view before(text.data(), first);
  const std::string_view after = From(text, end);
  // Commas in more than one place have no reading to offer.
  if (after.find(',') != std::string_view::npos) return refusal + "e.g. 4.7k or 4k7";

  Text decimalWays[2];
  std::size_t decimalCount = 0;
  if (groupCount == 1 && !groups[0].empty()) {
    const Text withPoint = Text(before) + "." + groups[0] + after;
    if (IsValue(withPoint.View())) {
      decimalWays[decimalCount++] = withPoint;
      // The unit letter in the place of the point: "4k7", "4R7", "R22".
      const std::string_view unitText = Trimmed(after);
      const char unit = !unitText.empty() && UnitLetterExponent(unitText[0]) ? unitText[0] : 'R';
      if (wholeStart == 0) {
        decimalWays[decimalCount++] = Text(whole == "0" ? std::string_view() : whole) +
                                      std::string_view(&unit, 1) + groups[0];
      }
    }
  }

  bool thousands = wholeStart == 0 && !whole.empty() && whole.size() <= 3;
  Text withoutCommas(before);
  for (std::size_t i = 0; i < groupCount; ++i) {
    thousands = thousands && groups[i].size() == 3;
    withoutCommas += groups[i];
  }
  withoutCommas += after;
  thousands = thousands && IsValue(withoutCommas.View());

  Text message = refusal;
  if (decimalCount == 0 && !thousands) return message + "e.g. 4.7k or 4k7";
  for (std::size_t i = 0; i < decimalCount; ++i) {
    if (i != 0) message += " or ";
    message += decimalWays[i];
  }
  if (thousands) {
    if (decimalCount != 0) message += " for a decimal comma, or ";
    message += withoutCommas;
    if (decimalCount != 0) message += " for thousands";
  }
  return message;
}

// Whether the value lies above 999 G ohm (10^12 ohm has magnitude 13).
bool AboveLargestValue(const Resistance& value) {
  if (value.IsZero()) return false;
  if (value.Magnitude() != 12) return value.Magnitude() > 12;
  // Same magnitude as 999 x 10^9: without trailing zeros a longer string
  // with the same start is larger.
  return value.Digits() > std::string_view("999");
}

// Compares 0.a with 0.b, both strings of digits.
int CompareFractions(std::string_view a, std::string_view b) {
  const std::size_t length = a.size() > b.size() ? a.size() : b.size();
  for (std::size_t i = 0; i < length; ++i) {
    const char x = i < a.size() ? a[i] : '0';
    const char y = i < b.size() ? b[i] : '0';
    if (x != y) return x < y ? -1 : 1;
  }
  return 0;
}

}  // namespace

std::optional<Resistance> Resistance::Of(std::string_view figures, int exponent) {
  for (const char c : figures) {
    if (!IsDigit(c)) return std::nullopt;
  }
  const std::size_t first = figures.find_first_not_of('0');
  Resistance value;
  if (first == std::string_view::npos) return value;
  const std::size_t last = figures.find_last_not_of('0');
  if (last + 1 - first > MaxDigits) return std::nullopt;
  for (std::size_t i = first; i <= last; ++i) value.digits_[value.count_++] = figures[i];
  value.exponent_ = exponent + static_cast<int>(figures.size() - 1 - last);
  return value;
}

bool operator<(const Resistance& a, const Resistance& b) {
  if (b.IsZero()) return false;
  if (a.IsZero()) return true;
  if (a.Magnitude() != b.Magnitude()) return a.Magnitude() < b.Magnitude();
  return CompareFractions(a.Digits(), b.Digits()) < 0;
}

ValueParse ParseValue(std::string_view text) {
  if (text.size() > kLongestValueText) {
    return Refuse(Text("longer than ") + Text().AppendNumber(kLongestValueText) + " characters; " +
                  kWriteInstead);
  }
  Scanner scan{text};
  scan.SkipBlanks();
  if (const std::size_t minus = SignLength(scan.Rest(), kMinusSigns)) {
    const std::string_view withoutSign = Trimmed(From(text, scan.position + minus));
    // One sign only: the check of what follows must not recurse sign by sign.
    if (SignLength(withoutSign, kMinusSigns) == 0 && IsValue(withoutSign)) {
      return Refuse(Text("a resistance cannot be negative; write ") + withoutSign);
    }
    return Refuse(Text("a resistance cannot be negative; ") + kWriteInstead);
  }
  if (text.find(',') != std::string_view::npos) return Refuse(CommaRefusal(text));

  const std::string_view whole = scan.Digits();
  std::string_view fraction;
  int unitExponent = 0;
  bool unitSeen = false;
  if (scan.Next() == '.') {
    ++scan.position;
    fraction = scan.Digits();
  } else if (const std::optional<int> unit = UnitLetterExponent(scan.Next());
             unit && scan.position + 1 < text.size() && IsDigit(text[scan.position + 1]) &&
             (!whole.empty() || *unit == 0)) {
    // The unit letter stands for the point: "4k7", "4R7", "R22".
    ++scan.position;
    fraction = scan.Digits();
    unitExponent = *unit;
    unitSeen = true;
  }
  if (whole.empty() && fraction.empty()) {
    if (scan.AtEnd()) return Refuse(Text("no number; ") + kWriteInstead);
    Text error("no number before ");
    AppendQuoted(error, scan.Rest());
    return Refuse(error + "; " + kWriteInstead);
  }

  scan.SkipBlanks();
  if (!unitSeen && !StartsWithIgnoringCase(scan.Rest(), "ohm")) {
    if (scan.Next() == 'm') return Refuse(MilliRefusal(text, scan.position));
    if (const std::optional<int> unit = UnitLetterExponent(scan.Next())) {
      ++scan.position;
      unitExponent = *unit;
      scan.SkipBlanks();
    }
  }
  const std::string_view rest = scan.Rest();
  if (StartsWithIgnoringCase(rest, "ohms")) {
    scan.position += 4;
  } else if (StartsWithIgnoringCase(rest, "ohm")) {
    scan.position += 3;
  } else {
    scan.position += SignLength(rest, kOhmSigns);
  }
  scan.SkipBlanks();
  if (!scan.AtEnd()) {
    Text error("unexpected ");
    AppendQuoted(error, scan.Rest());
    return Refuse(
        error + "; units are k, M, G and R, then optionally ohm or the ohm sign: " + kWriteInstead);
  }

  // The figures, whole and fraction together: at most kLongestValueText.
  Text figures(whole);
  figures += fraction;
  const std::optional<Resistance> value =
      Resistance::Of(figures.View(), unitExponent - static_cast<int>(fraction.size()));
  if (!value) {
    return Refuse(Text("more than ") + Text().AppendNumber(Resistance::MaxDigits) +
                  " significant digits; no resistor shows so many");
  }
  if (AboveLargestValue(*value)) {
    return Refuse(Text("above ") + LargestValueText +
                  ", the largest value of a colour code; write at most 999G");
  }
  return {value, {}};
}

int UnitExponent(std::size_t figureCount, int exponent) {
  // The value has this many places before the point when its first figure
  // is not zero; the unit leaves one to three of them.
  const int places = static_cast<int>(figureCount) + exponent;
  if (places <= 3) return 0;
  const int unit = (places - 1) / 3 * 3;
  return unit > 9 ? 9 : unit;
}

Text& AppendDecimal(Text& text, std::string_view figures, int exponent, int unitExponent) {
  static constexpr std::string_view kUnits[] = {" ohm", " k ohm", " M ohm", " G ohm"};
  const int shift = exponent - unitExponent;
  if (shift >= 0) {
    text += figures;
    for (int i = 0; i < shift; ++i) text += '0';
  } else {
    const int point = static_cast<int>(figures.size()) + shift;
    if (point > 0) {
      text += std::string_view(figures.data(), static_cast<std::size_t>(point));
      text += '.';
      text += From(figures, static_cast<std::size_t>(point));
    } else {
      text += "0.";
      for (int i = 0; i < -point; ++i) text += '0';
      text += figures;
    }
  }
  return text += kUnits[unitExponent / 3];
}

Text& AppendCodeValue(Text& text, std::string_view figures, int exponent) {
  return AppendDecimal(text, figures, exponent, UnitExponent(figures.size(), exponent));
}

Text& AppendResistance(Text& text, const Resistance& value) {
  if (value.IsZero()) return text += "0 ohm";
  return AppendCodeValue(text, value.Digits(), value.Exponent());
}

Text ResistanceText(const Resistance& value) {
  Text text;
  return AppendResistance(text, value);
}

}  // namespace colour_code
