#!/bin/sh
# Installs what building, running and testing Tarvolo needs on Debian 12.
# Idempotent: when everything is present it only checks and returns.
set -e
PACKAGES="qt6-base-dev qt6-translations-l10n qt6-svg-dev libgl-dev cmake ninja-build g++ \
xvfb xauth imagemagick poppler-utils fonts-dejavu-core fonts-liberation"
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
