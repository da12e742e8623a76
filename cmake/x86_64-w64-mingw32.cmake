# The same sources for 64-bit Windows, so that the Windows tests run under
# Wine on machines whose kernel runs no 32-bit code (32-bit Wine cannot start
# there). Nothing of this build is shipped.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(QUENDRIX_TRIPLET x86_64-w64-mingw32)
set(QUENDRIX_WINE_LOADER /usr/lib/wine/wine64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
