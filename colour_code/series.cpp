#include "colour_code/series.h"

namespace colour_code {
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

// The standard value `standard` (10 to 99 or 100 to 999: one decade) in
// the decade whose values have magnitude `magnitude`.
Resistance InDecade(int standard, int magnitude) {
  const int figures = standard < 100 ? standard * 10 : standard;
  const char text[] = {static_cast<char>('0' + figures / 100),
                       static_cast<char>('0' + figures / 10 % 10),
                       static_cast<char>('0' + figures % 10)};
  return *Resistance::Of(std::string_view(text, 3), magnitude - 3);
}

}  // namespace

std::span<const StandardSeries> AllStandardSeries() { return kSeries; }

const StandardSeries* FindStandardSeries(std::string_view name) {
  for (const StandardSeries& series : kSeries) {
    if (name.size() == series.name.size() && (name[0] == 'E' || name[0] == 'e') &&
        std::string_view(name.data() + 1, name.size() - 1) ==
            std::string_view(series.name.data() + 1, series.name.size() - 1)) {
      return &series;
    }
  }
  return nullptr;
}

bool InSeries(const StandardSeries& series, const Resistance& value) {
  if (value.IsZero()) return false;
  for (const int standard : series.values) {
    if (InDecade(standard, value.Magnitude()) == value) return true;
  }
  return false;
}

SeriesChoice SeriesForTolerance(Hundredths tolerance) {
  const auto choice = [](std::string_view first, std::string_view second = {}) {
    SeriesChoice chosen;
    chosen.series[chosen.count++] = FindStandardSeries(first);
    if (!second.empty()) chosen.series[chosen.count++] = FindStandardSeries(second);
    return chosen;
  };
  if (tolerance >= 2000) return choice("E6");
  if (tolerance >= 1000) return choice("E12");
  if (tolerance >= 500) return choice("E24");
  if (tolerance >= 200) return choice("E48");
  if (tolerance >= 100) return choice("E96", "E24");
  return choice("E192");
}

NearestValues Nearest(std::span<const StandardSeries* const> series, const Resistance& value) {
  const int magnitude = value.Magnitude();
  std::optional<Resistance> below, above;
  for (const StandardSeries* one : series) {
    // In the value's decade, else the last of the decade below or the first
    // of the decade above.
    Resistance low = InDecade(one->values.back(), magnitude - 1);
    std::optional<Resistance> high;
    for (const int standard : one->values) {
      const Resistance candidate = InDecade(standard, magnitude);
      if (candidate < value) low = candidate;
      if (value < candidate && !high) high = candidate;
    }
    if (!high) high = InDecade(one->values.front(), magnitude + 1);
    if (!below || *below < low) below = low;
    if (!above || *high < *above) above = high;
  }
  return {*below, *above};
}

}  // namespace colour_code
