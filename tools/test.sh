#!/usr/bin/env bash
# Runs every test: native engine tests, the same under AddressSanitizer and
# UndefinedBehaviorSanitizer, a bounded fuzz run, then every Windows test under
# Wine and a short soak run. Installs whatever is missing first.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/build.sh"

ensure_packages
ensure_gbk_locale

say "native build"
build_native
status=0
ctest --test-dir "$QUENDRIX_ROOT/build/native" --output-on-failure -j2 || status=1

say "Windows builds"
build_windows i686
build_windows x86_64

start_display
cleanup() { wineserver -k 2>/dev/null || true; stop_display; }
trap cleanup EXIT
ensure_prefix "$QUENDRIX_CACHE/wine-test" desktop
wineserver -p 2>/dev/null || true  # keep one server for all the test processes
# The first Wine process of a session starts Wine's background services
# (desktop, devices), which inherit its output: under ctest they would hold
# that test's output pipe open until its timeout. A throwaway first process
# with its output elsewhere starts them instead. A test that still times out
# is tried again.
timeout 30 "$QUENDRIX_WINE64" "$(windows_build_dir x86_64)/tests/window_unit_tests.exe" --gtest_list_tests \
    >/dev/null 2>&1 || true
retry=(--repeat after-timeout:2)

# The 32-bit build is the one shipped; Wine can run it only where the kernel
# runs 32-bit code. The 64-bit build runs the same tests on the same sources.
if can_run_32bit; then
    say "Windows tests, 32-bit, under Wine"
    ctest --test-dir "$(windows_build_dir i686)" --output-on-failure -j2 "${retry[@]}" || status=1
else
    say "this machine runs no 32-bit code: the 32-bit tests are built, not run"
fi
say "Windows tests, 64-bit, under Wine"
ctest --test-dir "$(windows_build_dir x86_64)" --output-on-failure -j2 "${retry[@]}" || status=1

# A short soak: seeded random real input against Quendrix.exe, once the other
# Windows tests are done, as it needs a desktop to itself.
say "short soak"
bash "$QUENDRIX_ROOT/tools/soak.sh" --events 300 --seed 1 || status=1
exit "$status"
