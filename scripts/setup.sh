#!/bin/sh
# Installs what building, running and testing Tarvolo needs on Debian 12.
# Idempotent: when everything is present it only checks and returns.
# Optional extras: "bench" (Google Benchmark for bench/run.sh) and "fuzz"
# (clang with libFuzzer for fuzz/run.sh), so the everyday commands install
# only what they use.
set -e
PACKAGES="qt6-base-dev qt6-translations-l10n qt6-svg-dev libgl-dev cmake ninja-build g++ \
xvfb xauth imagemagick poppler-utils fonts-dejavu-core fonts-liberation"
for extra in "$@"; do
  case "$extra" in
    bench) PACKAGES="$PACKAGES libbenchmark-dev python3" ;;
    fuzz) PACKAGES="$PACKAGES clang libclang-rt-14-dev" ;;
    *) echo "unknown extra: $extra (bench, fuzz)" >&2; exit 2 ;;
  esac
done
missing=""
for p in $PACKAGES; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
echo "Installing:$missing"
$SUDO apt-get update -q
# shellcheck disable=SC2086
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $missing
