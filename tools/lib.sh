# Shared helpers for the project's scripts: sourced, never run on its own.
# Everything here is idempotent, so every script can call it on every run.

QUENDRIX_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
QUENDRIX_CACHE="${QUENDRIX_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/quendrix}"

# Debian packages the build, the tests and the run need.
QUENDRIX_PACKAGES=(
    cmake ninja-build python3 locales x11-utils xdotool imagemagick
    clang libclang-rt-14-dev googletest libgtest-dev libbenchmark-dev
    g++-mingw-w64-i686-posix g++-mingw-w64-i686-win32 binutils-mingw-w64-i686
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 zip osslsigncode openssl
    wine wine32:i386 wine64 xvfb fonts-arphic-uming fonts-wqy-microhei fonts-wine
)

# Wine's 64-bit loader, called directly: the "wine" wrapper always prefers the
# 32-bit one, which cannot start where the kernel runs no 32-bit code.
QUENDRIX_WINE64=/usr/lib/wine/wine64

# True when this machine can run 32-bit programs, and so Wine can run the
# 32-bit Quendrix.exe. Some virtual machines switch 32-bit support off.
can_run_32bit() {
    /usr/lib/wine/wine --version >/dev/null 2>&1
}

# Sets arch and loader to the Windows build this machine runs: the shipped
# 32-bit one, or, where 32-bit code cannot run, the 64-bit build of the same
# sources, saying so ("$1": what is done with it, such as "starting").
choose_runnable_build() {
    if can_run_32bit; then
        arch=i686 loader=/usr/bin/wine
    else
        arch=x86_64 loader="$QUENDRIX_WINE64"
        say "this machine runs no 32-bit code: $1 the 64-bit build"
    fi
}

say() { printf '[quendrix] %s\n' "$*" >&2; }
fail() { say "error: $*"; exit 1; }

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

package_installed() {
    dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'
}

ensure_packages() {
    local missing=() p
    for p in "${QUENDRIX_PACKAGES[@]}"; do
        package_installed "$p" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    say "installing: ${missing[*]}"
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        as_root dpkg --add-architecture i386
    fi
    as_root apt-get update -qq
    DEBIAN_FRONTEND=noninteractive as_root apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
}

# glibc has no locale called "chs"; the text bridge falls back to a GBK one.
ensure_gbk_locale() {
    locale -a 2>/dev/null | grep -qi '^zh_CN\.gbk$' && return 0
    say "generating the zh_CN.GBK locale"
    if ! grep -q '^zh_CN.GBK GBK' /etc/locale.gen 2>/dev/null; then
        echo 'zh_CN.GBK GBK' | as_root tee -a /etc/locale.gen >/dev/null
    fi
    as_root locale-gen >/dev/null
}

# Starts Xvfb on a free display unless DISPLAY is already set.
# Only a server started here is stopped by stop_display.
QUENDRIX_XVFB_PID=""
start_display() {
    if [ -n "${DISPLAY:-}" ]; then return 0; fi
    local n=90
    while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    QUENDRIX_XVFB_PID=$!
    export DISPLAY=":$n"
    local i
    for i in $(seq 1 100); do
        xdpyinfo >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    say "Xvfb did not come up on $DISPLAY"
    return 1
}

stop_display() {
    if [ -n "$QUENDRIX_XVFB_PID" ]; then
        kill "$QUENDRIX_XVFB_PID" 2>/dev/null || true
        wait "$QUENDRIX_XVFB_PID" 2>/dev/null || true
        QUENDRIX_XVFB_PID=""
        unset DISPLAY
    fi
}

# Writes a .reg file as regedit wants it: UTF-16 with a byte-order mark,
# so the Chinese font name survives.
write_reg() {
    local out="$1"
    { printf '\xff\xfe'; iconv -f UTF-8 -t UTF-16LE; } > "$out"
}

# Bump when the prefix settings below change, so existing prefixes are redone.
QUENDRIX_PREFIX_VERSION=5

# ensure_prefix DIR [desktop] [winxp|win10]: a Wine prefix that shows Quendrix
# as Windows would, with unmanaged windows; with "desktop", every program runs
# in a 1024x768 virtual desktop (deterministic activation and focus without a
# window manager); with a Windows version, Wine reports that version instead
# of its default, Windows 7. Sets WINEPREFIX and the rest for Wine, and
# QUENDRIX_LOADER to the loader that starts programs in this prefix.
ensure_prefix() {
    local prefix="$1" mode="${2:-}" version="${3:-}"
    local stamp="$prefix/.quendrix-prefix-$QUENDRIX_PREFIX_VERSION-$mode-$version"
    # Wine offers Windows XP only to 32-bit prefixes.
    if [ "$version" = winxp ]; then
        export WINEARCH=win32 QUENDRIX_LOADER=/usr/bin/wine
    else
        export WINEARCH=win64 QUENDRIX_LOADER="$QUENDRIX_WINE64"
    fi
    export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    [ -f "$stamp" ] && return 0
    say "preparing the Wine prefix $prefix"
    mkdir -p "$prefix"
    "$QUENDRIX_LOADER" wineboot -i >/dev/null 2>&1
    wineserver -w
    # This Debian Wine does not load its own fonts folder: without Marlett
    # the caption buttons draw "0 1 r". Not its Tahoma, which would stop the
    # replacement below.
    cp /usr/share/wine/fonts/marlett.ttf "$prefix/drive_c/windows/Fonts/"
    local reg="$prefix/quendrix-settings.reg"
    {
        printf 'Windows Registry Editor Version 5.00\r\n\r\n'
        # 宋体 as a Song face like the one Windows ships; Tahoma, Wine's menu
        # and caption font, as a Hei face that also has Chinese glyphs.
        printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
        printf '"宋体"="AR PL UMing CN"\r\n"SimSun"="AR PL UMing CN"\r\n'
        printf '"Tahoma"="WenQuanYi Micro Hei"\r\n\r\n'
        printf '[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\r\n"Managed"="N"\r\n\r\n'
        if [ "$mode" = desktop ]; then
            printf '[HKEY_CURRENT_USER\\Software\\Wine\\Explorer]\r\n"Desktop"="Default"\r\n\r\n'
            printf '[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops]\r\n"Default"="1024x768"\r\n\r\n'
        fi
    } | write_reg "$reg"
    "$QUENDRIX_LOADER" regedit /S "$reg" >/dev/null 2>&1
    if [ -n "$version" ]; then
        "$QUENDRIX_LOADER" winecfg -v "$version" >/dev/null 2>&1
    fi
    wineserver -w
    rm -f "$prefix"/.quendrix-prefix-*
    touch "$stamp"
}

