# Shared part of the two Windows toolchains; the including file sets
# QUENDRIX_TRIPLET and QUENDRIX_WINE_LOADER first.
set(CMAKE_SYSTEM_NAME Windows)

# The posix-thread compilers: GoogleTest needs std::mutex, which the
# win32-thread variant lacks.
set(CMAKE_C_COMPILER ${QUENDRIX_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QUENDRIX_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${QUENDRIX_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${QUENDRIX_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# One self-contained .exe: no libstdc++, libgcc or winpthread DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# ctest runs the Windows programs under Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR ${QUENDRIX_WINE_LOADER})
