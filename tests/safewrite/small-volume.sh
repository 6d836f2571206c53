#!/usr/bin/env bash
# Runs the given test program under Wine with a 64 KiB tmpfs mounted for it,
# its Windows path in KLANGOR_SMALL_VOLUME. Mounting needs root; where it is
# refused the program runs without the variable and its tests skip, saying so.
set -u
program=$1
volume=$(mktemp -d /tmp/klangor-small-volume-XXXXXX)
mounted=
if mount -t tmpfs -o size=64k tmpfs "$volume" 2>/dev/null; then
    mounted=yes
    export KLANGOR_SMALL_VOLUME="Z:${volume//\//\\}"
else
    echo "small-volume: mount -t tmpfs was refused; the tests of a volume that fills up are SKIPPED"
fi
wine "$program" </dev/null
status=$?
[ -z "$mounted" ] || umount "$volume"
rmdir "$volume"
exit $status
