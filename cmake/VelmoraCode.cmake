# Build settings shared by every target of the system.

# Sanitizers for a whole build directory: -DVELMORA_SANITIZE=address,undefined or =thread.
set(VELMORA_SANITIZE "" CACHE STRING "Sanitizers to build with (address,undefined | thread)")
if(VELMORA_SANITIZE)
  add_compile_options(-fsanitize=${VELMORA_SANITIZE} -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=${VELMORA_SANITIZE})
  string(REPLACE "," "+" VELMORA_TEST_PREFIX "${VELMORA_SANITIZE}:")
else()
  set(VELMORA_TEST_PREFIX "")
endif()

# The fuzz build: every object carries the fuzzer's coverage hooks and the
# address and undefined-behaviour sanitizers; fuzz targets link the fuzzer
# itself with -fsanitize=fuzzer.
if(VELMORA_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "VELMORA_FUZZ needs clang (CC=clang CXX=clang++)")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
                      -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
endif()

# Test programs a build directory builds and registers; empty means every one.
# A sanitizer build that covers one part names that part's test programs.
set(VELMORA_TESTS "" CACHE STRING "Test programs to register (empty: all)")

# The system's texts are Shift-JIS bytes: sources are UTF-8, narrow literals come out as CP932.
# clang knows no CP932: the fuzz build takes only sources whose literals are
# plain ASCII, the same bytes either way (parvell/db/fuzz checks it).
function(velmora_code target)
  if(VELMORA_FUZZ)
    target_compile_options(${target} PRIVATE -Wall -Wextra)
  else()
    target_compile_options(${target} PRIVATE
      -finput-charset=UTF-8 -fexec-charset=CP932 -Wall -Wextra)
  endif()
endfunction()

# A GoogleTest executable registered with CTest; GUI tests run on the offscreen platform.
#   velmora_gtest(name [QT] SOURCES a.cpp b.cpp LIBS lib1 lib2 [ENV VAR=value ...])
# QT: the test program runs inside one QApplication (widget tests).
function(velmora_gtest name)
  cmake_parse_arguments(T "QT" "" "SOURCES;LIBS;ENV" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  velmora_code(${name})
  if(T_QT)
    list(APPEND T_LIBS testsupport_qt)
  endif()
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main GTest::gmock)
  if(VELMORA_TESTS AND NOT name IN_LIST VELMORA_TESTS)
    set_target_properties(${name} PROPERTIES EXCLUDE_FROM_ALL ON)
    return()
  endif()
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    TEST_PREFIX "${VELMORA_TEST_PREFIX}"
    NO_PRETTY_VALUES
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;${T_ENV}")
endfunction()

include(VersionResource)
include(BitmapResource)
include(RunFolder)

# A shared library of the system: it exports only the names of its export
# map (a linker version script), carries its version resource and is built
# into the run folder beside the programs.
function(velmora_shared_library target exports_map)
  set_target_properties(${target} PROPERTIES
    CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON
    LINK_DEPENDS ${exports_map})
  target_link_options(${target} PRIVATE -Wl,--version-script=${exports_map})
  velmora_version_resource(${target})
  velmora_run_folder(${target})
endfunction()
