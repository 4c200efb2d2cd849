// What the resistor window shows and does, without the window: the bands
// chosen in its groups, the lines read from them, and the bands set from a
// typed value or marking. Portable (no <windows.h>), so that a native test
// checks it as well as the window tests do.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "colour_code/code.h"
#include "colour_code/colours.h"
#include "colour_code/text.h"

namespace resistor {

using colour_code::Code;
using colour_code::Colour;
using colour_code::Role;
using colour_code::Text;

// The window's band groups, one per role a band can have, left to right:
// three digits, the multiplier, the tolerance, the temperature
// coefficient. A code of n bands uses the groups its roles name, in order.
enum Slot : std::size_t {
  FirstDigit,
  SecondDigit,
  ThirdDigit,
  MultiplierSlot,
  ToleranceSlot,
  CoefficientSlot,
};
inline constexpr std::size_t SlotCount = 6;
inline constexpr Role SlotRoles[SlotCount] = {Role::Digit,      Role::Digit,     Role::Digit,
                                              Role::Multiplier, Role::Tolerance, Role::Coefficient};

// The band counts the window offers, in its order; 1 is the zero-ohm link.
inline constexpr std::size_t BandCounts[] = {3, 4, 5, 6, 1};

// The window's choice: the band count and the colour checked in every
// group, used or not (an unused group keeps its colour for later).
struct Selection {
  std::size_t bands = 4;
  std::array<Colour, SlotCount> slots{};
  friend bool operator==(const Selection&, const Selection&) = default;
};

// Whether `slot` holds a band of a code of `bands` bands.
bool SlotUsed(std::size_t bands, std::size_t slot);

// The colours of the selected code, first band first; the one black band
// for the zero-ohm link.
Code CodeOf(const Selection& selection);

// The lines the window shows for a code, in order: the reading; the range;
// the series; the nearest standard values when the figures are not in the
// series the tolerance calls for; the reading from the other end when the
// colours read both ways and differ; the value's SMD markings. An absent
// line is empty. A code that does not read (never one the window offers)
// gives the library's message as its first line.
enum Line : std::size_t {
  ReadingLine,
  RangeLine,
  SeriesLine,
  WarningLine,
  OtherEndLine,
  MarkingsLine
};
inline constexpr std::size_t LineCount = 6;
using ShownLines = std::array<Text, LineCount>;
ShownLines LinesOf(const Code& code);

// The shown lines that are not empty, each ended by CR LF: the clipboard's
// text after Copy.
Text ClipboardText(const ShownLines& lines);

// What a typed value or marking does. `changed` false: the bands stay and
// `message` says why (the library's message); true: `selection` is the
// new choice and `message` says which code it is, and why the band count
// changed when it did.
struct Entry {
  bool changed = false;
  Selection selection;
  Text message;
};

// Reads `typed` as a value ("4.7k", "4k7", "4.7 kΩ", "0.047", "0") or an
// SMD marking ("472", "4701", "01C"). Three or four digits alone are read
// as a marking, as printed on a part ("472" is 4.7 k ohm; for 472 ohm type
// "472R" or "472 ohm"). The count stays when it can show the value, else
// the smallest count that can is chosen; the tolerance and coefficient stay
// when the new count has them (an EIA-96 marking sets 1%).
Entry EnterValue(std::string_view typed, const Selection& current);

}  // namespace resistor
