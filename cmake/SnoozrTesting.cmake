# snoozr_unit_test(NAME sources...): a GoogleTest executable of the native build.
# snoozr_wine_test(NAME sources...): a GoogleTest executable of the Win32 build, run under Wine;
# or snoozr_wine_test(NAME LABELS labels... SOURCES sources...) to give its tests labels.
function(snoozr_unit_test name)
  if(WIN32)
    return()
  endif()
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE snoozr_test_support GTest::gtest_main)
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60)
endfunction()

function(snoozr_wine_test name)
  if(NOT WIN32)
    return()
  endif()
  cmake_parse_arguments(PARSE_ARGV 1 WINE_TEST "" "" "LABELS;SOURCES")
  if(NOT WINE_TEST_SOURCES)
    set(WINE_TEST_SOURCES ${WINE_TEST_UNPARSED_ARGUMENTS})
  endif()
  add_executable(${name} ${WINE_TEST_SOURCES})
  target_link_libraries(${name} PRIVATE snoozr_wine_support GTest::gtest_main)
  # Each test starts its own stand-in client and program: run them one at a time.
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
                       PROPERTIES RUN_SERIAL TRUE TIMEOUT 300 LABELS "${WINE_TEST_LABELS}"
                       WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
endfunction()
