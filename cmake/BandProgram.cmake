# Both programs are built alike: a GUI program whose resource file
# <name>.rc includes the picture of resources/ as bitmap 104 and the
# resistor icon, installed with the project.
function(add_band_program name)
  add_executable(${name} WIN32 ${ARGN} ${name}.rc)
  target_link_libraries(${name} PRIVATE band_window toolkit reading)
  set(bitmap_dir ${PROJECT_SOURCE_DIR}/resources)
  set_property(SOURCE ${name}.rc APPEND PROPERTY INCLUDE_DIRECTORIES ${bitmap_dir})
  set_property(SOURCE ${name}.rc APPEND PROPERTY OBJECT_DEPENDS
               ${bitmap_dir}/resistor.bmp ${bitmap_dir}/resistor.ico)
  install(TARGETS ${name})
endfunction()
