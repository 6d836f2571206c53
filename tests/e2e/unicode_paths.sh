#!/usr/bin/env bash
# A game root and sound banks named in several scripts, used as a player
# does: type the root holding "Łódź", press Enter, type 0,8 as the "Engine"
# gain, press "Modifier les fichiers / Modify files". Every file then holds
# Engine=0.8 under its own name, and the folder holds exactly the files it
# held before: no lookalike was written and no stray file appeared.
source "$(dirname "$0")/lib.sh"

game_folder=$(mktemp -d "$WINEPREFIX/drive_c/klangor-e2e-XXXXXX")
root_name="Łódź Игры"
audio="$game_folder/$root_name/KOVEN/Sounds/Audio"
mkdir -p "$audio"
names=("Łódź.ini" "Řeřicha.ini" "Двигатель.ini" "Ω.ini" "音響.ini" "🚗 Rally.ini" "Cār.ini" "Car.ini")
for name in "${names[@]}"; do
    printf '[OPTIONS::SOUNDS]\r\nNumberChannels=32\r\n[AMP::SOUNDS]\r\nEngine=1.0\r\nRain=1.0\r\n' >"$audio/$name"
done
listing() {
    (cd "$audio" && find . -mindepth 1 -printf '%P\n' | LC_ALL=C sort)
}
before=$(listing)
set_game_root ""
start_klangor
dismiss_version_warning

path_field=$(control_rect Edit 0)
[ -n "$path_field" ] || fail "no path field"
read -r path_left path_top _ <<<"$path_field"
root="C:\\$(basename "$game_folder")\\$root_name"
# xdotool types a letter missing from the keyboard map by remapping a key for
# it, and on a busy machine a remapped letter now and then arrives as another:
# the field is read before Enter and typed again, as a person corrects a typo.
for _ in 1 2 3; do
    click_inside "$path_field"
    key End shift+Home Delete
    type_text "$root"
    [ "$(edit_text "$path_left" "$path_top")" = "$root" ] && break
done
expect_eq "the path field holds the root as typed" "$root" "$(edit_text "$path_left" "$path_top")"
key Return
expect_count "the typed root lists every bank" "${#names[@]}"

click_inside "$(control_rect Edit 110)"
type_text "0,8"
modify=$(inspect | awk -F'\t' '$1 == "control" && $6 == "Modifier les fichiers / Modify files" { print $4 }')
[ -n "$modify" ] || fail "no button \"Modifier les fichiers / Modify files\""
click_inside "$modify"

await_line "$audio" Engine=0.8 "${names[@]}"
echo "ok: every bank holds Engine=0.8 under its own name"
expect_eq "the folder holds the same files, no stray one" "$before" "$(listing)"

stop_klangor
