#!/usr/bin/env bash
# A signed release's round trip, with a throwaway self-signed certificate that
# lives only as long as this test: signed in a copy of the sources at another
# path, rebuilt here from its .sig alone, the two zips are the same bytes, and
# osslsigncode verifies the signed .exe against the certificate (the shipped
# file's checks ran on it in the signing release). Then a .sig that is damaged
# or made for another build, --sign with --signature, and a wrong password are
# each refused in one line, with nothing left in build/dist.
#
# Usage: bash tests/release/signing_test.sh COPY, where COPY is a copy of the
# sources at another path (tools/test.sh hands it the one it built). Leaves an
# unsigned release in this checkout's build/dist, as tools/release.sh does.
set -euo pipefail
source "$(dirname "$0")/../../tools/lib.sh"
source "$(dirname "$0")/../../tools/build.sh"
copy="$1"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
status=0
check() {  # check WHAT COMMAND...: runs COMMAND, says WHAT failed if it did
    local what="$1"; shift
    "$@" || { say "signing: FAILED: $what"; status=1; }
}

# The certificate, its key as a PKCS#12 file, and the key's password, which
# goes to openssl from the environment, as the release takes it.
export QUENDRIX_SIGN_PASSWORD
QUENDRIX_SIGN_PASSWORD="$(openssl rand -hex 16)"
openssl req -x509 -newkey rsa:2048 -nodes -days 1 -subj "/CN=Quendrix throwaway test signer" \
    -addext extendedKeyUsage=codeSigning -keyout "$scratch/key.pem" -out "$scratch/cert.pem" 2>/dev/null
openssl pkcs12 -export -inkey "$scratch/key.pem" -in "$scratch/cert.pem" -out "$scratch/key.pfx" \
    -passout env:QUENDRIX_SIGN_PASSWORD

# release DIR ARGUMENTS...: that checkout's release, its output in
# $scratch/release.log; true when it made a zip.
release() {
    local dir="$1"; shift
    bash "$dir/tools/release.sh" "$@" > "$scratch/release.log" 2>&1
}
published="$scratch/published"
mkdir "$published"
if ! release "$copy" --sign "$scratch/key.pfx"; then
    cat "$scratch/release.log" >&2
    say "signing: FAILED: the signing release in $copy"
    exit 1
fi
cp "$copy/build/dist"/* "$published/"
sig="$(echo "$published"/Quendrix-*-win32.exe.sig)"
zip="$(echo "$published"/Quendrix-*-win32.zip)"
check "sha256sum -c accepts the signed release's SHA256SUMS" \
    sh -c 'cd "$1" && sha256sum --quiet -c SHA256SUMS' - "$published"

if release "$QUENDRIX_ROOT" --signature "$sig"; then
    check "the zip rebuilt from the .sig is the signed one" cmp "$zip" "$QUENDRIX_ROOT/build/dist/${zip##*/}"
    check "the SHA256SUMS rebuilt from the .sig is the signed one" \
        cmp "$published/SHA256SUMS" "$QUENDRIX_ROOT/build/dist/SHA256SUMS"
else
    cat "$scratch/release.log" >&2
    check "the release from the .sig in $QUENDRIX_ROOT" false
fi
python3 -c 'import sys, zipfile; sys.stdout.buffer.write(zipfile.ZipFile(sys.argv[1]).read("Quendrix.exe"))' \
    "$zip" > "$scratch/Quendrix.exe"
check "osslsigncode verifies the signed Quendrix.exe against the certificate" \
    osslsigncode verify -CAfile "$scratch/cert.pem" -in "$scratch/Quendrix.exe" > "$scratch/verify.log"

# A .sig with one character changed near its end, inside the signature value.
awk -v last="$(grep -c . "$sig")" 'NR == last - 2 { $0 = substr($0, 1, 9) (substr($0, 10, 1) == "A" ? "B" : "A") substr($0, 11) } 1' \
    "$sig" > "$scratch/damaged.sig"
# The .sig of another build: the unsigned Quendrix.exe with one byte changed.
cp "$(shipped_exe)" "$scratch/other.exe"
printf 'Q' | dd of="$scratch/other.exe" bs=1 seek=4096 conv=notrunc 2>/dev/null
printf '%s' "$QUENDRIX_SIGN_PASSWORD" > "$scratch/password"
osslsigncode sign -pkcs12 "$scratch/key.pfx" -readpass "$scratch/password" -h sha256 \
    -in "$scratch/other.exe" -out "$scratch/other-signed.exe" > /dev/null
osslsigncode extract-signature -pem -in "$scratch/other-signed.exe" -out "$scratch/other.sig" > /dev/null

while IFS='|' read -r what password arguments; do
    touch "$copy/build/dist"/{Quendrix-0-win32.zip,Quendrix-0-win32.exe.sig,SHA256SUMS}  # an earlier run's
    # shellcheck disable=SC2086  # the arguments are words
    if QUENDRIX_SIGN_PASSWORD="${password:-$QUENDRIX_SIGN_PASSWORD}" release "$copy" $arguments; then
        check "$what: refused" false
    else
        check "$what: one line says why" grep -q '^\[quendrix\] error: ' <(tail -n 1 "$scratch/release.log")
    fi
    left="$(cd "$copy/build/dist" && ls)"
    check "$what: build/dist still holds $left" test -z "$left"
done <<EOF
a damaged .sig||--signature $scratch/damaged.sig
the .sig of another build||--signature $scratch/other.sig
--sign with --signature||--sign $scratch/key.pfx --signature $sig
a wrong password|wrong|--sign $scratch/key.pfx
EOF

# This checkout's build/dist as a release leaves it, not signed with a key
# that is gone.
release "$QUENDRIX_ROOT" || { cat "$scratch/release.log" >&2; status=1; }
[ "$status" -ne 0 ] || say "signing: a signed release, rebuilt from its .sig at another path, is the same zip"
exit "$status"
