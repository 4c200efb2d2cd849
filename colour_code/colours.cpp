#include "colour_code/colours.h"

#include <algorithm>

#include "colour_code/ascii.h"

namespace colour_code {
namespace {

using ascii::EqualIgnoringCase;

// IEC 60062:2016 colour roles: digits, multipliers including pink (x0.001),
// tolerances (grey is 0.01% since the 2016 edition; older charts give
// 0.05%) and temperature coefficients in ppm/K. Letter codes from IEC 60757.
// Paint colours are the usual print colours of the bands.
// clang-format off
constexpr ColourInfo kColours[ColourCount] = {
    // name      code  digit         multiplier    tolerance     ppm/K         paint
    {"black",  "BK", 0,            0,            std::nullopt, 250,          {0, 0, 0}},
    {"brown",  "BN", 1,            1,            100,          100,          {139, 69, 19}},
    {"red",    "RD", 2,            2,            200,          50,           {220, 20, 20}},
    {"orange", "OG", 3,            3,            5,            15,           {255, 140, 0}},
    {"yellow", "YE", 4,            4,            2,            25,           {255, 230, 0}},
    {"green",  "GN", 5,            5,            50,           20,           {0, 160, 60}},
    {"blue",   "BU", 6,            6,            25,           10,           {30, 80, 230}},
    {"violet", "VT", 7,            7,            10,           5,            {150, 60, 200}},
    {"grey",   "GY", 8,            8,            1,            1,            {128, 128, 128}},
    {"white",  "WH", 9,            9,            std::nullopt, std::nullopt, {255, 255, 255}},
    {"silver", "SR", std::nullopt, -2,           1000,         std::nullopt, {192, 192, 192}},
    {"gold",   "GD", std::nullopt, -1,           500,          std::nullopt, {212, 175, 55}},
    {"none",   "",   std::nullopt, std::nullopt, 2000,         std::nullopt, {222, 196, 145}},  // the bare body
    {"pink",   "PK", std::nullopt, -3,           std::nullopt, std::nullopt, {255, 140, 180}},
};
// clang-format on

using C = Colour;
constexpr Colour kDigits[] = {C::Black, C::Brown, C::Red,    C::Orange, C::Yellow,
                              C::Green, C::Blue,  C::Violet, C::Grey,   C::White};
constexpr Colour kMultipliers[] = {C::Black,  C::Brown, C::Red,    C::Orange, C::Yellow,
                                   C::Green,  C::Blue,  C::Violet, C::Grey,   C::White,
                                   C::Silver, C::Gold,  C::Pink};
constexpr Colour kTolerances[] = {C::None,   C::Brown,  C::Red,  C::Green,  C::Blue, C::Violet,
                                  C::Orange, C::Yellow, C::Grey, C::Silver, C::Gold};
constexpr Colour kCoefficients[] = {C::Black, C::Brown, C::Red,    C::Orange, C::Yellow,
                                    C::Green, C::Blue,  C::Violet, C::Grey};

// The colour of `role` whose field `field` has `value`.
template <typename Field>
std::optional<Colour> ColourWith(Role role, Field field, int value) {
  for (const Colour colour : RoleColours(role)) {
    if (Info(colour).*field == value) return colour;
  }
  return std::nullopt;
}

}  // namespace

const ColourInfo& Info(Colour colour) { return kColours[static_cast<int>(colour)]; }

std::span<const Colour> RoleColours(Role role) {
  switch (role) {
    case Role::Digit: return kDigits;
    case Role::Multiplier: return kMultipliers;
    case Role::Tolerance: return kTolerances;
    case Role::Coefficient: return kCoefficients;
  }
  return {};
}

bool HasRole(Colour colour, Role role) {
  const std::span<const Colour> colours = RoleColours(role);
  return std::find(colours.begin(), colours.end(), colour) != colours.end();
}

std::optional<Colour> DigitColour(int digit) {
  return ColourWith(Role::Digit, &ColourInfo::digit, digit);
}
std::optional<Colour> MultiplierColour(int exponent) {
  return ColourWith(Role::Multiplier, &ColourInfo::multiplierExponent, exponent);
}
std::optional<Colour> ToleranceColour(Hundredths tolerance) {
  return ColourWith(Role::Tolerance, &ColourInfo::tolerance, tolerance);
}
std::optional<Colour> CoefficientColour(int ppmPerKelvin) {
  return ColourWith(Role::Coefficient, &ColourInfo::ppmPerKelvin, ppmPerKelvin);
}

std::optional<Colour> ColourFromName(std::string_view name) {
  // The American spelling is as common on resistor charts as the British one.
  if (EqualIgnoringCase(name, "gray")) return Colour::Grey;
  for (int number = 0; number < ColourCount; ++number) {
    const auto colour = static_cast<Colour>(number);
    if (EqualIgnoringCase(name, Info(colour).name)) return colour;
  }
  return std::nullopt;
}

std::optional<Colour> ColourFromLetterCode(std::string_view code) {
  if (code.empty()) return std::nullopt;
  for (int number = 0; number < ColourCount; ++number) {
    const auto colour = static_cast<Colour>(number);
    if (EqualIgnoringCase(code, Info(colour).letterCode)) return colour;
  }
  return std::nullopt;
}

}  // namespace colour_code
