#!/usr/bin/env bash
# Builds the shipped Quendrix.exe, checks its file and packs it with a
# README.txt into build/dist/Quendrix-<version>-win32.zip, and lists its
# SHA-256 in build/dist/SHA256SUMS, as `sha256sum -c` reads it. The same
# sources give the same zip, byte for byte, from any path, at any time, in any
# time zone. Prints SHA256SUMS and, as its last line, the zip's path;
# everything else goes to standard error. A run that fails leaves no zip and
# no SHA256SUMS behind.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/build.sh"

# What this run publishes is made in a folder of its own and moves into
# build/dist only once all of it is made; what an earlier run left goes first.
dist="$QUENDRIX_ROOT/build/dist"
mkdir -p "$dist"
rm -f "$dist"/Quendrix-*-win32.zip "$dist/SHA256SUMS"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

ensure_packages >&2
say "building the shipped Quendrix.exe"
build_release >&2
# Its imports and resources as reviewed: a new one stops the release.
ctest --test-dir "$(release_build_dir)" --output-on-failure >&2

cache_value() { sed -n "s/^$1:INTERNAL=//p" "$(release_build_dir)/CMakeCache.txt"; }
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
cp "$(shipped_exe)" "$stage/Quendrix.exe"
write_readme_txt > "$stage/README.txt"
# Fixed permissions, a fixed time (the release date, as UTC), a fixed order
# and no extra fields (-X: no Unix times, owners or groups).
chmod 644 "$stage/Quendrix.exe" "$stage/README.txt"
TZ=UTC touch -d "$release_date 00:00:00" "$stage/Quendrix.exe" "$stage/README.txt"
(cd "$stage" && TZ=UTC zip -X -q "../$name.zip" Quendrix.exe README.txt)

(cd "$work" && sha256sum "$name.zip") > "$work/SHA256SUMS"
mv "$work/$name.zip" "$work/SHA256SUMS" "$dist/"
cat "$dist/SHA256SUMS"
echo "$dist/$name.zip"
