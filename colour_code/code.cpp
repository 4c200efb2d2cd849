#include "colour_code/code.h"

namespace colour_code {
namespace {

using R = Role;
constexpr Role kOneBand[] = {R::Digit};
constexpr Role kThreeBands[] = {R::Digit, R::Digit, R::Multiplier};
constexpr Role kFourBands[] = {R::Digit, R::Digit, R::Multiplier, R::Tolerance};
constexpr Role kFiveBands[] = {R::Digit, R::Digit, R::Digit, R::Multiplier, R::Tolerance};
constexpr Role kSixBands[] = {R::Digit,      R::Digit,     R::Digit,
                              R::Multiplier, R::Tolerance, R::Coefficient};

constexpr std::string_view kDigitNames[] = {"first digit", "second digit", "third digit"};

// The multipliers run from pink (10^-3) to white (10^9).
constexpr int kSmallestExponent = -3;
constexpr int kLargestExponent = 9;

ReadFault NotInRole(std::size_t count, std::size_t band, Colour colour) {
  return {ReadFault::NotInRole, count, band, colour};
}

WriteFault Refused(WriteFault::Kind kind, const CodeRequest& request,
                   Colour colour = Colour::None) {
  return {kind, request.bands, colour};
}

std::size_t DigitBands(std::size_t count) { return count >= 5 ? 3 : 2; }

}  // namespace

std::span<const Role> BandRoles(std::size_t count) {
  switch (count) {
    case 1: return kOneBand;
    case 3: return kThreeBands;
    case 4: return kFourBands;
    case 5: return kFiveBands;
    case 6: return kSixBands;
  }
  return {};
}

std::string_view BandName(std::size_t count, std::size_t band) {
  const std::span<const Role> roles = BandRoles(count);
  if (band >= roles.size()) return {};
  if (count == 1) return "zero-ohm band";
  switch (roles[band]) {
    case Role::Digit: return kDigitNames[band];
    case Role::Multiplier: return "multiplier";
    case Role::Tolerance: return "tolerance";
    case Role::Coefficient: return "temperature coefficient";
  }
  return {};
}

std::size_t ToleranceBand(std::size_t count) {
  const std::span<const Role> roles = BandRoles(count);
  for (std::size_t band = 0; band < roles.size(); ++band) {
    if (roles[band] == Role::Tolerance) return band;
  }
  return count;
}

Resistance Reading::Value() const {
  // At most three figures: always a value.
  return *Resistance::Of(Figures(), exponent);
}

ReadOutcome ReadCode(std::span<const Colour> colours) {
  const std::size_t count = colours.size();
  const std::span<const Role> roles = BandRoles(count);
  if (roles.empty()) return ReadFault{ReadFault::BandCount, count, 0, Colour::None};

  Reading reading;
  reading.code = Code::Of(colours);
  if (count == 1) {
    // One band marks a zero-ohm link, and it is black.
    if (colours[0] != Colour::Black) return NotInRole(count, 0, colours[0]);
    return reading;
  }
  reading.tolerance = *Info(Colour::None).tolerance;  // three bands: no band, 20%
  for (std::size_t band = 0; band < count; ++band) {
    const Colour colour = colours[band];
    if (!HasRole(colour, roles[band])) return NotInRole(count, band, colour);
    const ColourInfo& info = Info(colour);
    switch (roles[band]) {
      case Role::Digit:
        reading.figures[reading.figureCount++] = static_cast<char>('0' + *info.digit);
        break;
      case Role::Multiplier: reading.exponent = *info.multiplierExponent; break;
      case Role::Tolerance: reading.tolerance = info.tolerance; break;
      case Role::Coefficient: reading.ppmPerKelvin = info.ppmPerKelvin; break;
    }
  }
  return reading;
}

WriteOutcome WriteCode(const Resistance& value, const CodeRequest& request) {
  const std::size_t count = request.bands;
  if (BandRoles(count).empty()) return Refused(WriteFault::BandCount, request);
  if (count == 1) {
    if (!value.IsZero()) return Refused(WriteFault::OneBandIsZero, request);
    const Colour black[] = {Colour::Black};
    return WrittenCode{Code::Of(black), 1};
  }
  if (value.IsZero()) return Refused(WriteFault::ZeroIsOneBand, request);
  if (request.tolerance) {
    if (!HasRole(*request.tolerance, Role::Tolerance)) {
      return Refused(WriteFault::NotTolerance, request, *request.tolerance);
    }
    if (count == 3 && *request.tolerance != Colour::None) {
      return Refused(WriteFault::NoToleranceBand, request, *request.tolerance);
    }
  }
  if (request.coefficient) {
    if (!HasRole(*request.coefficient, Role::Coefficient)) {
      return Refused(WriteFault::NotCoefficient, request, *request.coefficient);
    }
    if (count != 6) return Refused(WriteFault::NoCoefficientBand, request, *request.coefficient);
  }

  // value = figures x 10^multiplier, with `trailing` zeros after the
  // value's digits and leading zeros before them to fill the digit bands.
  const std::size_t digitBands = DigitBands(count);
  const std::string_view digits = value.Digits();
  if (digits.size() > digitBands) return Refused(WriteFault::TooManyDigits, request);
  // No leading zero: the first digit shows the value's first digit.
  int multiplier = value.Exponent() - static_cast<int>(digitBands - digits.size());
  if (multiplier > kLargestExponent) return Refused(WriteFault::TooLarge, request);
  if (multiplier < kSmallestExponent) {
    // Too small for that: leading black digits with the finest multiplier.
    if (value.Exponent() < kSmallestExponent) return Refused(WriteFault::FinerThanCode, request);
    multiplier = kSmallestExponent;
  }
  const std::size_t trailing = static_cast<std::size_t>(value.Exponent() - multiplier);
  const std::size_t leading = digitBands - digits.size() - trailing;

  WrittenCode written;
  written.bands = count;
  Code& code = written.code;
  for (std::size_t i = 0; i < leading; ++i) code.colours[code.count++] = Colour::Black;
  for (const char digit : digits) code.colours[code.count++] = *DigitColour(digit - '0');
  for (std::size_t i = 0; i < trailing; ++i) code.colours[code.count++] = Colour::Black;
  code.colours[code.count++] = *MultiplierColour(multiplier);
  if (count >= 4 && request.tolerance) {
    code.colours[code.count++] = *request.tolerance;
    if (count == 6 && request.coefficient) code.colours[code.count++] = *request.coefficient;
  }
  return written;
}

}  // namespace colour_code
