#include "band_codes.h"

#include <algorithm>
#include <new>

#include "colour_names.h"
#include "readings.h"

namespace {

struct BandRole {
  BandGroupKind group;
  const char* name;
};

constexpr BandRole kFourBandRoles[] = {
    {BandGroupKind::Digit, "first digit"},
    {BandGroupKind::Digit, "second digit"},
    {BandGroupKind::Multiplier, "multiplier"},
    {BandGroupKind::FourBandTolerance, "tolerance"},
};
constexpr BandRole kFiveBandRoles[] = {
    {BandGroupKind::Digit, "first digit"},           {BandGroupKind::Digit, "second digit"},
    {BandGroupKind::Digit, "third digit"},           {BandGroupKind::Multiplier, "multiplier"},
    {BandGroupKind::FiveBandTolerance, "tolerance"},
};

// The bands of a four-band (4) or a five-band (5) code.
std::span<const BandRole> RolesOf(std::size_t bandCount) {
  if (bandCount == 4) return kFourBandRoles;
  return kFiveBandRoles;
}

// Position of `colour` in the group, or -1 when the group does not offer it.
int PositionInGroup(BandGroupKind group, BandColour colour) {
  const std::span<const BandColour> colours = GroupColours(group);
  const auto found = std::find(colours.begin(), colours.end(), colour);
  return found == colours.end() ? -1 : static_cast<int>(found - colours.begin());
}

// The reading's line without its CR LF; the text error code tells whether
// the reading got storage for every piece.
template <typename Selection>
std::string ResultLine(const Selection& selection, ByteString (*resultText)(const Selection&)) {
  ClearTextError();
  const ByteString text = resultText(selection);
  if (TextErrorCode() != 0) throw std::bad_alloc();
  std::string_view line = text.view();
  if (line.ends_with("\r\n")) line.remove_suffix(2);
  return std::string(line);
}

std::optional<int> ParsePercent(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  if (text.ends_with('%')) text.remove_suffix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  if (text.empty() || text.size() > 3) return std::nullopt;
  int percent = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    percent = percent * 10 + (c - '0');
  }
  return percent;
}

}  // namespace

ColourCodeReading ReadColourCode(std::span<const std::string_view> colourNames) {
  const std::size_t bandCount = colourNames.size();
  if (bandCount != 4 && bandCount != 5) {
    return {{},
            "expected the colours of 4 bands (two digits, multiplier, tolerance) or 5 bands "
            "(three digits, multiplier, tolerance), got " +
                std::to_string(bandCount)};
  }
  const std::span<const BandRole> roles = RolesOf(bandCount);

  BandColour colours[5] = {};
  for (std::size_t band = 0; band < bandCount; ++band) {
    const BandRole& role = roles[band];
    const std::string where = "band " + std::to_string(band + 1) + " of " +
                              std::to_string(bandCount) + " (" + role.name + "): ";
    const std::string choices = "; choose " + ColourNameList(GroupColours(role.group));
    const std::optional<BandColour> colour = ColourFromName(colourNames[band]);
    if (!colour) {
      return {{}, where + "unknown colour \"" + std::string(colourNames[band]) + "\"" + choices};
    }
    if (PositionInGroup(role.group, *colour) < 0) {
      return {{}, where + ColourName(*colour) + " is not offered" + choices};
    }
    colours[band] = *colour;
  }
  return {*WindowLine({colours, bandCount}), {}};
}

std::optional<std::string> WindowLine(std::span<const BandColour> colours) {
  if (colours.size() != 4 && colours.size() != 5) return std::nullopt;
  const std::span<const BandRole> roles = RolesOf(colours.size());
  int positions[5] = {};
  for (std::size_t band = 0; band < colours.size(); ++band) {
    positions[band] = PositionInGroup(roles[band].group, colours[band]);
    if (positions[band] < 0) return std::nullopt;
  }
  // Digit positions are the digits and multiplier positions the colour
  // numbers, as the windows read them from their option groups.
  if (colours.size() == 4) {
    const FourBandSelection selection{positions[0], positions[1], positions[2], positions[3]};
    return ResultLine(selection, &FourBandResultText);
  }
  const FiveBandSelection selection{positions[0], positions[1], positions[2], positions[3],
                                    colours[4]};
  return ResultLine(selection, &FiveBandResultText);
}

int TolerancePercent(BandColour colour) {
  return ParsePercent(ColourInfo(colour).toleranceText.view()).value_or(0);
}

std::optional<BandColour> ToleranceFromText(std::string_view text) {
  const std::optional<int> percent = ParsePercent(text);
  if (!percent) return std::nullopt;
  // The five-band group offers every tolerance that either code has.
  for (const BandColour colour : GroupColours(BandGroupKind::FiveBandTolerance)) {
    if (TolerancePercent(colour) == *percent) return colour;
  }
  return std::nullopt;
}

std::string ToleranceList(std::span<const BandColour> colours) {
  std::vector<int> percents;
  for (const BandColour colour : colours) percents.push_back(TolerancePercent(colour));
  std::sort(percents.begin(), percents.end());
  std::string list;
  for (const int percent : percents) {
    if (!list.empty()) list += ", ";
    list += std::to_string(percent) + "%";
  }
  return list;
}

BandColour MultiplierColour(int exponent) {
  for (const BandColour colour : GroupColours(BandGroupKind::Multiplier)) {
    if (ColourInfo(colour).multiplierExponent == exponent) return colour;
  }
  return BandColour::Black;  // not reached for -2 to 9
}

Encoding EncodeResistance(const Resistance& value, int digitBands,
                          std::optional<BandColour> tolerance) {
  const std::optional<std::int64_t> hundredths = HundredthsOfOhm(value);
  if (!hundredths) return {{}, EncodingFailure::FinerThanStep};

  std::int64_t digitLimit = 1;
  for (int i = 0; i < digitBands; ++i) digitLimit *= 10;

  // The smallest multiplier that leaves no more digits than there are digit
  // bands; counted in powers of ten above 0.01 ohm, Silver's step.
  int shift = 0;
  std::int64_t digits = *hundredths;
  bool exact = true;
  while (digits >= digitLimit) {
    exact = exact && digits % 10 == 0;
    digits /= 10;
    ++shift;
  }
  constexpr int kLargestShift = 11;  // White: 10^9 ohm is 10^11 hundredths
  if (shift > kLargestShift) return {{}, EncodingFailure::TooLarge};
  if (!exact) return {{}, EncodingFailure::TooManyDigits};
  if (digits == 0) shift = 2;  // zero reads "00 ohm" rather than "0.00 ohm"

  const BandGroupKind toleranceGroup =
      digitBands == 2 ? BandGroupKind::FourBandTolerance : BandGroupKind::FiveBandTolerance;
  if (tolerance && PositionInGroup(toleranceGroup, *tolerance) < 0) {
    return {{}, EncodingFailure::ToleranceNotOffered};
  }

  Encoding encoding;
  for (std::int64_t place = digitLimit / 10; place > 0; place /= 10) {
    encoding.colours.push_back(
        *ColourAt(BandGroupKind::Digit, static_cast<int>(digits / place % 10)));
  }
  encoding.colours.push_back(MultiplierColour(shift - 2));
  if (tolerance) encoding.colours.push_back(*tolerance);
  return encoding;
}
