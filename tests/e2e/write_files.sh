#!/usr/bin/env bash
# The main job as a user does it: type the game root and press Enter, untick
# one file, type 0,8 as the "Engine" gain, press "Modifier les fichiers /
# Modify files". Every ticked file then reads 0.8 for "Engine" in
# "AMP::SOUNDS" with every other line as it was and in its order (blank lines
# aside: Wine's private-profile writer drops them), the unticked file is
# unchanged byte for byte, and the field shows 0.8.
source "$(dirname "$0")/lib.sh"

make_game
set_game_root ""
audio="$game_folder/KOVEN/Sounds/Audio"
before=$(mktemp -d)
find "$audio" -maxdepth 1 -type f -name "*.ini" -exec cp {} "$before"/ \;
start_klangor
dismiss_version_warning

path_field=$(control_rect Edit 0)
[ -n "$path_field" ] || fail "no path field"
click_inside "$path_field"
type_text "$game_root"
key Return
for _ in $(seq 50); do
    inspect | grep -qP '^count\t12$' && break
    sleep 0.2
done
expect_eq "typed root lists the twelve files" "count	12" "$(inspect | grep -P '^count\t')"

list=$(control_rect ListBox 0)
read -r list_left list_top _ <<<"$list"
unticked_index=3
unticked=$(inspect | awk -F'\t' -v i=$unticked_index '$1 == "item" && $2 == i { print $3 }')
[ -n "$unticked" ] || fail "no item $unticked_index in the list"
# The glyph column is the first 15 pixels of each 16-pixel item row; the list
# has a border of one or two pixels.
click $((list_left + 2 + 7)) $((list_top + 2 + unticked_index * 16 + 8))

# The gain fields lie below the [OPTIONS::SOUNDS] group; Engine is the first.
engine_field=$(control_rect Edit 110)
read -r engine_left engine_top _ <<<"$engine_field"
click_inside "$engine_field"
type_text "0,8"
expect_eq "Engine field before the write" "0,8" "$(edit_text "$engine_left" "$engine_top")"

modify=$(inspect | awk -F'\t' '$1 == "control" && $6 == "Modifier les fichiers / Modify files" { print $4 }')
[ -n "$modify" ] || fail "no button \"Modifier les fichiers / Modify files\""
click_inside "$modify"

ticked_files=()
for original in "$before"/*.ini; do
    name=$(basename "$original")
    [ "$name" = "$unticked" ] || ticked_files+=("$name")
done
expect_eq "eleven ticked files" 11 "${#ticked_files[@]}"
for _ in $(seq 100); do
    done_count=0
    for name in "${ticked_files[@]}"; do
        [ "$(lines "$audio/$name")" = "$(lines_with_gain "$before/$name" Engine 0.8)" ] && done_count=$((done_count + 1))
    done
    [ "$done_count" -eq ${#ticked_files[@]} ] && break
    sleep 0.2
done
for name in "${ticked_files[@]}"; do
    expect_eq "$name: Engine 0.8, every other line kept in order" "$(lines_with_gain "$before/$name" Engine 0.8)" "$(lines "$audio/$name")"
done
cmp -s "$before/$unticked" "$audio/$unticked" || fail "the unticked file $unticked changed"
echo "ok: the unticked file $unticked is unchanged byte for byte"
expect_eq "Engine field after the write" "0.8" "$(edit_text "$engine_left" "$engine_top")"
rm -rf "$before"

stop_klangor
