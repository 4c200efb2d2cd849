// Start-up benchmark: the time from starting a program to its dialog being
// visible, for each program given, taken in turns so that every program
// sees the same conditions; prints the medians and their ratios to the
// first program (the baseline). Not a test: the figures depend on the machine.
//
// Usage: startup_bench <rounds> <baseline.exe> <caption> [<program.exe> <caption>]...

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "window_driver.h"

namespace {

struct Program {
  std::string path;
  const char* caption;
  std::vector<double> milliseconds;
};

double Now() {
  static const double ticksPerMs = [] {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(frequency.QuadPart) / 1000.0;
  }();
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) / ticksPerMs;
}

// Starts the program, waits for its visible dialog, closes it with Cancel
// and waits for the process to end. The time to the window, or -1.
double TimeToWindow(const Program& program) {
  const double start = Now();
  RunningProgram running(program.path);
  if (!running.started()) return -1;
  HWND dialog = running.WaitForDialog(program.caption);
  const double elapsed = Now() - start;
  if (dialog == nullptr) return -1;
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  if (running.WaitForExitCode() != 0) return -1;
  return elapsed;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4 || argc % 2 != 0) {
    std::fprintf(stderr,
                 "usage: %s <rounds> <baseline.exe> <caption> [<program.exe> <caption>]...\n",
                 argv[0]);
    return 2;
  }
  const int rounds = std::max(1, std::atoi(argv[1]));
  std::vector<Program> programs;
  for (int i = 2; i + 1 < argc; i += 2) programs.push_back({WindowsPath(argv[i]), argv[i + 1], {}});

  // One untimed start each: the first start of a program loads it from disk.
  for (Program& program : programs) TimeToWindow(program);
  for (int round = 0; round < rounds; ++round) {
    for (Program& program : programs) {
      const double ms = TimeToWindow(program);
      if (ms < 0) {
        std::fprintf(stderr, "%s: no window, or it did not end with exit code 0\n",
                     program.path.c_str());
        return 1;
      }
      program.milliseconds.push_back(ms);
    }
  }
  // Ratios of the medians, and of the minimums: on a busy machine the
  // fastest start of each program is the least disturbed one.
  const double baseline = Median(programs[0].milliseconds);
  const double baselineMin =
      *std::min_element(programs[0].milliseconds.begin(), programs[0].milliseconds.end());
  std::printf("%-34s %10s %10s %10s %12s %10s\n", "program (start to visible window)", "median ms",
              "min ms", "max ms", "median ratio", "min ratio");
  for (const Program& program : programs) {
    const auto [low, high] =
        std::minmax_element(program.milliseconds.begin(), program.milliseconds.end());
    const std::string name = program.path.substr(program.path.find_last_of("\\/") + 1);
    std::printf("%-34s %10.1f %10.1f %10.1f %12.2f %10.2f\n", name.c_str(),
                Median(program.milliseconds), *low, *high, Median(program.milliseconds) / baseline,
                *low / baselineMin);
  }
  std::printf("(%d rounds, programs started in turns)\n", rounds);
  return 0;
}
