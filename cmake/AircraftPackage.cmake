# The simulator-shaped folder the demo and the scenarios run in: the bundled aircraft package
# copied into the build tree, with the built modules in its Gauges folder.
set(KORVAN_SIM_ROOT ${CMAKE_BINARY_DIR}/aircraft/korvan)
file(GLOB_RECURSE KORVAN_AIRCRAFT_FILES CONFIGURE_DEPENDS
  RELATIVE ${PROJECT_SOURCE_DIR}/aircraft/korvan ${PROJECT_SOURCE_DIR}/aircraft/korvan/*)
set(KORVAN_AIRCRAFT_OUTPUTS)
foreach(file ${KORVAN_AIRCRAFT_FILES})
  add_custom_command(OUTPUT ${KORVAN_SIM_ROOT}/${file}
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/aircraft/korvan/${file} ${KORVAN_SIM_ROOT}/${file}
    DEPENDS ${PROJECT_SOURCE_DIR}/aircraft/korvan/${file})
  list(APPEND KORVAN_AIRCRAFT_OUTPUTS ${KORVAN_SIM_ROOT}/${file})
endforeach()
add_custom_target(aircraft_package ALL DEPENDS ${KORVAN_AIRCRAFT_OUTPUTS})
