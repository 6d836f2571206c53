# Sourced by the end-to-end scripts. Drives the real Klangor.exe under Wine.
#
# Needs WINEPREFIX and DISPLAY (scripts/test.sh provides both, with the Wine
# server already up) and KLANGOR_EXE, KLANGOR_INSPECT, KLANGOR_ROOT (ctest sets
# them). On a private Xvfb without a window manager Wine draws the window frames
# itself; clicks are therefore placed with the client origin that
# klangor-window-reader reports, in screen coordinates.
set -euo pipefail
# A command that fails stops the check; it says which, so that no check ever
# ends without a word.
trap 'echo "FAIL: line $LINENO of $(basename "$0"): \"$BASH_COMMAND\" exited with $?" >&2' ERR
: "${WINEPREFIX:?run through scripts/test.sh}" "${DISPLAY:?run through scripts/test.sh}"
: "${KLANGOR_EXE:?}" "${KLANGOR_INSPECT:?}" "${KLANGOR_ROOT:?}"
export WINEDEBUG=${WINEDEBUG:--all}

RBR_KEY='HKLM\SOFTWARE\SCi Games\Richard Burns Rally\InstallPath'
# The game folders Klangor keeps for the player: each check starts without them.
KLANGOR_KEY='HKCU\Software\Klangor'
wine reg delete "$KLANGOR_KEY" /f </dev/null >/dev/null 2>&1 || true
# Nor with the backup sets of earlier checks or programs in the prefix's
# store, which Undo would name or offer first.
rm -rf "$WINEPREFIX"/drive_c/users/*/AppData/Local/Klangor
klangor_pid=
game_folder=
# A folder of the check's own, removed at its end with everything in it.
scratch=

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

xdotool getdisplaygeometry >/dev/null 2>&1 || fail "the X display $DISPLAY is not reachable"

# expect_eq WHAT EXPECTED ACTUAL
expect_eq() {
    [ "$2" = "$3" ] || fail "$1: expected [$2], got [$3]"
    echo "ok: $1"
}

# make_game: a demo game in a fresh folder on the prefix's C: drive, registered
# as the game root. Sets game_folder (Linux path) and game_root (Windows path).
make_game() {
    game_folder=$(mktemp -d "$WINEPREFIX/drive_c/klangor-e2e-XXXXXX")
    game_root="C:\\$(basename "$game_folder")"
    bash "$KLANGOR_ROOT/scripts/make-demo-game.sh" "$game_folder"
    set_game_root "$game_root"
}

# set_game_root WINDOWS_PATH: the value the game's installer writes, in the
# registry view a 32-bit program sees.
set_game_root() {
    wine reg add "$RBR_KEY" /ve /d "$1" /f /reg:32 </dev/null >/dev/null
}

# start_klangor [ARGUMENT...]: runs KLANGOR_EXE with the arguments given.
start_klangor() {
    wine "$KLANGOR_EXE" "$@" </dev/null >/dev/null 2>&1 &
    klangor_pid=$!
    wait_window Klangor >/dev/null
}

# wait_window TITLE [SECONDS]: prints the X window id once it is shown.
wait_window() {
    local title=$1 seconds=${2:-30} id
    for _ in $(seq $((seconds * 5))); do
        if id=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | head -n 1) && [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        if [ -n "$klangor_pid" ] && ! kill -0 "$klangor_pid" 2>/dev/null; then
            fail "Klangor ended before the window \"$title\" appeared"
        fi
        sleep 0.2
    done
    fail "no window \"$title\" after $seconds s"
}

# wait_gone TITLE: waits (up to 10 s) until no window TITLE is shown.
wait_gone() {
    for _ in $(seq 50); do
        xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
        sleep 0.2
    done
    return 1
}

# dismiss_version_warning: without a network the version check reports its
# failure at start-up, in a box that holds the window's input while open.
dismiss_version_warning() {
    # Wine may replace the box's X window while it maps it, so the key goes to
    # whichever window bears the title now, until the box is gone.
    # The download fails after the system's name lookup gives up, which on a
    # busy machine can take longer than any window takes to show.
    wait_window Warning 90 >/dev/null
    for _ in $(seq 10); do
        local box
        box=$(xdotool search --onlyvisible --name '^Warning$' 2>/dev/null | head -n 1) || true
        [ -n "$box" ] || return 0
        xdotool key --window "$box" Return 2>/dev/null || true
        wait_gone Warning && return 0
    done
    fail "the version check's warning did not close"
}

# inspect [TITLE]: klangor-window-reader's description of the window (default Klangor).
inspect() {
    wine "$KLANGOR_INSPECT" "${1:-Klangor}" </dev/null
}

# control_rect CLASS TOP_BELOW: "left top width height" of the first control of
# that class lying below the given top, topmost then leftmost.
control_rect() {
    inspect | awk -F'\t' -v cls="$1" -v below="$2" '$1 == "control" && $2 == cls {
        split($4, r, " "); if (r[2] > below) print r[2], r[1], $4 }' | sort -n -k1,1 -k2,2 | head -n 1 | cut -d' ' -f3-
}

# edit_text LEFT TOP: the text of the edit box at that place.
edit_text() {
    inspect | awk -F'\t' -v at="$1 $2" '$1 == "control" && $2 == "Edit" && index($4, at) == 1 { print $6 }'
}

# lines FILE: the file's lines without CR and without blank lines (Wine's
# private-profile writer drops blank lines).
lines() {
    tr -d '\r' <"$1" | grep -v '^[[:space:]]*$'
}

# lines_with_gain FILE KEY VALUE: the lines of FILE (as lines gives them) with
# KEY of [AMP::SOUNDS] set to VALUE, as a write of that gain leaves them.
lines_with_gain() {
    lines "$1" | awk -v key="$2" -v value="$3" '/^\[/ { section = $0 }
        section == "[AMP::SOUNDS]" && index($0, key "=") == 1 { $0 = key "=" value } { print }'
}

# click X Y [TITLE]: a left click at client coordinates of the window.
click() {
    local origin
    origin=$(inspect "${3:-Klangor}" | awk -F'\t' '$1 == "window" { sub("origin ", "", $5); print $5 }')
    [ -n "$origin" ] || fail "no window to click in"
    set -- "$1" "$2" $origin
    xdotool mousemove --sync $(($3 + $1)) $(($4 + $2)) click 1
}

# click_inside "LEFT TOP WIDTH HEIGHT": a click in the middle of a rectangle.
click_inside() {
    local left top width height
    read -r left top width height <<<"$1"
    click $((left + width / 2)) $((top + height / 2))
}

type_text() {
    xdotool type --delay 30 "$1"
}

key() {
    xdotool key "$@"
}

# expect_count WHAT N: waits (up to 10 s) until the window's list holds N
# files, then checks it.
expect_count() {
    for _ in $(seq 50); do
        inspect | grep -qP "^count\t$2\$" && break
        sleep 0.2
    done
    expect_eq "$1" "count	$2" "$(inspect | grep -P '^count\t')"
}

# await_line FOLDER LINE NAME...: waits (up to 20 s) until each named file of
# the folder holds the line (CR aside); fails naming the first that does not.
await_line() {
    local folder=$1 line=$2 name pending
    shift 2
    for _ in $(seq 100); do
        pending=
        for name in "$@"; do
            tr -d '\r' <"$folder/$name" | grep -qxF "$line" || { pending=$name; break; }
        done
        [ -z "$pending" ] && return 0
        sleep 0.2
    done
    fail "$pending does not hold $line"
}

# screenshot FILE: the whole screen as PNG.
screenshot() {
    xwd -root -silent | convert xwd:- "$1"
}

# menu_window: "ID +X+Y" of the open window menu (an unnamed window of the
# program's, larger than a pixel), or nothing while none is open.
menu_window() {
    xwininfo -root -children | awk '/"klangor.exe"/ && /has no name/ && !/ 1x1\+/ {
        match($0, /[0-9]+x[0-9]+\+[0-9]+\+[0-9]+/); split(substr($0, RSTART, RLENGTH), g, "+"); print $1, "+" g[2] "+" g[3]; exit }'
}

# open_window_menu [MAIN_WINDOW]: opens the main window's menu with
# Alt+Space and sets menu to what menu_window gives. The keyboard focus may
# reach the window a moment after it is asked for, and Alt+Space pressed
# before that opens nothing: pressed again, but only after waiting long
# enough that a second press cannot close a menu that was merely slow to
# show. Keys sent the moment the menu shows may reach the window before the
# menu takes them.
open_window_menu() {
    local window=${1:-}
    [ -n "$window" ] || window=$(wait_window Klangor)
    menu=
    for _ in 1 2 3; do
        xdotool windowfocus --sync "$window" 2>/dev/null || true
        key alt+space
        for _ in $(seq 50); do
            menu=$(menu_window)
            [ -n "$menu" ] && break 2
            sleep 0.1
        done
    done
    [ -n "$menu" ] || fail "the window menu did not open"
    sleep 0.5
}

# shoot_window_menu FILE: the screen with the open menu on it. Captured from
# the root, an open menu shows as a black rectangle under Xvfb; its own
# window is drawn onto the picture where it lies.
shoot_window_menu() {
    local menu_id menu_at shots
    read -r menu_id menu_at <<<"$menu"
    shots=$(mktemp -d)
    screenshot "$shots/screen.png"
    xwd -id "$menu_id" -silent | convert xwd:- "$shots/menu-only.png"
    convert "$shots/screen.png" "$shots/menu-only.png" -geometry "$menu_at" -composite "$1"
    rm -rf "$shots"
}

# stop_klangor: closes the window as its close box would, then waits for the
# program to end; a program that does not end within 10 s is killed and fails.
stop_klangor() {
    [ -n "$klangor_pid" ] || return 0
    local pid=$klangor_pid
    klangor_pid=
    wine "$KLANGOR_INSPECT" --close Klangor </dev/null >/dev/null 2>&1 || true
    for _ in $(seq 50); do
        kill -0 "$pid" 2>/dev/null || { wait "$pid" 2>/dev/null || true; return 0; }
        sleep 0.2
    done
    kill "$pid" 2>/dev/null || true
    fail "Klangor did not end within 10 s of being closed"
}

e2e_cleanup() {
    local status=$?
    if [ -n "$klangor_pid" ]; then
        kill "$klangor_pid" 2>/dev/null || true
    fi
    [ -z "$game_folder" ] || rm -rf "$game_folder"
    [ -z "$scratch" ] || rm -rf "$scratch"
    wine reg delete "$RBR_KEY" /f /reg:32 </dev/null >/dev/null 2>&1 || true
    wine reg delete "$KLANGOR_KEY" /f </dev/null >/dev/null 2>&1 || true
    # A key sent to a box that closed before its release can stay down on the
    # X server, repeating into every later check's boxes, which then close as
    # soon as they show: each check leaves the keyboard as it found it.
    xdotool keyup Return Escape space Tab ctrl alt shift 2>/dev/null || true
    exit "$status"
}
trap e2e_cleanup EXIT
