// The two readings: from the checked option of each band group to the
// result line "Resistance: 4.7 k ohm, 5%" followed by CR LF. The value is
// never computed as a number: the digits are written as text and the
// multiplier chooses where the point goes and which unit follows.
#pragma once

#include <functional>
#include <optional>

#include "band_colour.h"
#include "byte_string.h"

// Gives the check state of the window's control with an identifier:
// 0 not checked (also when no control has that identifier).
using CheckStateReader = std::function<int(int identifier)>;

struct FiveBandSelection {
  int firstDigit;   // 0 to 9; 10 when no option of the group is checked
  int secondDigit;
  int thirdDigit;
  int multiplier;   // 0 to 11, the colour's number; 12 when none is checked
  std::optional<BandColour> tolerance;  // none when no option is checked
};

struct FourBandSelection {
  int firstDigit;   // 0 to 9; 10 when no option of the group is checked
  int secondDigit;
  int multiplier;   // 0 to 11, the colour's number; 12 when none is checked
  int tolerance;    // 0 to 3 for None, Red, Silver, Gold; 4 when none is checked
};

// Option identifier ranges of the five-band window. The tolerance options
// are not in display order: 170 None, 172 Red, 173 Brown, 174 Silver,
// 175 Gold; 171 names no control.
namespace five_band_ids {
inline constexpr int FirstDigit = 120, SecondDigit = 130, ThirdDigit = 140;
inline constexpr int Multiplier = 150, MultiplierLast = 161;
inline constexpr int Tolerance = 170, ToleranceLast = 175;
}  // namespace five_band_ids

// Option identifier ranges of the four-band window, each in display order.
namespace four_band_ids {
inline constexpr int FirstDigit = 120, SecondDigit = 130;
inline constexpr int Multiplier = 140, MultiplierLast = 151;
inline constexpr int Tolerance = 160, ToleranceLast = 163;
}  // namespace four_band_ids

FiveBandSelection ReadFiveBandSelection(const CheckStateReader& isChecked);
FourBandSelection ReadFourBandSelection(const CheckStateReader& isChecked);

ByteString FiveBandResultText(const FiveBandSelection& selection);
ByteString FourBandResultText(const FourBandSelection& selection);
