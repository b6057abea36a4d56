#!/bin/sh
# Sets up, builds with warnings as errors and runs the whole test suite headless.
set -e
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTARVO_WERROR=ON >/dev/null
cmake --build build-test
cd build-test
ctest --output-on-failure -j2 --timeout 300
