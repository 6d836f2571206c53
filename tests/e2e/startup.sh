#!/usr/bin/env bash
# Start-up as a user sees it: with the game's registry entry pointing at a game
# with twelve sound-bank files, Klangor opens its window at the stored size and
# lists exactly those files with their count.
source "$(dirname "$0")/lib.sh"

make_game
start_klangor
description=$(inspect)
echo "$description"

window=$(grep -P '^window\t' <<<"$description")
expect_eq "caption and outer size" "Klangor	outer 723 550" "$(cut -f2,3 <<<"$window")"
read -r client_width client_height < <(cut -f4 <<<"$window" | sed 's/^client //')
# The frame takes a few pixels on each side and the caption bar on top.
[ "$client_width" -gt 700 ] && [ "$client_width" -lt 723 ] || fail "client width $client_width"
[ "$client_height" -gt 490 ] && [ "$client_height" -lt 550 ] || fail "client height $client_height"

expected_files=$(cd "$game_folder/KOVEN/Sounds/Audio" && find . -maxdepth 1 -type f -name '*.ini' -printf '%f\n' | sort)
expect_eq "twelve demo files" 12 "$(wc -l <<<"$expected_files")"
listed_files=$(grep -P '^item\t' <<<"$description" | cut -f3 | sort)
expect_eq "listed files" "$expected_files" "$listed_files"
expect_eq "list count" "count	12" "$(grep -P '^count\t' <<<"$description")"
grep -qP '^control\t[^\t]*\t[^\t]*\t[^\t]*\tvisible\tNb de fichiers / Nb of files : 12$' <<<"$description" ||
    fail "no visible label \"Nb de fichiers / Nb of files : 12\""
echo "ok: file count label"

stop_klangor
