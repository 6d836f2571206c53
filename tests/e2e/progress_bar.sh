#!/usr/bin/env bash
# The progress bar as a user sees it during and after a write: at start it is
# empty; after "Modifier les fichiers / Modify files" it is filled to its right
# end with the blue shaded cylinder and shows the done text "Terminé / Done",
# which is far wider than "100%". The sound folder holds a few hundred
# files and EnableEQOnCars is ticked, so that every file is written and the
# bar can be seen advancing; a picture taken while it moves is kept when one
# was caught, but its timing is not asserted.
#
# KLANGOR_SCREENSHOT_DIR: where progress-during.png, progress-done.png and
# progress-screenshot.png (both stacked) go; a temporary folder by default.
source "$(dirname "$0")/lib.sh"

bar_left=7 bar_top=487 bar_width=693 bar_height=22
shots=${KLANGOR_SCREENSHOT_DIR:-$(mktemp -d)}
mkdir -p "$shots"

make_game
audio="$game_folder/KOVEN/Sounds/Audio"
first_bank=$(find "$audio" -maxdepth 1 -name '*.ini' | head -n 1)
for n in $(seq -w 1 400); do cp "$first_bank" "$audio/zz_bank_$n.ini"; done

start_klangor
dismiss_version_warning
origin=$(inspect | awk -F'\t' '$1 == "window" { sub("origin ", "", $5); print $5 }')
read -r origin_x origin_y <<<"$origin"

# bar_shot FILE: the bar with a margin of 4 pixels, from the screen.
bar_shot() {
    xwd -root -silent | convert xwd:- -crop "$((bar_width + 8))x$((bar_height + 8))+$((origin_x + bar_left - 4))+$((origin_y + bar_top - 4))" +repage "$1"
}

# pixel FILE X Y: "r,g,b" of a pixel of the bar (bar coordinates).
pixel() {
    convert "$1" -format "%[fx:int(255*p{$(($2 + 4)),$(($3 + 4))}.r)],%[fx:int(255*p{$(($2 + 4)),$(($3 + 4))}.g)],%[fx:int(255*p{$(($2 + 4)),$(($3 + 4))}.b)]" info:-
}

# caption_span FILE: the width of the run of columns, inside the bar area's
# border (columns 4 to 687, rows 4 to 17), holding pixels lighter than the
# blue fill can be: the caption and its light shadow, once the bar is full.
caption_span() {
    convert "$1" -crop "$((bar_width - 9))x14+8+8" +repage txt:- |
        awk -F'[,:() ]+' 'NR > 1 && $4 > 100 { x = $1 + 0; if (min == "" || x < min) min = x; if (x > max) max = x }
                          END { print (min == "" ? 0 : max - min + 1) }'
}

# Row 8 is the brightest row of the blue cylinder: (63, 63, 255) where filled.
bar_shot "$shots/progress-start.png"
[ "$(pixel "$shots/progress-start.png" 680 8)" != "63,63,255" ] || fail "the bar is filled before any write"
echo "ok: empty bar at start"

# The write takes the game root from the path field.
click $((8 + 300)) $((21 + 10))
key ctrl+a BackSpace
type_text "$game_root"
click $((510 + 8)) $((76 + 8))   # EnableEQOnCars
click $((254 + 83)) $((462 + 9)) # Modifier les fichiers / Modify files
during=
for _ in $(seq 200); do
    bar_shot "$shots/progress-now.png"
    # At Max, and only there, the boundary line lies on column 690, beside
    # the bar area, where the background shows until then.
    [ "$(pixel "$shots/progress-now.png" 690 8)" = "$(pixel "$shots/progress-now.png" 691 8)" ] || break
    if [ -z "$during" ] && [ "$(pixel "$shots/progress-now.png" 20 8)" = "63,63,255" ]; then
        cp "$shots/progress-now.png" "$shots/progress-during.png"
        during=yes
    fi
    sleep 0.1
done
mv "$shots/progress-now.png" "$shots/progress-done.png"

expect_eq "filled at the left end" "63,63,255" "$(pixel "$shots/progress-done.png" 20 8)"
expect_eq "filled at the right end" "63,63,255" "$(pixel "$shots/progress-done.png" 680 8)"
expect_eq "darkest filled row" "30,30,120" "$(pixel "$shots/progress-done.png" 20 17)"
span=$(caption_span "$shots/progress-done.png")
[ "$span" -gt 60 ] || fail "the caption is $span pixels wide, not the done text"
echo "ok: done text shown ($span pixels wide)"

if [ -n "$during" ]; then
    convert "$shots/progress-during.png" "$shots/progress-done.png" -background white -splice 0x6 -append \
        "$shots/progress-screenshot.png"
    echo "kept a picture of the bar while it advanced"
else
    cp "$shots/progress-done.png" "$shots/progress-screenshot.png"
    echo "the write ended before the bar could be caught advancing"
fi
stop_klangor
