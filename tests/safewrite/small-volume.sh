#!/usr/bin/env bash
# Runs the given test program under Wine with a 64 KiB tmpfs mounted for it,
# its Windows path in KLANGOR_SMALL_VOLUME, and a read-only tmpfs, its path in
# KLANGOR_READONLY_VOLUME. Mounting needs root; where it is refused the
# program runs without the variables and those tests skip, saying so.
set -u
program=$1
volume=$(mktemp -d /tmp/klangor-small-volume-XXXXXX)
read_only=$(mktemp -d /tmp/klangor-read-only-XXXXXX)
mounted=
if mount -t tmpfs -o size=64k tmpfs "$volume" 2>/dev/null; then
    mounted=yes
    export KLANGOR_SMALL_VOLUME="Z:${volume//\//\\}"
else
    echo "small-volume: mount -t tmpfs was refused; the tests of a volume that fills up are SKIPPED"
fi
read_only_mounted=
if mount -t tmpfs -o ro,size=64k tmpfs "$read_only" 2>/dev/null; then
    read_only_mounted=yes
    export KLANGOR_READONLY_VOLUME="Z:${read_only//\//\\}"
else
    echo "small-volume: mount -t tmpfs -o ro was refused; the test of a store that may not be written is SKIPPED"
fi
wine "$program" </dev/null
status=$?
[ -z "$mounted" ] || umount "$volume"
[ -z "$read_only_mounted" ] || umount "$read_only"
rmdir "$volume" "$read_only"
exit $status
