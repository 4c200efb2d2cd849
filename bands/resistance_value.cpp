#include "resistance_value.h"

#include <vector>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Power of ten of a unit letter, or none for any other character.
std::optional<int> UnitExponent(char c) {
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

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    char c = text[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != prefix[i]) return false;
  }
  return true;
}

// The ohm sign in UTF-8, as OHM SIGN (U+2126) or as the Greek capital
// omega (U+03A9) that fonts and keyboards give for it.
constexpr std::string_view kOhmSigns[] = {"\xE2\x84\xA6", "\xCE\xA9"};

// The length of the ohm sign that `text` starts with, or 0.
std::size_t OhmSignLength(std::string_view text) {
  for (const std::string_view sign : kOhmSigns) {
    if (text.starts_with(sign)) return sign.size();
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
  void SkipBlanks() {
    while (!AtEnd() && IsBlank(text[position])) ++position;
  }
  std::string_view Digits() {
    const std::size_t start = position;
    while (!AtEnd() && IsDigit(text[position])) ++position;
    return text.substr(start, position - start);
  }
};

ResistanceParse Refuse(std::string error) { return {std::nullopt, std::move(error)}; }

// Whether the value lies above 999 G ohm (10^12 ohm has magnitude 13).
bool AboveLargestCodeValue(const Resistance& value) {
  if (value.digits.empty()) return false;
  // The value lies in [10^(magnitude - 1), 10^magnitude).
  const long long magnitude = static_cast<long long>(value.digits.size()) + value.exponent;
  if (magnitude != 12) return magnitude > 12;
  // Same magnitude as 999 x 10^9: compare the digits as decimal fractions;
  // without trailing zeros a longer string with the same start is larger.
  return value.digits > std::string_view("999");
}

constexpr std::string_view kWriteInstead = "write e.g. 4700, 4.7k, 4k7 or 4.7 k ohm";

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// "m" is milli; the message offers the text with M, mega, in its place.
std::string MilliRefusal(std::string_view text, std::size_t m) {
  std::string mega(text);
  mega[m] = 'M';
  const std::string_view written = Trimmed(mega);
  if (!ParseResistance(written).value) return "\"m\" would mean milli-ohm; write M for mega-ohm";
  return "\"m\" would mean milli-ohm; write " + std::string(written) + " for mega-ohm";
}

// A comma in a number may be a decimal comma or a thousands separator;
// rather than guess, the message offers the value written each way the
// comma can be meant, each only when it is a value.
std::string CommaRefusal(std::string_view text) {
  const std::string refusal =
      "a comma may be a decimal point or a thousands separator and is not guessed at; write ";
  text = Trimmed(text);
  const std::size_t first = text.find(',');
  std::size_t wholeStart = first;
  while (wholeStart > 0 && IsDigit(text[wholeStart - 1])) --wholeStart;
  const std::string_view whole = text.substr(wholeStart, first - wholeStart);

  // The digits after each comma of the number: "1,000,000" has two groups.
  std::vector<std::string_view> groups;
  std::size_t end = first;
  while (end < text.size() && text[end] == ',') {
    const std::size_t start = end + 1;
    end = start;
    while (end < text.size() && IsDigit(text[end])) ++end;
    groups.push_back(text.substr(start, end - start));
  }
  const std::string before(text.substr(0, first));
  const std::string_view after = text.substr(end);
  // Commas in more than one place have no reading to offer.
  if (after.find(',') != std::string_view::npos) return refusal + "e.g. 4.7k or 4k7";

  std::vector<std::string> decimalWays;
  if (groups.size() == 1 && !groups[0].empty()) {
    const std::string withPoint = before + "." + std::string(groups[0]) + std::string(after);
    if (ParseResistance(withPoint).value) {
      decimalWays.push_back(withPoint);
      // The unit letter in the place of the point: "4k7", "4R7", "R22".
      const std::string_view unitText = Trimmed(after);
      const char unit = !unitText.empty() && UnitExponent(unitText[0]) ? unitText[0] : 'R';
      if (wholeStart == 0) {
        decimalWays.push_back(std::string(whole == "0" ? "" : whole) + unit +
                              std::string(groups[0]));
      }
    }
  }

  bool thousands = wholeStart == 0 && !whole.empty() && whole.size() <= 3;
  std::string withoutCommas = before;
  for (const std::string_view group : groups) {
    thousands = thousands && group.size() == 3;
    withoutCommas += group;
  }
  withoutCommas += after;
  thousands = thousands && ParseResistance(withoutCommas).value.has_value();

  std::string message = refusal;
  if (decimalWays.empty() && !thousands) return message + "e.g. 4.7k or 4k7";
  for (std::size_t i = 0; i < decimalWays.size(); ++i) {
    if (i != 0) message += " or ";
    message += decimalWays[i];
  }
  if (thousands) {
    if (!decimalWays.empty()) message += " for a decimal comma, or ";
    message += withoutCommas;
    if (!decimalWays.empty()) message += " for thousands";
  }
  return message;
}

}  // namespace