# copy_prefix SOURCE COPY [desktop] [version]: a fresh copy of the prefix
# SOURCE (prepared first, as ensure_prefix does with the same mode and
# version), for a run that changes settings of its own. Sets WINEPREFIX to it.
copy_prefix() {
    local source="$1" copy="$2" mode="${3:-}" version="${4:-}"
    ensure_prefix "$source" "$mode" "$version"
    wineserver -k 2>/dev/null || true  # the source's registry is all on disk
    wineserver -w 2>/dev/null || true
    rm -rf "$copy"
    # Wine writes some of a prefix's files in place, the registry above all,
    # so everything is copied but the system folders' DLLs, which nothing run
    # here writes: those are hard links.
    local system=(drive_c/windows/system32 drive_c/windows/syswow64) dir
    mkdir -p "$copy"
    tar -C "$source" "${system[@]/#/--exclude=./}" -cf - . | tar -C "$copy" -xf -
    for dir in "${system[@]}"; do
        if [ -d "$source/$dir" ]; then cp -al "$source/$dir" "$copy/$dir"; fi
    done
    export WINEPREFIX="$copy"
}

# copy_prefix_at_dpi SOURCE COPY DPI [desktop] [version]: such a copy whose
# screen scale is DPI dots per inch, as Windows' display setting gives it (96
# is 100%); programs started in it lay themselves out for that DPI. Its Wine
# server runs on, and the programs started next read the DPI from it.
copy_prefix_at_dpi() {
    local dpi="$3"
    copy_prefix "$1" "$2" "${4:-}" "${5:-}"
    {
        printf 'Windows Registry Editor Version 5.00\r\n\r\n'
        printf '[HKEY_CURRENT_USER\\Control Panel\\Desktop]\r\n"LogPixels"=dword:%08x\r\n\r\n' "$dpi"
        printf '[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Hardware Profiles\\Current\\Software\\Fonts]\r\n'
        printf '"LogPixels"=dword:%08x\r\n' "$dpi"
    } | write_reg "$WINEPREFIX/quendrix-dpi.reg"
    "$QUENDRIX_LOADER" regedit /S "$WINEPREFIX/quendrix-dpi.reg" >/dev/null 2>&1
}

# run_windows_tests PREFIX VERSION EXPECTED BUILD [ctest arguments]: the tests
# of one Windows build in a prefix of its own that reports Windows VERSION
# (default: Wine's, Windows 7), once `ver` says EXPECTED. Needs a display
# (start_display). Sets the caller's status to 1 when a test fails or the
# prefix is not that Windows; ends the prefix's Wine processes afterwards.
run_windows_tests() {
    local prefix="$1" version="$2" expected="$3" build="$4"; shift 4
    ensure_prefix "$prefix" desktop "$version"
    wineserver -p 2>/dev/null || true  # one server for all the test processes
    # The first Wine process of a session starts Wine's background services
    # (desktop, devices), which inherit its output: under ctest they would
    # hold that test's output pipe open until its timeout. This first process
    # writes to a file instead.
    timeout 60 "$QUENDRIX_LOADER" cmd /c ver >"$prefix/ver.txt" 2>&1 </dev/null || true
    if grep -q "$expected" "$prefix/ver.txt"; then
        # A test that still times out is tried again.
        ctest --test-dir "$build" --output-on-failure -j2 --repeat after-timeout:2 "$@" || status=1
    else
        say "$prefix is not Windows $expected: $(tr -d '\r' < "$prefix/ver.txt")"
        status=1
    fi
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
}

# run_scaled_tests BUILD DPI...: the process test of the window's scale, at
# each DPI in a copy of the test prefix set to it (needs a display, sets the
# caller's status as run_windows_tests does).
run_scaled_tests() {
    local build="$1" dpi; shift
    for dpi in "$@"; do
        say "Quendrix.exe at $dpi DPI"
        copy_prefix_at_dpi "$QUENDRIX_CACHE/wine-test" "$QUENDRIX_CACHE/wine-test-dpi" "$dpi" desktop
        QUENDRIX_EXPECTED_DPI="$dpi" run_windows_tests "$QUENDRIX_CACHE/wine-test-dpi" "" 6.1 "$build" \
            -R 'EndToEndTest\.StandsWholeAtTheScreensScale'
    done
}
