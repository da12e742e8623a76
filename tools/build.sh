# Configures and builds one of the builds; sourced by the other scripts.
#   build_native            engine, its tests, sanitizer tests, fuzzer, benchmark
#   build_release ...       the shipped Quendrix.exe: 32-bit, win32-thread
#                           compilers, Release, static, stripped; with the
#                           checks of its file, and no GoogleTest
#   build_windows ARCH ...  the Windows tests with the posix-thread compilers;
#                           ARCH i686: they start the shipped Quendrix.exe as a
#                           process; ARCH x86_64: the same sources for 64-bit
#                           Windows, which is what runs the Windows tests where
#                           Wine cannot run 32-bit programs
#   configure_windows ARCH  only the configuring step of build_windows
# Further arguments go to cmake --build.

build_native() {
    cmake -S "$QUENDRIX_ROOT" -B "$QUENDRIX_ROOT/build/native" -G Ninja \
        -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$QUENDRIX_ROOT/build/native" "$@"
}

release_build_dir() { echo "$QUENDRIX_ROOT/build/release"; }
shipped_exe() { echo "$(release_build_dir)/app/Quendrix.exe"; }

build_release() {
    cmake -S "$QUENDRIX_ROOT" -B "$(release_build_dir)" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$QUENDRIX_ROOT/cmake/i686-w64-mingw32-win32.cmake" \
        -DCMAKE_BUILD_TYPE=Release -DQUENDRIX_RELEASE=ON >/dev/null
    cmake --build "$(release_build_dir)" "$@"
}

windows_build_dir() { echo "$QUENDRIX_ROOT/build/windows-$1"; }

# After choose_runnable_build: builds the Quendrix.exe this machine runs and
# sets exe to it, the shipped one or the 64-bit build's. Returns the build's
# status.
build_runnable_exe() {
    if [ "$arch" = i686 ]; then
        exe="$(shipped_exe)"
        build_release --target Quendrix >/dev/null
    else
        exe="$(windows_build_dir x86_64)/app/Quendrix.exe"
        build_windows x86_64 --target Quendrix >/dev/null
    fi
}

configure_windows() {
    cmake -S "$QUENDRIX_ROOT" -B "$(windows_build_dir "$1")" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$QUENDRIX_ROOT/cmake/$1-w64-mingw32.cmake" \
        -DCMAKE_BUILD_TYPE=Release -DQUENDRIX_SHIPPED_EXE="$(shipped_exe)" >/dev/null
}

build_windows() {
    local arch="$1"; shift
    configure_windows "$arch"
    cmake --build "$(windows_build_dir "$arch")" "$@"
}
