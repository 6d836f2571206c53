#!/usr/bin/env bash
# Presets and the kept game folder as a player uses them: type values, save
# them with Ctrl+Shift+S under a name typed into the save dialog, close;
# start again with no registry entry (the last folder is back, listed);
# Ctrl+O the preset through the open dialog, Ctrl+S; every bank then holds
# the preset's values. The preset file holds exactly the filled values.
# Pictures of the save dialog and of the window menu with its recent
# folders go to $KLANGOR_SHOTS when it is set.
source "$(dirname "$0")/lib.sh"

make_game
audio="$game_folder/KOVEN/Sounds/Audio"
scratch=$(mktemp -d "$WINEPREFIX/drive_c/klangor-presets-XXXXXX")
preset_windows="C:\\$(basename "$scratch")\\My preset"

start_klangor
dismiss_version_warning
expect_eq "the registry's root lists the twelve files" "count	12" "$(inspect | grep -P '^count\t')"

# NumberChannels is the edit box of [OPTIONS::SOUNDS]; Engine and
# EngineTransmission are the first two gain fields, below it.
channels_field=$(control_rect Edit 50)
click_inside "$channels_field"
type_text "32"
engine_field=$(control_rect Edit 110)
read -r engine_left engine_top _ <<<"$engine_field"
click_inside "$engine_field"
type_text "0.7"

key ctrl+shift+s
save_box=$(wait_window "Enregistrer les valeurs / Save values")
type_text "$preset_windows"
[ -z "${KLANGOR_SHOTS:-}" ] || xwd -id "$save_box" -silent | convert xwd:- "$KLANGOR_SHOTS/save-dialog.png"
key Return
wait_gone "Enregistrer les valeurs / Save values" || fail "the save dialog stayed open"
for _ in $(seq 25); do [ -f "$scratch/My preset.ini" ] && break; sleep 0.2; done
[ -f "$scratch/My preset.ini" ] || fail "no preset file after the save dialog ($save_box)"
expect_eq "the preset holds the filled values, CR LF, nothing else" \
    "$(printf '[OPTIONS::SOUNDS]\r\nNumberChannels=32\r\n[AMP::SOUNDS]\r\nEngine=0.7\r\n' | od -c)" \
    "$(od -c <"$scratch/My preset.ini")"
stop_klangor

# No registry entry now: the folder kept from the last session is used.
wine reg delete "$RBR_KEY" /f /reg:32 </dev/null >/dev/null 2>&1 || true
start_klangor
dismiss_version_warning
path_field=$(control_rect Edit 0)
read -r path_left path_top _ <<<"$path_field"
expect_eq "the kept folder is shown" "$game_root" "$(edit_text "$path_left" "$path_top")"
expect_eq "the kept folder is listed" "count	12" "$(inspect | grep -P '^count\t')"
expect_eq "the Engine field starts empty" "" "$(edit_text "$engine_left" "$engine_top")"
if [ -n "${KLANGOR_SHOTS:-}" ]; then
    open_window_menu
    shoot_window_menu "$KLANGOR_SHOTS/presets-menu.png"
    key Escape
    for _ in $(seq 20); do [ -z "$(menu_window)" ] && break; sleep 0.1; done
fi

click_inside "$engine_field"
key ctrl+o
wait_window "Charger des valeurs / Load values" >/dev/null
type_text "$preset_windows.ini"
key Return
wait_gone "Charger des valeurs / Load values" || fail "the open dialog stayed open"
expect_eq "Engine loaded from the preset" "0.7" "$(edit_text "$engine_left" "$engine_top")"
read -r channels_left channels_top _ <<<"$channels_field"
expect_eq "NumberChannels loaded from the preset" "32" "$(edit_text "$channels_left" "$channels_top")"

key ctrl+s
banks=()
for bank in "$audio"/*.ini; do [ -f "$bank" ] && banks+=("$bank"); done
expect_eq "twelve banks" 12 "${#banks[@]}"
for _ in $(seq 100); do
    written=0
    for bank in "${banks[@]}"; do
        lines "$bank" | grep -qx 'Engine=0.7' && lines "$bank" | grep -qx 'NumberChannels=32' && written=$((written + 1))
    done
    [ "$written" -eq 12 ] && break
    sleep 0.2
done
expect_eq "every bank holds the preset's Engine and NumberChannels" 12 "$written"
stop_klangor
