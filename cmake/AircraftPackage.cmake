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

# Sound files made by tools/gen_sounds.py from a sound list, written into the aircraft folder
# (or OUT_DIR) by the target TARGET, which the package depends on.
function(korvan_aircraft_sounds target list_file)
  cmake_parse_arguments(ARG "" "OUT_DIR" "" ${ARGN})
  if(NOT ARG_OUT_DIR)
    set(ARG_OUT_DIR ${KORVAN_SIM_ROOT})
  endif()
  get_filename_component(list_file ${list_file} ABSOLUTE)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${list_file})
  file(STRINGS ${list_file} lines REGEX "^[ \t]*sound[ \t]")
  set(outputs)
  foreach(line ${lines})
    string(REGEX REPLACE "^[ \t]*sound[ \t]+([^ \t]+).*$" "\\1" path "${line}")
    string(REPLACE "\\" "/" path "${path}")
    list(APPEND outputs ${ARG_OUT_DIR}/${path})
  endforeach()
  set(generator ${PROJECT_SOURCE_DIR}/tools/gen_sounds.py)
  set(stamp ${CMAKE_CURRENT_BINARY_DIR}/${target}.stamp)
  add_custom_command(OUTPUT ${stamp} ${outputs}
    COMMAND Python3::Interpreter ${generator} --list ${list_file} --out-dir ${ARG_OUT_DIR}
            --stamp ${stamp}
    DEPENDS ${list_file} ${generator} ${PROJECT_SOURCE_DIR}/tools/generated_files.py
    COMMENT "Generating the sounds of ${target}")
  add_custom_target(${target} ALL DEPENDS ${stamp})
  set_property(GLOBAL APPEND PROPERTY KORVAN_PACKAGE_MODULES ${target})
endfunction()
