# Lean Windows programs. The window programs and the libraries they link are
# built for size and without the C++ runtime's exception and type
# information support, which they do not use (so none of the runtime's code
# for them is linked in), with no unwind tables (nothing in them unwinds),
# and optimised across files at link time; each function and datum gets a
# section of its own so that the linker drops what nothing reaches; and the
# programs carry no symbols. GoogleTest and the test programs keep
# exceptions. Natively this does nothing.
set(LEAN_COMPILE_FLAGS "")
set(STRIPPED_LINK_FLAGS "")
if(WIN32)
  set(LEAN_COMPILE_FLAGS -Os -fno-exceptions -fno-rtti -fno-asynchronous-unwind-tables
                         -ffunction-sections -fdata-sections)
  set(STRIPPED_LINK_FLAGS -Wl,--gc-sections -s)
endif()

# Builds `target` lean. The compile flags are its own only: a program or test
# that links a lean library keeps its own flags.
function(build_lean target)
  if(NOT WIN32)
    return()
  endif()
  target_compile_options(${target} PRIVATE ${LEAN_COMPILE_FLAGS})
  set_property(TARGET ${target} PROPERTY INTERPROCEDURAL_OPTIMIZATION TRUE)
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "EXECUTABLE")
    target_link_options(${target} PRIVATE -Os ${STRIPPED_LINK_FLAGS})
  endif()
endfunction()
