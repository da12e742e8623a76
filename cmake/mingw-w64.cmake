# Shared part of the Windows toolchains; the including file sets
# QUENDRIX_TRIPLET and QUENDRIX_WINE_LOADER first, and QUENDRIX_THREADS for
# the shipped build.
set(CMAKE_SYSTEM_NAME Windows)

# The test builds use the posix-thread compilers: GoogleTest needs std::mutex,
# which the win32-thread variant lacks. The shipped build uses the win32-thread
# ones, which link no winpthread and so import nothing newer than Windows XP.
# Always by their suffixed names: installing either flips the plain ones.
if(NOT QUENDRIX_THREADS)
  set(QUENDRIX_THREADS posix)
endif()
set(CMAKE_C_COMPILER ${QUENDRIX_TRIPLET}-gcc-${QUENDRIX_THREADS})
set(CMAKE_CXX_COMPILER ${QUENDRIX_TRIPLET}-g++-${QUENDRIX_THREADS})
set(CMAKE_RC_COMPILER ${QUENDRIX_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${QUENDRIX_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# One self-contained .exe: no libstdc++, libgcc or winpthread DLLs. No link
# time in the PE header, so that the same sources give the same file.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -Wl,--no-insert-timestamp")

# ctest runs the Windows programs under Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR ${QUENDRIX_WINE_LOADER})
