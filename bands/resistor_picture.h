// A small drawing of a resistor for a terminal that shows 24-bit colour:
// the leads, the body and its bands in their colours.
#pragma once

#include <cstddef>

#include "colour_code/code.h"
#include "output.h"

// Writes one line, with the terminal's colours reset at its end: the chosen
// bands of a code of `bands` bands (code.count of them, first band first).
// The tolerance band stands apart from the value's bands, as on the part;
// a None band leaves the body bare, and a band still to choose shows a
// question mark on the bare body.
void WriteResistorPicture(Output& out, const colour_code::Code& code, std::size_t bands);
