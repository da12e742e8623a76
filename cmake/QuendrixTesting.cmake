# One helper per kind of test target.
include(GoogleTest)

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
    set(T_TIMEOUT 120)
  endif()
  set(lock "")
  if(T_SERIAL)
    set(lock RESOURCE_LOCK desktop)
  endif()
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main)
  if(T_PER_TEST_PROCESS)
    gtest_discover_tests(${name}
      DISCOVERY_MODE PRE_TEST
      DISCOVERY_TIMEOUT 60
      TEST_PREFIX "${name}."
      PROPERTIES TIMEOUT ${T_TIMEOUT} LABELS "${T_LABELS}" ${lock})
  else()
    add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
    set_tests_properties(${name} PROPERTIES TIMEOUT ${T_TIMEOUT} LABELS "${T_LABELS}" ${lock})
  endif()
endfunction()
