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

# The system's texts are Shift-JIS bytes: sources are UTF-8, narrow literals come out as CP932.
function(velmora_code target)
  target_compile_options(${target} PRIVATE
    -finput-charset=UTF-8 -fexec-charset=CP932 -Wall -Wextra)
endfunction()

# A GoogleTest executable registered with CTest; GUI tests run on the offscreen platform.
#   velmora_gtest(name [QT] SOURCES a.cpp b.cpp LIBS lib1 lib2 [ENV VAR=value ...])
# QT: the test program runs inside one QApplication (widget tests).
function(velmora_gtest name)
  cmake_parse_arguments(T "QT" "" "SOURCES;LIBS;ENV" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  velmora_code(${name})
  if(T_QT)
    set(test_main velmora_qt_test_main)
  else()
    set(test_main GTest::gtest_main)
  endif()
  target_link_libraries(${name} PRIVATE ${T_LIBS} ${test_main} GTest::gtest GTest::gmock)
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    TEST_PREFIX "${VELMORA_TEST_PREFIX}"
    NO_PRETTY_VALUES
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;${T_ENV}")
endfunction()

include(VersionResource)
