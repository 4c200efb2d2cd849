#include "code_colours.h"

#include <algorithm>

namespace {

// IEC 60062:2016 colour roles. Checked against the charts at
// https://www.resistorcolorcodes.org/chart (digits, multipliers including
// Pink, tolerances, temperature coefficients in ppm/K),
// https://kodekata.net/resistorcolorcode.html (the 2016 edition's tolerances
// Orange 0.05%, Yellow 0.02%, and Pink x 0.001) and the Electronic color code
// article (https://wikimili.com/en/Electronic_color_code). Grey is 0.01% in
// the 2016 edition; older charts, the first of those among them, give 0.05%.
// Paint colours are the usual print colours of the bands, not the windows'.
constexpr CodeColourInfo kCodeColours[CodeColourCount] = {
    // digit, multiplier, tolerance (0.01%), ppm/K, paint
    {0, 0, std::nullopt, 250, {0, 0, 0}},                             // Black
    {1, 1, 100, 100, {139, 69, 19}},                                  // Brown
    {2, 2, 200, 50, {220, 20, 20}},                                   // Red
    {3, 3, 5, 15, {255, 140, 0}},                                     // Orange
    {4, 4, 2, 25, {255, 230, 0}},                                     // Yellow
    {5, 5, 50, 20, {0, 160, 60}},                                     // Green
    {6, 6, 25, 10, {30, 80, 230}},                                    // Blue
    {7, 7, 10, 5, {150, 60, 200}},                                    // Violet
    {8, 8, 1, 1, {128, 128, 128}},                                    // Grey
    {9, 9, std::nullopt, std::nullopt, {255, 255, 255}},              // White
    {std::nullopt, -2, 1000, std::nullopt, {192, 192, 192}},          // Silver
    {std::nullopt, -1, 500, std::nullopt, {212, 175, 55}},            // Gold
    {std::nullopt, std::nullopt, 2000, std::nullopt, {0, 0, 0}},      // None: no band, paint unused
    {std::nullopt, -3, std::nullopt, std::nullopt, {255, 140, 180}},  // Pink
};

using C = CodeColour;
constexpr CodeColour kDigits[] = {C::Black, C::Brown, C::Red,    C::Orange, C::Yellow,
                                  C::Green, C::Blue,  C::Violet, C::Grey,   C::White};
constexpr CodeColour kMultipliers[] = {C::Black,  C::Brown, C::Red,    C::Orange, C::Yellow,
                                       C::Green,  C::Blue,  C::Violet, C::Grey,   C::White,
                                       C::Silver, C::Gold,  C::Pink};
// None first and Silver, Gold last, as in the windows' tolerance groups.
constexpr CodeColour kTolerances[] = {C::None,   C::Brown,  C::Red,  C::Green,  C::Blue, C::Violet,
                                      C::Orange, C::Yellow, C::Grey, C::Silver, C::Gold};
constexpr CodeColour kCoefficients[] = {C::Black, C::Brown, C::Red,    C::Orange, C::Yellow,
                                        C::Green, C::Blue,  C::Violet, C::Grey};

}  // namespace

const CodeColourInfo& CodeInfo(CodeColour colour) { return kCodeColours[static_cast<int>(colour)]; }

std::span<const CodeColour> RoleColours(CodeRole role) {
  switch (role) {
    case CodeRole::Digit: return kDigits;
    case CodeRole::Multiplier: return kMultipliers;
    case CodeRole::Tolerance: return kTolerances;
    case CodeRole::TemperatureCoefficient: return kCoefficients;
  }
  return {};
}

bool HasRole(CodeColour colour, CodeRole role) {
  const std::span<const CodeColour> colours = RoleColours(role);
  return std::find(colours.begin(), colours.end(), colour) != colours.end();
}

std::string ToleranceText(int hundredthsPercent) {
  std::string text = std::to_string(hundredthsPercent / 100);
  const int fraction = hundredthsPercent % 100;
  if (fraction != 0) {
    text += '.';
    text += static_cast<char>('0' + fraction / 10);
    if (fraction % 10 != 0) text += static_cast<char>('0' + fraction % 10);
  }
  return text + "%";
}
