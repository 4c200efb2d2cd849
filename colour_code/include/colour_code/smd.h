// The markings printed on surface-mount resistors, both ways: three digits
// ("472": 47 x 10^2), four digits ("4701": 470 x 10^1), R notation ("4R7",
// "R47", "0R") and EIA-96 ("01C": 100 x 10^2, 1%).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "colour_code/colours.h"
#include "colour_code/resistance.h"

namespace colour_code {

enum class MarkingKind : std::uint8_t {
  ThreeDigits,  // two figures and the power of ten
  FourDigits,   // three figures and the power of ten
  RNotation,    // figures with R for the point
  Eia96,        // the E96 value's number 01 to 96 and a multiplier letter
  ZeroOhm,      // "0", "00", "000", "0000", "0R"
};

// What a marking stands for, read one way.
struct MarkingReading {
  MarkingKind kind;
  char figures[3] = {};  // as printed ("47" of "472"; "475" of "66B"), none for zero
  std::size_t figureCount = 0;
  int exponent = 0;                     // the value is figures x 10^exponent ohm
  std::optional<Hundredths> tolerance;  // EIA-96: 1%; the others do not say
  char letter = 0;                      // EIA-96: the multiplier letter as printed, upper case

  constexpr std::string_view Figures() const { return {figures, figureCount}; }
  Resistance Value() const;
};

// A marking that reads two ways ("10R": 10 ohm in R notation, 1.24 ohm in
// EIA-96) has two readings; text that is no marking has none.
struct MarkingReadings {
  MarkingReading readings[2];
  std::size_t count = 0;
};

// Reads `text` as printed on the part; letters in any case.
MarkingReadings ReadMarking(std::string_view text);

struct Marking {
  char text[5] = {};
  std::size_t size = 0;
  MarkingKind kind = MarkingKind::ThreeDigits;
  constexpr std::string_view View() const { return {text, size}; }
};

// The markings that show `value` exactly, in the order three digits (or R
// notation of two figures), four digits (or R notation of three), EIA-96;
// zero is "0R" and "000". Each reads back as `value`.
struct Markings {
  Marking markings[4];
  std::size_t count = 0;
};
Markings MarkingsOf(const Resistance& value);

// The E96 value of an EIA-96 number (1 to 96): 100 for 1, 976 for 96.
int Eia96Value(int number);

}  // namespace colour_code
