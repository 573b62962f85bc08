#!/usr/bin/env bash
# Usage: scripts/bench.sh [ITEMS...]
#
# Benchmarks of the configuration load and save; they are not tests and the test command does
# not run them.
#   1. Native: a Release build (-O2) in build/bench runs tarnwick_bench (Google Benchmark): load
#      and save of generated files of 100, 1,000, 5,000 and 20,000 items, with the time per item
#      fitted to a line (BM_*_BigO, BM_*_RMS: a small RMS means linear) and the peak heap of one
#      run (peak_heap), and a save after a change with its backup step, through
#      ConfigurationFile over files in memory (BM_SaveWithBackup); then tarnwick_menu_bench:
#      one trigger-monitor tick, and placing plus painting a 20 x 50 menu of 1,000 items
#      through a recording canvas. Extra Google Benchmark flags go in BENCH_FLAGS.
#      scripts/memory-bench.sh measures the same save through the Win32 file system.
#   2. Wine: the windows preset's build runs tarnwick_profile_bench, which loads the same files
#      through our loader and through the Windows profile functions and prints both times. ITEMS
#      are its sizes (default: 100 1000); the profile functions need about 2 s for 1,000 items
#      and grow with the square of the size.
# Each part is skipped with a message when its tools are missing.
set -uo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
if [ -z "${CMAKE_GENERATOR:-}" ] && command -v ninja >/dev/null; then
  export CMAKE_GENERATOR=Ninja
fi
jobs=$(nproc)
status=0

echo "==> native benchmarks (Release, -O2)"
if cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
     -DTARNWICK_TESTS=OFF -DTARNWICK_BENCH=ON >/dev/null &&
   cmake --build build/bench --parallel "$jobs" --target tarnwick_bench tarnwick_menu_bench >/dev/null; then
  # shellcheck disable=SC2086
  build/bench/tarnwick_bench --benchmark_repetitions=3 --benchmark_report_aggregates_only=true \
    ${BENCH_FLAGS:-} || status=1
  # shellcheck disable=SC2086
  build/bench/tarnwick_menu_bench ${BENCH_FLAGS:-} || status=1
else
  echo "bench: native benchmark not built (is libbenchmark-dev installed?)"
  status=1
fi

echo
echo "==> ours against the profile functions, under Wine"
if ! command -v x86_64-w64-mingw32-g++-posix >/dev/null || ! command -v wine >/dev/null; then
  echo "bench: skipped: mingw-w64 or Wine is not installed"
elif cmake --preset windows >/dev/null &&
     cmake --build --preset windows --parallel "$jobs" --target tarnwick_profile_bench >/dev/null; then
  wine=/usr/lib/wine/wine64  # the loader itself skips the wrapper's "wine32 is missing" notice
  [ -x "$wine" ] || wine=$(command -v wine)
  scripts/with-wine.sh "$wine" build/windows/tarnwick_profile_bench.exe "$@" || status=1
else
  echo "bench: tarnwick_profile_bench not built"
  status=1
fi
exit "$status"
