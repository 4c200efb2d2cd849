// Number to text: the shortest decimal text that shows a value to a chosen
// count of significant digits, computed in the 80-bit extended format.
#pragma once

#include <limits>

#include "byte_string.h"

static_assert(std::numeric_limits<long double>::digits == 64 && sizeof(long double) >= 10,
              "number text relies on long double being the x87 80-bit extended format");

// `value` with `digits` significant digits (1 to 17; any other count means
// 18): no leading blank, "-" before a negative value, no zero before the
// point (".5"), no trailing zeros after it, exponent form ("1.5E-300",
// "1E+7") where fixed form would need more than `digits` digits. Infinity
// is written as nines with exponent 998; not-a-number patterns as "0".
// Makes exactly one allocation, of the final length; on failure the text is
// empty and the text error code is recorded.
ByteString NumberText(long double value, int digits);
