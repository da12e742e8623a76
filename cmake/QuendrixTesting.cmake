# One helper per kind of test target.

# Builds GoogleTest from the sources Debian ships, for whichever compiler is in use.
macro(quendrix_use_googletest)
  set(gtest_disable_pthreads ${WIN32} CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
endmacro()

# quendrix_add_gtest(NAME SOURCES ... [LIBS ...] [PER_TEST_PROCESS] [SERIAL] [TIMEOUT s] [LABELS ...])
#   One executable linked with gtest_main. By default ctest runs it once as a
#   single test; PER_TEST_PROCESS registers every GoogleTest case as its own
#   ctest test, so each runs in a fresh process (one main window per process).
#   SERIAL keeps these tests from running beside other SERIAL tests: they share
#   one desktop, its focus and its foreground window.
function(quendrix_add_gtest name)
  cmake_parse_arguments(T "PER_TEST_PROCESS;SERIAL" "TIMEOUT" "SOURCES;LIBS;LABELS" ${ARGN})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 60)
  endif()
  set(lock "")
  if(T_SERIAL)
    set(lock RESOURCE_LOCK desktop)
  endif()
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main)
  if(T_PER_TEST_PROCESS)
    # The test names are read from the sources, not by running the program:
    # listing them would start Wine while ctest starts, and one slow start
    # there would stop the whole run.
    quendrix_gtest_names(names ${T_SOURCES})
    foreach(test IN LISTS names)
      add_test(NAME ${name}.${test} COMMAND ${name} --gtest_brief=1 --gtest_filter=${test})
      set_tests_properties(${name}.${test} PROPERTIES
        TIMEOUT ${T_TIMEOUT} LABELS "${T_LABELS}" ${lock}
        FAIL_REGULAR_EXPRESSION "0 tests from 0 test suites ran")
    endforeach()
  else()
    add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
    set_tests_properties(${name} PROPERTIES TIMEOUT ${T_TIMEOUT} LABELS "${T_LABELS}" ${lock})
  endif()
endfunction()

# The GoogleTest filters for the tests defined in the given sources: Suite.Name
# for TEST and TEST_F, *Suite.Name/* for each instance of a TEST_P.
function(quendrix_gtest_names out)
  set(result "")
  foreach(source IN LISTS ARGN)
    get_filename_component(path ${source} ABSOLUTE)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${path})
    file(READ ${path} text)
    set(pattern "TEST(_F|_P)?\\([ \t\r\n]*([A-Za-z0-9_]+)[ \t\r\n]*,[ \t\r\n]*([A-Za-z0-9_]+)[ \t\r\n]*\\)")
    string(REGEX MATCHALL "${pattern}" found "${text}")
    foreach(match IN LISTS found)
      string(REGEX MATCH "${pattern}" parsed "${match}")
      if(CMAKE_MATCH_1 STREQUAL "_P")
        list(APPEND result "*${CMAKE_MATCH_2}.${CMAKE_MATCH_3}/*")
      else()
        list(APPEND result "${CMAKE_MATCH_2}.${CMAKE_MATCH_3}")
      endif()
    endforeach()
  endforeach()
  set(${out} ${result} PARENT_SCOPE)
endfunction()
