#!/bin/sh
# Builds the benchmarks (Release), makes a heavy user's data set (10 vehicles,
# 10 years of about 1000 bookings each) in a temporary folder, runs them and
# prints every figure with its ratio and goal. The data set is made by the
# sample-data tool; TARVO_SAMPLE_DATA_TOOL names another copy of it.
set -e
cd "$(dirname "$0")/.."
scripts/setup.sh bench
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DTARVO_BENCH=ON \
  -DTARVO_TESTS=OFF >/dev/null
cmake --build build-bench --target bench_files bench_startup bench_windows

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 "${TARVO_SAMPLE_DATA_TOOL:-../shared/tools/make-sample-data}" \
  "$work/root/data/tarvo" --large
mkdir -m 700 "$work/runtime"
export TARVO_BENCH_ROOT="$work/root" QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work/runtime" \
  LANG=de_DE.UTF-8 TZ=Europe/Berlin
for b in files startup windows; do
  # The offscreen platform's notes on window hints say nothing about speed.
  "build-bench/bench/bench_$b" --benchmark_out="$work/$b.json" --benchmark_out_format=json \
    2>&1 | sed "/^This plugin does not support/d"
done
python3 bench/report.py "$work/files.json" "$work/startup.json" "$work/windows.json"
