# Sourced by the other scripts: prepares Wine and an X display for running the
# program and its tests, and stops both again when the sourcing shell exits.
#
#   KLANGOR_XVFB=always  always use a private Xvfb (the tests: no window manager,
#                        nothing of the user's desktop touched)
#   KLANGOR_XVFB=auto    keep a working $DISPLAY, else start a private Xvfb
#
# Exports WINEPREFIX (the project's own, build/wineprefix), WINEDEBUG and DISPLAY.

KLANGOR_ROOT=${KLANGOR_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
export WINEPREFIX=${WINEPREFIX:-$KLANGOR_ROOT/build/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
mkdir -p "$WINEPREFIX"

klangor_xvfb_pid=

klangor_display_works() {
    [ -n "${DISPLAY:-}" ] && xdotool getdisplaygeometry >/dev/null 2>&1
}

# Xvfb picks a free display number itself and writes it to the given descriptor
# once it accepts connections, so two runs on one machine never collide.
klangor_start_xvfb() {
    local number_file
    number_file=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$number_file" </dev/null >/dev/null 2>&1 &
    klangor_xvfb_pid=$!
    local waited=0
    while [ ! -s "$number_file" ]; do
        if ! kill -0 "$klangor_xvfb_pid" 2>/dev/null || [ "$waited" -ge 100 ]; then
            echo "wine-env: Xvfb did not start" >&2
            rm -f "$number_file"
            return 1
        fi
        sleep 0.1
        waited=$((waited + 1))
    done
    export DISPLAY=":$(head -n 1 "$number_file")"
    rm -f "$number_file"
}

# Runs as the EXIT trap, also of scripts under `set -e`: a Wine server or an
# Xvfb that has already ended must not turn a finished run into a failure.
klangor_wine_env_stop() {
    wineserver -k >/dev/null 2>&1 || true
    if [ -n "$klangor_xvfb_pid" ]; then
        kill "$klangor_xvfb_pid" 2>/dev/null || true
        wait "$klangor_xvfb_pid" 2>/dev/null || true
        klangor_xvfb_pid=
    fi
}

klangor_managed=Y
if [ "${KLANGOR_XVFB:-auto}" = always ] || ! klangor_display_works; then
    klangor_start_xvfb || return 1
    # With no window manager on a private Xvfb, nobody confirms that a managed
    # window was unmapped, and Wine waits 2 s for it at every closed dialog box.
    # Unmanaged, Wine draws the frames itself and closes boxes at once.
    klangor_managed=N
fi
trap klangor_wine_env_stop EXIT
# An interrupted run still cleans up: exiting on the signal runs the EXIT trap.
trap 'exit 130' INT
trap 'exit 143' TERM HUP

# The Wine server and the prefix's services outlive the process that starts them
# and keep its output pipe open: started from a test, they make ctest wait for
# them. Started here, detached from every pipe, they serve all later processes.
# The first Wine program boots the prefix; Mono and Gecko are not needed, and
# disabling them keeps their installer prompts away from a fresh prefix.
wineserver -p </dev/null >/dev/null 2>&1
WINEDLLOVERRIDES="mscoree,mshtml=" wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d "$klangor_managed" /f \
    </dev/null >/dev/null 2>&1
