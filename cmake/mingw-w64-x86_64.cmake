# Cross build for 64-bit Windows with mingw-w64; CTest runs the programs through Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

# Defaults for the cache: another compiler may be given on the command line
# (-DCMAKE_CXX_COMPILER=...), and a cached choice is kept.
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-win32 CACHE STRING "C compiler")
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-win32 CACHE STRING "C++ compiler")
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres CACHE STRING "Resource compiler")

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

set(CMAKE_CROSSCOMPILING_EMULATOR wine)
