// What `bands --details` adds below a reading: the range the tolerance
// allows, the standard series the figures belong to, a warning when they
// are not in the series the tolerance calls for, and the reading from the
// other end.
#pragma once

#include <string>

#include "resistance_value.h"
#include "resistor_code.h"

// The code's value as an exact decimal.
Resistance CodeResistance(const ResistorCode& code);

// "Range: 4.465 k ohm to 4.935 k ohm": the value minus and plus its
// tolerance, in the value's unit.
std::string RangeLine(const ResistorCode& code);

// "Series: E3 E6 E12 E24", or "Series: none".
std::string SeriesLine(const ResistorCode& code);

// The warning that the figures are not in the series of the code's
// tolerance, with the standard values next to it; empty when they are, or
// for zero.
std::string SeriesWarningLine(const ResistorCode& code);

// The lines after the reading, each ending in "\n"; `otherEnd` is the
// reading of the reversed colours when they form a code too.
std::string DetailLines(const ResistorCode& code, const ResistorReading* otherEnd);
