#!/usr/bin/env bash
# A game inside a Proton prefix, seen from outside it: the banks' paths are
# about 140 characters long and more. Klangor is started with that root, as
# a player's shortcut gives it, 0,8 is typed as the "Engine" gain and Ctrl+S
# pressed: every bank then holds Engine=0.8, and nothing else was added.
source "$(dirname "$0")/lib.sh"

game_folder=$(mktemp -d "$WINEPREFIX/drive_c/klangor-e2e-XXXXXX")
inside="home/player/.local/share/Steam/steamapps/compatdata/1094130/pfx/drive_c/Program Files (x86)/SCi Games/Richard Burns Rally"
bash "$KLANGOR_ROOT/scripts/make-demo-game.sh" "$game_folder/$inside"
audio="$game_folder/$inside/KOVEN/Sounds/Audio"
root="C:\\$(basename "$game_folder")\\${inside//\//\\}"
mapfile -t names < <(cd "$audio" && find . -maxdepth 1 -type f -name '*.ini' -printf '%P\n')
sound_folder="$root\\KOVEN\\Sounds\\Audio\\"
shortest=100000
for name in "${names[@]}"; do
    length=$(( ${#sound_folder} + ${#name} ))
    (( length < shortest )) && shortest=$length
done
[ "$shortest" -ge 140 ] || fail "the shortest bank path has $shortest characters, not 140 or more"
echo "ok: every bank path has 140 characters or more (shortest $shortest)"
listing() {
    (cd "$audio" && find . -mindepth 1 -printf '%P\n' | LC_ALL=C sort)
}
before=$(listing)
set_game_root ""
start_klangor "$root"
dismiss_version_warning
expect_count "the root given at start lists every bank" "${#names[@]}"

click_inside "$(control_rect Edit 110)"
type_text "0,8"
key ctrl+s

await_line "$audio" Engine=0.8 "${names[@]}"
echo "ok: all ${#names[@]} banks hold Engine=0.8"
expect_eq "the folder holds the same files, no stray one" "$before" "$(listing)"
expect_eq "no box beside the window" 1 "$(xdotool search --onlyvisible --name '^Klangor$' 2>/dev/null | wc -l)"

stop_klangor
