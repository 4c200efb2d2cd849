// A small drawing of a resistor for a terminal that shows 24-bit colour:
// the leads, the body and its bands in their colours.
#pragma once

#include <span>
#include <string>

#include "code_colours.h"

// One line ending in "\n", with the terminal's colours reset at its end. A
// None band leaves the body bare; the tolerance band stands apart from the
// value's bands, as on the part.
std::string ResistorPicture(std::span<const CodeColour> colours);
