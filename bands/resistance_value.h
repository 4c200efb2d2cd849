// Resistances as typed at the command line ("4.7k", "4k7", "R22", "2.2G ohm")
// held as exact decimals, so that whether a colour code can show a value is
// decided on its digits and never on a rounded binary number.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// value = digits x 10^exponent.
struct Resistance {
  std::string digits;  // significant digits: no leading or trailing "0"; empty for zero
  int exponent = 0;
  friend bool operator==(const Resistance&, const Resistance&) = default;
};

// The largest value any colour code shows: 999 G ohm (three White digits,
// White multiplier).
inline constexpr std::string_view LargestCodeValueText = "999 G ohm";

// Drops leading and trailing zeros, moving the exponent with the trailing
// ones; zero has empty digits.
Resistance Normalised(std::string digits, int exponent);

struct ResistanceParse {
  std::optional<Resistance> value;
  std::string error;  // when there is no value: what is wrong with the text
};

// Reads a value in ohm: a decimal number ("4700", "0.22", ".5"), optionally
// followed by a unit letter k or K (kilo), M (mega), G or g (giga), R or r
// (ohm), or with the unit letter standing for the point ("4k7", "R22",
// "4R7"); then optionally "ohm" or "ohms" in any case, or the ohm sign in
// UTF-8 (U+2126 or U+03A9: "4.7 kΩ", "470Ω"). Blanks may stand around the unit
// and "ohm", as in the readings' own "4.70 k ohm". Leading zeros are allowed
// ("001 ohm"). "m" is refused: it would mean milli. A comma is refused, as
// it may be a decimal comma or a thousands separator. Negative values and
// values above 999 G ohm are refused. Every error ends with what to write
// instead.
ResistanceParse ParseResistance(std::string_view text);

// The value in hundredths of an ohm, the step of the finest multiplier
// (Silver); none when the value has a digit below 0.01 ohm. At most
// 99 900 000 000 000 for an accepted value, so it always fits.
std::optional<std::int64_t> HundredthsOfOhm(const Resistance& value);

// The power of ten of the unit a value of `figureCount` figures x
// 10^exponent is written in, chosen as the readings choose it: 0 (ohm),
// 3 (k ohm), 6 (M ohm) or 9 (G ohm), leaving one to three places before the
// point.
int ValueUnitExponent(std::size_t figureCount, int exponent);

// `digits` x 10^exponent written in the unit 10^unitExponent, every digit
// kept: "4.70 k ohm", "0.047 ohm", "001 ohm".
std::string DecimalText(std::string_view digits, int exponent, int unitExponent);

// "4.7 k ohm", "0.047 ohm", "001 ohm": the figures with the point placed and
// the unit chosen by the windows' rules; zeros are kept.
std::string CodeValueText(std::string_view figures, int exponent);

// The value with the unit the readings use, without trailing zeros:
// "4.75 k ohm", "0.001 ohm", "100 G ohm", "0 ohm".
std::string ResistanceText(const Resistance& value);
