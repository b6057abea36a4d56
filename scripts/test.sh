#!/bin/sh
# Sets up, builds with warnings as errors and runs the whole test suite headless
# (with it the replay of the fuzz corpora); then builds the suite once more with
# AddressSanitizer and UndefinedBehaviorSanitizer (preset "asan": lightly
# optimised, line tables only, which builds and runs faster than a debug build)
# and runs it there as well.
set -e
cd "$(dirname "$0")/.."
scripts/setup.sh

cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTARVO_WERROR=ON >/dev/null
cmake --build build-test
(cd build-test && ctest --output-on-failure -j2 --timeout 300)

cmake --preset asan >/dev/null
cmake --build build-asan
ctest --preset asan
