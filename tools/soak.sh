#!/usr/bin/env bash
# A soak run: seeded random real input against the built Quendrix.exe under
# Wine, in a virtual desktop and a Wine prefix of its own, checking after every
# event what a user can see. Long runs are on demand; the test command runs a
# short one.
#   bash tools/soak.sh [--events N] [--seed S] [--replay LOG]
# Every event goes into the log (build/soak/) before it is sent; --replay LOG
# sends a log's events again. The last line sums the run up; the exit code is 0
# only when it found no crash, hang, chain of message boxes or wrong result.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/build.sh"

events=300 seed=1 replay=""
while [ $# -gt 0 ]; do
    case "$1" in
        --events) events="$2"; shift 2 ;;
        --seed) seed="$2"; shift 2 ;;
        --replay) replay="$(realpath "$2")"; shift 2 ;;
        *) say "usage: bash tools/soak.sh [--events N] [--seed S] [--replay LOG]"; exit 2 ;;
    esac
done

ensure_packages
choose_runnable_build "the soak drives"
build_windows "$arch" --target soak_driver >/dev/null
build="$(windows_build_dir "$arch")"
build_runnable_exe
# The program under test; QUENDRIX_SOAK_EXE points the soak at another build.
exe="${QUENDRIX_SOAK_EXE:-$exe}"

out="$QUENDRIX_ROOT/build/soak"
mkdir -p "$out"
if [ -n "$replay" ]; then log="$out/replay-$(basename "$replay")"; else log="$out/seed-$seed.log"; fi
windows_path() { printf 'Z:%s' "${1//\//\\}"; }

start_display
cleanup() { wineserver -k 2>/dev/null || true; stop_display; }
trap cleanup EXIT
# A fresh copy of the test prefix for each run: no run inherits another's.
copy_prefix "$QUENDRIX_CACHE/wine-test" "$QUENDRIX_CACHE/wine-soak" desktop
# The Help menu's web addresses open a stand-in that only records them, and a
# crash ends the program without a dialog.
recorder="$(windows_path "$build/tests/url_recorder.exe")"
{
    printf 'Windows Registry Editor Version 5.00\r\n\r\n'
    for classes in 'HKEY_CURRENT_USER\Software\Classes' 'HKEY_LOCAL_MACHINE\Software\Classes'; do
        for scheme in http https; do
            printf '[%s\\%s\\shell\\open\\command]\r\n@="\\"%s\\" \\"%%1\\""\r\n\r\n' \
                "$classes" "$scheme" "${recorder//\\/\\\\}"
        done
    done
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\WineDbg]\r\n"ShowCrashDialog"=dword:00000000\r\n'
} | write_reg "$out/soak.reg"
"$QUENDRIX_WINE64" regedit /S "$(windows_path "$out/soak.reg")" >/dev/null 2>&1
rm -f "$out/web-addresses.log"
export QUENDRIX_URL_LOG="$(windows_path "$out/web-addresses.log")"

say "soak of $exe${replay:+, replaying $replay}; events are logged to $log"
args=(--exe "$(windows_path "$exe")" --log "$(windows_path "$log")" --events "$events" --seed "$seed")
if [ -n "$replay" ]; then args+=(--replay "$(windows_path "$replay")"); fi
status=0
timeout $((events * 5 + 300)) "$loader" "$build/tests/soak_driver.exe" "${args[@]}" || status=$?
exit "$status"
