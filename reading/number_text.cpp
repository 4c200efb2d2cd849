#include "number_text.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstring>
#include <iterator>

#include "number_steps.h"

namespace {

// Exact small powers of ten for the remainder of an exponent (mod 8); the
// binary digits above that use LargePowersOfTen.
constexpr std::uint32_t SmallPowersOfTen[8] = {1, 10, 100, 1000, 10000, 100000, 1000000, 10000000};
constexpr int LargestPowerExponent = 4096;
// 10^0 to 10^27: every power whose product of table entries is exact (5^27
// is below 2^64), so looking it up gives the same value as multiplying.
constexpr long double ExactPowersOfTen[] = {1e0L,  1e1L,  1e2L,  1e3L,  1e4L,  1e5L,  1e6L,
                                            1e7L,  1e8L,  1e9L,  1e10L, 1e11L, 1e12L, 1e13L,
                                            1e14L, 1e15L, 1e16L, 1e17L, 1e18L, 1e19L, 1e20L,
                                            1e21L, 1e22L, 1e23L, 1e24L, 1e25L, 1e26L, 1e27L};
// The digit integer has 18 digits: it lies in [10^17, 10^18).
constexpr std::uint64_t DigitIntegerLow = 100000000000000000;
constexpr long double DigitIntegerLimit = 1e18L;

constexpr int ExponentBias = 16383;
constexpr int ExponentFieldAllOnes = 0x7FFF;
constexpr std::uint64_t ExplicitLeadingBit = std::uint64_t{1} << 63;
constexpr std::uint64_t InfinitySignificand = ExplicitLeadingBit;

// y rounded to an integer in the current rounding mode (ties to even under
// the programs' control word), as an extended value: one x87 instruction,
// where the library's nearbyint saves and restores the whole environment.
inline long double RoundToInteger(long double y) {
  __asm__("frndint" : "+t"(y));
  return y;
}

// y (below 2^63) rounded to an integer in the current rounding mode, as an
// integer: the x87 store rounds by itself, where a C++ conversion would
// switch the rounding mode to truncation and back.
inline std::uint64_t RoundToUnsigned(long double y) {
  std::int64_t integer;
  __asm__("fistpll %0" : "=m"(integer) : "t"(y) : "st");
  return static_cast<std::uint64_t>(integer);
}

// a x 10^m, rounding after each product. Inlined: an extended argument
// would travel through memory.
[[gnu::always_inline]] inline long double ScaleByPowerOfTen(long double a, int m) {
  if (m > LargestPowerExponent) {
    a *= LargePowersOfTen[9];
    m -= LargestPowerExponent;
  } else if (m < -LargestPowerExponent) {
    a /= LargePowersOfTen[9];
    m += LargestPowerExponent;
  }
  if (m == 0) return a;
  const unsigned magnitude = m < 0 ? -m : m;
  long double p;
  if (magnitude < std::size(ExactPowersOfTen)) {
    p = ExactPowersOfTen[magnitude];  // the products below, all exact
  } else {
    p = SmallPowersOfTen[magnitude % 8];
    int entry = 0;
    for (unsigned bits = magnitude / 8; bits != 0; bits >>= 1, ++entry) {
      if (bits & 1) p *= LargePowersOfTen[entry];
    }
  }
  return m > 0 ? a * p : a / p;
}

// N, the 18-digit integer nearest to a x 10^(17 - k), for the decimal
// exponent k of a. k starts as an estimate that can be one too high or one
// too low; both are corrected here.
[[gnu::always_inline]] inline std::uint64_t DigitInteger(long double a, int& k) {
  long double y = ScaleByPowerOfTen(a, 17 - k);
  // y rounds to 10^18 or more exactly when it is at least 10^18 - 1/2 (a
  // tie rounds to the even 10^18): one digit too many.
  if (y >= DigitIntegerLimit - 0.5L) {
    y = RoundToInteger(y) / SmallPowersOfTen[1];
    ++k;
  }
  std::uint64_t n = RoundToUnsigned(y);
  if (n < DigitIntegerLow) {
    // One digit too few (values just above some powers of two below 1):
    // scale again rather than multiply by 10, to keep every digit exact.
    --k;
    n = RoundToUnsigned(ScaleByPowerOfTen(a, 17 - k));
  }
  return n;
}

// "00" to "99": two digits per division.
constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// The nine decimal digits of v (below 10^9), most significant first. Each
// pair is taken from v by its own division, so that the divisions do not
// wait for one another.
inline void WriteNineDigits(std::uint32_t v, char* digits) {
  digits[0] = static_cast<char>('0' + v / 100000000);
  std::memcpy(digits + 1, kDigitPairs + 2 * (v / 1000000 % 100), 2);
  std::memcpy(digits + 3, kDigitPairs + 2 * (v / 10000 % 100), 2);
  std::memcpy(digits + 5, kDigitPairs + 2 * (v / 100 % 100), 2);
  std::memcpy(digits + 7, kDigitPairs + 2 * (v % 100), 2);
}

// The 18 decimal digits of n, most significant first: one 64-bit division
// splits n into two 9-digit halves, whose digits come from 32-bit
// divisions, two digits at a time; no floating-point step per digit.
void WriteEighteenDigits(std::uint64_t n, char* digits) {
  constexpr std::uint32_t Billion = 1000000000;
  WriteNineDigits(static_cast<std::uint32_t>(n / Billion), digits);
  WriteNineDigits(static_cast<std::uint32_t>(n % Billion), digits + 9);
}

DecimalDigits Fill(int count, char digit, int point, bool negative) {
  DecimalDigits number{};
  std::memset(number.digits, digit, count);
  number.count = count;
  number.point = point;
  number.negative = negative;
  return number;
}

// `exponent` has at most four digits: the extended range ends near 10^4932.
char* WriteExponent(char* out, char sign, int exponent) {
  assert(exponent >= 0 && exponent < 10000);
  *out++ = 'E';
  *out++ = sign;
  char reversed[MaxExponentDigits];
  int length = 0;
  do {
    reversed[length++] = static_cast<char>('0' + exponent % 10);
    exponent /= 10;
  } while (exponent != 0);
  while (length > 0) *out++ = reversed[--length];
  return out;
}

[[gnu::always_inline]] inline ExtendedFields Decode(long double value) {
  unsigned char bytes[10];
  std::memcpy(bytes, &value, sizeof bytes);
  std::uint64_t significand;
  std::uint16_t signAndExponent;
  std::memcpy(&significand, bytes, sizeof significand);
  std::memcpy(&signAndExponent, bytes + 8, sizeof signAndExponent);
  return {(signAndExponent & 0x8000) != 0, signAndExponent & 0x7FFF, significand};
}

// The steps, inlined into NumberText: passed between functions, an
// extended value would go through memory twice.
[[gnu::always_inline]] inline DecimalDigits DigitsOf(long double value, int count) {
  assert(count >= 1 && count <= MaxSignificantDigits);
  const ExtendedFields fields = Decode(value);
  const bool normal = (fields.significand & ExplicitLeadingBit) != 0;

  // Zero, values below the normal range, not-a-number and unnormal patterns.
  if (fields.exponentField == 0 ||
      (fields.exponentField == ExponentFieldAllOnes && fields.significand != InfinitySignificand) ||
      !normal) {
    return Fill(count, '0', 1, false);
  }
  if (fields.exponentField == ExponentFieldAllOnes) {
    return Fill(count, '9', 999, fields.negative);
  }

  // log10(2) to 16 bits; the product is floored (an arithmetic shift).
  const int e = fields.exponentField - ExponentBias;
  int k = (e * 0x4D10) >> 16;
  const std::uint64_t n = DigitInteger(std::fabs(value), k);

  // N's 18 digits and two more zeros; the first count + 1 are used.
  DecimalDigits number{};
  WriteEighteenDigits(n, number.digits);
  number.digits[MaxSignificantDigits] = number.digits[MaxSignificantDigits + 1] = '0';

  number.count = count;
  number.negative = fields.negative;

  // Round by the next digit alone, ties to even.
  const char next = number.digits[count];
  const bool lastOdd = (number.digits[count - 1] - '0') % 2 != 0;
  if (next > '5' || (next == '5' && lastOdd)) {
    int i = count - 1;
    while (i >= 0 && number.digits[i] == '9') number.digits[i--] = '0';
    if (i >= 0) {
      ++number.digits[i];
    } else {
      number.digits[0] = '1';
      ++k;
    }
  }
  number.point = k + 1;
  return number;
}

// Appends exactly `count` digits (at most 18); nothing beyond them is touched.
inline char* AppendDigits(char* out, const char* from, int count) {
  std::memcpy(out, from, static_cast<std::size_t>(count));
  return out + count;
}

inline char* AppendZeros(char* out, int count) {
  std::memset(out, '0', static_cast<std::size_t>(count));
  return out + count;
}

[[gnu::always_inline]] inline std::size_t LayOut(const DecimalDigits& number, char* text) {
  const char* d = number.digits;
  const int n = number.count;
  const int p = number.point;
  int s = n;
  while (s > 0 && d[s - 1] == '0') --s;
  if (s == 0) {
    text[0] = '0';
    return 1;
  }

  char* out = text;
  if (number.negative) *out++ = '-';
  const int z = p - s;
  const int fractionDigits = s - p;
  const bool exponentForm = (z > 0 && p > n) || (z < 0 && fractionDigits > n);
  if (exponentForm) {
    *out++ = d[0];
    if (s > 1) {
      *out++ = '.';
      out = AppendDigits(out, d + 1, s - 1);
    }
    out = z > 0 ? WriteExponent(out, '+', p - 1) : WriteExponent(out, '-', 1 - p);
  } else if (z >= 0) {
    out = AppendDigits(out, d, s);
    out = AppendZeros(out, z);
  } else if (p > 0) {
    out = AppendDigits(out, d, p);
    *out++ = '.';
    out = AppendDigits(out, d + p, s - p);
  } else {
    *out++ = '.';
    out = AppendZeros(out, -p);
    out = AppendDigits(out, d, s);
  }
  const auto length = static_cast<std::size_t>(out - text);
  assert(length <= MaxNumberTextLength);
  return length;
}

}  // namespace

ExtendedFields DecodeExtended(long double value) { return Decode(value); }

DecimalDigits ToDecimalDigits(long double value, int count) { return DigitsOf(value, count); }

std::size_t LayOutNumber(const DecimalDigits& number, char* text) { return LayOut(number, text); }

ByteString NumberText(long double value, int digits) {
  const int count = digits >= 1 && digits < MaxSignificantDigits ? digits : MaxSignificantDigits;
  char work[MaxNumberTextLength];  // the laid-out text before it gets its own storage
  const std::size_t length = LayOut(DigitsOf(value, count), work);
  ByteString text = ByteString::Allocate(static_cast<std::uint32_t>(length));
  if (!text.empty()) std::memcpy(text.data(), work, length);
  return text;
}
