# trainer_layer(NAME [DEPS lib...])
# Builds the static library NAME from every .cpp file of the calling folder
# and its subfolders (a folder's subfolders group its files by topic; they
# are not libraries of their own). A folder with no sources yet becomes an interface
# library so that the layers above can already name it.
function(trainer_layer name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(sources)
    add_library(${name} STATIC ${sources})
    target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  else()
    add_library(${name} INTERFACE)
    target_link_libraries(${name} INTERFACE ${ARG_DEPS})
  endif()
endfunction()

# trainer_test(NAME SOURCES_DIR DEPS lib...)
# One GoogleTest executable per folder of tests. CTest lists every test case
# of it on its own (discovered when ctest runs, so building does not run the
# tests), so a failing run names the case that failed.
include(GoogleTest)
function(trainer_test name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gtest_main)
  # GoogleTest's header is about half of a test file's compile time: read once
  # per test program.
  target_precompile_headers(${name} PRIVATE <gtest/gtest.h> <string> <vector> <memory>)
  # The tests' own code spends little time of its own, so it is compiled one
  # step lighter than the code under test, which keeps the build's flags:
  # -O1 in the optimised builds, -O0 in the Debug builds (the sanitizer build
  # optimises its libraries at -O1). Optimising GoogleTest's macros, more so
  # with the sanitizers' checks, doubles the time the test programs take to build.
  target_compile_options(${name} PRIVATE $<IF:$<CONFIG:Debug>,-O0,-O1>)
  gtest_discover_tests(${name}
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    TEST_PREFIX "${name}."
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60)
endfunction()
