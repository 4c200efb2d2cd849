# Fails when the colour-code library needs anything from outside but the C
# library's memory functions: no allocation, no exception, no input or
# output, nothing of the system, so that every front-end and every build
# can take it as it is.
#   cmake -DNM=<nm> -DLIBRARY=<libcolour_code.a> -P check_self_contained.cmake
cmake_minimum_required(VERSION 3.25)
execute_process(COMMAND "${NM}" -C --undefined-only "${LIBRARY}" OUTPUT_VARIABLE symbols
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${NM} --undefined-only ${LIBRARY} failed")
endif()
string(REGEX MATCHALL "[ \t]U [^\r\n]+" lines "${symbols}")
set(foreign "")
foreach(line IN LISTS lines)
  string(REGEX REPLACE "^[ \t]U " "" symbol "${line}")
  if(NOT symbol MATCHES "^colour_code::" AND NOT symbol MATCHES "^(memchr|memcmp|memcpy|memmove|memset)$")
    list(APPEND foreign "${symbol}")
  endif()
endforeach()
if(foreign)
  message(FATAL_ERROR "${LIBRARY} needs what it must not: ${foreign}")
endif()
