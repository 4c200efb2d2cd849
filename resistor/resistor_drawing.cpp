#include "resistor_drawing.h"

#include <algorithm>

#include "colour_code/colours.h"

namespace {

using colour_code::Colour;

// The outline of the body and of an empty band, and the leads: colours no
// band has.
constexpr COLORREF OutlineColour = RGB(90, 70, 40);
constexpr COLORREF LeadColour = RGB(170, 170, 170);

COLORREF PaintOf(Colour colour) {
  const colour_code::Rgb paint = colour_code::Info(colour).paint;
  return RGB(paint.red, paint.green, paint.blue);
}

void Fill(HDC dc, const RECT& rect, COLORREF colour) {
  SetDCBrushColor(dc, colour);
  FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

// A frame `width` pixels thick just inside `rect`.
void Frame(HDC dc, const RECT& rect, int width, COLORREF colour) {
  Fill(dc, {rect.left, rect.top, rect.right, rect.top + width}, colour);
  Fill(dc, {rect.left, rect.bottom - width, rect.right, rect.bottom}, colour);
  Fill(dc, {rect.left, rect.top, rect.left + width, rect.bottom}, colour);
  Fill(dc, {rect.right - width, rect.top, rect.right, rect.bottom}, colour);
}

}  // namespace

BandPlaces PlacesOf(std::size_t count) {
  BandPlaces places{};
  if (count == 1) {
    places.left[0] = 9;  // the zero-ohm band in the middle: 9.5 units is the centre
    return places;
  }
  const std::size_t tolerance = colour_code::ToleranceBand(count);
  for (std::size_t band = 0; band < count; ++band) {
    if (band < tolerance) {
      places.left[band] = 2 + 2 * static_cast<int>(band);
    } else if (band == tolerance) {
      places.left[band] = count == 6 ? 13 : 15;  // a gap of four units or more before it
    } else {
      places.left[band] = 15;  // the temperature coefficient, after the tolerance
    }
  }
  return places;
}

void DrawResistor(HDC dc, const RECT& place, const colour_code::Code& code) {
  const int width = place.right - place.left;
  const int height = place.bottom - place.top;
  const int line = std::max(1, MulDiv(1, GetDeviceCaps(dc, LOGPIXELSX), 96));
  Fill(dc, place, GetSysColor(COLOR_BTNFACE));

  const RECT body{place.left + MulDiv(width, 3, 20), place.top + height / 5,
                  place.right - MulDiv(width, 3, 20), place.bottom - height / 5};
  const int middle = (place.top + place.bottom) / 2;
  const int leadHalf = std::max(line, height / 24);
  Fill(dc, {place.left + width / 40, middle - leadHalf, body.left, middle + leadHalf}, LeadColour);
  Fill(dc, {body.right, middle - leadHalf, place.right - width / 40, middle + leadHalf},
       LeadColour);
  Fill(dc, body, PaintOf(Colour::None));
  Frame(dc, body, line, OutlineColour);

  const int bodyWidth = body.right - body.left;
  const BandPlaces places = PlacesOf(code.count);
  for (std::size_t band = 0; band < code.count; ++band) {
    const RECT rect{body.left + MulDiv(bodyWidth, places.left[band], 20), body.top + line,
                    body.left + MulDiv(bodyWidth, places.left[band] + 1, 20), body.bottom - line};
    if (code.colours[band] == Colour::None) {
      Frame(dc, rect, line, OutlineColour);  // the empty band: the bare body in an outline
    } else {
      Fill(dc, rect, PaintOf(code.colours[band]));
    }
  }
}
