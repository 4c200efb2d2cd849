#include "standard_values.h"

#include <algorithm>

namespace {

// IEC 60063:2015, the values of one decade, written out as the standard
// lists them. They are not all the rounded powers 10^(i/n): E24 has 2.7 to
// 4.7 and 8.2 from an older rounding, and E192 has 9.20 where the formula
// gives 9.19.
constexpr int kE3[] = {10, 22, 47};
constexpr int kE6[] = {10, 15, 22, 33, 47, 68};
constexpr int kE12[] = {10, 12, 15, 18, 22, 27, 33, 39, 47, 56, 68, 82};
constexpr int kE24[] = {10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30,
                        33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91};
// clang-format off
constexpr int kE48[] = {100, 105, 110, 115, 121, 127, 133, 140, 147, 154, 162, 169,
                        178, 187, 196, 205, 215, 226, 237, 249, 261, 274, 287, 301,
                        316, 332, 348, 365, 383, 402, 422, 442, 464, 487, 511, 536,
                        562, 590, 619, 649, 681, 715, 750, 787, 825, 866, 909, 953};
constexpr int kE96[] = {100, 102, 105, 107, 110, 113, 115, 118, 121, 124, 127, 130, 133, 137, 140, 143,
                        147, 150, 154, 158, 162, 165, 169, 174, 178, 182, 187, 191, 196, 200, 205, 210,
                        215, 221, 226, 232, 237, 243, 249, 255, 261, 267, 274, 280, 287, 294, 301, 309,
                        316, 324, 332, 340, 348, 357, 365, 374, 383, 392, 402, 412, 422, 432, 442, 453,
                        464, 475, 487, 499, 511, 523, 536, 549, 562, 576, 590, 604, 619, 634, 649, 665,
                        681, 698, 715, 732, 750, 768, 787, 806, 825, 845, 866, 887, 909, 931, 953, 976};
constexpr int kE192[] = {
    100, 101, 102, 104, 105, 106, 107, 109, 110, 111, 113, 114, 115, 117, 118, 120, 121, 123, 124, 126,
    127, 129, 130, 132, 133, 135, 137, 138, 140, 142, 143, 145, 147, 149, 150, 152, 154, 156, 158, 160,
    162, 164, 165, 167, 169, 172, 174, 176, 178, 180, 182, 184, 187, 189, 191, 193, 196, 198, 200, 203,
    205, 208, 210, 213, 215, 218, 221, 223, 226, 229, 232, 234, 237, 240, 243, 246, 249, 252, 255, 258,
    261, 264, 267, 271, 274, 277, 280, 284, 287, 291, 294, 298, 301, 305, 309, 312, 316, 320, 324, 328,
    332, 336, 340, 344, 348, 352, 357, 361, 365, 370, 374, 379, 383, 388, 392, 397, 402, 407, 412, 417,
    422, 427, 432, 437, 442, 448, 453, 459, 464, 470, 475, 481, 487, 493, 499, 505, 511, 517, 523, 530,
    536, 542, 549, 556, 562, 569, 576, 583, 590, 597, 604, 612, 619, 626, 634, 642, 649, 657, 665, 673,
    681, 690, 698, 706, 715, 723, 732, 741, 750, 759, 768, 777, 787, 796, 806, 816, 825, 835, 845, 856,
    866, 876, 887, 898, 909, 920, 931, 942, 953, 965, 976, 988};
// clang-format on

constexpr StandardSeries kSeries[] = {
    {"E3", kE3},   {"E6", kE6},   {"E12", kE12},   {"E24", kE24},
    {"E48", kE48}, {"E96", kE96}, {"E192", kE192},
};

// A decade value as three figures: 47 -> "470", 100 -> "100".
std::string ThreeFigures(int value) { return std::to_string(value < 100 ? value * 10 : value); }

// Compares 0.a with 0.b, both strings of figures.
int CompareFractions(std::string a, std::string b) {
  const std::size_t length = std::max(a.size(), b.size());
  a.resize(length, '0');
  b.resize(length, '0');
  return a.compare(b);
}

// The value 0.figures x 10^decade.
Resistance FromDecade(const std::string& figures, int decade) {
  const std::size_t last = figures.find_last_not_of('0');
  return {figures.substr(0, last + 1), decade - static_cast<int>(last + 1)};
}

}  // namespace

std::span<const StandardSeries> AllStandardSeries() { return kSeries; }

const StandardSeries* FindStandardSeries(std::string_view name) {
  for (const StandardSeries& series : kSeries) {
    if (name.size() == series.name.size() && (name[0] == 'E' || name[0] == 'e') &&
        name.substr(1) == series.name.substr(1)) {
      return &series;
    }
  }
  return nullptr;
}

bool InSeries(const StandardSeries& series, const Resistance& value) {
  if (value.digits.empty() || value.digits.size() > 3) return false;
  for (const int standard : series.values) {
    if (CompareFractions(value.digits, ThreeFigures(standard)) == 0) return true;
  }
  return false;
}

std::string SeriesList(const Resistance& value) {
  std::string list;
  for (const StandardSeries& series : kSeries) {
    if (!InSeries(series, value)) continue;
    if (!list.empty()) list += ' ';
    list += series.name;
  }
  return list.empty() ? "none" : list;
}

NearestStandardValues NearestValues(std::span<const StandardSeries* const> series,
                                    const Resistance& value) {
  // The value is 0.digits x 10^decade.
  const int decade = static_cast<int>(value.digits.size()) + value.exponent;
  std::optional<Resistance> below, above;
  for (const StandardSeries* one : series) {
    // In the same decade, else the last of the decade below or the first of
    // the decade above.
    std::string low = ThreeFigures(one->values.back());
    int lowDecade = decade - 1;
    std::string high = "100";
    int highDecade = decade + 1;
    for (const int standard : one->values) {
      const std::string figures = ThreeFigures(standard);
      const int order = CompareFractions(figures, value.digits);
      if (order < 0) {
        low = figures;
        lowDecade = decade;
      }
      if (order > 0 && highDecade != decade) {
        high = figures;
        highDecade = decade;
      }
    }
    const Resistance lowValue = FromDecade(low, lowDecade);
    const Resistance highValue = FromDecade(high, highDecade);
    // Values of one series are compared by decade first, then figures.
    const auto less = [](const Resistance& a, const Resistance& b) {
      const long long aDecade = static_cast<long long>(a.digits.size()) + a.exponent;
      const long long bDecade = static_cast<long long>(b.digits.size()) + b.exponent;
      if (aDecade != bDecade) return aDecade < bDecade;
      return CompareFractions(a.digits, b.digits) < 0;
    };
    if (!below || less(*below, lowValue)) below = lowValue;
    if (!above || less(highValue, *above)) above = highValue;
  }
  return {*below, *above};
}

std::vector<const StandardSeries*> SeriesForTolerance(int hundredthsPercent) {
  const auto named = [](std::string_view name) { return FindStandardSeries(name); };
  if (hundredthsPercent >= 2000) return {named("E6")};
  if (hundredthsPercent >= 1000) return {named("E12")};
  if (hundredthsPercent >= 500) return {named("E24")};
  if (hundredthsPercent >= 200) return {named("E48")};
  if (hundredthsPercent >= 100) return {named("E96"), named("E24")};
  return {named("E192")};
}
