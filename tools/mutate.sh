#!/usr/bin/env bash
# The mutation check: does the fast part of the suite catch the faults listed
# in tools/mutations.txt? Makes each fault, one at a time, in a copy of the
# sources (build/mutate/sources, with build trees of its own that every fault
# reuses), builds what the fast part needs and runs it: the native engine
# tests, then the Windows tests of the build this machine runs, under Wine as
# tools/test.sh runs them, and the process test of the window's scale at 144
# DPI. A fault is caught when a test fails or the copy no
# longer builds. It runs the suite unmutated first and stops if that fails.
# Not part of the test command: run it before and after changing tests.
#   bash tools/mutate.sh [--only F07 ...]
# Prints one line per fault and, as the last line,
#   mutate: N faults, C caught, S survived
# Progress goes to standard error; each run's build and test output to
# build/mutate/logs/.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/build.sh"

usage() { say "usage: bash tools/mutate.sh [--only F07 ...]"; exit 2; }
only=()
while [ $# -gt 0 ]; do
    case "$1" in
        --only)
            shift
            [ $# -gt 0 ] || usage
            while [ $# -gt 0 ] && [ "${1#--}" = "$1" ]; do only+=("$1"); shift; done ;;
        *) usage ;;
    esac
done

sources_root="$QUENDRIX_ROOT"
mutate_py() { python3 "$sources_root/tools/mutate.py" "$@"; }
list="$sources_root/tools/mutations.txt"

ensure_packages
ensure_gbk_locale
# Every fault's text is checked before anything is built: a stale list stops here.
faults="$(mutate_py check "$list" "$sources_root" "${only[@]}")" || exit 1

work="$sources_root/build/mutate"
logs="$work/logs"
mkdir -p "$work/sources" "$logs"
mutate_py sync "$sources_root" "$work/sources"
# From here on the build functions build the copy, in its own build/.
QUENDRIX_ROOT="$work/sources"

choose_runnable_build "the mutation check tests"
windows="$(windows_build_dir "$arch")"
configure_windows "$arch"
ctest --test-dir "$windows" --show-only=json-v1 > "$work/windows-tests.json"
mapfile -t programs < <(mutate_py programs "$work/windows-tests.json" "$windows")
if [ ${#programs[@]} -eq 0 ]; then
    say "ctest lists no Windows test programs in $windows"
    exit 1
fi

applied=""  # the file holding the fault in force, relative to the sources
restore() {
    if [ -n "$applied" ]; then
        cp "$sources_root/$applied" "$QUENDRIX_ROOT/$applied"
        touch "$QUENDRIX_ROOT/$applied"  # newer than its objects: ninja builds it again
        applied=""
    fi
}
start_display
cleanup() {
    restore
    if [ -n "${WINEPREFIX:-}" ]; then wineserver -k 2>/dev/null || true; fi
    stop_display
}
trap cleanup EXIT

# fast_suite LOG: builds and runs the fast part of the suite on the copy as it
# stands, output to LOG; sets verdict to "passed", "does not build" or the
# first failing test.
fast_suite() {
    local log="$1" native="$QUENDRIX_ROOT/build/native"
    : > "$log"
    verdict="does not build"
    build_native --target engine_tests >> "$log" 2>&1 || return 0
    rm -f "$native/Testing/Temporary/LastTestsFailed.log"
    if ! ctest --test-dir "$native" -R '^engine_tests$' --output-on-failure >> "$log" 2>&1; then
        verdict="$(mutate_py failure "$log" "$native/Testing/Temporary/LastTestsFailed.log") (native)"
        return 0
    fi
    # The Windows tests' programs, and the Quendrix.exe the process tests start.
    { build_runnable_exe && build_windows "$arch" --target "${programs[@]}"; } >> "$log" 2>&1 || return 0
    rm -f "$windows/Testing/Temporary/LastTestsFailed.log"
    status=0
    run_windows_tests "$QUENDRIX_CACHE/wine-test" "" 6.1 "$windows" --stop-on-failure >> "$log" 2>&1
    # One larger screen scale, where the window's scaling shows.
    [ "$status" -ne 0 ] || run_scaled_tests "$windows" 144 >> "$log" 2>&1
    if [ "$status" -ne 0 ]; then
        verdict="$(mutate_py failure "$log" "$windows/Testing/Temporary/LastTestsFailed.log")"
    else
        verdict=passed
    fi
}

say "the unmutated suite ($arch); logs in $logs"
started=$SECONDS
fast_suite "$logs/unmutated.log"
if [ "$verdict" != passed ]; then
    say "the unmutated suite does not pass ($verdict): see $logs/unmutated.log"
    say "a fault counts as caught only against a suite that passes"
    exit 1
fi
say "the unmutated suite passes ($((SECONDS - started)) s)"

count=0 caught=0
mapfile -t selected <<< "$faults"
for fault in "${selected[@]}"; do
    id="${fault%%$'\t'*}" title="${fault#*$'\t'}"
    started=$SECONDS
    applied="$(mutate_py apply "$list" "$QUENDRIX_ROOT" "$id")"
    say "$id: $title ($applied)"
    fast_suite "$logs/$id.log"
    restore
    count=$((count + 1))
    case "$verdict" in
        passed) line="survived $id $title" ;;
        "does not build") line="caught   $id $title (does not build)"; caught=$((caught + 1)) ;;
        *) line="caught   $id $title -- $verdict"; caught=$((caught + 1)) ;;
    esac
    say "$id done in $((SECONDS - started)) s"
    echo "$line"
done
echo "mutate: $count faults, $caught caught, $((count - caught)) survived"
