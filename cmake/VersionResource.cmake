# Version resources: every program and shared library carries its own, made
# from the project's four-number version (the fourth is the build number).
# The resource is an ELF note found through the module's program headers
# (platform/version), so it adds no dynamic symbol.
#   velmora_version_resource(target [VERSION a.b.c.d])
set(VELMORA_VERSION_RESOURCE_TEMPLATE
    ${CMAKE_CURRENT_LIST_DIR}/../platform/version/version_resource.cpp.in)
set(VELMORA_VERSION_RESOURCE_INCLUDES
    ${CMAKE_CURRENT_LIST_DIR}/../platform/version/include
    ${CMAKE_CURRENT_LIST_DIR}/../platform/include)

function(velmora_version_resource target)
  cmake_parse_arguments(VR "" "VERSION" "" ${ARGN})
  if(NOT VR_VERSION)
    set(VR_VERSION ${CMAKE_PROJECT_VERSION})
  endif()
  string(REPLACE "." ";" parts "${VR_VERSION}")
  list(LENGTH parts count)
  if(count GREATER 4)
    message(FATAL_ERROR "${target}: version ${VR_VERSION} has more than four numbers")
  endif()
  while(count LESS 4)
    list(APPEND parts 0)
    math(EXPR count "${count} + 1")
  endwhile()
  list(GET parts 0 VR_MAJOR)
  list(GET parts 1 VR_MINOR)
  list(GET parts 2 VR_RELEASE)
  list(GET parts 3 VR_BUILD)
  foreach(part IN ITEMS ${VR_MAJOR} ${VR_MINOR} ${VR_RELEASE} ${VR_BUILD})
    if(NOT part MATCHES "^[0-9]+$" OR part GREATER 65535)
      message(FATAL_ERROR "${target}: version ${VR_VERSION} needs four numbers of 0 to 65535")
    endif()
  endforeach()

  get_target_property(type ${target} TYPE)
  if(type STREQUAL "EXECUTABLE")
    set(VR_FILE_TYPE VFT_APP)
  elseif(type STREQUAL "SHARED_LIBRARY" OR type STREQUAL "MODULE_LIBRARY")
    set(VR_FILE_TYPE VFT_DLL)
  else()
    message(FATAL_ERROR "${target}: only programs and shared libraries carry a version resource")
  endif()

  set(VR_TARGET ${target})
  set(source ${CMAKE_CURRENT_BINARY_DIR}/${target}_version_resource.cpp)
  configure_file(${VELMORA_VERSION_RESOURCE_TEMPLATE} ${source} @ONLY)
  target_sources(${target} PRIVATE ${source})
  set_source_files_properties(${source} PROPERTIES
    INCLUDE_DIRECTORIES "${VELMORA_VERSION_RESOURCE_INCLUDES}")
endfunction()
