# 32-bit Windows, as shipped; the test build of it.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(QUENDRIX_TRIPLET i686-w64-mingw32)
set(QUENDRIX_WINE_LOADER /usr/bin/wine)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
