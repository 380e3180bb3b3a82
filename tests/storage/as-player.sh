#!/usr/bin/env bash
# Runs a test program as a player would run the game: as a user for whom
# the permissions of files and folders count. Run as root, the program runs
# as the user nobody (through setpriv) with a temporary folder of its own;
# where that cannot be done it runs as root, and VORKA_AS_PLAYER_UNAVAILABLE
# says why, so that the cases that need it skip with the reason.
#
#   as-player.sh <program> [arguments...]
set -u
program=$1
shift
if [ "$(id -u)" -ne 0 ]; then
    exec "$program" "$@"
fi
if setpriv --reuid=65534 --regid=65534 --clear-groups true 2>/dev/null; then
    tmp=$(mktemp -d "${TMPDIR:-/tmp}/vorka-player.XXXXXX")
    trap 'rm -rf "$tmp"' EXIT
    chown 65534:65534 "$tmp"
    TMPDIR=$tmp HOME=$tmp setpriv --reuid=65534 --regid=65534 --clear-groups "$program" "$@"
    exit $?
fi
VORKA_AS_PLAYER_UNAVAILABLE="running as root, and setpriv cannot run the test as nobody" \
    "$program" "$@"
