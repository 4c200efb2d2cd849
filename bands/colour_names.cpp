#include "colour_names.h"

#include <vector>

namespace {

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  }
  return true;
}

}  // namespace

std::optional<BandColour> ColourFromName(std::string_view name) {
  // The American spelling is as common on resistor charts as the British one.
  if (EqualIgnoringCase(name, "gray")) return BandColour::Grey;
  for (int number = 0; number < BandColourCount; ++number) {
    const auto colour = static_cast<BandColour>(number);
    if (EqualIgnoringCase(name, ColourInfo(colour).buttonText.view())) return colour;
  }
  return std::nullopt;
}

std::string ColourName(BandColour colour) {
  std::string name(ColourInfo(colour).buttonText.view());
  for (char& c : name) c = LowerAscii(c);
  return name;
}

std::string ColourNameList(std::span<const BandColour> colours) {
  std::vector<CodeColour> codeColours;
  for (const BandColour colour : colours) codeColours.push_back(ToCodeColour(colour));
  return CodeColourNameList(codeColours);
}

std::optional<CodeColour> CodeColourFromName(std::string_view name) {
  if (const std::optional<BandColour> colour = ColourFromName(name)) return ToCodeColour(*colour);
  if (EqualIgnoringCase(name, "pink")) return CodeColour::Pink;
  return std::nullopt;
}

std::string CodeColourName(CodeColour colour) {
  if (colour == CodeColour::Pink) return "pink";
  return ColourName(static_cast<BandColour>(colour));
}

std::string CodeColourNameList(std::span<const CodeColour> colours) {
  std::string list;
  for (const CodeColour colour : colours) {
    if (!list.empty()) list += ", ";
    list += CodeColourName(colour);
  }
  return list;
}
