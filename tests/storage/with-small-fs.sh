#!/usr/bin/env bash
# Runs a test program with a small filesystem of its own mounted at the
# folder named by VORKA_SMALL_FS: a tmpfs of 256 KiB, mounted in a private
# mount namespace where the kernel allows it (no root needed), else directly
# when running as root. Where neither works, the program runs without it and
# VORKA_SMALL_FS_UNAVAILABLE says why, so that its cases skip with the reason.
#
#   with-small-fs.sh <program> [arguments...]
set -u
program=$1
shift
mountpoint=$(mktemp -d "${TMPDIR:-/tmp}/vorka-small-fs.XXXXXX")
trap 'umount "$mountpoint" 2>/dev/null; rmdir "$mountpoint"' EXIT

if unshare --user --map-root-user --mount true 2>/dev/null; then
    unshare --user --map-root-user --mount sh -c \
        'mount -t tmpfs -o size=256k,mode=0777 tmpfs "$0" && VORKA_SMALL_FS="$0" exec "$@"' \
        "$mountpoint" "$program" "$@"
    exit $?
fi
if [ "$(id -u)" -eq 0 ] && mount -t tmpfs -o size=256k,mode=0777 tmpfs "$mountpoint" 2>/dev/null; then
    VORKA_SMALL_FS=$mountpoint "$program" "$@"
    exit $?
fi
VORKA_SMALL_FS_UNAVAILABLE="no user namespace to mount a tmpfs in, and not root" "$program" "$@"
