#!/usr/bin/env bash
# The file list and the buttons as a user drives them: every file starts
# ticked; a click on a file's check glyph unticks it; with three files
# selected the space bar unticks only the one with the caret; the selected
# files show the red band. The ticks are read from the screen: a ticked
# glyph holds a dark check mark.
source "$(dirname "$0")/lib.sh"

make_game
start_klangor
dismiss_version_warning
description=$(inspect)
origin=$(awk -F'\t' '$1 == "window" { sub("origin ", "", $5); print $5 }' <<<"$description")
read -r origin_x origin_y <<<"$origin"
list=$(grep -P '^control\tListBox\t' <<<"$description" | head -n 1)
[ -n "$list" ] || fail "no list box in the window"
read -r list_x list_y _ <<<"$(cut -f4 <<<"$list")"
# With visual styles (Wine's own theme is on) the list has a one-pixel
# border; the classic sunken edge is two. The points looked at are far enough
# inside the glyph and the item for either.
border=1
item_height=16
shot=$(mktemp --suffix .png)

# item_pixel INDEX X Y: the colour at a point of an item, from a new screenshot.
item_pixel() {
    convert "$shot" -format "%[pixel:p{$((origin_x + list_x + border + $2)),$((origin_y + list_y + border + $1 * item_height + $3))}]" info:
}

# ticked INDEX: yes when the glyph's inside holds a dark pixel.
ticked() {
    local x=$((origin_x + list_x + border + 4)) y=$((origin_y + list_y + border + $1 * item_height + 4))
    local darkest
    darkest=$(convert "$shot" -crop "8x8+$x+$y" +repage -colorspace Gray -format "%[fx:int(255*minima)]" info:)
    if [ "$darkest" -lt 100 ]; then echo yes; else echo no; fi
}

states() {
    screenshot "$shot"
    local out=
    for i in 0 1 2 3 4 5 6 7; do out+="$(ticked "$i") "; done
    echo "${out% }"
}

# expect_states WHAT EXPECTED: the program handles input in its own time, so
# the screen is read again until it shows the expected ticks or 5 s have
# passed.
expect_states() {
    local seen
    for _ in $(seq 25); do
        seen=$(states)
        [ "$seen" = "$2" ] && break
        sleep 0.2
    done
    expect_eq "$1" "$2" "$seen"
}

expect_states "all files ticked at start" "yes yes yes yes yes yes yes yes"

click $((list_x + border + 7)) $((list_y + border + 2 * item_height + 8))
expect_states "click on the glyph of file 2 unticks it" "yes yes no yes yes yes yes yes"

click $((list_x + border + 100)) $((list_y + border + 4 * item_height + 8))
sleep 0.5
expect_states "click on the text of file 4 leaves its tick" "yes yes no yes yes yes yes yes"
key shift+Down
key shift+Down
for _ in $(seq 25); do
    screenshot "$shot"
    [ "$(item_pixel 6 200 8)" = "srgb(255,0,0)" ] && break
    sleep 0.2
done
for i in 4 5 6; do
    expect_eq "file $i shows the red band" "srgb(255,0,0)" "$(item_pixel "$i" 200 8)"
done
expect_eq "file 3 is not selected" "srgb(255,255,255)" "$(item_pixel 3 200 8)"
key space
expect_states "space unticks only the caret file of three selected" "yes yes no yes yes yes no yes"
expect_eq "the glyph column keeps the list background" "srgb(255,255,255)" "$(item_pixel 6 1 8)"

rm -f "$shot"
stop_klangor
