#!/usr/bin/env bash
# Usage: scripts/fuzz.sh [SECONDS]
#
# Builds the libFuzzer targets of fuzz/ with clang, AddressSanitizer and UndefinedBehaviorSanitizer
# in build/fuzz, then runs each for SECONDS (default 30). Inputs that grow coverage collect in
# build/fuzz/corpus/<target>/, next to the checked-in seeds of fuzz/corpus/ (which are only read),
# so a later run goes on where the last one stopped. A failing input is written to
# build/fuzz/artifacts/ and the script exits non-zero; replay it with
#   build/fuzz/tarnwick_fuzz_<target> build/fuzz/artifacts/<file>
# Without clang and its libFuzzer runtime the script says so and fails: a fuzz run that did
# not happen is not a pass.
set -uo pipefail

seconds=${1:-30}
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
build=build/fuzz

probe=$(mktemp -d "${TMPDIR:-/tmp}/tarnwick-fuzz-probe.XXXXXX")
trap 'rm -rf "$probe"' EXIT
printf 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }\n' \
  >"$probe/probe.cpp"
if ! command -v clang++ >/dev/null ||
   ! clang++ -fsanitize=fuzzer,address,undefined "$probe/probe.cpp" -o "$probe/probe" 2>/dev/null; then
  echo "fuzz: FAILED: clang++ with libFuzzer (Debian: clang, libclang-rt-dev) is not installed"
  exit 1
fi

if [ -z "${CMAKE_GENERATOR:-}" ] && command -v ninja >/dev/null; then
  export CMAKE_GENERATOR=Ninja
fi
cmake -S . -B "$build" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARNWICK_FUZZ=ON -DTARNWICK_TESTS=OFF -DTARNWICK_BENCH=OFF \
  >/dev/null || exit 1
cmake --build "$build" --parallel "$(nproc)" || exit 1

failed=()
for target in configuration ini; do
  corpus=$build/corpus/$target
  mkdir -p "$corpus" "$build/artifacts"
  echo "==> fuzz $target for ${seconds} s"
  # -timeout: an input that takes this long counts as a hang. -max_len: room for files of
  # a few hundred items, still fast enough for thousands of runs a second.
  if ! "$build/tarnwick_fuzz_$target" "$corpus" fuzz/corpus \
      -dict=fuzz/ini.dict -max_total_time="$seconds" -timeout=10 -max_len=16384 \
      -rss_limit_mb=2048 -artifact_prefix="$build/artifacts/$target-" -print_final_stats=1 \
      2>"$build/$target.log"; then
    failed+=("$target")
    tail -n 40 "$build/$target.log"
  fi
  grep -E '^stat::(number_of_executed_units|new_units_added|slowest_unit_time_sec|peak_rss_mb)' \
    "$build/$target.log" | sed 's/^/    /'
done

if [ ${#failed[@]} -gt 0 ]; then
  printf 'fuzz: FAILED: %s (inputs in %s/artifacts)\n' "${failed[*]}" "$build"
  exit 1
fi
echo "fuzz: no failures"
