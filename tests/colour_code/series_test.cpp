// The IEC 60063 series: the tables as the standard lists them, checked
// against the geometric rule and its known exceptions, and the search for
// the standard values next to a value.
#include <gtest/gtest.h>

#include <cmath>

#include <string>

#include "colour_code/series.h"
#include "colour_code/wording.h"

namespace {

using namespace colour_code;

// "4.7 k ohm" for 47 x 10^2.
Resistance Value(const char* digits, int exponent) { return *Resistance::Of(digits, exponent); }

// Where the listed value is not 10^(i/n) rounded to the series' figures.
struct Irregular {
  const char* series;
  int index;
  int listed;
};

const Irregular kIrregular[] = {
    {"E3", 2, 47},                   // 46
    {"E6", 3, 33},   {"E6", 4, 47},  // 32, 46
    {"E12", 5, 27},  {"E12", 6, 33},  {"E12", 7, 39},  {"E12", 8, 47},     {"E12", 11, 82},
    {"E24", 10, 27}, {"E24", 11, 30}, {"E24", 12, 33}, {"E24", 13, 36},    {"E24", 14, 39},
    {"E24", 15, 43}, {"E24", 16, 47}, {"E24", 22, 82}, {"E192", 185, 920},  // 919
};

TEST(StandardValues, TablesFollowTheGeometricRuleSaveTheListedExceptions) {
  const struct {
    const char* name;
    int count;
  } expected[] = {{"E3", 3},   {"E6", 6},   {"E12", 12},  {"E24", 24},
                  {"E48", 48}, {"E96", 96}, {"E192", 192}};
  ASSERT_EQ(AllStandardSeries().size(), 7u);
  for (std::size_t s = 0; s < 7; ++s) {
    const StandardSeries& series = AllStandardSeries()[s];
    SCOPED_TRACE(series.name);
    EXPECT_EQ(series.name, expected[s].name);
    ASSERT_EQ(static_cast<int>(series.values.size()), expected[s].count);
    const int figures = expected[s].count <= 24 ? 2 : 3;
    for (int i = 0; i < expected[s].count; ++i) {
      const int rule = static_cast<int>(
          std::lround(std::pow(10.0, figures - 1 + static_cast<double>(i) / expected[s].count)));
      int listed = rule;
      for (const Irregular& irregular : kIrregular) {
        if (series.name == irregular.series && irregular.index == i) listed = irregular.listed;
      }
      EXPECT_EQ(series.values[i], listed) << "index " << i << ", rule " << rule;
    }
  }
}

TEST(StandardValues, EachSeriesIsEverySecondValueOfTheNext) {
  const std::span<const StandardSeries> all = AllStandardSeries();
  for (std::size_t s = 0; s + 1 < all.size(); ++s) {
    SCOPED_TRACE(all[s].name);
    // E24 to E48 changes the number of figures and the rounding: no subset.
    if (all[s].name == "E24") continue;
    for (std::size_t i = 0; i < all[s].values.size(); ++i) {
      EXPECT_EQ(all[s].values[i], all[s + 1].values[2 * i]);
    }
  }
}

TEST(StandardValues, MembershipIgnoresZerosAroundTheFigures) {
  const struct {
    Resistance value;
    const char* line;
  } cases[] = {
      {Value("47", 2), "Series: E3 E6 E12 E24 E192"},  // 4.7 k ohm
      {Value("1", 0), "Series: E3 E6 E12 E24 E48 E96 E192"},
      {Value("1", -3), "Series: E3 E6 E12 E24 E48 E96 E192"},
      {Value("475", 1), "Series: E96 E192"},
      {Value("92", 0), "Series: E192"},
      {Value("919", 0), "Series: none"},
      {Value("46", 0), "Series: none"},
      {Value("4701", 0), "Series: none"},
      {Value("", 0), "Series: none"},  // zero
      {Value("261", 0), "Series: E48 E96 E192"},
      {Value("82", 0), "Series: E12 E24"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    EXPECT_EQ(SeriesLine(c.value).View(), c.line);
  }
}

TEST(StandardValues, NearestValuesOnBothSidesAcrossDecades) {
  const struct {
    const char* series;
    Resistance value, below, above;
  } cases[] = {
      {"E24", Value("475", 1), Value("47", 2), Value("51", 2)},
      {"E24", Value("95", 0), Value("91", 0), Value("1", 2)},     // 9.5 -> 9.1 and 10
      {"E24", Value("105", -2), Value("1", 0), Value("11", -1)},  // 1.05 -> 1.0 and 1.1
      {"E6", Value("12", 2), Value("1", 3), Value("15", 2)},
      {"E3", Value("5", 0), Value("47", -1), Value("1", 1)},
      {"E192", Value("919", 0), Value("909", 0), Value("92", 1)},
      {"E192", Value("99", 7), Value("988", 6), Value("1", 9)},
      {"E96", Value("1", -2), Value("976", -5), Value("102", -4)},  // 0.01: 0.00976 and 0.0102
  };
  for (const auto& c : cases) {
    const StandardSeries* const series[] = {FindStandardSeries(c.series)};
    ASSERT_NE(series[0], nullptr);
    SCOPED_TRACE(std::string(c.series) + " " + std::string(ResistanceText(c.value).View()));
    const NearestValues nearest = Nearest(series, c.value);
    EXPECT_EQ(nearest.below, c.below);
    EXPECT_EQ(nearest.above, c.above);
  }
  EXPECT_EQ(FindStandardSeries("e192")->name, "E192");
  EXPECT_EQ(FindStandardSeries("E5"), nullptr);
  EXPECT_EQ(FindStandardSeries("EE24"), nullptr);
  EXPECT_EQ(FindStandardSeries(""), nullptr);
}

}  // namespace
