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

// The windows' own line for a code that one of them offers: scripts rely
// on it.
std::optional<std::string> OfferedLine(std::span<const CodeColour> colours) {
  std::vector<BandColour> windowColours;
  for (const CodeColour colour : colours) {
    if (colour == CodeColour::Pink) return std::nullopt;
    windowColours.push_back(static_cast<BandColour>(colour));
  }
  return WindowLine(windowColours);
}

std::string ReadingLine(const ResistorCode& code) {
  std::string line = "Resistance: " + CodeValueText(code.figures, code.exponent) + ", " +
                     ToleranceText(code.toleranceHundredthsPercent);
  if (code.ppmPerKelvin) line += ", " + std::to_string(*code.ppmPerKelvin) + " ppm/K";
  return line;
}

// The code read from colours already known, as given; ReadResistorCode has
// checked that there are 3 to 6 of them.
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
  std::optional<std::string> line = OfferedLine(colours);
  if (!line) line = ReadingLine(code);
  return {std::move(code), std::move(*line), {}};
}

}  // namespace

std::string ExactValueText(const std::string& digits, int exponent, int unitExponent) {
  // Trailing zeros go into the exponent, so none stands after the point.
  const Resistance value = Normalised(digits, exponent);
  if (value.digits.empty()) return DecimalText("0", unitExponent, unitExponent);
  return DecimalText(value.digits, value.exponent, unitExponent);
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
