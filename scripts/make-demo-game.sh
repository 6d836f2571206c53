#!/usr/bin/env bash
# Lays out a demo RBR installation with the KOVEN sound folder:
#
#   make-demo-game.sh GAME_ROOT
#
# GAME_ROOT/KOVEN/Sounds/Audio receives twelve sound-bank settings files in the
# game's Audio.ini format (CRLF line ends, ";" comments, blank lines, sections the
# program does not write beside the two it does), plus a sub-folder named
# "old.ini" and a "readme.txt" that the program must not list. Any earlier sound
# folder there is replaced, so the demo always starts from the shipped values.
set -euo pipefail

if [ $# -ne 1 ]; then
    echo "usage: $0 GAME_ROOT" >&2
    exit 2
fi
audio="$1/KOVEN/Sounds/Audio"
rm -rf "$audio"
mkdir -p "$audio/old.ini"

# The gains the game ships with, in the game's own key spellings and order.
gain_keys=(Engine EngineTransmission TransmissionDiff Turbo BlowOffValve DriveShaftBroken
    GravelParticles Squeeks Suspension Horn Helicopter Bird Wind EnviormentalReflections
    Offtrack Pop ExhaustPop Bang Ignition Enginefire BrokenCooler WiperEngine Wiper
    Impacts ImpactScreams Servicepark_BG Servicepark_FX Rain)
declare -A shipped=(
    [Engine]=1.0 [EngineTransmission]=0.35 [TransmissionDiff]=0.35 [Turbo]=0.2
    [BlowOffValve]=1.0 [DriveShaftBroken]=1.0 [GravelParticles]=1.0 [Squeeks]=1.0
    [Suspension]=1.0 [Horn]=0.5 [Helicopter]=0.3 [Bird]=0.25 [Wind]=0.5
    [EnviormentalReflections]=1.0 [Offtrack]=1.0 [Pop]=0.5 [ExhaustPop]=0.5 [Bang]=0.5
    [Ignition]=1.0 [Enginefire]=1.0 [BrokenCooler]=1.0 [WiperEngine]=0.25 [Wiper]=0.25
    [Impacts]=1.0 [ImpactScreams]=0.5 [Servicepark_BG]=1.0 [Servicepark_FX]=1.0 [Rain]=1.0
)

# write_bank FILE DESCRIPTION CHANNELS EQ_ON_CARS REVERB_ROOM [KEY=VALUE...]
# The KEY=VALUE pairs replace shipped gains for this bank.
write_bank() {
    local file=$1 description=$2 channels=$3 eq=$4 room=$5
    shift 5
    declare -A gain
    local key pair
    for key in "${gain_keys[@]}"; do gain[$key]=${shipped[$key]}; done
    for pair in "$@"; do
        key=${pair%%=*}
        [ -n "${shipped[$key]+set}" ] || { echo "make-demo-game: unknown gain $key" >&2; exit 1; }
        gain[$key]=${pair#*=}
    done
    {
        echo "; RBR sound bank settings - $description"
        echo "; KOVEN sound pack. Gains run from 0.0 (silent) to 1.0 (full level)."
        echo ""
        echo "[OPTIONS::SOUNDS]"
        echo "NumberChannels=$channels"
        echo "EnableEQOnCars=$eq"
        echo "SampleRate=44100"
        echo "Use3DSound=True"
        echo ""
        echo "[AMP::SOUNDS]"
        for key in "${gain_keys[@]}"; do echo "$key=${gain[$key]}"; done
        echo ""
        echo "; Equaliser applied to the car sounds when EnableEQOnCars is True"
        echo "[EQ::CARS]"
        echo "LowGain=0.8"
        echo "MidGain=1.0"
        echo "HighGain=0.9"
        echo "LowFrequency=120"
        echo "HighFrequency=6500"
        echo ""
        echo "[REVERB::STAGES]"
        echo "RoomSize=$room"
        echo "Damping=0.6"
        echo "WetLevel=0.25"
        echo "DryLevel=1.0"
    } | sed 's/$/\r/' >"$audio/$file"
}

write_bank Car_Generic.ini "generic car" 32 False 0.45
write_bank Car_GroupB.ini "Group B cars" 32 True 0.45 Turbo=0.45 BlowOffValve=0.8 ExhaustPop=0.7 Bang=0.65
write_bank Car_WRC.ini "World Rally Cars" 32 True 0.45 Turbo=0.3 ExhaustPop=0.6
write_bank Car_Interior.ini "cockpit view" 32 False 0.15 Engine=0.85 Squeeks=0.9 Wind=0.3 Rain=0.8
write_bank Gravel.ini "gravel stages" 32 False 0.5 GravelParticles=1.0 Offtrack=0.9
write_bank Tarmac.ini "tarmac stages" 32 False 0.5 GravelParticles=0.2 Squeeks=0.8
write_bank Snow.ini "snow stages" 32 False 0.7 GravelParticles=0.6 Wind=0.7
write_bank Crowd.ini "spectators" 0 False 0.6 Horn=0.6 ImpactScreams=0.6
write_bank Co-driver.ini "pace notes" 0 False 0.1 Helicopter=0.2 Bird=0.2
write_bank Environment.ini "ambience" 32 False 0.8 Bird=0.3 Wind=0.6 Helicopter=0.35
write_bank Servicepark.ini "service park" 32 False 0.9 Servicepark_BG=0.8 Servicepark_FX=0.9
write_bank "Replay Camera.ini" "replay cameras" 32 False 0.45 Engine=0.9 Wind=0.4

# A folder and a file of another type that only look like candidates.
printf '[AMP::SOUNDS]\r\nEngine=0.5\r\n' >"$audio/old.ini/Car_Generic.ini"
printf 'KOVEN sound pack\r\nOne settings file per sound bank, in the Audio.ini format.\r\n' >"$audio/readme.txt"
