#!/usr/bin/env bash
# Seeing what the banks hold, as a player does it from the keyboard: Ctrl+I
# opens "Valeurs actuelles / Current values", whose Ctrl+C copy must be the
# table the files hold; a bank selected in the list and Ctrl+L fill the
# value fields with that bank's values; Ctrl+P shows "Aperçu / Preview",
# Escape closes it and no file has changed; Ctrl+S then writes what the
# preview announced, and Ctrl+H's "Historique / History" copies that change.
source "$(dirname "$0")/lib.sh"

make_game
audio="$game_folder/KOVEN/Sounds/Audio"
scratch=$(mktemp -d)
mkdir "$scratch/before"
find "$audio" -maxdepth 1 -type f -name "*.ini" -exec cp {} "$scratch/before"/ \;
start_klangor
dismiss_version_warning
main_window=$(wait_window Klangor)
shots=${KLANGOR_SHOTS:-}

# The list's names in list order.
mapfile -t names < <(inspect | awk -F'\t' '$1 == "item" { print $3 }')
expect_eq "twelve banks listed" 12 "${#names[@]}"

gain_keys=(Engine EngineTransmission TransmissionDiff Turbo BlowOffValve DriveShaftBroken
    GravelParticles Squeeks Suspension Horn Helicopter Bird Wind EnviormentalReflections
    Offtrack Pop ExhaustPop Bang Ignition Enginefire BrokenCooler WiperEngine Wiper
    Impacts ImpactScreams Servicepark_BG Servicepark_FX Rain)
# value FILE SECTION KEY: the key's value in the file, read with awk (every
# demo bank holds every key once), or "—".
value() {
    tr -d '\r' <"$1" | awk -v section="[$2]" -v key="$3" '/^\[/ { in_section = ($0 == section); next }
        in_section && index($0, key "=") == 1 { print substr($0, length(key) + 2); found = 1; exit }
        END { if (!found) print "—" }'
}
settings=("OPTIONS::SOUNDS NumberChannels 0" "OPTIONS::SOUNDS EnableEQOnCars —")
shipped=(1.0 0.35 0.35 0.2 1.0 1.0 1.0 1.0 1.0 0.5 0.3 0.25 0.5 1.0 1.0 0.5 0.5 0.5 1.0 1.0 1.0 0.25 0.25 1.0
    0.5 1.0 1.0 1.0)
for i in "${!gain_keys[@]}"; do settings+=("AMP::SOUNDS ${gain_keys[$i]} ${shipped[$i]}"); done
# The table the files hold, as the window's copy gives it.
expected_table() {
    local line setting section key original name
    line="Section	Clé / Key	Valeur d'origine / Original value"
    for name in "${names[@]}"; do line+="	$name"; done
    printf '%s\r\n' "$line"
    for setting in "${settings[@]}"; do
        read -r section key original <<<"$setting"
        line="$section	$key	$original"
        for name in "${names[@]}"; do line+="	$(value "$audio/$name" "$section" "$key")"; done
        printf '%s\r\n' "$line"
    done
}
clipboard() { wine "$KLANGOR_INSPECT" --clipboard </dev/null; }
# shoot TITLE NAME: with KLANGOR_SHOTS set, the window bearing the title as
# $KLANGOR_SHOTS/NAME.png.
shoot() {
    [ -n "$shots" ] || return 0
    xwd -id "$(wait_window "$1")" -silent | convert xwd:- "$shots/$2.png"
}

# key_in TITLE KEYS...: keys typed into the shown window bearing the title.
key_in() {
    local window
    window=$(wait_window "$1")
    shift
    xdotool windowfocus --sync "$window" 2>/dev/null || true
    key "$@"
}

current="Valeurs actuelles / Current values"
xdotool windowfocus --sync "$main_window" 2>/dev/null || true
key ctrl+i
wait_window "$current" >/dev/null
echo "ok: Ctrl+I opens \"$current\""
sleep 1
shoot "$current" current-values
key_in "$current" ctrl+c
sleep 0.5
expect_eq "the copied table is what the files hold" "$(expected_table | od -c)" "$(clipboard | od -c)"
key_in "$current" Escape
wait_gone "$current" || fail "Escape did not close \"$current\""
echo "ok: Escape closes \"$current\""

