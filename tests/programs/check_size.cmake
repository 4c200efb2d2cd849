# Fails unless PROGRAM takes at most LIMIT bytes on disk: the window
# programs, icon and all, stay small enough to mail or to keep on any stick.
#   cmake -DPROGRAM=<file.exe> -DLIMIT=<bytes> -P check_size.cmake
cmake_minimum_required(VERSION 3.25)
if(NOT EXISTS "${PROGRAM}")
  message(FATAL_ERROR "${PROGRAM} does not exist")
endif()
file(SIZE "${PROGRAM}" size)
message(STATUS "${PROGRAM}: ${size} bytes, limit ${LIMIT}")
if(size GREATER LIMIT)
  math(EXPR over "${size} - ${LIMIT}")
  message(FATAL_ERROR "${PROGRAM} is ${size} bytes, ${over} over the limit of ${LIMIT}")
endif()
