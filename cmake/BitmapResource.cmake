# Bitmap resources: a module carries a bitmap under a name, found at run time
# with load_bitmap_resource() (platform/bitmap). The resource is an ELF note
# of the kind platform/version's resources are (resource_note.h), type
# RT_BITMAP (2), holding the bitmap file's bytes after its file header.
#   velmora_bitmap_resource(target NAME name FILE file.bmp [DEPENDS targets...])
#   velmora_emblem(target): the maker's emblem "EMBLEM" (165 x 22, 8 bits per
#   pixel), drawn at build time by data/artwork, as both programs print it.
set(VELMORA_BITMAP_RESOURCE_TEMPLATE ${CMAKE_CURRENT_LIST_DIR}/bitmap_resource.cpp.in)
set(VELMORA_EMBLEM_BITMAP ${CMAKE_BINARY_DIR}/data/resources/emblem.bmp)

function(velmora_bitmap_resource target)
  cmake_parse_arguments(BR "" "NAME;FILE" "DEPENDS" ${ARGN})
  if(NOT BR_NAME MATCHES "^[A-Za-z0-9_]+$")
    message(FATAL_ERROR "${target}: a bitmap resource needs a plain NAME")
  endif()
  if(NOT IS_ABSOLUTE "${BR_FILE}")
    message(FATAL_ERROR "${target}: the bitmap FILE of ${BR_NAME} needs an absolute path")
  endif()
  set(BR_TARGET ${target})
  set(source ${CMAKE_CURRENT_BINARY_DIR}/${target}_bitmap_${BR_NAME}.cpp)
  configure_file(${VELMORA_BITMAP_RESOURCE_TEMPLATE} ${source} @ONLY)
  target_sources(${target} PRIVATE ${source})
  set_source_files_properties(${source} PROPERTIES OBJECT_DEPENDS ${BR_FILE})
  if(BR_DEPENDS)
    add_dependencies(${target} ${BR_DEPENDS})
  endif()
endfunction()

function(velmora_emblem target)
  velmora_bitmap_resource(${target} NAME EMBLEM FILE ${VELMORA_EMBLEM_BITMAP}
    DEPENDS velmora_emblem_bitmap)
endfunction()
