// The colours of the resistor colour code as a whole (IEC 60062), beyond
// those the windows offer: Pink as a multiplier, the precision tolerances
// and the temperature coefficients of a sixth band.
#pragma once

#include <optional>
#include <span>
#include <string>

#include "band_colour.h"

// The first thirteen have the numbers of BandColour, so a window's colour
// converts by its number.
enum class CodeColour : std::uint8_t {
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
inline constexpr int CodeColourCount = 14;

inline CodeColour ToCodeColour(BandColour colour) { return static_cast<CodeColour>(colour); }

enum class CodeRole { Digit, Multiplier, Tolerance, TemperatureCoefficient };

struct CodeColourInfo {
  std::optional<int> digit;
  std::optional<int> multiplierExponent;          // the band multiplies by 10 to this power
  std::optional<int> toleranceHundredthsPercent;  // 25 for 0.25%; None (no band) is 2000
  std::optional<int> ppmPerKelvin;                // temperature coefficient band
  Rgb paint;                                      // its colour in the terminal picture
};

const CodeColourInfo& CodeInfo(CodeColour colour);

// The colours a band of this role may have, in the order messages list them.
std::span<const CodeColour> RoleColours(CodeRole role);

bool HasRole(CodeColour colour, CodeRole role);

// "20%", "0.5%", "0.25%": a tolerance given in hundredths of a percent.
std::string ToleranceText(int hundredthsPercent);
