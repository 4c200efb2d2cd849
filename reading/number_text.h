// Number to text: the shortest decimal text that shows a value to a chosen
// count of significant digits, computed in the 80-bit extended format.
#pragma once

#include <cstdint>
#include <limits>

#include "byte_string.h"

static_assert(std::numeric_limits<long double>::digits == 64 && sizeof(long double) >= 10,
              "number text relies on long double being the x87 80-bit extended format");

// The x87 control word the programs run with: every exception masked,
// 64-bit significand, rounding to nearest with ties to even.
inline constexpr std::uint16_t ExtendedFloatControlWord = 0x133F;

// Loads `word` into the x87 control word. Calls into the platform may leave
// it changed; the programs load it again before numeric work follows them.
inline void LoadFloatControlWord(std::uint16_t word) { __asm__ volatile("fldcw %0" : : "m"(word)); }
inline std::uint16_t StoreFloatControlWord() {
  std::uint16_t word;
  __asm__ volatile("fnstcw %0" : "=m"(word));
  return word;
}

// `value` with `digits` significant digits (1 to 17; any other count means
// 18): no leading blank, "-" before a negative value, no zero before the
// point (".5"), no trailing zeros after it, exponent form ("1.5E-300",
// "1E+7") where fixed form would need more than `digits` digits. Infinity
// is written as nines with exponent 998; not-a-number patterns as "0".
// Makes exactly one allocation, of the final length; on failure the text is
// empty and the text error code is recorded.
ByteString NumberText(long double value, int digits);
