// The colours a band of a resistor can have, and what each means in a
// digit, multiplier or tolerance band and how its option buttons are painted.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "byte_string.h"

enum class BandColour : std::uint8_t {
  Black = 0,
  Brown = 1,
  Red = 2,
  Orange = 3,
  Yellow = 4,
  Green = 5,
  Blue = 6,
  Violet = 7,
  Grey = 8,
  White = 9,
  Silver = 10,
  Gold = 11,
  None = 12,
};
inline constexpr int BandColourCount = 13;

struct Rgb {
  std::uint8_t red, green, blue;
  friend constexpr bool operator==(Rgb, Rgb) = default;
};

struct BandColourInfo {
  ByteView buttonText;
  std::optional<int> digit;               // 0 to 9 in a digit band
  std::optional<int> multiplierExponent;  // the band multiplies by 10 to this power
  ByteView toleranceText;                 // " 5%"; empty where the colour is no tolerance
  // Option buttons are painted only when a background is given; a missing
  // text colour then means the system's text colour.
  std::optional<Rgb> background;
  std::optional<Rgb> textColour;
};

// `colour` is one of the thirteen colours.
const BandColourInfo& ColourInfo(BandColour colour);

enum class BandGroupKind {
  Digit,              // Black to White, 10 options
  Multiplier,         // Black to White, Silver, Gold: 12 options
  FiveBandTolerance,  // None, Brown, Red, Silver, Gold
  FourBandTolerance,  // None, Red, Silver, Gold
};

// The colours each kind of group offers, top to bottom.
namespace group_colours {
using enum BandColour;
inline constexpr BandColour Digit[] = {Black, Brown, Red,    Orange, Yellow,
                                       Green, Blue,  Violet, Grey,   White};
inline constexpr BandColour Multiplier[] = {Black, Brown,  Red,  Orange, Yellow, Green,
                                            Blue,  Violet, Grey, White,  Silver, Gold};
inline constexpr BandColour FiveBandTolerance[] = {None, Brown, Red, Silver, Gold};
inline constexpr BandColour FourBandTolerance[] = {None, Red, Silver, Gold};
}  // namespace group_colours

// The colours a group of this kind offers, top to bottom.
constexpr std::span<const BandColour> GroupColours(BandGroupKind kind) {
  switch (kind) {
    case BandGroupKind::Digit: return group_colours::Digit;
    case BandGroupKind::Multiplier: return group_colours::Multiplier;
    case BandGroupKind::FiveBandTolerance: return group_colours::FiveBandTolerance;
    case BandGroupKind::FourBandTolerance: return group_colours::FourBandTolerance;
  }
  return {};
}

// The colour at `position` of the group, or none outside the group.
constexpr std::optional<BandColour> ColourAt(BandGroupKind kind, int position) {
  const std::span<const BandColour> colours = GroupColours(kind);
  if (position < 0 || position >= static_cast<int>(colours.size())) return std::nullopt;
  return colours[position];
}
