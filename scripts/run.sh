#!/bin/sh
# Sets up, builds and starts Tarvolo (under Xvfb when there is no screen).
set -e
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target tarvo
if [ -z "$DISPLAY" ] && [ -z "$WAYLAND_DISPLAY" ]; then
  exec xvfb-run -a -s '-screen 0 1280x1024x24' ./build/tarvo
fi
exec ./build/tarvo
