# The fuzz build (FUZZING=ON, with clang; tools/fuzz makes it): everything is
# compiled for libFuzzer's coverage and under AddressSanitizer and UBSan, and
# the fuzz targets link libFuzzer's main.
option(FUZZING "Build the libFuzzer targets (needs clang)" OFF)
if(FUZZING)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "The fuzz targets need clang: configure with -DCMAKE_CXX_COMPILER=clang++")
  endif()
  set(FUZZ_CHECKS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_compile_options(-fsanitize=fuzzer-no-link ${FUZZ_CHECKS})
  add_link_options(${FUZZ_CHECKS})
endif()
