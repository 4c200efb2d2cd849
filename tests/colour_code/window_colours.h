// The windows' colours as colours of the code: the thirteen colours of the
// windows have the numbers of the code's first thirteen, so one converts to
// the other by its number, checked here once for all.
#pragma once

#include "band_colour.h"
#include "colour_code/colours.h"

constexpr colour_code::Colour ToCodeColour(BandColour colour) {
  return static_cast<colour_code::Colour>(colour);
}

#define CHECK_SAME_COLOUR(name) \
  static_assert(ToCodeColour(BandColour::name) == colour_code::Colour::name)
CHECK_SAME_COLOUR(Black);
CHECK_SAME_COLOUR(Brown);
CHECK_SAME_COLOUR(Red);
CHECK_SAME_COLOUR(Orange);
CHECK_SAME_COLOUR(Yellow);
CHECK_SAME_COLOUR(Green);
CHECK_SAME_COLOUR(Blue);
CHECK_SAME_COLOUR(Violet);
CHECK_SAME_COLOUR(Grey);
CHECK_SAME_COLOUR(White);
CHECK_SAME_COLOUR(Silver);
CHECK_SAME_COLOUR(Gold);
CHECK_SAME_COLOUR(None);
#undef CHECK_SAME_COLOUR
static_assert(BandColourCount == 13 && colour_code::ColourCount == 14,
              "the code has the windows' colours and pink");
