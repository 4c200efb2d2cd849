// Reading any colour code of 3 to 6 bands with every colour of the code in
// every role it has. A code that a window offers reads as the window's line;
// every other code gets a line of the same form, its value written by the
// windows' rules of digit placement and unit.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "code_colours.h"
#include "resistance_value.h"

struct ResistorCode {
  std::vector<CodeColour> colours;  // as given, first band first
  std::string figures;              // the digit bands' digits, leading zeros kept: "047"
  int exponent = 0;                 // the value is figures x 10^exponent ohm
  int toleranceHundredthsPercent = 2000;
  std::optional<int> ppmPerKelvin;  // six bands only
};

struct ResistorReading {
  std::optional<ResistorCode> code;
  std::string line;   // "Resistance: 47 k ohm, 20%", when the colours form a code
  std::string error;  // otherwise: which band is wrong and what its role allows
};

// 3 bands: two digits, multiplier (20%); 4: two digits, multiplier,
// tolerance; 5: three digits, multiplier, tolerance; 6: as 5 and the
// temperature coefficient. Throws std::bad_alloc as ReadColourCode does.
ResistorReading ReadResistorCode(std::span<const std::string_view> colourNames);

// `digits` x 10^exponent written in the unit 10^unitExponent without
// trailing zeros after the point: "4.465 k ohm", "0 ohm".
std::string ExactValueText(const std::string& digits, int exponent, int unitExponent);