# A click on a name's text selects the bank without ticking it.
chosen_index=3
chosen=${names[$chosen_index]}
read -r list_left list_top _ <<<"$(control_rect ListBox 0)"
click $((list_left + 60)) $((list_top + 2 + chosen_index * 16 + 8))
key ctrl+l
sleep 0.5
# The value fields in the window's order: the channel count, then the gains.
mapfile -t fields < <(inspect | awk -F'\t' '$1 == "control" && $2 == "Edit" { split($4, r, " "); if (r[2] > 60) print r[2], r[1], $6 }' |
    sort -n -k1,1 -k2,2 | cut -d' ' -f3-)
expected_fields=("$(value "$audio/$chosen" OPTIONS::SOUNDS NumberChannels)")
for key in "${gain_keys[@]}"; do expected_fields+=("$(value "$audio/$chosen" AMP::SOUNDS "$key")"); done
expect_eq "Ctrl+L fills the fields with $chosen's values" "$(printf '%s\n' "${expected_fields[@]}" | sort)" \
    "$(printf '%s\n' "${fields[@]}" | sort)"

preview="Aperçu / Preview"
xdotool windowfocus --sync "$main_window" 2>/dev/null || true
key ctrl+p
wait_window "$preview" >/dev/null
echo "ok: Ctrl+P opens \"$preview\""
sleep 1
shoot "$preview" preview
key_in "$preview" ctrl+c
sleep 0.5
clipboard | tr -d '\r' >"$scratch/preview.txt"
grep -q "^Rien n'est encore écrit. / Nothing is written yet.$" "$scratch/preview.txt" ||
    fail "the copied preview lacks its heading: $(head -n 3 "$scratch/preview.txt")"
key_in "$preview" Escape
wait_gone "$preview" || fail "Escape did not close \"$preview\""
for original in "$scratch/before"/*.ini; do
    cmp -s "$original" "$audio/$(basename "$original")" || fail "$(basename "$original") changed without a write"
done
echo "ok: the preview and Escape leave every bank as it was"

# What the preview announced for each bank, "file key now after", against
# what the write then does.
awk '/^[^ ]/ { file = $0 } /^    \[/ { sub(/^    \[[^]]*\] /, ""); split($0, p, " : "); split(p[2], v, " -> ");
    print file, p[1], v[1], v[2] }' "$scratch/preview.txt" | sort >"$scratch/announced"
[ -s "$scratch/announced" ] || fail "the preview announces no change"
xdotool windowfocus --sync "$main_window" 2>/dev/null || true
key ctrl+s
# written: "file key was now" for every setting the write changed.
written() {
    local name setting section key was now
    for name in "${names[@]}"; do
        for setting in "${settings[@]}"; do
            read -r section key _ <<<"$setting"
            was=$(value "$scratch/before/$name" "$section" "$key")
            now=$(value "$audio/$name" "$section" "$key")
            [ "$was" = "$now" ] || echo "$name $key $was $now"
        done
    done | sort
}
for _ in $(seq 25); do
    [ "$(written)" = "$(cat "$scratch/announced")" ] && break
    sleep 0.4
done
expect_eq "the write changes what the preview announced" "$(cat "$scratch/announced")" "$(written)"

history="Historique / History"
xdotool windowfocus --sync "$main_window" 2>/dev/null || true
key ctrl+h
wait_window "$history" >/dev/null
echo "ok: Ctrl+H opens \"$history\""
sleep 1
shoot "$history" history
key_in "$history" ctrl+c
sleep 0.5
# The copied changes in the preview's own shape, "file key before after".
clipboard | tr -d '\r' | awk '/^[^ ]/ { file = $0 } /^    \[/ { sub(/^    \[[^]]*\] /, ""); split($0, p, " : ");
    split(p[2], v, " -> "); print file, p[1], v[1], v[2] }' | sort >"$scratch/history"
expect_eq "the history's copy shows the change written" "$(cat "$scratch/announced")" "$(cat "$scratch/history")"
key_in "$history" Escape
wait_gone "$history" || fail "Escape did not close \"$history\""
stop_klangor
