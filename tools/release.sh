#!/usr/bin/env bash
# Builds the shipped Quendrix.exe, checks its file and packs it with a
# README.txt into build/dist/Quendrix-<version>-win32.zip, and lists its
# SHA-256 in build/dist/SHA256SUMS, as `sha256sum -c` reads it. The same
# sources give the same zip, byte for byte, from any path, at any time, in any
# time zone.
#   --sign KEY.pfx [--timestamp URL]
#       signs Quendrix.exe (Authenticode, SHA-256) with the key, whose
#       password is in QUENDRIX_SIGN_PASSWORD, and publishes its signature
#       beside the zip, as Quendrix-<version>-win32.exe.sig
#   --signature FILE
#       attaches such a published signature instead: the same zip as the
#       signing run, without the key
# Prints SHA256SUMS and, as its last line, the zip's path; everything else
# goes to standard error. A refused or failed run says why and leaves no zip,
# signature or SHA256SUMS behind.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/build.sh"
source "$(dirname "$0")/sign.sh"

usage="usage: bash tools/release.sh [--sign KEY.pfx [--timestamp URL] | --signature FILE]"
key="" timestamp="" signature="" misused=""
while [ $# -gt 0 ]; do
    case "$1" in
        --sign) key="${2-}" ;;
        --timestamp) timestamp="${2-}" ;;
        --signature) signature="${2-}" ;;
        *) misused=yes ;;
    esac
    [ -n "${2-}" ] || misused=yes
    shift $(($# < 2 ? $# : 2))
done

# What this run publishes is made in a folder of its own and moves into
# build/dist only once all of it is made. What an earlier run left goes first,
# but for a signature given to this run.
dist="$QUENDRIX_ROOT/build/dist"
mkdir -p "$dist"
for old in "$dist"/Quendrix-*-win32.zip "$dist"/Quendrix-*-win32.exe.sig "$dist/SHA256SUMS"; do
    [ -n "$signature" ] && [ "$old" -ef "$signature" ] || rm -f "$old"
done
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

if [ -n "$misused" ]; then
    say "$usage"
    exit 2
fi
if [ -n "$key" ] && [ -n "$signature" ]; then
    fail "--sign makes a signature and --signature attaches one: give one of them"
fi
[ -z "$timestamp" ] || [ -n "$key" ] || fail "--timestamp goes with --sign"
if [ -n "$signature" ]; then
    cp -- "$signature" "$work/given.sig" 2>/dev/null || fail "cannot read the signature $signature"
fi
if [ -n "$key" ]; then
    [ -f "$key" ] && [ -r "$key" ] || fail "cannot read the key $key"
    [ -n "${QUENDRIX_SIGN_PASSWORD+set}" ] ||
        fail "--sign takes the key's password from QUENDRIX_SIGN_PASSWORD, which is not set"
fi

ensure_packages >&2
say "building the shipped Quendrix.exe"
build_release >&2

cache_value() { sed -n "s/^$1:[A-Z]*=//p" "$(release_build_dir)/CMakeCache.txt"; }
version="$(cache_value QUENDRIX_VERSION)"
release_date="$(cache_value QUENDRIX_RELEASE_DATE)"

# README.md's sections for users, how to use Quendrix and what to do before
# its first start, as plain text that Notepad on any Windows shows: UTF-8 with
# a byte-order mark, CR LF line ends.
write_readme_txt() {
    printf '\xef\xbb\xbf'
    {
        printf 'Quendrix %s\n' "$version"
        awk '/^## / { keep = ($0 == "## 使用方法" || $0 == "## How to use it" ||
                             $0 == "## 首次运行之前" || $0 == "## Before the first start")
                      if (keep) print "" }
             keep' "$QUENDRIX_ROOT/README.md" |
            sed -e 's/^## //' -e 's/`//g' | cat -s | sed -e '${/^$/d}'
    } | sed 's/$/\r/'
}

name="Quendrix-$version-win32"
stage="$work/$name"
mkdir "$stage"
published=("$name.zip")
if [ -n "$key" ]; then
    say "signing Quendrix.exe with $key"
    sign_detached "$(shipped_exe)" "$key" "$timestamp" "$work/given.sig" "$work"
fi
if [ -n "$key$signature" ]; then
    attach_signature "$(shipped_exe)" "$work/given.sig" "${signature:-the new signature}" \
        "$stage/Quendrix.exe" "$work/$name.exe.sig" "$work"
    published+=("$name.exe.sig")
else
    cp "$(shipped_exe)" "$stage/Quendrix.exe"
fi
# The file that ships, signed or not, with its imports and resources as
# reviewed: a new one stops the release.
python3 "$QUENDRIX_ROOT/tests/shipped/shipped_exe_test.py" "$(cache_value CMAKE_OBJDUMP)" \
    "$stage/Quendrix.exe" >&2
write_readme_txt > "$stage/README.txt"
# Fixed permissions, a fixed time (the release date, as UTC), a fixed order
# and no extra fields (-X: no Unix times, owners or groups).
chmod 644 "$stage/Quendrix.exe" "$stage/README.txt"
TZ=UTC touch -d "$release_date 00:00:00" "$stage/Quendrix.exe" "$stage/README.txt"
(cd "$stage" && TZ=UTC zip -X -q "../$name.zip" Quendrix.exe README.txt)

(cd "$work" && sha256sum "${published[@]}") > "$work/SHA256SUMS"
for file in "${published[@]}" SHA256SUMS; do
    mv "$work/$file" "$dist/"
done
cat "$dist/SHA256SUMS"
echo "$dist/$name.zip"
