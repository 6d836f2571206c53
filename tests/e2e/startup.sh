#!/usr/bin/env bash
# Start-up as a user sees it: with the game's registry entry pointing at a game
# with twelve sound-bank files, Klangor opens its window at the stored size and
# lists exactly those files and shows their count.
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
# The count label is drawn by the window itself, without a window of its own
# that could be asked for its text: its text is checked in-process
# (StartupTests); here it must show on the screen, as dark ink where the
# stored layout puts it, under the list.
read -r origin_x origin_y < <(cut -f5 <<<"$window" | sed 's/^origin //')
shot=$(mktemp --suffix=.png)
screenshot "$shot"
ink=$(convert "$shot" -crop "130x13+$((origin_x + 9))+$((origin_y + 444))" -colorspace Gray -threshold 50% \
    -negate -format '%[fx:round(mean*w*h)]' info:)
rm -f "$shot"
# Text, not an empty or black area: about a fifth of the box is ink.
[ "$ink" -gt 100 ] && [ "$ink" -lt 800 ] || fail "the count label shows $ink dark pixels of 1690"
echo "ok: file count label drawn ($ink dark pixels)"

stop_klangor
