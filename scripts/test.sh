#!/usr/bin/env bash
# Builds Klangor and its tests, then runs the whole suite under Wine on a private
# X display. The exit code is ctest's.
set -uo pipefail
cd "$(dirname "$0")/.."
started=$(date +%s)

bash scripts/check-format.sh || exit
bash scripts/setup.sh || exit
built=$(date +%s)

export KLANGOR_XVFB=always
# The tests' own prefix, whatever the environment names: never the user's, never the demo's.
export WINEPREFIX="$PWD/build/wineprefix"
# shellcheck source=wine-env.sh
source scripts/wine-env.sh || exit

# Every test passes on its first run: one that fails now and then is a fault
# to find, not a run to repeat.
ctest --test-dir build --output-on-failure -j2 --timeout 300
status=$?

finished=$(date +%s)
echo "test.sh: setup and build $((built - started)) s, tests $((finished - built)) s," \
     "total $((finished - started)) s, ctest exit code $status"
exit $status
