// The steps of NumberText, each on its own: the 80-bit value decoded into
// fields, the decimal digits and point position, and the layout as text.
#pragma once

#include <cstddef>
#include <cstdint>

struct ExtendedFields {
  bool negative;
  int exponentField;          // 15 bits, bias 16383
  std::uint64_t significand;  // with the explicit leading bit at the top
};

ExtendedFields DecodeExtended(long double value);

// Entry i is the extended value nearest to 10^(8 * 2^i): 10^8, 10^16 (both
// exact), 10^32, ... 10^4096.
inline constexpr long double LargePowersOfTen[10] = {1e8L,   1e16L,  1e32L,   1e64L,   1e128L,
                                                     1e256L, 1e512L, 1e1024L, 1e2048L, 1e4096L};

inline constexpr int MaxSignificantDigits = 18;

// |value| ~ 0.d1 d2 ... dn x 10^point
struct DecimalDigits {
  // The first n are the digits '0' to '9'. The digit integer's 18 digits and
  // two more zeros are written here; digit n + 1 decides the rounding.
  char digits[MaxSignificantDigits + 2];
  int count;  // n, 1 to 18
  int point;
  bool negative;
};

// `count` must be 1 to 18.
DecimalDigits ToDecimalDigits(long double value, int count);

// The longest text: a sign, 18 digits, the point, "E", an exponent sign and
// four exponent digits.
inline constexpr int MaxExponentDigits = 4;
inline constexpr std::size_t MaxNumberTextLength =
    1 + MaxSignificantDigits + 1 + 1 + 1 + MaxExponentDigits;
static_assert(MaxNumberTextLength == 26);

// Writes the text of `number` into `text`, which has room for
// MaxNumberTextLength bytes, and returns its length. The text is not
// terminated; nothing is written after its last byte.
std::size_t LayOutNumber(const DecimalDigits& number, char* text);
