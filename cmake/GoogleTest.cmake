# GoogleTest in both builds: the Debian package natively, compiled from its
# sources with the cross compiler for Windows. Test programs link GTEST_LIBRARIES.
if(WIN32)
  set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  # Port settings for the compiler's C++ library (tests/gtest-port).
  target_include_directories(gtest BEFORE PUBLIC ${PROJECT_SOURCE_DIR}/tests/gtest-port)
  set(GTEST_LIBRARIES gtest)
else()
  find_package(GTest REQUIRED)
  set(GTEST_LIBRARIES GTest::gtest)
endif()

