# Builds a module's bitmaps and waves from its resource list with tools/gen_bitmaps.py: for
# Windows a resource script that windres compiles into the module, natively a C++ table that
# registers the same bytes with the platform layer. Sets OUT_VAR to the file to add to the module;
# the BMP files land in OUT_DIR/bitmaps.
function(korvan_module_resources LIST_FILE OUT_DIR OUT_VAR)
  get_filename_component(stem ${LIST_FILE} NAME_WE)
  if(WIN32)
    set(output ${OUT_DIR}/${stem}.rc)
    set(kind --rc)
  else()
    set(output ${OUT_DIR}/${stem}_resources.cpp)
    set(kind --cpp)
  endif()
  set(generator ${PROJECT_SOURCE_DIR}/tools/gen_bitmaps.py)
  add_custom_command(OUTPUT ${output}
    COMMAND Python3::Interpreter ${generator} --list ${LIST_FILE} --out-dir ${OUT_DIR}
            ${kind} ${output} --depfile ${output}.d
    DEPENDS ${LIST_FILE} ${generator} ${PROJECT_SOURCE_DIR}/tools/generated_files.py
    DEPFILE ${output}.d
    COMMENT "Generating the resources of ${stem}")
  set(${OUT_VAR} ${output} PARENT_SCOPE)
endfunction()
