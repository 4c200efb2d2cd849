# The fuzz build (FUZZING=ON, with clang; tools/fuzz makes it): everything is
# compiled for libFuzzer's coverage and with the native build's checks
# (AddressSanitizer, UBSan, the preconditions' assertions), and the fuzz
# targets link libFuzzer's main.
option(FUZZING "Build the libFuzzer targets (needs clang)" OFF)
if(FUZZING)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "The fuzz targets need clang: configure with -DCMAKE_CXX_COMPILER=clang++")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link ${CHECKED_FLAGS} ${CHECKED_COMPILE_FLAGS})
  add_link_options(${CHECKED_FLAGS})
endif()
