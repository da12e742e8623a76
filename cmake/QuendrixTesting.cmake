# One helper per kind of test target.

include(GoogleTest)

# Builds GoogleTest from the sources Debian ships, for whichever compiler is in use.
macro(quendrix_use_googletest)
  set(gtest_disable_pthreads ${WIN32} CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  # GoogleTest's own speed does not matter, and its one large source file,
  # optimised, was the longest step of every test build.
  target_compile_options(gtest PRIVATE -O0)
  target_compile_options(gtest_main PRIVATE -O0)
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
  # The tests' own code unoptimised, which builds in half the time; what they
  # test comes optimised from the libraries they link.
  target_compile_options(${name} PRIVATE -O0)
  if(T_PER_TEST_PROCESS)
    # CMake's own scan of the sources for TEST, TEST_F and TEST_P, not a
    # listing by running the program: that would start Wine while ctest
    # starts, and one slow start there would stop the whole run.
    gtest_add_tests(TARGET ${name} SOURCES ${T_SOURCES} TEST_PREFIX ${name}. EXTRA_ARGS --gtest_brief=1
                    TEST_LIST tests)
    set_tests_properties(${tests} PROPERTIES
      TIMEOUT ${T_TIMEOUT} LABELS "${T_LABELS}" ${lock}
      FAIL_REGULAR_EXPRESSION "0 tests from 0 test suites ran")
  else()
    add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
    set_tests_properties(${name} PROPERTIES TIMEOUT ${T_TIMEOUT} LABELS "${T_LABELS}" ${lock})
  endif()
endfunction()
