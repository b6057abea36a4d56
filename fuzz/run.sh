#!/bin/sh
# Builds the libFuzzer harnesses with clang (installing it when missing) and
# runs each for a while: fuzz/run.sh [seconds per harness, default 60] [harness ...].
# New coverage is kept in build-fuzz/corpus/<harness>, seeded from fuzz/corpus;
# inputs that fail land in build-fuzz/findings/<harness>/. Minimise one with
#   build-fuzz/fuzz/fuzz_<harness> -minimize_crash=1 -runs=10000 <input>
# and add it to fuzz/corpus/<harness>/ so the test suite replays it.
set -e
cd "$(dirname "$0")/.."
seconds=${1:-60}
[ $# -gt 0 ] && shift
harnesses=${*:-"vehicle_file booking_file evaluation settings_file lock_file tyre_file \
tax_file residual_file update_answer conversions"}

scripts/setup.sh fuzz
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTARVO_FUZZ=ON -DTARVO_TESTS=OFF >/dev/null
targets=""
for h in $harnesses; do targets="$targets fuzz_$h"; done
# shellcheck disable=SC2086
cmake --build build-fuzz --target $targets

export LANG=de_DE.UTF-8 TZ=Europe/Berlin
status=0
for h in $harnesses; do
  mkdir -p "build-fuzz/corpus/$h" "build-fuzz/findings/$h"
  echo "== $h: $seconds s"
  "build-fuzz/fuzz/fuzz_$h" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="build-fuzz/findings/$h/" \
    "build-fuzz/corpus/$h" "fuzz/corpus/$h" || status=1
done
exit $status
