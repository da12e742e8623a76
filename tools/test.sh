#!/usr/bin/env bash
# Runs every test: native engine tests, the same under AddressSanitizer and
# UndefinedBehaviorSanitizer, 10 s of fuzzing a target, the shipped build with
# the checks of its file, of its reproducibility and of signing, then the
# Windows tests of the build this machine runs under Wine (Windows 7, and XP,
# 10 and three screen scales for the process tests) and a short soak run.
# Installs whatever is missing first.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/build.sh"

ensure_packages
ensure_gbk_locale

say "native build"
build_native
status=0
ctest --test-dir "$QUENDRIX_ROOT/build/native" --output-on-failure -j2 || status=1

say "the shipped build"
if zip="$(bash "$QUENDRIX_ROOT/tools/release.sh" | tail -n 1)"; then
    # The same zip from a copy of the sources at another path, made later, in
    # another time zone.
    copy="$(mktemp -d)"
    mkdir "$copy/sources"
    tar -C "$QUENDRIX_ROOT" --exclude=./build --exclude=./.git -cf - . | tar -C "$copy/sources" -xf -
    first="$(sha256sum < "$zip" | cut -d' ' -f1)" again=none
    if copied="$(TZ=CST-8 bash "$copy/sources/tools/release.sh" 2>"$copy/release.log" | tail -n 1)"; then
        again="$(sha256sum < "$copied" | cut -d' ' -f1)"
    fi
    if [ "$again" = "$first" ]; then
        say "reproducible: $first from $QUENDRIX_ROOT and from $copy/sources"
    else
        cat "$copy/release.log" >&2
        say "NOT reproducible: $first from $QUENDRIX_ROOT, $again from $copy/sources"
        status=1
    fi
    # A signed release, rebuilt from its signature alone at the other path.
    if [ "$again" != none ]; then
        bash "$QUENDRIX_ROOT/tests/release/signing_test.sh" "$copy/sources" || status=1
    fi
    rm -rf "$copy"
else
    status=1
fi

# The Windows tests of the build this machine runs: the 32-bit one, whose
# process tests start the shipped Quendrix.exe, or, where the kernel runs no
# 32-bit code and 32-bit Wine cannot start, the 64-bit build of the same
# sources. The shipped file is built and checked as a file above either way.
choose_runnable_build "the Windows tests run on"
build="$(windows_build_dir "$arch")"
say "Windows test build, $arch"
build_windows "$arch" --target all soak_driver  # the driver of the soak at the end too

start_display
trap 'if [ -n "${WINEPREFIX:-}" ]; then wineserver -k 2>/dev/null || true; fi; stop_display' EXIT

say "Windows tests, $arch, under Wine (Windows 7)"
run_windows_tests "$QUENDRIX_CACHE/wine-test" "" 6.1 "$build"
if [ "$arch" = i686 ]; then
    say "the shipped Quendrix.exe as a process under Windows XP"
    run_windows_tests "$QUENDRIX_CACHE/wine-test-xp" winxp 5.1.2600 "$build" -L process
    say "the shipped Quendrix.exe as a process under Windows 10"
    run_windows_tests "$QUENDRIX_CACHE/wine-test-10" win10 10.0 "$build" -L process
else
    say "so the shipped 32-bit Quendrix.exe is built and checked as a file, not run: not under Windows 7, XP or 10"
fi

# The program at larger screen scales.
run_scaled_tests "$build" 120 144 192

# A short soak: seeded random real input against the shipped Quendrix.exe,
# once the other Windows tests are done, as it needs a desktop to itself.
say "short soak"
bash "$QUENDRIX_ROOT/tools/soak.sh" --events 300 --seed 1 || status=1
exit "$status"