Resistance Normalised(std::string digits, int exponent) {
  const std::size_t first = digits.find_first_not_of('0');
  if (first == std::string::npos) return {};
  const std::size_t last = digits.find_last_not_of('0');
  exponent += static_cast<int>(digits.size() - 1 - last);
  return {digits.substr(first, last + 1 - first), exponent};
}

ResistanceParse ParseResistance(std::string_view text) {
  Scanner scan{text};
  scan.SkipBlanks();
  if (scan.Next() == '-') {
    const std::string_view withoutSign = Trimmed(text.substr(scan.position + 1));
    // One sign only: the check of what follows must not recurse sign by sign.
    if (!withoutSign.starts_with('-') && ParseResistance(withoutSign).value) {
      return Refuse("a resistance cannot be negative; write " + std::string(withoutSign));
    }
    return Refuse("a resistance cannot be negative; " + std::string(kWriteInstead));
  }
  if (text.find(',') != std::string_view::npos) return Refuse(CommaRefusal(text));

  const std::string_view whole = scan.Digits();
  std::string_view fraction;
  int unitExponent = 0;
  bool unitSeen = false;
  if (scan.Next() == '.') {
    ++scan.position;
    fraction = scan.Digits();
  } else if (const std::optional<int> unit = UnitExponent(scan.Next());
             unit && scan.position + 1 < text.size() && IsDigit(text[scan.position + 1]) &&
             (!whole.empty() || *unit == 0)) {
    // The unit letter stands for the point: "4k7", "4R7", "R22".
    ++scan.position;
    fraction = scan.Digits();
    unitExponent = *unit;
    unitSeen = true;
  }
  if (whole.empty() && fraction.empty()) {
    if (scan.AtEnd()) return Refuse("no number; " + std::string(kWriteInstead));
    return Refuse("no number before \"" + std::string(text.substr(scan.position)) + "\"; " +
                  std::string(kWriteInstead));
  }

  scan.SkipBlanks();
  if (!unitSeen && !StartsWithIgnoringCase(text.substr(scan.position), "ohm")) {
    if (scan.Next() == 'm') return Refuse(MilliRefusal(text, scan.position));
    if (const std::optional<int> unit = UnitExponent(scan.Next())) {
      ++scan.position;
      unitExponent = *unit;
      scan.SkipBlanks();
    }
  }
  const std::string_view rest = text.substr(scan.position);
  if (StartsWithIgnoringCase(rest, "ohms")) {
    scan.position += 4;
  } else if (StartsWithIgnoringCase(rest, "ohm")) {
    scan.position += 3;
  } else {
    scan.position += OhmSignLength(rest);
  }
  scan.SkipBlanks();
  if (!scan.AtEnd()) {
    return Refuse("unexpected \"" + std::string(text.substr(scan.position)) +
                  "\"; units are k, M, G and R, then optionally ohm or the ohm sign: " +
                  std::string(kWriteInstead));
  }

  const Resistance value = Normalised(std::string(whole) + std::string(fraction),
                                      unitExponent - static_cast<int>(fraction.size()));
  if (AboveLargestCodeValue(value)) {
    return Refuse("above " + std::string(LargestCodeValueText) +
                  ", the largest value of a colour code; write at most 999G");
  }
  return {value, {}};
}

std::optional<std::int64_t> HundredthsOfOhm(const Resistance& value) {
  if (value.digits.empty()) return 0;
  if (value.exponent < -2) return std::nullopt;
  std::int64_t hundredths = 0;
  for (const char digit : value.digits) hundredths = hundredths * 10 + (digit - '0');
  for (int i = 0; i < value.exponent + 2; ++i) hundredths *= 10;
  return hundredths;
}

int ValueUnitExponent(std::size_t figureCount, int exponent) {
  // The value has this many places before the point when its first figure
  // is not zero; the unit leaves one to three of them.
  const int places = static_cast<int>(figureCount) + exponent;
  if (places <= 3) return 0;
  const int unit = (places - 1) / 3 * 3;
  return unit > 9 ? 9 : unit;
}

std::string DecimalText(std::string_view digits, int exponent, int unitExponent) {
  static constexpr const char* kUnits[] = {" ohm", " k ohm", " M ohm", " G ohm"};
  const int shift = exponent - unitExponent;
  std::string number(digits);
  if (shift >= 0) {
    number += std::string(shift, '0');
  } else {
    const int point = static_cast<int>(digits.size()) + shift;
    number = point > 0 ? number.substr(0, point) + "." + number.substr(point)
                       : "0." + std::string(-point, '0') + number;
  }
  return number + kUnits[unitExponent / 3];
}

std::string CodeValueText(std::string_view figures, int exponent) {
  return DecimalText(figures, exponent, ValueUnitExponent(figures.size(), exponent));
}

std::string ResistanceText(const Resistance& value) {
  if (value.digits.empty()) return "0 ohm";
  return CodeValueText(value.digits, value.exponent);
}
