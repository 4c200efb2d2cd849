# GoogleTest in both builds, as the targets GTest::gtest and GTest::gtest_main:
# natively the Debian package, for Windows compiled from its sources with the
# cross compiler.
if(WIN32)
  set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  # Port settings for the compiler's C++ library (tests/gtest-port).
  target_include_directories(gtest BEFORE PUBLIC ${PROJECT_SOURCE_DIR}/tests/gtest-port)
  foreach(library gtest gtest_main)
    # GoogleTest is compiled with its own flags, not the project's warnings.
    set_property(TARGET ${library} PROPERTY COMPILE_OPTIONS "")
    # GoogleTest 1.11 and later name them so themselves.
    if(NOT TARGET GTest::${library})
      add_library(GTest::${library} ALIAS ${library})
    endif()
  endforeach()
else()
  find_package(GTest)
  if(NOT GTest_FOUND)
    message(FATAL_ERROR "The tests need GoogleTest (Debian: libgtest-dev); "
                        "configure with -DBUILD_TESTING=OFF to build without them.")
  endif()
endif()
