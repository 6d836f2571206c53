#!/usr/bin/env bash
# Builds Klangor and its tests, then runs the whole suite under Wine on a private
# X display. The exit code is ctest's.
set -uo pipefail
cd "$(dirname "$0")/.."
started=$(date +%s)

bash scripts/setup.sh || exit
built=$(date +%s)

export KLANGOR_XVFB=always
# The tests' own prefix, whatever the environment names: never the user's, never the demo's.
export WINEPREFIX="$PWD/build/wineprefix"
# shellcheck source=wine-env.sh
source scripts/wine-env.sh || exit

# A Wine process now and then dies at start-up without a word under load (seen
# once: a test exe "failing" in 0.01 s with no output, passing at once when run
# again). A test that fails is run a second time; a real fault fails both.
ctest --test-dir build --output-on-failure -j2 --timeout 300 --repeat until-pass:2
status=$?

finished=$(date +%s)
echo "test.sh: setup and build $((built - started)) s, tests $((finished - built)) s," \
     "total $((finished - started)) s, ctest exit code $status"
exit $status
