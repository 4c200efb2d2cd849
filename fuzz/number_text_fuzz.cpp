// NumberText on any 80-bit pattern and any digit count. Input: ten bytes of
// the value (little-endian, as stored), then four bytes of the count.
//
// Properties: one allocation; at most the longest text; only a sign, digits,
// a point and an exponent, in that shape; no leading zero digit; no more
// digits than asked for; and a finite normal value reads back with strtold
// within one unit of the last digit asked for. Infinity, not-a-number and
// values below the normal range have their fixed texts.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "byte_string.h"
#include "number_text.h"
#include "text_storage_probe.h"

namespace {

// The longest text: a sign, 18 digits, the point, "E", an exponent sign and
// four exponent digits.
constexpr std::size_t kLongestText = 26;
constexpr int kMostDigits = 18;

[[noreturn]] void Broken(const char* property, const std::string& text, long double value,
                         int count) {
  std::fprintf(stderr, "broken: %s: value %.21Lg, count %d, text \"%s\"\n", property, value, count,
               text.c_str());
  std::abort();
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  unsigned char bytes[16] = {};
  std::memcpy(bytes, data, size < 10 ? size : 10);
  long double value;
  static_assert(sizeof value >= 10);
  std::memcpy(&value, bytes, sizeof value);
  std::int32_t count = 15;
  if (size >= 14) std::memcpy(&count, data + 10, sizeof count);
  const int n = count >= 1 && count < kMostDigits ? count : kMostDigits;

  const TextStorageProbe probe;
  const ByteString number = NumberText(value, count);
  const std::string text(number.view());

  if (probe.allocations() != 1) Broken("not exactly one allocation", text, value, count);
  if (text.empty() || text.size() > kLongestText) Broken("length", text, value, count);
  if (text.size() != std::strlen(number.c_str()))
    Broken("bytes after the text", text, value, count);

  // Shape: [-] mantissa [E (+|-) 1 to 4 digits]; the mantissa is digits with
  // at most one point, not ending in the point.
  std::size_t at = 0;
  if (text[at] == '-') ++at;
  const std::size_t mantissaStart = at;
  bool point = false;
  std::size_t lastNonZero = std::string::npos;
  for (; at < text.size() && text[at] != 'E'; ++at) {
    const char c = text[at];
    if (c == '.') {
      if (point) Broken("two points", text, value, count);
      point = true;
    } else if (IsDigit(c)) {
      if (c != '0') lastNonZero = at;
    } else {
      Broken("unexpected character", text, value, count);
    }
  }
  const std::string mantissa = text.substr(mantissaStart, at - mantissaStart);
  if (mantissa.empty() || mantissa.back() == '.') Broken("mantissa", text, value, count);
  if (mantissa[0] == '0' && text != "0") Broken("leading zero digit", text, value, count);
  if (point && lastNonZero != mantissaStart + mantissa.size() - 1) {
    Broken("zeros after the last significant digit behind the point", text, value, count);
  }
  if (at < text.size()) {
    const std::string exponent = text.substr(at + 1);
    if (exponent.size() < 2 || exponent.size() > 5 || (exponent[0] != '+' && exponent[0] != '-') ||
        exponent[1] == '0') {
      Broken("exponent", text, value, count);
    }
    for (std::size_t i = 1; i < exponent.size(); ++i) {
      if (!IsDigit(exponent[i])) Broken("exponent digit", text, value, count);
    }
  }
  // Fixed form shows at most n digits in all, zeros included; exponent form
  // at most n before the exponent.
  int digitsShown = 0;
  for (char c : mantissa) digitsShown += IsDigit(c) ? 1 : 0;
  if (digitsShown > n) Broken("more digits than asked for", text, value, count);

  // A finite normal value (explicit leading bit set) reads back within 0.6 of
  // a unit of the n-th digit: the digits are rounded by the next digit alone,
  // which keeps a "5" with more behind it after an even digit. The scaling
  // and strtold add a few units of the 64-bit significand.
  std::uint16_t signAndExponent;
  std::uint64_t significand;
  std::memcpy(&significand, bytes, sizeof significand);
  std::memcpy(&signAndExponent, bytes + 8, sizeof signAndExponent);
  const int exponentField = signAndExponent & 0x7FFF;
  const bool normal = exponentField != 0 && exponentField != 0x7FFF && (significand >> 63) != 0;
  if (normal) {
    // P: the text's first digit stands for 10^(P-1).
    int position;
    if (at < text.size()) {
      position = std::atoi(text.c_str() + at + 1) + 1;
    } else {
      const std::size_t pointAt = mantissa.find('.');
      const int integerDigits =
          static_cast<int>(pointAt == std::string::npos ? mantissa.size() : pointAt);
      const int firstDigit = static_cast<int>(mantissa.find_first_not_of("0."));
      position =
          firstDigit < integerDigits ? integerDigits - firstDigit : integerDigits - firstDigit + 1;
    }
    long double back = std::strtold(text.c_str(), nullptr);
    long double expected = value;
    if (std::isinf(back)) {
      // Rounded up past the largest extended value ("1.2E+4932" at two
      // digits): compare a tenth of each instead.
      if (at == text.size()) Broken("overflow without an exponent", text, value, count);
      const std::string tenth = mantissa + "E" + std::to_string(position - 2);
      back = (text[0] == '-' ? -1 : 1) * std::strtold(tenth.c_str(), nullptr);
      expected = value / 10;
      --position;
    }
    const long double error = std::fabs(back - expected);
    const long double bound =
        0.6L * std::pow(10.0L, position - n) + std::fabs(expected) * std::ldexp(1.0L, -60);
    if (!(error <= bound)) {
      Broken("does not read back within the digits asked for", text, value, count);
    }
  } else if (exponentField == 0x7FFF && significand == (std::uint64_t{1} << 63)) {
    // Infinity: n nines and the exponent 998.
    std::string nines = std::string(1, '9');
    if (n > 1) nines += "." + std::string(n - 1, '9');
    const std::string expected = ((signAndExponent & 0x8000) ? "-" : "") + nines + "E+998";
    if (text != expected) Broken("infinity", text, value, count);
  } else if (text != "0") {
    Broken("zero, below the normal range or not a number", text, value, count);
  }
  return 0;
}
