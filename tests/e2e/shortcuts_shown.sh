#!/usr/bin/env bash
# Shortcuts a user can see, and a wrong folder on the command line: the mouse
# resting on "Modifier les fichiers / Modify files" brings up a tooltip, and
# Escape ends the program as the close box does; a folder argument that is no
# game root is refused with the path message, and the program goes on.
source "$(dirname "$0")/lib.sh"

make_game
start_klangor
dismiss_version_warning
read -r origin_x origin_y < <(inspect | awk -F'\t' '$1 == "window" { sub("origin ", "", $5); print $5 }')
read -r left top width height < <(inspect | awk -F'\t' '$1 == "control" && $2 == "TbButton" && $6 ~ /^Modifier/ { print $4 }')
x=$((origin_x + left + width / 2))
y=$((origin_y + top + height / 2))
xdotool mousemove --sync $x $y
xdotool mousemove --sync $((x + 2)) $((y + 1))

# The tooltip is a small top-level window of its own, without a title.
tip=
for _ in $(seq 25); do
    for window in $(xdotool search --onlyvisible --name '^$' 2>/dev/null); do
        read -r w h < <(xdotool getwindowgeometry "$window" | awk '/Geometry/ { split($2, s, "x"); print s[1], s[2] }')
        [ "$w" -lt 200 ] && [ "$h" -lt 40 ] && tip=$window
    done
    [ -n "$tip" ] && break
    sleep 0.2
done
[ -n "$tip" ] || fail "no tooltip over the write button"
shot=$(mktemp --suffix=.png)
xwd -id "$tip" -silent | convert xwd:- "$shot"
ink=$(convert "$shot" -colorspace Gray -threshold 50% -negate -format '%[fx:round(mean*w*h)]' info:)
rm -f "$shot"
# "Ctrl+S" in the system's small font: some tens of dark pixels.
[ "$ink" -gt 20 ] && [ "$ink" -lt 400 ] || fail "the tooltip shows $ink dark pixels"
echo "ok: tooltip over the write button ($ink dark pixels)"

pid=$klangor_pid
key Escape
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.2; done
kill -0 "$pid" 2>/dev/null && fail "Escape did not end Klangor"
klangor_pid=
echo "ok: Escape ends Klangor"

wine "$KLANGOR_EXE" 'C:\no such game' </dev/null >/dev/null 2>&1 &
klangor_pid=$!
wait_window Klangor >/dev/null
box_message() { inspect Klangor | grep -P '^control\tStatic\t' | cut -f6 | tr '\n' ' '; }
message=$(box_message)
[[ "$message" == *"Le chemin est invalide. / Invalid path."* ]] || fail "the box says [$message]"
echo "ok: a wrong folder argument is refused with the path message"
# The box's X window may be replaced while it is mapped: the key goes to
# whichever window bears the title now, until the box has gone.
for _ in $(seq 10); do
    [[ "$(box_message)" == *"Invalid path"* ]] || break
    xdotool key --window "$(xdotool search --onlyvisible --name '^Klangor$' | head -n 1)" Return 2>/dev/null || true
    sleep 0.3
done
dismiss_version_warning
expect_eq "nothing listed" "count	0" "$(inspect | grep -P '^count\t')"
stop_klangor
