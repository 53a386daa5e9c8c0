# Libraries from Debian's packages. Header-only ones are shared with the cross build through a
# staging folder, so the MinGW compiler never sees the rest of the Linux /usr/include.
set(KORVAN_STAGED_INCLUDE ${CMAKE_BINARY_DIR}/staged_include)
file(MAKE_DIRECTORY ${KORVAN_STAGED_INCLUDE})
foreach(dir CLI nlohmann)
  if(NOT EXISTS ${KORVAN_STAGED_INCLUDE}/${dir})
    if(NOT EXISTS /usr/include/${dir})
      message(FATAL_ERROR "/usr/include/${dir} is missing: install libcli11-dev and nlohmann-json3-dev")
    endif()
    file(CREATE_LINK /usr/include/${dir} ${KORVAN_STAGED_INCLUDE}/${dir} SYMBOLIC)
  endif()
endforeach()
add_library(third_party_headers INTERFACE)
target_include_directories(third_party_headers SYSTEM INTERFACE ${KORVAN_STAGED_INCLUDE})

if(CMAKE_CROSSCOMPILING)
  # GoogleTest built from the sources Debian ships, with the cross compiler.
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
else()
  find_package(GTest REQUIRED)
  find_package(benchmark QUIET)
endif()

# Registers a GoogleTest program as one test; under the cross build it runs through Wine.
function(korvan_add_gtest name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE GTest::gtest_main)
  if(WIN32)
    target_link_options(${name} PRIVATE -static)  # no MinGW runtime DLLs under Wine
  endif()
  add_test(NAME ${name} COMMAND ${name})
endfunction()
