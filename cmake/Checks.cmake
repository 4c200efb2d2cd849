# Natively, the portable code and its tests are built under AddressSanitizer
# and UBSan, with the preconditions' assertions active whatever the build
# type; in the Windows build the checks are not available and this does
# nothing.
set(CHECKED_FLAGS "")
set(CHECKED_COMPILE_FLAGS "")
if(NOT WIN32)
  set(CHECKED_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  set(CHECKED_COMPILE_FLAGS -UNDEBUG)
endif()

# Builds `target`, and whatever links it, with the checks.
function(build_checked target)
  target_compile_options(${target} PUBLIC ${CHECKED_FLAGS} ${CHECKED_COMPILE_FLAGS})
  target_link_options(${target} PUBLIC ${CHECKED_FLAGS})
endfunction()
