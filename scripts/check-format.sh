#!/usr/bin/env bash
# Fails when a C++ file of the tree differs from what the root .clang-format
# makes of it; `clang-format -i FILE` formats it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/packages.sh
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
echo "check-format: every C++ file is formatted"
