#include <gtest/gtest.h>

#include "float_control.h"

int main(int argc, char** argv) {
  // The floating-point mode the programs run with.
  LoadFloatControlWord(ExtendedFloatControlWord);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
