// The preferred number series of IEC 60063 (E3 to E192): which values are
// standard values, and the standard values next to one that is not.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

#include "colour_code/colours.h"
#include "colour_code/resistance.h"

namespace colour_code {

struct StandardSeries {
  std::string_view name;        // "E24"
  std::span<const int> values;  // one decade as the standard lists it: 10, 11, ... or 100, 101, ...
};

// E3, E6, E12, E24, E48, E96, E192, in that order.
std::span<const StandardSeries> AllStandardSeries();

// The series named `name` ("E24", "e24"); null for any other name.
const StandardSeries* FindStandardSeries(std::string_view name);

// Whether the significant digits of `value` are a value of the series;
// zero is in none.
bool InSeries(const StandardSeries& series, const Resistance& value);

// The series a tolerance calls for: 20% E6; 10% E12; 5% E24; 2% E48; 1%
// E96 or E24; 0.5% and tighter E192.
struct SeriesChoice {
  const StandardSeries* series[2] = {};
  std::size_t count = 0;
  constexpr std::span<const StandardSeries* const> All() const { return {series, count}; }
};
SeriesChoice SeriesForTolerance(Hundredths tolerance);

struct NearestValues {
  Resistance below;
  Resistance above;
};

// The largest value of any of `series` below `value` and the smallest above
// it. `value` is not zero and `series` not empty.
NearestValues Nearest(std::span<const StandardSeries* const> series, const Resistance& value);

}  // namespace colour_code
