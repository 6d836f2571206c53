#!/usr/bin/env bash
# Installs what building and testing Klangor needs on Debian 12, then configures
# and builds into build/: everything, or only the targets named as arguments.
# Quick when all is already in place.
#
#   setup.sh [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
    g++-mingw-w64-x86-64-posix cmake ninja-build googletest
    wine wine64 fonts-wine fonts-liberation
    xvfb xauth x11-apps xdotool imagemagick python3
)

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [ "$status" = "install ok installed" ] || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "setup: installing ${missing[*]}"
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# Configured on every run: the test folders are found by a glob when configuring.
mkdir -p build
cmake -S . -B build -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
    -DCMAKE_BUILD_TYPE="${KLANGOR_BUILD_TYPE:-Release}" >build/configure.log 2>&1 ||
    { cat build/configure.log >&2; exit 1; }
cmake --build build -j "$(nproc)" ${1:+--target "$@"}
