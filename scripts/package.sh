#!/usr/bin/env bash
# Builds the release players download:
#
#   dist/Klangor-<version>-win64.zip   Klangor.exe, LISEZMOI-README.txt, LICENSE, SHA256SUMS.txt
#   dist/curr_ver.txt                  the version file the version check reads
#
# The version is the FileVersion of the exe's version resource. The exe is a
# Release build of its own (build/release) and the archive carries no dates,
# so the same commit always gives the same zip, byte for byte.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/packages.sh

mkdir -p build/release
# Stripped: the static runtime libraries bring their debug sections along.
cmake -S . -B build/release -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
    -DCMAKE_BUILD_TYPE=Release -DKLANGOR_TESTS=OFF \
    -DCMAKE_EXE_LINKER_FLAGS=-s >build/release/configure.log 2>&1 ||
    { cat build/release/configure.log >&2; exit 1; }
cmake --build build/release -j "$(nproc)" --target Klangor

python3 scripts/package.py --exe build/release/app/Klangor.exe --resources app/resources/Klangor.rc \
    --layout app/Form1.dfm --guide docs/USER-GUIDE.md --license LICENSE --out dist
