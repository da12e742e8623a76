# The shipped build: 32-bit Windows with the win32-thread compilers.
set(QUENDRIX_THREADS win32)
include(${CMAKE_CURRENT_LIST_DIR}/i686-w64-mingw32.cmake)
