#!/usr/bin/env bash
# Installs what is missing, builds Tarnwick.exe and runs it under Wine on the current display,
# with the user's own Wine prefix. Returns when Tarnwick exits. Tarnwick.ini is created beside
# the exe, in build/windows/.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

scripts/install-deps.sh
if [ -z "${CMAKE_GENERATOR:-}" ] && command -v ninja >/dev/null; then
  export CMAKE_GENERATOR=Ninja
fi
cmake --preset windows >/dev/null
cmake --build --preset windows --parallel "$(nproc)" --target Tarnwick

if [ -z "${DISPLAY:-}" ]; then
  echo "run: no DISPLAY; Tarnwick needs an X display (built: build/windows/Tarnwick.exe)" >&2
  exit 1
fi
wine=/usr/lib/wine/wine64  # the loader itself skips the wrapper's "wine32 is missing" notice
[ -x "$wine" ] || wine=$(command -v wine)
exec "$wine" build/windows/Tarnwick.exe
