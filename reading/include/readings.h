// The two readings: from the checked option of each band group to the
// result line "Resistance: 4.7 k ohm, 5%" followed by CR LF. The value is
// never computed as a number: the digits are written as text and the
// multiplier chooses where the point goes and which unit follows.
#pragma once

#include <iterator>
#include <memory>
#include <optional>
#include <type_traits>

#include "band_colour.h"
#include "byte_string.h"

// Gives the check state of the window's control with an identifier:
// 0 not checked (also when no control has that identifier). It refers to the
// caller's function object without copying it, so that object must outlive
// the reader: a lambda written in the call of a reading does.
class CheckStateReader {
 public:
  template <typename Function>
  requires std::is_invocable_r_v<int, const Function&, int> CheckStateReader(
      const Function& function)
      : function_(std::addressof(function)), call_([](const void* f, int identifier) -> int {
          return (*static_cast<const Function*>(f))(identifier);
        }) {}

  int operator()(int identifier) const { return call_(function_, identifier); }

 private:
  const void* function_;
  int (*call_)(const void* function, int identifier);
};

struct FiveBandSelection {
  int firstDigit;  // 0 to 9; 10 when no option of the group is checked
  int secondDigit;
  int thirdDigit;
  int multiplier;                       // 0 to 11, the colour's number; 12 when none is checked
  std::optional<BandColour> tolerance;  // none when no option is checked
};

struct FourBandSelection {
  int firstDigit;  // 0 to 9; 10 when no option of the group is checked
  int secondDigit;
  int multiplier;  // 0 to 11, the colour's number; 12 when none is checked
  int tolerance;   // 0 to 3 for None, Red, Silver, Gold; 4 when none is checked
};

// Whether the identifiers first..last are one per colour of `colours`.
constexpr bool RangeHoldsOnePerColour(int first, int last, std::span<const BandColour> colours) {
  return last - first + 1 == static_cast<int>(colours.size());
}

// The colour of the option `identifier` in a range first..last whose
// identifiers follow the display order of `kind`; none outside the range.
constexpr std::optional<BandColour> ColourInOrderedRange(int identifier, int first, int last,
                                                         BandGroupKind kind) {
  if (identifier < first || identifier > last) return std::nullopt;
  return ColourAt(kind, identifier - first);
}

// Option identifier ranges of the five-band window. The tolerance options
// are not in display order: 170 None, 172 Red, 173 Brown, 174 Silver,
// 175 Gold; 171 names no control.
namespace five_band_ids {
inline constexpr int FirstDigit = 120, FirstDigitLast = 129;
inline constexpr int SecondDigit = 130, SecondDigitLast = 139;
inline constexpr int ThirdDigit = 140, ThirdDigitLast = 149;
inline constexpr int Multiplier = 150, MultiplierLast = 161;
inline constexpr int Tolerance = 170, ToleranceLast = 175;
// The colour of each tolerance identifier, from 170 on.
inline constexpr std::optional<BandColour> ToleranceColourById[] = {
    BandColour::None,  std::nullopt,       BandColour::Red,
    BandColour::Brown, BandColour::Silver, BandColour::Gold};

// The colour the option `identifier` of the window stands for, or none.
constexpr std::optional<BandColour> OptionColour(int identifier) {
  using Kind = BandGroupKind;
  if (auto colour = ColourInOrderedRange(identifier, FirstDigit, FirstDigitLast, Kind::Digit))
    return colour;
  if (auto colour = ColourInOrderedRange(identifier, SecondDigit, SecondDigitLast, Kind::Digit))
    return colour;
  if (auto colour = ColourInOrderedRange(identifier, ThirdDigit, ThirdDigitLast, Kind::Digit))
    return colour;
  if (auto colour = ColourInOrderedRange(identifier, Multiplier, MultiplierLast, Kind::Multiplier))
    return colour;
  if (identifier >= Tolerance && identifier <= ToleranceLast) {
    return ToleranceColourById[identifier - Tolerance];
  }
  return std::nullopt;
}

static_assert(RangeHoldsOnePerColour(FirstDigit, FirstDigitLast, group_colours::Digit));
static_assert(RangeHoldsOnePerColour(SecondDigit, SecondDigitLast, group_colours::Digit));
static_assert(RangeHoldsOnePerColour(ThirdDigit, ThirdDigitLast, group_colours::Digit));
static_assert(RangeHoldsOnePerColour(Multiplier, MultiplierLast, group_colours::Multiplier));
static_assert(std::size(ToleranceColourById) == ToleranceLast - Tolerance + 1);
// Every tolerance colour of the group has exactly one identifier.
static_assert([] {
  for (const BandColour colour : group_colours::FiveBandTolerance) {
    int identifiers = 0;
    for (const auto& byId : ToleranceColourById) identifiers += byId == colour;
    if (identifiers != 1) return false;
  }
  int named = 0;
  for (const auto& byId : ToleranceColourById) named += byId.has_value();
  return named == static_cast<int>(std::size(group_colours::FiveBandTolerance));
}());
}  // namespace five_band_ids

// Option identifier ranges of the four-band window, each in display order.
namespace four_band_ids {
inline constexpr int FirstDigit = 120, FirstDigitLast = 129;
inline constexpr int SecondDigit = 130, SecondDigitLast = 139;
inline constexpr int Multiplier = 140, MultiplierLast = 151;
inline constexpr int Tolerance = 160, ToleranceLast = 163;

// The colour the option `identifier` of the window stands for, or none.
constexpr std::optional<BandColour> OptionColour(int identifier) {
  using Kind = BandGroupKind;
  if (auto colour = ColourInOrderedRange(identifier, FirstDigit, FirstDigitLast, Kind::Digit))
    return colour;
  if (auto colour = ColourInOrderedRange(identifier, SecondDigit, SecondDigitLast, Kind::Digit))
    return colour;
  if (auto colour = ColourInOrderedRange(identifier, Multiplier, MultiplierLast, Kind::Multiplier))
    return colour;
  return ColourInOrderedRange(identifier, Tolerance, ToleranceLast, Kind::FourBandTolerance);
}

static_assert(RangeHoldsOnePerColour(FirstDigit, FirstDigitLast, group_colours::Digit));
static_assert(RangeHoldsOnePerColour(SecondDigit, SecondDigitLast, group_colours::Digit));
static_assert(RangeHoldsOnePerColour(Multiplier, MultiplierLast, group_colours::Multiplier));
static_assert(RangeHoldsOnePerColour(Tolerance, ToleranceLast, group_colours::FourBandTolerance));
}  // namespace four_band_ids

FiveBandSelection ReadFiveBandSelection(const CheckStateReader& isChecked);
FourBandSelection ReadFourBandSelection(const CheckStateReader& isChecked);

ByteString FiveBandResultText(const FiveBandSelection& selection);
ByteString FourBandResultText(const FourBandSelection& selection);
