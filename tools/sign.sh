# Authenticode signatures that keep the release reproducible; sourced by
# tools/release.sh. A signature is published detached, as PEM (the one form
# that osslsigncode 2.5, Debian 12's, and later versions all read back), and
# the signed Quendrix.exe is always the unsigned one with that signature
# attached: so the signing run and anyone who attaches the published
# signature to their own build get the same bytes.
#   sign_detached EXE KEY TIMESTAMP SIG SCRATCH
#       signs EXE with the PKCS#12 KEY, whose password is in
#       QUENDRIX_SIGN_PASSWORD, SHA-256, timestamped by the server at the
#       address TIMESTAMP unless it is empty, and writes the signature to SIG
#   attach_signature EXE SIG NAME OUT OUT_SIG SCRATCH
#       writes EXE with the signature SIG attached to OUT and the signature, as
#       it stands in OUT, to OUT_SIG, once SIG proves to be intact and made for
#       this very EXE; NAME is what the user calls SIG
# SCRATCH is an empty folder only the user can read. A refusal ends the run
# with one line that says why.

sign_detached() {
    local exe="$1" key="$2" timestamp="$3" sig="$4" scratch="$5"
    # The password goes to osslsigncode in a file, never on a command line,
    # where every user of the machine would see it.
    (umask 077 && printf '%s' "$QUENDRIX_SIGN_PASSWORD" > "$scratch/password")
    if ! osslsigncode sign -pkcs12 "$key" -readpass "$scratch/password" -h sha256 \
            ${timestamp:+-ts "$timestamp"} -in "$exe" -out "$scratch/signed.exe" \
            > "$scratch/sign.log" 2>&1; then
        rm -f "$scratch/password"
        fail "osslsigncode could not sign with $key: $(first_line "$scratch/sign.log")"
    fi
    rm -f "$scratch/password"
    osslsigncode extract-signature -pem -in "$scratch/signed.exe" -out "$sig" > "$scratch/extract.log" 2>&1 ||
        fail "osslsigncode could not take the signature out of the signed Quendrix.exe: $(first_line "$scratch/extract.log")"
}

attach_signature() {
    local exe="$1" sig="$2" name="$3" out="$4" out_sig="$5" scratch="$6"
    openssl pkcs7 -in "$sig" -print_certs -out "$scratch/certs.pem" 2>/dev/null ||
        fail "$name is no signature: a PEM PKCS#7 file, as tools/release.sh --sign writes it, was expected"
    signature_intact "$sig" "$scratch" || fail "$name is damaged: its signature does not match what it signs"

    # osslsigncode prints the digest the signature covers and the one of the
    # file it attaches it to. Whether the certificate is trusted is for
    # Windows to say on the user's machine, so its exit code, which says that
    # too, decides nothing here; its own certificates stand in for the
    # machine's, which may have none.
    osslsigncode attach-signature -CAfile "$scratch/certs.pem" -TSA-CAfile "$scratch/certs.pem" \
        -sigin "$sig" -in "$exe" -out "$out" > "$scratch/attach.log" 2>&1 || true
    local covered actual
    covered="$(message_digest Current "$scratch/attach.log")"
    actual="$(message_digest Calculated "$scratch/attach.log")"
    if [ -z "$actual" ] || [ ! -s "$out" ]; then
        fail "osslsigncode could not attach $name: $(first_line "$scratch/attach.log")"
    fi
    [ "$covered" = "$actual" ] ||
        fail "$name belongs to another build: it signs the digest $covered, this Quendrix.exe's is $actual"
    osslsigncode extract-signature -pem -in "$out" -out "$out_sig" > "$scratch/extract.log" 2>&1 ||
        fail "osslsigncode could not take the signature out of the signed Quendrix.exe: $(first_line "$scratch/extract.log")"
}

# The first line osslsigncode wrote that is not empty: what went wrong.
first_line() { grep -m 1 . "$1" || true; }

# message_digest Current|Calculated LOG: the first signature's digest as
# osslsigncode printed it (the same line in 2.5 and 2.9), in upper case.
message_digest() {
    sed -n "s/^$1 message digest *: *\([0-9A-Fa-f]*\).*/\1/p" "$2" | head -n 1 | tr a-f A-F
}

# True when the signature SIG (PEM) verifies with its own certificate over
# what it signs, whoever trusts that certificate. Authenticode signs the
# content of its SpcIndirectDataContent (the file's digest) without that
# SEQUENCE's own tag and length, which openssl is handed as detached content.
signature_intact() {
    local sig="$1" scratch="$2" offset header length
    sed '/^-----/d' "$sig" | base64 -d > "$scratch/sig.der" 2>/dev/null || return 1
    # The SEQUENCE that follows the content type 1.3.6.1.4.1.311.2.1.4
    # (SpcIndirectDataContent): its offset, header length and length.
    read -r offset header length < <(
        openssl asn1parse -inform DER -in "$scratch/sig.der" 2>/dev/null |
            awk '/:1\.3\.6\.1\.4\.1\.311\.2\.1\.4 *$/ { found = 1; next }
                 found && /SEQUENCE/ { gsub(/[:=]/, " "); print $1, $5, $7; exit }') || return 1
    tail -c "+$((offset + header + 1))" "$scratch/sig.der" | head -c "$length" > "$scratch/signed-content"
    openssl smime -verify -noverify -binary -inform DER -in "$scratch/sig.der" \
        -content "$scratch/signed-content" -out /dev/null > /dev/null 2>&1
}
