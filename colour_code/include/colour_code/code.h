// Colour codes both ways: reading the colours of 3 to 6 bands (and the one
// black band of a zero-ohm link), and writing the code of a value.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "colour_code/colours.h"
#include "colour_code/outcome.h"
#include "colour_code/resistance.h"

namespace colour_code {

inline constexpr std::size_t MaxBands = 6;

// The colours of a code, first band first.
struct Code {
  Colour colours[MaxBands] = {};
  std::size_t count = 0;

  static constexpr Code Of(std::span<const Colour> colours) {
    Code code;
    for (std::size_t i = 0; i < colours.size() && i < MaxBands; ++i)
      code.colours[code.count++] = colours[i];
    return code;
  }
  constexpr std::span<const Colour> Bands() const { return {colours, count}; }
  // The same colours from the other end.
  constexpr Code Reversed() const {
    Code code;
    for (std::size_t i = 0; i < count; ++i) code.colours[i] = colours[count - 1 - i];
    code.count = count;
    return code;
  }
  friend constexpr bool operator==(const Code& a, const Code& b) {
    if (a.count != b.count) return false;
    for (std::size_t i = 0; i < a.count; ++i) {
      if (a.colours[i] != b.colours[i]) return false;
    }
    return true;
  }
};

// The roles of the bands of a code of `count` bands: 1, the zero-ohm band
// (a digit, black); 3, two digits and a multiplier (20%); 4, two digits,
// multiplier, tolerance; 5, three digits, multiplier, tolerance; 6, as 5
// and the temperature coefficient. Empty for any other count.
std::span<const Role> BandRoles(std::size_t count);

// "first digit", "multiplier", "tolerance", "temperature coefficient"; for
// the one band of a zero-ohm link, "zero-ohm band". Empty outside the code.
std::string_view BandName(std::size_t count, std::size_t band);

// The index of the tolerance band among `count` bands, or `count` when the
// code has none (1 and 3 bands). Pictures set it apart.
std::size_t ToleranceBand(std::size_t count);

// What a code stands for.
struct Reading {
  Code code;
  char figures[3] = {};                 // the digit bands' digits, leading zeros kept: "047"
  std::size_t figureCount = 0;          // 0 for the zero-ohm band
  int exponent = 0;                     // the value is figures x 10^exponent ohm
  std::optional<Hundredths> tolerance;  // none for the zero-ohm band; 20% without a tolerance band
  std::optional<int> ppmPerKelvin;      // six bands only

  constexpr std::string_view Figures() const { return {figures, figureCount}; }
  constexpr bool IsZeroOhm() const { return figureCount == 0; }
  Resistance Value() const;
};

struct ReadFault {
  enum Kind : std::uint8_t {
    BandCount,  // not 1 and not 3 to 6 bands
    NotInRole,  // `colour` cannot stand in band `band`
  } kind;
  std::size_t count;  // bands given
  std::size_t band;   // NotInRole: the band, from 0
  Colour colour;      // NotInRole: its colour
};

using ReadOutcome = Outcome<Reading, ReadFault>;

// Reads the colours, first band first. A code that the four- or five-band
// window offers reads as the window shows it; see ReadingLine.
ReadOutcome ReadCode(std::span<const Colour> colours);

// What a value's code is to show besides its digits and multiplier.
struct CodeRequest {
  std::size_t bands = 4;              // 1 (zero only) or 3 to 6
  std::optional<Colour> tolerance;    // none: left for the user to choose
  std::optional<Colour> coefficient;  // six bands; none: left to choose
};

// The code of a value. The bands chosen so far; with `bands` bands in all,
// the ones from code.count on are still to choose (their roles are
// BandRoles(bands)), which happens only for a tolerance or coefficient that
// the request left open.
struct WrittenCode {
  Code code;
  std::size_t bands = 0;
  constexpr bool Whole() const { return code.count == bands; }
};

struct WriteFault {
  enum Kind : std::uint8_t {
    BandCount,          // `bands` is not 1 or 3 to 6
    ZeroIsOneBand,      // 0 ohm is marked only by the one black band
    OneBandIsZero,      // one band marks only 0 ohm
    FinerThanCode,      // a digit below the code's finest step (0.001 ohm with pink)
    TooManyDigits,      // more significant digits than the code has digit bands
    TooLarge,           // above the code's largest value
    NoToleranceBand,    // three bands have no tolerance band (they are 20%)
    NotTolerance,       // `colour` is no tolerance
    NoCoefficientBand,  // only six bands have a temperature coefficient
    NotCoefficient,     // `colour` is no temperature coefficient
  } kind;
  std::size_t bands;  // as asked for
  Colour colour;      // NotTolerance, NotCoefficient
};

using WriteOutcome = Outcome<WrittenCode, WriteFault>;

// The code of `request.bands` bands that shows `value` exactly. Its first
// digit is not black whenever the value allows it; otherwise leading
// digits are black with the smallest multiplier that shows the value. A
// whole code reads back as `value` with the tolerance and coefficient asked
// for.
WriteOutcome WriteCode(const Resistance& value, const CodeRequest& request);

}  // namespace colour_code
