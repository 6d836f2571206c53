#!/usr/bin/env bash
# Writing and undoing as a user does: type 0,8 as the "Engine" gain, press
# "Modifier les fichiers / Modify files", then open the window menu with
# Alt+Space, choose "Annuler la dernière modification / Undo the last change"
# (third from the end, before the backups folder and About) and answer Yes. Every sound bank is then the
# original again, byte for byte. The player's own copy Car_Generic.ini_orig,
# which the platform's "*.ini" search finds through its short name, is
# neither listed nor touched. Screenshots of the open menu and of the
# question go to $KLANGOR_SHOTS when it is set.
source "$(dirname "$0")/lib.sh"

make_game
audio="$game_folder/KOVEN/Sounds/Audio"
printf '[AMP::SOUNDS]\r\nEngine=0.45\r\n' >"$audio/Car_Generic.ini_orig"
player_copy=$(cat "$audio/Car_Generic.ini_orig")
before=$(mktemp -d)
find "$audio" -maxdepth 1 -type f -name "*.ini" -exec cp {} "$before"/ \;
start_klangor
dismiss_version_warning
expect_eq "the list holds the twelve banks only" "count	12" "$(inspect | grep -P '^count\t')"

engine_field=$(control_rect Edit 110)
click_inside "$engine_field"
type_text "0,8"
modify=$(inspect | awk -F'\t' '$1 == "control" && $6 == "Modifier les fichiers / Modify files" { print $4 }')
[ -n "$modify" ] || fail "no button \"Modifier les fichiers / Modify files\""
click_inside "$modify"

# changed_count: how many banks differ from their originals.
changed_count() {
    local changed=0 original
    for original in "$before"/*.ini; do
        cmp -s "$original" "$audio/$(basename "$original")" || changed=$((changed + 1))
    done
    echo "$changed"
}
total=$(ls "$before"/*.ini | wc -l)
for _ in $(seq 100); do
    [ "$(changed_count)" -eq "$total" ] && break
    sleep 0.2
done
expect_eq "every bank written" "$total" "$(changed_count)"
grep -q '^Engine=0.8' "$audio/$(ls "$before" | head -n 1)" || fail "Engine is not 0.8 after the write"

# windows_titled TITLE: how many visible windows bear that title.
windows_titled() {
    xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | wc -l
}
main_window=$(wait_window Klangor)
open_window_menu
[ -z "${KLANGOR_SHOTS:-}" ] || shoot_window_menu "$KLANGOR_SHOTS/system-menu.png"
key Up Up Up Return
for _ in $(seq 150); do
    [ "$(windows_titled Klangor)" -ge 2 ] && break
    sleep 0.2
done
expect_eq "the undo question is shown beside the window" 2 "$(windows_titled Klangor)"
if [ -n "${KLANGOR_SHOTS:-}" ]; then
    box=$(xdotool search --onlyvisible --name '^Klangor$' | grep -v "^$main_window\$" | head -n 1)
    xwd -id "$box" -silent | convert xwd:- "$KLANGOR_SHOTS/undo-question.png"
fi
key Return

for _ in $(seq 100); do
    [ "$(changed_count)" -eq 0 ] && break
    sleep 0.2
done
for original in "$before"/*.ini; do
    name=$(basename "$original")
    cmp -s "$original" "$audio/$name" || fail "$name is not the original after the undo"
done
echo "ok: all $total banks are their originals again, byte for byte"
expect_eq "the player's own copy is untouched" "$player_copy" "$(cat "$audio/Car_Generic.ini_orig")"
expect_eq "no box left open" 1 "$(windows_titled Klangor)"
rm -rf "$before"

stop_klangor
