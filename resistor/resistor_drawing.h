// The resistor drawn: leads, body and bands in their paint colours, the
// tolerance band set apart, the empty band an outline on the bare body.
#pragma once

#include <windows.h>

#include "colour_code/code.h"

// Draws `code` to fill `place` of `dc`. Sizes follow `place`, which the
// dialog's units scale with the display; lines follow the DPI of `dc`.
// Creates no GDI object: the device context's own brush takes each colour.
void DrawResistor(HDC dc, const RECT& place, const colour_code::Code& code);

// Where each band is drawn, from the left: band i spans
// [left[i], right[i]) of the body's width of 20 units; the tolerance band
// stands apart from the bands before it.
struct BandPlaces {
  int left[colour_code::MaxBands];  // in twentieths of the body's width
};
BandPlaces PlacesOf(std::size_t count);
