#!/usr/bin/env bash
# Makes this Debian machine ready to build, test and run Quendrix: installs the
# missing packages, the GBK locale and the Wine prefixes. Safe to run again.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

ensure_packages
ensure_gbk_locale
start_display
trap stop_display EXIT
ensure_prefix "$QUENDRIX_CACHE/wine"
wineserver -k 2>/dev/null || true
ensure_prefix "$QUENDRIX_CACHE/wine-test" desktop
wineserver -k 2>/dev/null || true
say "ready"
