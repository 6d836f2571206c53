#!/usr/bin/env bash
# Installs what building and testing Klangor needs on Debian 12, then configures
# build/ and builds the given targets there (everything without one):
#
#   setup.sh [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/packages.sh

# Configured on every run: the test folders are found by a glob when configuring.
mkdir -p build
cmake -S . -B build -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
    -DCMAKE_BUILD_TYPE="${KLANGOR_BUILD_TYPE:-Release}" >build/configure.log 2>&1 ||
    { cat build/configure.log >&2; exit 1; }
targets=()
for target in "$@"; do targets+=(--target "$target"); done
cmake --build build -j "$(nproc)" "${targets[@]}"
