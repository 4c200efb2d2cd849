// NumberText against snprintf("%.15Lg") and std::to_chars(double, general,
// 15) over the same mix of values, and FiveBandResultText over every
// selection. Run: build/native/bench/reading_bench
#include <benchmark/benchmark.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <random>
#include <vector>

#include "float_control.h"
#include "number_text.h"
#include "readings.h"

namespace {

// Band digits, the picture number, everyday fractions, and values spread
// over forty decades. A power-of-two count keeps the loops' indexing cheap.
constexpr std::size_t ValueCount = 256;
std::vector<long double> ValueMix() {
  std::vector<long double> values = {0,        1,      4,          7,         9,        10,
                                     104,      4.7L,   0.47L,      1.0L / 3,  123.456L, 47000,
                                     12345678, 1e-15L, -1.5e-300L, 9999999.5L};
  std::mt19937_64 random(42);
  std::uniform_real_distribution<double> exponent(-20, 20);
  while (values.size() < ValueCount) values.push_back(std::pow(10.0L, exponent(random)));
  return values;
}

const std::vector<long double> kValues = ValueMix();

void NumberTextAt(benchmark::State& state, int digits) {
  std::size_t i = 0;
  for (auto _ : state) {
    ByteString text = NumberText(kValues[i++ % ValueCount], digits);
    benchmark::DoNotOptimize(text.data());
  }
}
void BM_NumberText15(benchmark::State& state) { NumberTextAt(state, 15); }
void BM_NumberText7(benchmark::State& state) { NumberTextAt(state, 7); }

void BM_SnprintfLg15(benchmark::State& state) {
  char buffer[64];
  std::size_t i = 0;
  for (auto _ : state) {
    const int length = std::snprintf(buffer, sizeof buffer, "%.15Lg", kValues[i++ % ValueCount]);
    benchmark::DoNotOptimize(length);
    benchmark::DoNotOptimize(buffer);
  }
}

void BM_ToCharsDouble15(benchmark::State& state) {
  char buffer[64];
  std::size_t i = 0;
  for (auto _ : state) {
    const auto result = std::to_chars(buffer, buffer + sizeof buffer,
                                      static_cast<double>(kValues[i++ % ValueCount]),
                                      std::chars_format::general, 15);
    benchmark::DoNotOptimize(result.ptr);
    benchmark::DoNotOptimize(buffer);
  }
}

void BM_FiveBandResultTextAllSelections(benchmark::State& state) {
  const std::optional<BandColour> kTolerances[] = {
      BandColour::None, BandColour::Brown, BandColour::Red, BandColour::Silver, BandColour::Gold};
  for (auto _ : state) {
    for (int a = 0; a < 10; ++a)
      for (int b = 0; b < 10; ++b)
        for (int c = 0; c < 10; ++c)
          for (int m = 0; m < 12; ++m)
            for (const auto& t : kTolerances) {
              ByteString text = FiveBandResultText({a, b, c, m, t});
              benchmark::DoNotOptimize(text.data());
            }
  }
  state.SetItemsProcessed(state.iterations() * 10 * 10 * 10 * 12 * 5);
}

BENCHMARK(BM_NumberText15);
BENCHMARK(BM_NumberText7);
BENCHMARK(BM_SnprintfLg15);
BENCHMARK(BM_ToCharsDouble15);
BENCHMARK(BM_FiveBandResultTextAllSelections)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  LoadFloatControlWord(ExtendedFloatControlWord);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
