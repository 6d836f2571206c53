#!/usr/bin/env bash
# The release as a player gets it: scripts/package.sh builds the zip, which
# holds exactly Klangor.exe, LISEZMOI-README.txt (CRLF), LICENSE and
# SHA256SUMS.txt, whose sums hold; the exe needs no DLL but Windows' own;
# curr_ver.txt publishes the zip's version and address. Then the packaged exe,
# unzipped, is started on a game the registry does not name, with the game's
# folder (a name with blanks) on its command line; 0.8 is typed as "Engine"
# gain and Ctrl+S pressed: every sound bank then reads Engine=0.8.
source "$(dirname "$0")/lib.sh"

scratch=$(mktemp -d "$WINEPREFIX/drive_c/klangor-package-XXXXXX")
bash "$KLANGOR_ROOT/scripts/package.sh" >"$scratch/package.log" 2>&1 ||
    { cat "$scratch/package.log" >&2; fail "scripts/package.sh failed"; }
zips=("$KLANGOR_ROOT"/dist/Klangor-*-win64.zip)
expect_eq "one zip in dist/" 1 "${#zips[@]}"
zip=${zips[0]}
version=$(basename "$zip" -win64.zip)
version=${version#Klangor-}

unpacked="$scratch/Klangor"
python3 -m zipfile -e "$zip" "$unpacked"
expect_eq "the zip's members" "Klangor.exe LISEZMOI-README.txt LICENSE SHA256SUMS.txt" \
    "$(python3 -c 'import sys, zipfile; print(*zipfile.ZipFile(sys.argv[1]).namelist())' "$zip")"
(cd "$unpacked" && sha256sum --quiet --strict -c SHA256SUMS.txt) || fail "SHA256SUMS.txt does not match the files"
expect_eq "files with a sum" "Klangor.exe LISEZMOI-README.txt LICENSE" "$(awk '{ print $2 }' "$unpacked/SHA256SUMS.txt" | xargs)"
expect_eq "lines of the guide without CR" 0 "$(grep -c $'[^\r]$' "$unpacked/LISEZMOI-README.txt" || true)"
grep -q 'Linux' "$unpacked/LISEZMOI-README.txt" || fail "the guide in the zip lacks its Linux section"
foreign=$(x86_64-w64-mingw32-objdump -p "$unpacked/Klangor.exe" | awk '/DLL Name:/ { print tolower($3) }' |
    grep -Ev '^(advapi32|bcrypt|comctl32|gdi32|kernel32|msimg32|msvcrt|shell32|shlwapi|urlmon|user32|version)\.dll$' || true)
expect_eq "DLLs the exe needs beside Windows' own" "" "$foreign"

published=$(python3 - "$KLANGOR_ROOT/dist/curr_ver.txt" <<'PY'
import configparser, sys
ini = configparser.ConfigParser()
ini.read(sys.argv[1], encoding="ascii")
print(ini["CurrentVersions"]["Klangor"], ini["DownloadURL"]["Klangor"])
PY
)
expect_eq "curr_ver.txt" "$version https://downloads.klangor.invalid/$(basename "$zip")" "$published"

game_folder="$scratch/Richard Burns Rally"
bash "$KLANGOR_ROOT/scripts/make-demo-game.sh" "$game_folder"
game_root="C:\\$(basename "$scratch")\\Richard Burns Rally"
wine reg delete "$RBR_KEY" /f /reg:32 </dev/null >/dev/null 2>&1 || true
audio="$game_folder/KOVEN/Sounds/Audio"
before="$scratch/before"
mkdir "$before"
find "$audio" -maxdepth 1 -type f -name "*.ini" -exec cp {} "$before"/ \;

KLANGOR_EXE="$unpacked/Klangor.exe"
start_klangor "$game_root"
dismiss_version_warning
expect_eq "the folder argument lists the twelve files" "count	12" "$(inspect | grep -P '^count\t')"
read -r path_left path_top _ <<<"$(control_rect Edit 0)"
expect_eq "path field" "$game_root" "$(edit_text "$path_left" "$path_top")"

# The gain fields lie below the [OPTIONS::SOUNDS] group; Engine is the first.
click_inside "$(control_rect Edit 110)"
type_text "0.8"
key ctrl+s

for _ in $(seq 100); do
    written=0
    for original in "$before"/*.ini; do
        [ "$(lines "$audio/$(basename "$original")")" = "$(lines_with_gain "$original" Engine 0.8)" ] && written=$((written + 1))
    done
    [ "$written" -eq 12 ] && break
    sleep 0.2
done
for original in "$before"/*.ini; do
    name=$(basename "$original")
    expect_eq "$name: Engine 0.8, every other line kept" "$(lines_with_gain "$original" Engine 0.8)" "$(lines "$audio/$name")"
done

stop_klangor
