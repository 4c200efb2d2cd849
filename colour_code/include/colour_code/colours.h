// The colours of the resistor colour code (IEC 60062) and what each means
// in each role a band can have: digit, multiplier, tolerance, temperature
// coefficient. Constant data.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace colour_code {

// The first thirteen have the numbers of the windows' colours (Black 0 to
// None 12); None is the empty tolerance band, Pink the 0.001 multiplier.
enum class Colour : std::uint8_t {
  Black,
  Brown,
  Red,
  Orange,
  Yellow,
  Green,
  Blue,
  Violet,
  Grey,
  White,
  Silver,
  Gold,
  None,
  Pink,
};
inline constexpr int ColourCount = 14;

enum class Role : std::uint8_t { Digit, Multiplier, Tolerance, Coefficient };

struct Rgb {
  std::uint8_t red, green, blue;
  friend constexpr bool operator==(Rgb, Rgb) = default;
};

// Tolerances are whole hundredths of a percent: 500 is 5%, 1 is 0.01%.
using Hundredths = int;

struct ColourInfo {
  std::string_view name;                  // as printed and typed: "black", "grey", "none"
  std::string_view letterCode;            // IEC 60757: "BK"; empty for None, which has none
  std::optional<int> digit;               // 0 to 9
  std::optional<int> multiplierExponent;  // the band multiplies by 10 to this power
  std::optional<Hundredths> tolerance;    // None, the empty band, is 20%
  std::optional<int> ppmPerKelvin;        // temperature coefficient
  Rgb paint;                              // the band's colour in a picture
};

const ColourInfo& Info(Colour colour);

// The colours a band of `role` may have, in the order lists show them:
// digits 0 to 9; multipliers black to white, then silver, gold, pink (the
// windows' order, pink added); tolerances none first and silver, gold
// last, as in the windows' groups; coefficients black to grey.
std::span<const Colour> RoleColours(Role role);

bool HasRole(Colour colour, Role role);

// The colour of a role with the given meaning; none when no colour has it.
std::optional<Colour> DigitColour(int digit);
std::optional<Colour> MultiplierColour(int exponent);  // -3 (pink) to 9 (white)
std::optional<Colour> ToleranceColour(Hundredths tolerance);
std::optional<Colour> CoefficientColour(int ppmPerKelvin);

// The colour of a name ("Yellow", "GRAY", "none") or an IEC 60757 letter
// code ("YE", "gy"), in any case; "gray" is grey. None for anything else.
std::optional<Colour> ColourFromName(std::string_view name);
std::optional<Colour> ColourFromLetterCode(std::string_view code);

}  // namespace colour_code
