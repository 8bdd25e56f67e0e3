# The run folder lays the system out as an installed copy has it: programs,
# shared libraries, the product database and its documents side by side.
# `cmake --install` produces the same layout under the install prefix.
set(VELMORA_RUN_DIR ${CMAKE_BINARY_DIR}/run)

# A program or shared library of the system: built into the run folder,
# finding its libraries beside itself.
function(velmora_run_folder target)
  set_target_properties(${target} PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY ${VELMORA_RUN_DIR}
    LIBRARY_OUTPUT_DIRECTORY ${VELMORA_RUN_DIR}
    BUILD_RPATH "$ORIGIN"
    INSTALL_RPATH "$ORIGIN")
  install(TARGETS ${target} RUNTIME DESTINATION . LIBRARY DESTINATION .)
endfunction()

# Copies the files that a data target lists (properties SAMPLE_DIR and
# SAMPLE_FILES) into the run folder, keeping their sub-folders.
function(velmora_run_folder_data data_target)
  get_target_property(dir ${data_target} SAMPLE_DIR)
  get_target_property(files ${data_target} SAMPLE_FILES)
  set(outputs "")
  foreach(file IN LISTS files)
    add_custom_command(OUTPUT ${VELMORA_RUN_DIR}/${file}
      COMMAND ${CMAKE_COMMAND} -E copy_if_different ${dir}/${file} ${VELMORA_RUN_DIR}/${file}
      DEPENDS ${dir}/${file} ${data_target}
      COMMENT "Run folder: ${file}" VERBATIM)
    list(APPEND outputs ${VELMORA_RUN_DIR}/${file})
    get_filename_component(sub ${file} DIRECTORY)
    install(FILES ${dir}/${file} DESTINATION ./${sub})
  endforeach()
  add_custom_target(${data_target}_run_folder ALL DEPENDS ${outputs})
endfunction()
