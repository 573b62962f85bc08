#!/usr/bin/env bash
# Installs what is missing, then builds and tests both builds: the native core with its unit
# tests, and the mingw build (Tarnwick.exe, Win32 and end-to-end tests) run under Wine.
# Both builds are always attempted; the exit status is non-zero if any step failed.
set -uo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

scripts/install-deps.sh || exit 1

if [ -z "${CMAKE_GENERATOR:-}" ] && command -v ninja >/dev/null; then
  export CMAKE_GENERATOR=Ninja
fi
jobs=$(nproc)

failed=()
summary=()

# step NAME COMMAND...: runs and records a failure.
step() {
  local name=$1 start=$SECONDS
  shift
  echo "==> $name"
  if ! "$@"; then
    failed+=("$name")
    return 1
  fi
  echo "==> $name: done in $((SECONDS - start)) s"
}

# ctest_step NAME LOG COMMAND...: like step, keeping ctest's summary lines for the end.
ctest_step() {
  local name=$1 log=$2 start=$SECONDS status
  shift 2
  echo "==> $name"
  "$@" 2>&1 | tee "$log"
  status=${PIPESTATUS[0]}
  summary+=("$name: $(grep -E 'tests passed|No tests were found' "$log" | tail -n 1)\
 ($((SECONDS - start)) s)")
  # ctest's own list of the tests that failed, e.g. "   12 - Suite.Name (Failed)"
  while IFS= read -r line; do
    summary+=("  $line")
  done < <(grep -E '^[[:space:]]+[0-9]+ - .* \([^)]*\)$' "$log" || true)
  [ "$status" -eq 0 ] || failed+=("$name")
}

if step "native: configure" cmake --preset native &&
   step "native: build" cmake --build --preset native --parallel "$jobs"; then
  ctest_step "native: test" build/native/ctest.log ctest --preset native
fi

if step "windows: configure" cmake --preset windows &&
   step "windows: build" cmake --build --preset windows --parallel "$jobs"; then
  ctest_step "windows: test (Wine)" build/windows/ctest.log \
    scripts/with-wine.sh ctest --preset windows
fi

# Bounded fuzzing of the configuration reader (about 30 s a target; fails without clang).
step "fuzz" scripts/fuzz.sh "${TARNWICK_FUZZ_SECONDS:-30}"

echo
echo "==> summary"
for line in "${summary[@]}"; do
  echo "$line"
done
if [ ${#failed[@]} -gt 0 ]; then
  printf 'FAILED: %s\n' "${failed[@]}"
  exit 1
fi
echo "all passed"
