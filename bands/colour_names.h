// Colour names as typed at the command line and as printed: the colour
// table's button texts in lower case, matched without regard to case.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "band_colour.h"
#include "code_colours.h"

// The colour named `name` ("Yellow", "yellow", "YELLOW"); "gray" is taken
// for grey. None when no colour has that name.
std::optional<BandColour> ColourFromName(std::string_view name);

// The name printed for `colour`: its button text in lower case, "yellow".
std::string ColourName(BandColour colour);

// "black, brown, red": the names of `colours` in the order given.
std::string ColourNameList(std::span<const BandColour> colours);

// The same lookup over every colour of the code: the names above and "pink".
std::optional<CodeColour> CodeColourFromName(std::string_view name);
std::string CodeColourName(CodeColour colour);
std::string CodeColourNameList(std::span<const CodeColour> colours);
