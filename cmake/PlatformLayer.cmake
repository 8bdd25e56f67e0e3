# The platform layers: small static libraries of our own in place of the
# desktop platform's services, one folder each under platform/, listed in
# platform/CMakeLists.txt.
#
#   velmora_platform_layer(name
#     SOURCES file...                the layer's sources
#     [QT component...]              Qt modules the layer builds on (linked publicly)
#     [AUTOMOC]                      the layer declares Q_OBJECT classes
#     [PUBLIC item...]               further libraries its headers need
#     [PRIVATE item...]              further libraries its sources need
#     [TESTS file...]                sources of its test program name_tests
#     [TEST_QT component...]         Qt modules the tests use besides the layer's
#     [TEST_LIBS item...]            further libraries of the tests
#     [GUI_TESTS])                   the tests run inside one QApplication
#
# Declares the library platform_<name> with the system's code settings, the
# folder's include/ as its public headers and the platform's basic types, adds
# it to the umbrella target platform_layers, and declares its test program
# with velmora_gtest() (so that VELMORA_TESTS selects it like any other).
function(velmora_platform_layer name)
  cmake_parse_arguments(L "AUTOMOC;GUI_TESTS" ""
    "SOURCES;QT;PUBLIC;PRIVATE;TESTS;TEST_QT;TEST_LIBS" ${ARGN})
  if(NOT L_SOURCES)
    message(FATAL_ERROR "velmora_platform_layer(${name}) needs SOURCES")
  endif()
  set(target platform_${name})
  if(L_QT OR L_TEST_QT)
    find_package(Qt6 REQUIRED COMPONENTS ${L_QT} ${L_TEST_QT})
  endif()
  list(TRANSFORM L_QT PREPEND Qt6:: OUTPUT_VARIABLE qt_libs)
  list(TRANSFORM L_TEST_QT PREPEND Qt6:: OUTPUT_VARIABLE test_qt_libs)

  add_library(${target} STATIC ${L_SOURCES})
  velmora_code(${target})
  if(L_AUTOMOC)
    set_target_properties(${target} PROPERTIES AUTOMOC ON)
  endif()
  target_include_directories(${target} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/include)
  target_link_libraries(${target}
    PUBLIC platform_types ${qt_libs} ${L_PUBLIC}
    PRIVATE ${L_PRIVATE})
  target_link_libraries(platform_layers INTERFACE ${target})

  if(L_TESTS AND NOT VELMORA_FUZZ)
    set(gui)
    if(L_GUI_TESTS)
      set(gui QT)
    endif()
    velmora_gtest(${name}_tests ${gui}
      SOURCES ${L_TESTS}
      LIBS ${target} ${L_TEST_LIBS} ${test_qt_libs})
  endif()
endfunction()
