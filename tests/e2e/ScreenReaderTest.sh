#!/usr/bin/env bash
# Plays a whole one-player game through the accessibility tree alone, as a
# screen reader user would: ScreenReaderPlay.py reads every state from the
# names the game gives its controls and acts through their actions and keys.
#
#   ScreenReaderTest.sh <vorka binary> <log file>
#
# Starts a virtual X server, a private session bus and, on it, the
# accessibility bus; the game runs in a home folder of its own. Exits 77
# (skipped) when something the test needs cannot be found or started.
set -euo pipefail

if [ $# -ne 2 ]; then
    echo "usage: $0 <vorka binary> <log file>" >&2
    exit 2
fi
skip() { echo "SKIP: $*"; exit 77; }

if [ -z "${VORKA_SCREEN_READER_SESSION:-}" ]; then
    for tool in xvfb-run xauth xdotool dbus-run-session dbus-send /usr/bin/python3; do
        command -v "$tool" >/dev/null || skip "'$tool' is missing; run tools/setup.sh"
    done
    [ -x /usr/libexec/at-spi-bus-launcher ] || skip "at-spi2-core is not installed"
    /usr/bin/python3 -c 'import pyatspi' 2>/dev/null || skip "python3-pyatspi is not installed"
    export VORKA_SCREEN_READER_SESSION=1
    status=0
    xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" \
        dbus-run-session -- bash "$0" "$@" || status=$?
    exit "$status"
fi

game=$(realpath "$1")
log=$2
mkdir -p "$(dirname "$log")"
. "$(dirname "$0")/fresh-home.sh" vorka-screen-reader
# Qt shows its tree only to a running screen reader unless told so.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

# The accessibility bus, started here rather than on first use, so that a
# failure to start is a skip and not a game that nobody can see.
if ! timeout 10 dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
        org.a11y.Bus.GetAddress >/dev/null 2>&1; then
    skip "the accessibility bus does not start"
fi

"$game" >"$log" 2>&1 &
pid=$!
status=0
timeout 120 /usr/bin/python3 "$(dirname "$0")/ScreenReaderPlay.py" "$pid" || status=$?
if [ "$status" -ne 0 ]; then
    echo "the game's output is in $log" >&2
    exit "$status"
fi
deadline=$((SECONDS + 15))
while kill -0 "$pid" 2>/dev/null; do
    [ $SECONDS -lt $deadline ] || { echo "FAIL: the game still runs after leaving" >&2; exit 1; }
    sleep 0.05
done
wait "$pid" || { echo "FAIL: the game ended with an error" >&2; exit 1; }
pid=""
