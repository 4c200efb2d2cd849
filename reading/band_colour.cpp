#include "band_colour.h"

#include <cassert>

namespace {

constexpr ByteLiteral kBlack("Black");
constexpr ByteLiteral kBrown("Brown");
constexpr ByteLiteral kRed("Red");
constexpr ByteLiteral kOrange("Orange");
constexpr ByteLiteral kYellow("Yellow");
constexpr ByteLiteral kGreen("Green");
constexpr ByteLiteral kBlue("Blue");
constexpr ByteLiteral kViolet("Violet");
constexpr ByteLiteral kGrey("Grey");
constexpr ByteLiteral kWhite("White");
constexpr ByteLiteral kSilver("Silver");
constexpr ByteLiteral kGold("Gold");
constexpr ByteLiteral kNone("None");
constexpr ByteLiteral k1Percent(" 1%");
constexpr ByteLiteral k2Percent(" 2%");
constexpr ByteLiteral k5Percent(" 5%");
constexpr ByteLiteral k10Percent(" 10%");
constexpr ByteLiteral k20Percent(" 20%");

constexpr std::optional<int> kNoDigit;
constexpr std::optional<Rgb> kDefault;

// Indexed by BandColour.
// clang-format off
const BandColourInfo kColourTable[BandColourCount] = {
    //  text     digit     exponent  tolerance    background          text colour
    {kBlack,  0,        0,        {},          Rgb{0, 0, 0},       Rgb{255, 255, 255}},
    {kBrown,  1,        1,        k1Percent,   Rgb{128, 0, 0},     Rgb{255, 255, 255}},
    {kRed,    2,        2,        k2Percent,   Rgb{255, 0, 0},     Rgb{0, 0, 0}},
    {kOrange, 3,        3,        {},          Rgb{255, 128, 0},   Rgb{0, 0, 0}},
    {kYellow, 4,        4,        {},          Rgb{255, 255, 0},   Rgb{0, 0, 0}},
    {kGreen,  5,        5,        {},          Rgb{0, 128, 0},     Rgb{255, 255, 255}},
    {kBlue,   6,        6,        {},          Rgb{0, 0, 255},     Rgb{255, 255, 255}},
    {kViolet, 7,        7,        {},          Rgb{255, 0, 255},   kDefault},
    {kGrey,   8,        8,        {},          kDefault,           kDefault},
    {kWhite,  9,        9,        {},          Rgb{255, 255, 255}, Rgb{0, 0, 0}},
    {kSilver, kNoDigit, -2,       k10Percent,  Rgb{219, 219, 219}, Rgb{0, 0, 0}},
    {kGold,   kNoDigit, -1,       k5Percent,   Rgb{239, 184, 16},  Rgb{0, 0, 0}},
    {kNone,   kNoDigit, kNoDigit, k20Percent,  kDefault,           kDefault},
};
// clang-format on

}  // namespace

const BandColourInfo& ColourInfo(BandColour colour) {
  assert(static_cast<int>(colour) < BandColourCount);
  return kColourTable[static_cast<int>(colour)];
}
