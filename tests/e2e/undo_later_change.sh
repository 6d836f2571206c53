#!/usr/bin/env bash
# Undo when a bank was changed by hand since, as a player meets it: two
# presses of "Modifier les fichiers / Modify files" (Engine 0,5 then 0,7),
# then Horn=0.99 typed into one bank by hand. Undo: the question names that
# bank ("... a changé depuis / has changed since ...") and Enter, its default
# answer, keeps it while every other bank is back as after the first press.
# Undo again: named again, No puts it back too, and every bank is the
# original. Redo (the item just before Undo) brings back what that undo
# replaced: the hand change, and every other bank as after the first press.
# Every file is compared byte for byte at each step. Pictures of the
# questions go to $KLANGOR_SHOTS when it is set.
source "$(dirname "$0")/lib.sh"

make_game
audio="$game_folder/KOVEN/Sounds/Audio"
scratch=$(mktemp -d)
# snapshot NAME: a copy of every bank as it is now.
snapshot() {
    mkdir -p "$scratch/$1"
    find "$audio" -maxdepth 1 -type f -name "*.ini" -exec cp {} "$scratch/$1"/ \;
}
# differing SNAPSHOT [EXCEPT]: how many banks differ from the snapshot, byte
# for byte, leaving out the bank EXCEPT.
differing() {
    local count=0 kept
    for kept in "$scratch/$1"/*.ini; do
        [ "$(basename "$kept")" = "${2:-}" ] && continue
        cmp -s "$kept" "$audio/$(basename "$kept")" || count=$((count + 1))
    done
    echo "$count"
}
# await_banks SNAPSHOT [EXCEPT]: waits until the banks are the snapshot's.
await_banks() {
    for _ in $(seq 100); do
        [ "$(differing "$@")" -eq 0 ] && return 0
        sleep 0.2
    done
    fail "$(differing "$@") banks differ from \"$1\""
}
snapshot original
start_klangor
dismiss_version_warning
main_window=$(wait_window Klangor)
banks=$(ls "$scratch/original" | wc -l)

engine_field=$(control_rect Edit 110)
modify=$(inspect | awk -F'\t' '$1 == "control" && $6 == "Modifier les fichiers / Modify files" { print $4 }')
[ -n "$modify" ] || fail "no button \"Modifier les fichiers / Modify files\""
# press ENGINE: types the Engine gain and presses the button; waits until
# every bank holds it.
press() {
    click_inside "$engine_field"
    key End BackSpace BackSpace BackSpace BackSpace
    type_text "$1"
    click_inside "$modify"
    local written name
    for _ in $(seq 100); do
        written=0
        for name in "$scratch/original"/*.ini; do
            grep -q "^Engine=${1/,/.}" "$audio/$(basename "$name")" && written=$((written + 1))
        done
        [ "$written" -eq "$banks" ] && return 0
        sleep 0.2
    done
    fail "$written of $banks banks hold Engine=$1"
}
press "0,5"
snapshot first
press "0,7"
[ "$(differing first)" -eq "$banks" ] || fail "the second press left banks as the first did"

hand=$(ls "$scratch/original" | head -n 1)
sed -i -E 's/^Horn=[0-9.]*/Horn=0.99/' "$audio/$hand"
grep -q '^Horn=0.99' "$audio/$hand" || fail "no Horn line in $hand"
cp "$audio/$hand" "$scratch/by-hand.ini"

# choose UPS: opens the window menu with Alt+Space and chooses the item that
# many places up from its end (3 Undo, 4 Redo).
choose() {
    open_window_menu "$main_window" >/dev/null
    for _ in $(seq "$1"); do key Up; done
    key Return
}
# answer PATTERN KEY [SHOT]: waits for the box whose text holds PATTERN, then
# answers it with KEY; prints the box's text. With $KLANGOR_SHOTS set, a
# picture of the box goes to $KLANGOR_SHOTS/SHOT.png.
answer() {
    local text=
    for _ in $(seq 150); do
        text=$(inspect | awk -F'\t' '$1 == "control" && $2 == "Static" && $6 != "" { print $6 }')
        [[ "$text" == *"$1"* ]] && break
        sleep 0.2
    done
    [[ "$text" == *"$1"* ]] || fail "no box saying \"$1\" (last seen: \"$text\")"
    if [ -n "${KLANGOR_SHOTS:-}" ] && [ -n "${3:-}" ]; then
        local box
        box=$(xdotool search --onlyvisible --name '^Klangor$' | grep -v "^$main_window\$" | head -n 1)
        xwd -id "$box" -silent | convert xwd:- "$KLANGOR_SHOTS/$3.png"
    fi
    key "$2"
    wait_gone_box
    echo "$text"
}
# wait_gone_box: until only the main window bears the title.
wait_gone_box() {
    for _ in $(seq 50); do
        [ "$(xdotool search --onlyvisible --name '^Klangor$' | wc -l)" -le 1 ] && return 0
        sleep 0.2
    done
}
changed="$hand a changé depuis / has changed since "

choose 3
answer "Annuler la modification du" Return >/dev/null
question=$(answer "$changed" Return changed-question)
expect_eq "the first undo names only the bank changed by hand" 1 "$(grep -o 'a changé depuis' <<<"$question" | wc -l)"
await_banks first "$hand"
cmp -s "$scratch/by-hand.ini" "$audio/$hand" || fail "the hand change was not kept"
echo "ok: the hand change is kept and every other bank is as after the first press"

choose 3
answer "Annuler la modification du" Return >/dev/null
answer "$changed" n >/dev/null
await_banks original
echo "ok: after No, every bank is the original"

choose 4
answer "Rétablir ce que l'annulation du" Return redo-question >/dev/null
await_banks first "$hand"
cmp -s "$scratch/by-hand.ini" "$audio/$hand" || fail "the redo did not bring back the hand change"
echo "ok: redo brings back the hand change and every other bank as after the first press"
expect_eq "no box left open" 1 "$(xdotool search --onlyvisible --name '^Klangor$' | wc -l)"

stop_klangor
