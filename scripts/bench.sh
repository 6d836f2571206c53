#!/usr/bin/env bash
# Builds the benchmark programs (only those) and runs them under Wine on a
# private X display. Prints the machine, its load, and one line per measure:
#
#   NAME: min X median Y max Z (n N)
#
#   write_300_ratio     the write command's time over the time of its own
#                       private-profile writes, inside each press, 300 files
#                       of 30 values; write_300_extra_ms_per_file the time
#                       beyond the writes, per file
#   write_30_*          the same with 30 files
#   startup_12_ratio    Klangor's start until its window is shown, listed and
#                       painted, over a bare window's start, on the demo's
#                       12 files; startup_300_ratio the same on 300 files;
#                       startup_native_windows_ratio the same for a plain
#                       Win32 window holding only the main window's native
#                       controls: what the platform charges for them;
#                       startup_*_seconds the times themselves
#   resources_*         GDI/USER objects, windows, handles and memory before
#                       and after listing and writing 2,000 files
#   values_300_*        the current-values window on 300 ticked banks not
#                       read yet: opened until painted (open_seconds), the
#                       whole table copied (copy_seconds), the opening over
#                       the listing of the same folder; values_2000_* the
#                       same on 2,000 banks
#
#   bench.sh [PRESSES] [ROUNDS]     (defaults 9 and 15)
set -uo pipefail
cd "$(dirname "$0")/.."
presses=${1:-9}
rounds=${2:-15}

bash scripts/setup.sh benchmarks >/dev/null || exit
export KLANGOR_XVFB=always
# shellcheck source=wine-env.sh
source scripts/wine-env.sh || exit

demo_game=$(mktemp -d "$WINEPREFIX/drive_c/klangor-bench-XXXXXX")
trap 'rm -rf "$demo_game"; klangor_wine_env_stop' EXIT
bash scripts/make-demo-game.sh "$demo_game"

load() { echo "load: $(cut -d' ' -f1-3 /proc/loadavg)"; }
run() { wine "build/bench/$1.exe" "${@:2}" </dev/null | tr -d '\r'; }

echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), $(wine --version)"
echo "commit: $(git rev-parse --short HEAD 2>/dev/null || echo unknown)"
load; run write_bench write_300 300 "$presses" || exit
load; run write_bench write_30 30 "$presses" || exit
load; run startup_bench "C:\\$(basename "$demo_game")" "$rounds" || exit
load; run resource_bench 2000 || exit
load; run values_bench values_300 300 "$presses" || exit
load; run values_bench values_2000 2000 "$presses" || exit
load
