#!/usr/bin/env bash
# Prints speed figures and asserts nothing: the converter natively beside
# std::from_chars + std::to_chars; under Wine one conversion taken
# apart (the window's whole path, the engine alone, the standard library, the
# first conversion in a fresh process), then Quendrix.exe against a bare
# window with the same controls. The machine's load is printed before and
# after, as it moves every figure.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/build.sh"

ensure_packages

choose_runnable_build measuring
build_runnable_exe  # the window benchmark starts it
build_windows "$arch" --target conversion_bench window_bench >/dev/null
bench_dir="$(windows_build_dir "$arch")/bench"

start_display
cleanup() { wineserver -k 2>/dev/null || true; stop_display; }
trap cleanup EXIT
ensure_prefix "$QUENDRIX_CACHE/wine-test" desktop
wineserver -p 2>/dev/null || true  # one server for every process below
"$loader" wineboot >/dev/null 2>&1  # starts Wine's services before anything is timed

echo "$arch build, $(uptime)"
build_native --target engine_bench >/dev/null
echo "native converter:"
"$QUENDRIX_ROOT/build/native/engine/engine_bench"
"$loader" "$bench_dir/conversion_bench.exe"
"$loader" "$bench_dir/window_bench.exe"
echo "after: $(uptime)"
