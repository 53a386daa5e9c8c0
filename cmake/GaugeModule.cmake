# A gauge module: <name>.gau, exporting exactly ImportTable and Linkage.
set(KORVAN_GAUGE_DIR ${CMAKE_BINARY_DIR}/aircraft/korvan/Gauges)

function(korvan_add_gauge_module name)
  cmake_parse_arguments(ARG "" "RESOURCE_SCRIPT;OUTPUT_DIRECTORY" "SOURCES;LIBRARIES" ${ARGN})
  if(NOT ARG_OUTPUT_DIRECTORY)
    set(ARG_OUTPUT_DIRECTORY ${KORVAN_GAUGE_DIR})
    set_property(GLOBAL APPEND PROPERTY KORVAN_PACKAGE_MODULES ${name})
  endif()
  add_library(${name} MODULE ${ARG_SOURCES})
  set_target_properties(${name} PROPERTIES
    PREFIX "" SUFFIX ".gau"
    CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON
    LIBRARY_OUTPUT_DIRECTORY ${ARG_OUTPUT_DIRECTORY}
    RUNTIME_OUTPUT_DIRECTORY ${ARG_OUTPUT_DIRECTORY})
  target_link_libraries(${name} PRIVATE gauge_module_side ${ARG_LIBRARIES})
  if(WIN32)
    target_sources(${name} PRIVATE ${PROJECT_SOURCE_DIR}/host/gauge_module.def)
    if(ARG_RESOURCE_SCRIPT)
      target_sources(${name} PRIVATE ${ARG_RESOURCE_SCRIPT})
    endif()
    target_link_options(${name} PRIVATE -static)
    target_link_libraries(${name} PRIVATE kernel32 user32 winmm dsound)
  else()
    target_link_options(${name} PRIVATE
      -Wl,--version-script=${PROJECT_SOURCE_DIR}/host/gauge_module.map)
    # clang's sanitizer runtime lives in the program that loads the module, so its symbols
    # stay open in the module; everywhere else a module must name nothing it does not link.
    if(NOT (KORVAN_SANITIZE AND CMAKE_CXX_COMPILER_ID STREQUAL "Clang"))
      target_link_options(${name} PRIVATE -Wl,--no-undefined)
    endif()
    set_property(TARGET ${name} APPEND PROPERTY LINK_DEPENDS ${PROJECT_SOURCE_DIR}/host/gauge_module.map)
  endif()
endfunction()

# A test that the module exports exactly ImportTable and Linkage, and on Windows imports only
# system DLLs (tests/module_a/check_exports.py).
function(korvan_add_exports_check test_name module)
  if(WIN32)
    set(tool objdump ${CMAKE_OBJDUMP})
  else()
    set(tool nm ${CMAKE_NM})
  endif()
  add_test(NAME ${test_name}
    COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/tests/module_a/check_exports.py ${tool}
            $<TARGET_FILE:${module}>)
endfunction()
