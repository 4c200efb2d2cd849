// Resistances as exact decimals: whether a code shows a value is decided on
// its digits, never on a rounded binary number. Also the one way values are
// written, and the reading of values as people type them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "colour_code/text.h"

namespace colour_code {

// value = Digits() x 10^Exponent(): no leading or trailing zero in the
// digits; zero has none.
class Resistance {
 public:
  // More significant digits than any code or marking shows, by far.
  static constexpr std::size_t MaxDigits = 24;

  constexpr Resistance() = default;

  // `figures` (decimal digits, zeros anywhere) x 10^exponent; none when the
  // figures are not all digits or have more than MaxDigits significant
  // digits.
  static std::optional<Resistance> Of(std::string_view figures, int exponent);

  constexpr std::string_view Digits() const { return {digits_, count_}; }
  constexpr int Exponent() const { return exponent_; }
  constexpr bool IsZero() const { return count_ == 0; }
  // The value's order of magnitude: it lies in [10^(Magnitude()-1),
  // 10^Magnitude()). Not for zero.
  constexpr int Magnitude() const { return static_cast<int>(count_) + exponent_; }

  friend constexpr bool operator==(const Resistance& a, const Resistance& b) {
    return a.exponent_ == b.exponent_ && a.Digits() == b.Digits();
  }
  // Orders by value.
  friend bool operator<(const Resistance& a, const Resistance& b);

 private:
  char digits_[MaxDigits] = {};
  std::uint8_t count_ = 0;
  int exponent_ = 0;
};

// The largest value of any colour code: 999 G ohm (three white digits, white
// multiplier). Typed values above it are refused.
inline constexpr std::string_view LargestValueText = "999 G ohm";

struct ValueParse {
  std::optional<Resistance> value;
  Text error;  // when there is no value: what is wrong, and what to write instead
};

// Reads a value in ohm as people type it: a decimal number ("4700", "0.22",
// ".5"), optionally followed by a unit letter k or K (kilo), M (mega), G or
// g (giga), R or r (ohm), or with the unit letter standing for the point
// ("4k7", "R22", "4R7"); then optionally "ohm" or "ohms" in any case, or
// the ohm sign (U+2126 or U+03A9 in UTF-8). Blanks may stand around the
// unit and "ohm". Refused, each with what to write instead: "m" (it would
// mean milli), a comma (a decimal comma or a thousands separator?), a
// minus sign (also U+2212), values above 999 G ohm, and more than MaxDigits
// significant digits.
ValueParse ParseValue(std::string_view text);

// The power of ten of the unit in which figures x 10^exponent is written:
// 0 (ohm), 3 (k ohm), 6 (M ohm) or 9 (G ohm), leaving one to three places
// before the point when the first figure is not zero.
int UnitExponent(std::size_t figureCount, int exponent);

// `figures` x 10^exponent in the unit 10^unitExponent, every figure kept:
// "4.70 k ohm", "0.047 ohm", "001 ohm".
Text& AppendDecimal(Text& text, std::string_view figures, int exponent, int unitExponent);

// The figures of a code with the point placed and the unit chosen as above,
// zeros kept: "4.7 k ohm", "0.047 ohm", "001 ohm".
Text& AppendCodeValue(Text& text, std::string_view figures, int exponent);

// A value in its unit without trailing zeros: "4.75 k ohm", "0 ohm".
Text& AppendResistance(Text& text, const Resistance& value);
Text ResistanceText(const Resistance& value);

}  // namespace colour_code
