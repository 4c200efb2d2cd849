// The window tests run as the main routine of the toolkit's own process
// frame, so the instance handle, the thread settings and the registry are
// those a program gets.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "toolkit.h"

namespace {

int RunWindowTests(HINSTANCE, HINSTANCE, char*, int) {
  int argc = __argc;
  testing::InitGoogleTest(&argc, __argv);
  const int failed = RUN_ALL_TESTS();
  std::fflush(stdout);
  return failed;
}

}  // namespace

int main() { StartProcess(&RunWindowTests); }
