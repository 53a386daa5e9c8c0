# Adds every subfolder of the current folder that holds a CMakeLists.txt: each area keeps its
# tests, benchmarks and fuzz targets in a folder of its own.
function(korvan_add_subfolders)
  file(GLOB sub_dirs LIST_DIRECTORIES true CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*)
  foreach(dir ${sub_dirs})
    if(IS_DIRECTORY ${dir} AND EXISTS ${dir}/CMakeLists.txt)
      add_subdirectory(${dir})
    endif()
  endforeach()
endfunction()
