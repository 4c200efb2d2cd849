#include "resistance_value.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Power of ten of a unit letter, or none for any other character.
std::optional<int> UnitExponent(char c) {
  switch (c) {
    case 'R': case 'r': return 0;
    case 'k': case 'K': return 3;
    case 'M': return 6;
    case 'G': case 'g': return 9;
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

// Drops leading and trailing zeros, moving the exponent with the trailing ones.
Resistance Normalised(std::string digits, int exponent) {
  const std::size_t first = digits.find_first_not_of('0');
  if (first == std::string::npos) return {};
  const std::size_t last = digits.find_last_not_of('0');
  exponent += static_cast<int>(digits.size() - 1 - last);
  return {digits.substr(first, last + 1 - first), exponent};
}

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

}  // namespace

ResistanceParse ParseResistance(std::string_view text) {
  Scanner scan{text};
  scan.SkipBlanks();
  if (scan.Next() == '-') return Refuse("a resistance cannot be negative");

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
    if (scan.AtEnd()) return Refuse("no number");
    return Refuse("no number before \"" + std::string(text.substr(scan.position)) + "\"");
  }

  scan.SkipBlanks();
  if (!unitSeen && !StartsWithIgnoringCase(text.substr(scan.position), "ohm")) {
    if (scan.Next() == 'm') return Refuse("\"m\" would mean milli-ohm; write M for mega-ohm");
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
  }
  scan.SkipBlanks();
  if (!scan.AtEnd()) {
    return Refuse("unexpected \"" + std::string(text.substr(scan.position)) +
                  "\" (units are k, M, G and R, then optionally ohm)");
  }

  const Resistance value = Normalised(std::string(whole) + std::string(fraction),
                                      unitExponent - static_cast<int>(fraction.size()));
  if (AboveLargestCodeValue(value)) {
    return Refuse("above " + std::string(LargestCodeValueText) +
                  ", the largest value of a colour code");
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

std::string ResistanceText(const Resistance& value) {
  if (value.digits.empty()) return "0 ohm";
  struct Unit {
    int exponent;
    const char* text;
  };
  static constexpr Unit kUnits[] = {{9, " G ohm"}, {6, " M ohm"}, {3, " k ohm"}, {0, " ohm"}};
  // The value lies in [10^(magnitude - 1), 10^magnitude).
  const int magnitude = static_cast<int>(value.digits.size()) + value.exponent;
  Unit unit = kUnits[3];
  for (const Unit& candidate : kUnits) {
    if (magnitude - 1 >= candidate.exponent) {
      unit = candidate;
      break;
    }
  }

  const int exponent = value.exponent - unit.exponent;
  std::string number;
  if (exponent >= 0) {
    number = value.digits + std::string(exponent, '0');
  } else {
    const int pointPosition = static_cast<int>(value.digits.size()) + exponent;
    if (pointPosition > 0) {
      number = value.digits.substr(0, pointPosition) + "." + value.digits.substr(pointPosition);
    } else {
      number = "0." + std::string(-pointPosition, '0') + value.digits;
    }
  }
  return number + unit.text;
}
