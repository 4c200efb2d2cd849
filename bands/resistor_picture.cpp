#include "resistor_picture.h"

#include "colour_code/colours.h"
#include "colour_code/text.h"

namespace {

using colour_code::Colour;
using colour_code::Rgb;
using colour_code::Text;

constexpr Rgb kBody = {222, 196, 145};
constexpr Rgb kLead = {170, 170, 170};
constexpr Rgb kOpenMark = {90, 60, 30};

// The terminal's 24-bit colour sequence for the background (48) or the
// text (38).
Text ColourSequence(int layer, Rgb colour) {
  Text sequence("\x1b[");
  sequence.AppendNumber(layer).Append(";2;").AppendNumber(colour.red).Append(';');
  sequence.AppendNumber(colour.green).Append(';').AppendNumber(colour.blue).Append('m');
  return sequence;
}

void WriteLead(Output& out) {
  out.Write(ColourSequence(38, kLead).View());
  out.Write("----\x1b[0m");
}

}  // namespace

void WriteResistorPicture(Output& out, const colour_code::Code& code, std::size_t bands) {
  const Text body = ColourSequence(48, kBody);
  const std::size_t tolerance = colour_code::ToleranceBand(bands);
  WriteLead(out);
  out.Write(body.View());
  out.Write(" ");
  for (std::size_t i = 0; i < bands; ++i) {
    if (i == tolerance) out.Write("  ");
    if (i >= code.count) {
      out.Write(ColourSequence(38, kOpenMark).View());
      out.Write("??");
    } else if (code.colours[i] == Colour::None) {
      out.Write("  ");
    } else {
      out.Write(ColourSequence(48, colour_code::Info(code.colours[i]).paint).View());
      out.Write("  ");
      out.Write(body.View());
    }
    out.Write(" ");
  }
  out.Write("\x1b[0m");
  WriteLead(out);
  out.Write("\n");
}
