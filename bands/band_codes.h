// The two directions between colours and values: the reading of a code
// given as colour names, which is the windows' own reading, and the code
// that shows a given value.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "band_colour.h"
#include "resistance_value.h"

struct ColourCodeReading {
  std::string line;   // the windows' result line without its CR LF, when the colours form a code
  std::string error;  // otherwise: which band is wrong and what it offers
};

// Four names are a four-band code (two digits, multiplier, tolerance), five
// a five-band code (three digits, multiplier, tolerance). The line comes
// from FourBandResultText or FiveBandResultText, so it is the line the
// window shows. Throws std::bad_alloc when the reading gets no storage for
// its text, rather than passing on a line with pieces missing.
ColourCodeReading ReadColourCode(std::span<const std::string_view> colourNames);

// The line that the four-band (4 colours) or the five-band (5 colours)
// window shows for `colours`, without its CR LF; none when no window offers
// that code. Throws std::bad_alloc as ReadColourCode does.
std::optional<std::string> WindowLine(std::span<const BandColour> colours);

// The tolerance colour shown by a text such as "5%", "5" or "20 %"; none
// when no tolerance band shows that percentage.
std::optional<BandColour> ToleranceFromText(std::string_view text);

// "1%, 2%, 5%, 10%, 20%": the tolerances of `colours`, smallest first.
std::string ToleranceList(std::span<const BandColour> colours);

// The percentage of a tolerance colour: 5 for Gold, 20 for None.
int TolerancePercent(BandColour colour);

enum class EncodingFailure {
  None,
  FinerThanStep,        // a digit below 0.01 ohm, the step of the Silver multiplier
  TooManyDigits,        // more significant digits than the code has digit bands
  TooLarge,             // above the code's largest value (99 G ohm with two digits)
  ToleranceNotOffered,  // the code's tolerance band has no such colour
};

struct Encoding {
  // Digit bands, multiplier, then the tolerance band when one was asked for;
  // empty on failure.
  std::vector<BandColour> colours;
  EncodingFailure failure = EncodingFailure::None;
};

// The code with `digitBands` digit bands (2: four-band, 3: five-band) that
// shows `value` exactly. The first digit is not Black whenever the value
// allows it (at least 0.10 ohm with two digits, 1.00 ohm with three); below
// that the leading digits are Black with the Silver multiplier, the only one
// fine enough. Zero is all Black digits with the Black multiplier ("00 ohm").
Encoding EncodeResistance(const Resistance& value, int digitBands,
                          std::optional<BandColour> tolerance);

// The colour of the multiplier band that multiplies by 10^exponent (-2 to 9).
BandColour MultiplierColour(int exponent);
