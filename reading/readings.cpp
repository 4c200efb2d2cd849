#include "readings.h"

#include "number_text.h"

namespace {

constexpr ByteLiteral kResistance("Resistance: ");
constexpr ByteLiteral kLineEnd("\r\n");
constexpr ByteLiteral kPoint(".");
constexpr ByteLiteral kNothing("");
constexpr ByteLiteral kZeroPoint("0.");
constexpr ByteLiteral kOhm(" ohm,");
constexpr ByteLiteral kKiloOhm(" k ohm,");
constexpr ByteLiteral kMegaOhm(" M ohm,");
constexpr ByteLiteral kGigaOhm(" G ohm,");
constexpr ByteLiteral kZeroOhm("0 ohm,");
constexpr ByteLiteral kZeroKiloOhm("0 k ohm,");
constexpr ByteLiteral kZeroMegaOhm("0 M ohm,");

// Digits are written at 15 significant digits: 0 to 9 give one character,
// the 10 of a group with nothing checked gives "10".
constexpr int DigitTextDigits = 15;

// How a multiplier writes the value: a prefix, the digit texts with a point
// after the given digit (0: no point), then the unit.
struct ValuePattern {
  ByteView prefix;
  int pointAfterDigit;
  ByteView unit;
};

// Indexed by the multiplier position, Black to White, Silver, Gold.
const ValuePattern kFiveBandPatterns[] = {
    {kNothing, 0, kOhm},      // Black:  470 ohm,
    {kNothing, 1, kKiloOhm},  // Brown:  4.70 k ohm,
    {kNothing, 2, kKiloOhm},  // Red:    47.0 k ohm,
    {kNothing, 0, kKiloOhm},  // Orange: 470 k ohm,
    {kNothing, 1, kMegaOhm},  // Yellow: 4.70 M ohm,
    {kNothing, 2, kMegaOhm},  // Green:  47.0 M ohm,
    {kNothing, 0, kMegaOhm},  // Blue:   470 M ohm,
    {kNothing, 1, kGigaOhm},  // Violet: 4.70 G ohm,
    {kNothing, 2, kGigaOhm},  // Grey:   47.0 G ohm,
    {kNothing, 0, kGigaOhm},  // White:  470 G ohm,
    {kNothing, 1, kOhm},      // Silver: 4.70 ohm,
    {kNothing, 2, kOhm},      // Gold:   47.0 ohm,
};

const ValuePattern kFourBandPatterns[] = {
    {kNothing, 0, kOhm},          // Black:  47 ohm,
    {kNothing, 0, kZeroOhm},      // Brown:  470 ohm,
    {kNothing, 1, kKiloOhm},      // Red:    4.7 k ohm,
    {kNothing, 0, kKiloOhm},      // Orange: 47 k ohm,
    {kNothing, 0, kZeroKiloOhm},  // Yellow: 470 k ohm,
    {kNothing, 1, kMegaOhm},      // Green:  4.7 M ohm,
    {kNothing, 0, kMegaOhm},      // Blue:   47 M ohm,
    {kNothing, 0, kZeroMegaOhm},  // Violet: 470 M ohm,
    {kNothing, 1, kGigaOhm},      // Grey:   4.7 G ohm,
    {kNothing, 0, kGigaOhm},      // White:  47 G ohm,
    {kZeroPoint, 0, kOhm},        // Silver: 0.47 ohm,
    {kNothing, 1, kOhm},          // Gold:   4.7 ohm,
};

// The identifiers first..last are tested in increasing order; the first
// checked one gives the position, none gives one past the last.
int CheckedPosition(const CheckStateReader& isChecked, int first, int last) {
  int identifier = first;
  while (identifier <= last && isChecked(identifier) == 0) ++identifier;
  return identifier - first;
}

template <std::size_t PatternCount, std::size_t DigitCount>
ByteString ValuePart(const ValuePattern (&patterns)[PatternCount], int multiplier,
                     const int (&digits)[DigitCount]) {
  ByteString value;
  if (multiplier < 0 || multiplier >= static_cast<int>(PatternCount)) return value;
  const ValuePattern& pattern = patterns[multiplier];
  value = ConcatText(value, pattern.prefix);
  for (std::size_t i = 0; i < DigitCount; ++i) {
    value = ConcatText(value, NumberText(static_cast<long double>(digits[i]), DigitTextDigits));
    if (static_cast<int>(i) + 1 == pattern.pointAfterDigit) value = ConcatText(value, kPoint);
  }
  return ConcatText(value, pattern.unit);
}

ByteString ResultText(ByteView value, ByteView tolerance) {
  return ConcatText(ConcatText(ConcatText(kResistance, value), tolerance), kLineEnd);
}

ByteView ToleranceText(std::optional<BandColour> colour) {
  return colour ? ColourInfo(*colour).toleranceText : ByteView();
}

}  // namespace

FiveBandSelection ReadFiveBandSelection(const CheckStateReader& isChecked) {
  using namespace five_band_ids;
  FiveBandSelection selection{};
  selection.firstDigit = CheckedPosition(isChecked, FirstDigit, FirstDigitLast);
  selection.secondDigit = CheckedPosition(isChecked, SecondDigit, SecondDigitLast);
  selection.thirdDigit = CheckedPosition(isChecked, ThirdDigit, ThirdDigitLast);
  selection.multiplier = CheckedPosition(isChecked, Multiplier, MultiplierLast);
  const int tolerance = CheckedPosition(isChecked, Tolerance, ToleranceLast);
  if (tolerance <= ToleranceLast - Tolerance) selection.tolerance = ToleranceColourById[tolerance];
  return selection;
}

FourBandSelection ReadFourBandSelection(const CheckStateReader& isChecked) {
  using namespace four_band_ids;
  FourBandSelection selection{};
  selection.firstDigit = CheckedPosition(isChecked, FirstDigit, FirstDigitLast);
  selection.secondDigit = CheckedPosition(isChecked, SecondDigit, SecondDigitLast);
  selection.multiplier = CheckedPosition(isChecked, Multiplier, MultiplierLast);
  selection.tolerance = CheckedPosition(isChecked, Tolerance, ToleranceLast);
  return selection;
}

ByteString FiveBandResultText(const FiveBandSelection& selection) {
  const int digits[] = {selection.firstDigit, selection.secondDigit, selection.thirdDigit};
  const ByteString value = ValuePart(kFiveBandPatterns, selection.multiplier, digits);
  return ResultText(value, ToleranceText(selection.tolerance));
}

ByteString FourBandResultText(const FourBandSelection& selection) {
  const int digits[] = {selection.firstDigit, selection.secondDigit};
  const ByteString value = ValuePart(kFourBandPatterns, selection.multiplier, digits);
  return ResultText(value,
                    ToleranceText(ColourAt(BandGroupKind::FourBandTolerance, selection.tolerance)));
}
