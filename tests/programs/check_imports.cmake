# Fails unless PROGRAM imports only DLLs that ship with Windows, so that the
# .exe runs on a bare Windows with nothing installed beside it.
#   cmake -DOBJDUMP=<objdump> -DPROGRAM=<file.exe> -P check_imports.cmake
cmake_minimum_required(VERSION 3.25)
execute_process(COMMAND "${OBJDUMP}" -p "${PROGRAM}" OUTPUT_VARIABLE dump RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${OBJDUMP} -p ${PROGRAM} failed")
endif()
string(REGEX MATCHALL "DLL Name: [^\r\n]+" lines "${dump}")
if(NOT lines)
  message(FATAL_ERROR "no import list found in ${PROGRAM}")
endif()

# Windows' own DLLs; the C runtime is either msvcrt or the Universal CRT.
set(windows_dlls kernel32.dll user32.dll gdi32.dll ole32.dll oleaut32.dll advapi32.dll msvcrt.dll)
set(foreign "")
foreach(line IN LISTS lines)
  string(REGEX REPLACE "DLL Name: *" "" dll "${line}")
  string(STRIP "${dll}" dll)
  string(TOLOWER "${dll}" name)
  message(STATUS "imports ${dll}")
  if(NOT name IN_LIST windows_dlls AND NOT name MATCHES "^api-ms-win-crt-[a-z-]+-l1-1-0\\.dll$")
    list(APPEND foreign "${dll}")
  endif()
endforeach()
if(foreign)
  message(FATAL_ERROR "${PROGRAM} imports DLLs that do not ship with Windows: ${foreign}")
endif()
