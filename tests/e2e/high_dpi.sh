#!/usr/bin/env bash
# The window at the system's text size of 150 % and 200 %, as Wine sets it
# with the registry value LogPixels: each size in a Wine prefix and on an X
# screen of the check's own, a laptop's 1366 x 768 at 144 DPI. The window
# fits the screen, its client area is the designed one scaled, and it lists
# the game's files. KLANGOR_SHOTS=FOLDER keeps a screenshot of each.
source "$(dirname "$0")/lib.sh"

designed_client_width=0
designed_client_height=0
own_xvfb=
own_prefix_used=

dpi_cleanup() {
    local status=$?
    [ -z "$klangor_pid" ] || kill "$klangor_pid" 2>/dev/null || true
    klangor_pid=
    [ -z "$own_prefix_used" ] || wineserver -k >/dev/null 2>&1 || true
    [ -z "$own_xvfb" ] || kill "$own_xvfb" 2>/dev/null || true
    (exit "$status")
    e2e_cleanup
}
trap dpi_cleanup EXIT

scratch=$(mktemp -d)

# own_display WIDTHxHEIGHT: a private X screen of that size becomes DISPLAY.
own_display() {
    [ -z "$own_xvfb" ] || kill "$own_xvfb" 2>/dev/null || true
    Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp 3>"$scratch/display" </dev/null >/dev/null 2>&1 &
    own_xvfb=$!
    for _ in $(seq 100); do [ -s "$scratch/display" ] && break; sleep 0.1; done
    [ -s "$scratch/display" ] || fail "no X screen of $1"
    export DISPLAY=":$(head -n 1 "$scratch/display")"
    rm -f "$scratch/display"
}

# own_prefix DPI: a fresh Wine prefix whose user text size is DPI. Each Wine
# process reads LogPixels when it starts (HKCU\Control Panel\Desktop is
# taken before the HKLM font setting).
own_prefix() {
    [ -z "$own_prefix_used" ] || wineserver -k >/dev/null 2>&1 || true
    own_prefix_used=yes
    export WINEPREFIX="$scratch/prefix-$1"
    mkdir -p "$WINEPREFIX"
    wineserver -p </dev/null >/dev/null 2>&1
    WINEDLLOVERRIDES="mscoree,mshtml=" wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f \
        </dev/null >/dev/null 2>&1
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f </dev/null >/dev/null 2>&1
}

# The designed client area, at 96 DPI, on the test run's own display.
make_game
start_klangor
read -r designed_client_width designed_client_height < <(inspect | awk -F'\t' '$1 == "window" { sub("client ", "", $4); print $4 }')
stop_klangor
rm -rf "$game_folder"
game_folder=
wine reg delete "$RBR_KEY" /f /reg:32 </dev/null >/dev/null 2>&1
echo "designed client area: $designed_client_width x $designed_client_height"

for row in "144 1366x768" "192 2560x1440"; do
    read -r dpi screen <<<"$row"
    screen_width=${screen%x*}
    screen_height=${screen#*x}
    own_display "$screen"
    own_prefix "$dpi"
    make_game
    start_klangor
    dismiss_version_warning
    description=$(inspect)
    window=$(grep -P '^window\t' <<<"$description")
    echo "at $dpi DPI on $screen: $window"
    read -r outer_width outer_height < <(cut -f3 <<<"$window" | sed 's/^outer //')
    read -r client_width client_height < <(cut -f4 <<<"$window" | sed 's/^client //')
    read -r origin_x origin_y < <(cut -f5 <<<"$window" | sed 's/^origin //')
    [ "$outer_width" -le "$screen_width" ] && [ "$outer_height" -le "$screen_height" ] ||
        fail "$outer_width x $outer_height does not fit $screen"
    [ "$origin_x" -ge 0 ] && [ "$origin_y" -ge 0 ] && [ $((origin_x + client_width)) -le "$screen_width" ] &&
        [ $((origin_y + client_height)) -le "$screen_height" ] || fail "the client area leaves the screen"
    echo "ok: the window fits $screen"
    # The scale the window took: its client width over the designed one; the
    # height follows it, rounded as MulDiv rounds.
    scale=$(( (client_width * 96 + designed_client_width / 2) / designed_client_width ))
    expect_eq "client height at $scale DPI" $(( (designed_client_height * scale + 48) / 96 )) "$client_height"
    [ "$scale" -gt 96 ] && [ "$scale" -le "$dpi" ] || fail "scaled to $scale DPI on a $dpi DPI screen"
    [ "$dpi" = 192 ] && expect_eq "the whole scale on the large screen" 192 "$scale"
    expect_eq "list count at $dpi DPI" "count	12" "$(grep -P '^count\t' <<<"$description")"
    if [ -n "${KLANGOR_SHOTS:-}" ]; then
        screenshot "$scratch/screen.png"
        convert "$scratch/screen.png" -crop "${client_width}x${client_height}+${origin_x}+${origin_y}" +repage \
            "$KLANGOR_SHOTS/window-$dpi-dpi.png"
    fi
    stop_klangor
    rm -rf "$game_folder"
    game_folder=
done
