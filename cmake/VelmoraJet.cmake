# Jet database files built from source texts at build time (tools/jetwriter).
#
#   velmora_jet_database(TARGET name SOURCE file OUTPUT path
#                        [PASSWORD text] [FILES_DIR dir] [DEPENDS item...])
#
# Builds path with jetwrite whenever the source or a file it names changes
# (jetwrite writes a depfile); the target `name` builds it as part of ALL,
# and its property JET_DATABASE holds path. FILES_DIR is the folder that the
# source's file(...) values are relative to (default: the source's folder);
# DEPENDS adds targets or files that must be made first, such as generated
# pictures.
function(velmora_jet_database)
  cmake_parse_arguments(J "" "TARGET;SOURCE;OUTPUT;PASSWORD;FILES_DIR" "DEPENDS" ${ARGN})
  if(NOT J_TARGET OR NOT J_SOURCE OR NOT J_OUTPUT)
    message(FATAL_ERROR "velmora_jet_database needs TARGET, SOURCE and OUTPUT")
  endif()
  get_filename_component(source ${J_SOURCE} ABSOLUTE)
  get_filename_component(output ${J_OUTPUT} ABSOLUTE BASE_DIR ${CMAKE_CURRENT_BINARY_DIR})
  get_filename_component(output_dir ${output} DIRECTORY)
  set(options)
  if(DEFINED J_PASSWORD)
    list(APPEND options --password "${J_PASSWORD}")
  endif()
  if(J_FILES_DIR)
    get_filename_component(files_dir ${J_FILES_DIR} ABSOLUTE)
    list(APPEND options --files ${files_dir})
  endif()
  string(MAKE_C_IDENTIFIER "${J_TARGET}" depname)
  set(depfile ${CMAKE_CURRENT_BINARY_DIR}/${depname}.d)
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${output_dir}
    COMMAND jetwrite ${options} --depfile ${depfile} ${source} ${output}
    DEPENDS jetwrite ${source} ${J_DEPENDS}
    DEPFILE ${depfile}
    COMMENT "Writing Jet database ${J_OUTPUT}"
    VERBATIM)
  add_custom_target(${J_TARGET} ALL DEPENDS ${output})
  set_target_properties(${J_TARGET} PROPERTIES JET_DATABASE ${output})
endfunction()
