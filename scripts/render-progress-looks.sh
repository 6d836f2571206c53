#!/bin/bash
# Renders every named look of the cylinder progress bar side by side into
# docs/progress-looks.png, from a configured build folder (default build/).
#
#   scripts/render-progress-looks.sh [build-folder]
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$root/build}
cmake --build "$build" --target progress_looks -j2 >/dev/null

# Off-screen drawing needs no display, only Wine.
KLANGOR_XVFB=${KLANGOR_XVFB:-auto}
source "$root/scripts/wine-env.sh"

bmp=$(mktemp --suffix=.bmp)
trap 'rm -f "$bmp"; klangor_wine_env_stop' EXIT
wine "$build/tests/widgets/looks/progress_looks.exe" "$(winepath -w "$bmp")" </dev/null
mkdir -p "$root/docs"
convert "$bmp" "$root/docs/progress-looks.png"
echo "wrote $root/docs/progress-looks.png"
