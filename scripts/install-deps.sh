#!/usr/bin/env bash
# Installs the Debian 12 packages the builds and tests need. Checks first and leaves apt alone
# when everything is there, so repeated runs cost a fraction of a second.
set -euo pipefail

packages=(
  cmake ninja-build g++ libgtest-dev googletest libbenchmark-dev
  mingw-w64 gcc-mingw-w64-x86-64-posix g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  wine wine64 xvfb xauth
  clang  # the fuzzing job
  libclang-rt-dev  # libFuzzer and the sanitizer runtimes, only recommended by clang
)

installed=$(dpkg-query -W -f='${Package} ${Status}\n' "${packages[@]}" 2>/dev/null |
  awk '$NF == "installed" && $(NF-1) == "ok" { print $1 }' || true)
missing=()
for package in "${packages[@]}"; do
  if ! grep -qx "$package" <<<"$installed"; then
    missing+=("$package")
  fi
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "install-deps: installing ${missing[*]}"
sudo=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "install-deps: need root or sudo" >&2; exit 1; }
  sudo=(sudo)
fi
apt_get=("${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -y -q -o DPkg::Lock::Timeout=600)
# A fresh system has no package lists yet; an up-to-date one only pays for the update once.
if ! "${apt_get[@]}" install "${missing[@]}"; then
  "${apt_get[@]}" update
  "${apt_get[@]}" install "${missing[@]}"
fi
