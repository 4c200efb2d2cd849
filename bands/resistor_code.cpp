#include "resistor_code.h"

#include "band_codes.h"
#include "colour_names.h"

namespace {

struct Band {
  CodeRole role;
  const char* name;
};

constexpr Band kThreeBands[] = {{CodeRole::Digit, "first digit"},
                                {CodeRole::Digit, "second digit"},
                                {CodeRole::Multiplier, "multiplier"}};
constexpr Band kFourBands[] = {{CodeRole::Digit, "first digit"},
                               {CodeRole::Digit, "second digit"},
                               {CodeRole::Multiplier, "multiplier"},
                               {CodeRole::Tolerance, "tolerance"}};
constexpr Band kFiveBands[] = {{CodeRole::Digit, "first digit"},
                               {CodeRole::Digit, "second digit"},
                               {CodeRole::Digit, "third digit"},
                               {CodeRole::Multiplier, "multiplier"},
                               {CodeRole::Tolerance, "tolerance"}};
constexpr Band kSixBands[] = {{CodeRole::Digit, "first digit"},
                              {CodeRole::Digit, "second digit"},
                              {CodeRole::Digit, "third digit"},
                              {CodeRole::Multiplier, "multiplier"},
                              {CodeRole::Tolerance, "tolerance"},
                              {CodeRole::TemperatureCoefficient, "temperature coefficient"}};

std::span<const Band> BandsOf(std::size_t count) {
  switch (count) {
    case 3: return kThreeBands;
    case 4: return kFourBands;
    case 5: return kFiveBands;
    case 6: return kSixBands;
  }
  return {};
}

// Whether a window offers this code: four or five bands of the windows' own
// colours in the roles their groups give them.
bool WindowOffers(std::span<const CodeColour> colours) {
  if (colours.size() != 4 && colours.size() != 5) return false;
  const std::size_t digits = colours.size() - 2;
  for (std::size_t i = 0; i < colours.size(); ++i) {
    if (colours[i] == CodeColour::Pink) return false;
  }
  const BandGroupKind toleranceGroup =
      digits == 2 ? BandGroupKind::FourBandTolerance : BandGroupKind::FiveBandTolerance;
  for (const BandColour offered : GroupColours(toleranceGroup)) {
    if (ToCodeColour(offered) == colours.back()) return true;
  }
  return false;
}

std::string ReadingLine(const ResistorCode& code) {
  std::string line = "Resistance: " + CodeValueText(code.figures, code.exponent) + ", " +
                     ToleranceText(code.toleranceHundredthsPercent);
  if (code.ppmPerKelvin) line += ", " + std::to_string(*code.ppmPerKelvin) + " ppm/K";
  return line;
}

}  // namespace

int ValueUnitExponent(std::size_t figureCount, int exponent) {
  // The value has at most this many places before the point when its first
  // figure is not zero; the unit leaves one to three of them.
  const int places = static_cast<int>(figureCount) + exponent;
  if (places <= 3) return 0;
  const int unit = (places - 1) / 3 * 3;
  return unit > 9 ? 9 : unit;
}

std::string CodeValueText(std::string_view figures, int exponent) {
  static constexpr const char* kUnits[] = {" ohm", " k ohm", " M ohm", " G ohm"};
  const int unit = ValueUnitExponent(figures.size(), exponent);
  const int shift = exponent - unit;
  std::string number(figures);
  if (shift >= 0) {
    number += std::string(shift, '0');
  } else {
    const int point = static_cast<int>(figures.size()) + shift;
    number = point > 0 ? number.substr(0, point) + "." + number.substr(point)
                       : "0." + std::string(-point, '0') + number;
  }
  return number + kUnits[unit / 3];
}

std::string ExactValueText(std::string digits, int exponent, int unitExponent) {
  static constexpr const char* kUnits[] = {" ohm", " k ohm", " M ohm", " G ohm"};
  const std::size_t first = digits.find_first_not_of('0');
  if (first == std::string::npos) return std::string("0") + kUnits[unitExponent / 3];
  digits = digits.substr(first);
  const int shift = exponent - unitExponent;
  std::string number;
  if (shift >= 0) {
    number = digits + std::string(shift, '0');
  } else {
    const int point = static_cast<int>(digits.size()) + shift;
    number = point > 0 ? digits.substr(0, point) + "." + digits.substr(point)
                       : "0." + std::string(-point, '0') + digits;
    while (number.back() == '0') number.pop_back();
    if (number.back() == '.') number.pop_back();
  }
  return number + kUnits[unitExponent / 3];
}

ResistorReading ReadResistorColours(std::span<const CodeColour> colours) {
  const std::span<const Band> bands = BandsOf(colours.size());
  ResistorCode code;
  code.colours.assign(colours.begin(), colours.end());
  for (std::size_t i = 0; i < colours.size(); ++i) {
    const CodeColourInfo& info = CodeInfo(colours[i]);
    if (!HasRole(colours[i], bands[i].role)) {
      return {std::nullopt,
              {},
              "band " + std::to_string(i + 1) + " of " + std::to_string(colours.size()) + " (" +
                  bands[i].name + "): " + CodeColourName(colours[i]) + " is not offered; choose " +
                  CodeColourNameList(RoleColours(bands[i].role))};
    }
    switch (bands[i].role) {
      case CodeRole::Digit: code.figures += static_cast<char>('0' + *info.digit); break;
      case CodeRole::Multiplier: code.exponent = *info.multiplierExponent; break;
      case CodeRole::Tolerance:
        code.toleranceHundredthsPercent = *info.toleranceHundredthsPercent;
        break;
      case CodeRole::TemperatureCoefficient: code.ppmPerKelvin = info.ppmPerKelvin; break;
    }
  }
  std::string line;
  if (WindowOffers(colours)) {
    // Scripts rely on the windows' own line for the codes they offer.
    std::vector<std::string> names;
    for (const CodeColour colour : colours) names.push_back(CodeColourName(colour));
    const std::vector<std::string_view> views(names.begin(), names.end());
    line = ReadColourCode(views).line;
  } else {
    line = ReadingLine(code);
  }
  return {std::move(code), std::move(line), {}};
}

ResistorReading ReadResistorCode(std::span<const std::string_view> colourNames) {
  const std::size_t count = colourNames.size();
  if (count < 3 || count > 6) {
    return {std::nullopt,
            {},
            "expected the colours of 3 to 6 bands: 3 (two digits, multiplier), 4 (two digits, "
            "multiplier, tolerance), 5 (three digits, multiplier, tolerance) or 6 (three digits, "
            "multiplier, tolerance, temperature coefficient), got " +
                std::to_string(count)};
  }
  const std::span<const Band> bands = BandsOf(count);
  std::vector<CodeColour> colours;
  for (std::size_t i = 0; i < count; ++i) {
    const std::optional<CodeColour> colour = CodeColourFromName(colourNames[i]);
    if (!colour) {
      return {std::nullopt,
              {},
              "band " + std::to_string(i + 1) + " of " + std::to_string(count) + " (" +
                  bands[i].name + "): unknown colour \"" + std::string(colourNames[i]) +
                  "\"; choose " + CodeColourNameList(RoleColours(bands[i].role))};
    }
    colours.push_back(*colour);
  }
  return ReadResistorColours(colours);
}
