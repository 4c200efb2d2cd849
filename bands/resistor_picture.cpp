#include "resistor_picture.h"

namespace {

constexpr Rgb kBody = {222, 196, 145};
constexpr Rgb kLead = {170, 170, 170};

// The terminal's 24-bit colour sequence for the background (48) or the
// text (38).
std::string ColourSequence(int layer, Rgb colour) {
  return "\x1b[" + std::to_string(layer) + ";2;" + std::to_string(colour.red) + ";" +
         std::to_string(colour.green) + ";" + std::to_string(colour.blue) + "m";
}

std::string Background(Rgb colour) { return ColourSequence(48, colour); }

// The tolerance band stands apart from the value's bands; three bands have none.
std::size_t ToleranceIndex(std::size_t count) {
  return count == 6 ? 4 : count >= 4 ? count - 1 : count;
}

}  // namespace

std::string ResistorPicture(std::span<const CodeColour> colours) {
  const std::string lead = ColourSequence(38, kLead) + "----" + "\x1b[0m";
  std::string body = Background(kBody) + " ";
  for (std::size_t i = 0; i < colours.size(); ++i) {
    if (i == ToleranceIndex(colours.size())) body += "  ";
    body +=
        colours[i] == CodeColour::None ? Background(kBody) : Background(CodeInfo(colours[i]).paint);
    body += "  ";
    body += Background(kBody) + " ";
  }
  return lead + body + "\x1b[0m" + lead + "\n";
}
