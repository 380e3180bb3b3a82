#!/usr/bin/env bash
# Plays a turn of the game on Wayland, through Qt's Wayland plugin, under a
# headless compositor (sway) of the test's own.
#
#   WaylandTest.sh <vorka binary> <screenshot.png>
#
# Keys reach the game through the compositor, from a virtual keyboard
# (wtype). The test answers the welcome and the name dialog, rolls, takes the
# Vorka category by keys (a zero, which the game confirms) and leaves through
# the leave question. On the way it checks that each of these dialogs lies
# over the main window, as the compositor placed it, and that the game asked
# for that: a Wayland client cannot place its windows, it can only name the
# window a dialog belongs to (xdg_toplevel.set_parent), which the test reads
# in the protocol log of the game's connection (WAYLAND_DEBUG). It saves a
# screenshot of the welcome over the main window.
#
# Where sway, wtype, grim or Qt's Wayland plugin is missing, or the
# compositor cannot start, the test says why and skips (status 77).
#
# Every wait polls with a time limit; nothing sleeps for a fixed while. Five
# of a kind in the one roll (1 in 1296) scores 50 without the confirmation,
# and the test then fails waiting for it.
set -euo pipefail

if [ $# -ne 2 ]; then
    echo "usage: $0 <vorka binary> <screenshot.png>" >&2
    exit 2
fi
skip() {
    echo "SKIP: $*"
    exit 77
}

for tool in sway swaymsg wtype grim python3; do
    command -v "$tool" >/dev/null || skip "'$tool' is missing; run tools/setup.sh"
done
plugins=$(qtpaths6 --plugin-dir 2>/dev/null || qmake6 -query QT_INSTALL_PLUGINS 2>/dev/null || true)
[ -n "$plugins" ] && [ -e "$plugins/platforms/libqwayland-generic.so" ] ||
    skip "Qt's Wayland plugin (qt6-wayland) is not installed"

game=$(realpath "$1")
screenshot=$2
failure_shot="${screenshot%.png}-failure.png"
log="${screenshot%.png}.log"
mkdir -p "$(dirname "$screenshot")"
rm -f "$screenshot" "$failure_shot"

. "$(dirname "$0")/fresh-home.sh" vorka-wayland
export QT_QPA_PLATFORM=wayland
unset DISPLAY

# --- the compositor ---------------------------------------------------------

# sway refuses to run as root: as root, it runs as nobody in a runtime folder
# of its own, to whose socket the game connects by its full path.
compositor_dir="$scratch/compositor"
mkdir -p "$compositor_dir"
chmod 700 "$compositor_dir"
as_user=()
if [ "$(id -u)" -eq 0 ]; then
    chown nobody "$compositor_dir"
    chmod o+x "$scratch"
    as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
cat >"$scratch/sway.conf" <<'EOF'
output HEADLESS-1 resolution 1280x1024
xwayland disable
EOF
compositor=""
keyboard=""
finish() {
    cleanup
    for p in $keyboard $compositor; do kill "$p" 2>/dev/null || true; done
    wait 2>/dev/null || true
}
trap finish EXIT

env -i PATH="$PATH" XDG_RUNTIME_DIR="$compositor_dir" WLR_BACKENDS=headless \
    WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
    "${as_user[@]}" sway -c "$scratch/sway.conf" >"$scratch/sway.log" 2>&1 &
compositor=$!

socket=""
ipc=""
deadline=$((SECONDS + 15))
until [ -n "$socket" ] && [ -n "$ipc" ] && swaymsg -s "$ipc" -t get_version >/dev/null 2>&1; do
    if ! kill -0 "$compositor" 2>/dev/null || [ $SECONDS -ge $deadline ]; then
        skip "sway could not start headless: $(tail -n 3 "$scratch/sway.log" | tr '\n' ' ')"
    fi
    sleep 0.05
    socket=$(find "$compositor_dir" -maxdepth 1 -type s -name 'wayland-*' | head -n 1)
    ipc=$(find "$compositor_dir" -maxdepth 1 -type s -name 'sway-ipc.*' | head -n 1)
done
export WAYLAND_DISPLAY=$socket
echo "sway is up: $socket"

fail() {
    echo "FAIL: $*" >&2
    grim "$failure_shot" 2>/dev/null || true
    echo "screen saved as $failure_shot; the game's output is in $log" >&2
    exit 1
}

# A virtual keyboard held for the whole run: the seat then has a keyboard
# before the game connects, and each key sent later reaches the window with
# the focus at once. It would press F24 after an hour; it is ended long before.
wtype -s 3600000 -k F24 &
keyboard=$!
has_keyboard() { swaymsg -s "$ipc" -t get_inputs | grep -q '"type": "keyboard"'; }
wait_for "virtual keyboard" 10 has_keyboard

# --- looking at the windows ---------------------------------------------------

# The game's windows as the compositor has them, one a line: "main x y w h"
# for the tiled main window, "dialog <id> x y w h <focused>" for each floating
# window.
windows() {
    swaymsg -s "$ipc" -t get_tree | python3 -c '
import json, sys
def walk(node, floating):
    if node.get("app_id") == "org.tolvane.Vorka":
        r = node["rect"]
        kind = "dialog %d" % node["id"] if floating else "main"
        print(kind, r["x"], r["y"], r["width"], r["height"], str(node["focused"]).lower())
    for child in node.get("nodes", []):
        walk(child, floating)
    for child in node.get("floating_nodes", []):
        walk(child, True)
walk(json.load(sys.stdin), False)'
}

has_main_window() { windows | grep -q '^main '; }

found_dialog=""
# The one dialog up, focused, other than `previous`.
one_new_dialog() {
    local previous=${1:-} up
    up=$(windows | grep '^dialog ' || true)
    [ -n "$up" ] && [ "$(echo "$up" | wc -l)" -eq 1 ] || return 1
    [ "$(echo "$up" | awk '{ print $2 }')" != "$previous" ] || return 1
    [ "$(echo "$up" | awk '{ print $7 }')" = true ] || return 1
    found_dialog=$(echo "$up" | awk '{ print $2 }')
}
no_dialog() { ! windows | grep -q '^dialog '; }

# The dialog lies wholly over the main window, and the game made it the main
# window's transient: its xdg_toplevel, the newest one made, has the first one
# (the main window's) as its parent.
check_over_main() {
    local id=$1 what=$2 mx my mw mh dx dy dw dh
    read -r mx my mw mh < <(windows | awk '$1 == "main" { print $2, $3, $4, $5 }')
    read -r dx dy dw dh < <(windows | awk -v id="$id" '$1 == "dialog" && $2 == id { print $3, $4, $5, $6 }')
    [ -n "${dw:-}" ] || fail "$what is gone before it could be looked at"
    if [ "$dx" -lt "$mx" ] || [ "$dy" -lt "$my" ] || [ $((dx + dw)) -gt $((mx + mw)) ] ||
        [ $((dy + dh)) -gt $((my + mh)) ]; then
        fail "$what (${dw}x${dh} at $dx,$dy) does not lie over the main window (${mw}x${mh} at $mx,$my)"
    fi
    local parent
    parent=$(python3 - "$log" <<'EOF'
import re, sys
made = re.compile(r"-> xdg_surface@\d+\.get_toplevel\(new id xdg_toplevel@(\d+)\)")
parent = re.compile(r"-> xdg_toplevel@(\d+)\.set_parent\((?:xdg_toplevel@(\d+)|nil)\)")
toplevels = []  # [object id, parent id] in the order the game made them
for line in open(sys.argv[1], errors="replace"):
    m = made.search(line)
    if m:
        toplevels.append([m.group(1), None])
        continue
    m = parent.search(line)
    if m:
        for t in reversed(toplevels):
            if t[0] == m.group(1):
                t[1] = m.group(2)
                break
if len(toplevels) < 2:
    print("none: only %d window" % len(toplevels))
elif toplevels[-1][1] == toplevels[0][0]:
    print("main")
elif toplevels[-1][1] is None:
    print("none")
else:
    print("xdg_toplevel@%s, not the main window's xdg_toplevel@%s"
          % (toplevels[-1][1], toplevels[0][0]))
EOF
)
    [ "$parent" = main ] || fail "$what was not made the main window's transient: parent $parent"
    echo "$what lies over the main window (${dw}x${dh} at $dx,$dy in ${mw}x${mh} at $mx,$my), its transient"
}

# The main window's picture, and whether it has stopped changing.
main_shot() {
    local x y w h
    read -r x y w h < <(windows | awk '$1 == "main" { print $2, $3, $4, $5 }')
    grim -g "$x,$y ${w}x$h" - | md5sum
}
last=""
steady() {
    local now
    now=$(main_shot)
    [ "$now" = "$last" ] && return 0
    last=$now
    return 1
}
changed_from() { [ "$(main_shot)" != "$1" ]; }

key() { wtype "$@" || fail "wtype could not send $*"; }

# --- the run ------------------------------------------------------------------

WAYLAND_DEBUG=client "$game" >"$log" 2>&1 &
pid=$!

wait_for "main window" 15 has_main_window
wait_for "welcome dialog" 15 one_new_dialog
welcome=$found_dialog
check_over_main "$welcome" "the welcome dialog"
wait_for "steady picture of the welcome" 10 steady
grim "$screenshot" || fail "could not write $screenshot"
echo "screenshot saved as $screenshot"

# "On my own" is selected and OK has the keyboard; the name box starts as
# "Noname", all selected, so typing replaces it.
key -k Return
wait_for "name dialog after the welcome" 10 one_new_dialog "$welcome"
check_over_main "$found_dialog" "the name dialog"
key Ada
key -k Return
wait_for "end of the name dialog" 10 no_dialog

# The roll: Space on the board. Where the keyboard is not yet on the Roll
# button, Space changes nothing and Tab takes it there first.
last=""
wait_for "steady picture of the board" 10 steady
before=$last
key -k space
last=""
wait_for "steady picture after Space" 10 steady
if [ "$last" = "$before" ]; then
    echo "Space did not roll at once: Tab to the Roll button first"
    key -k Tab -k space
    wait_for "the roll" 10 changed_from "$before"
fi
last=""
wait_for "the dice to stop" 10 steady
echo "rolled"

# From the Roll button back over the five dice to the last category, Vorka,
# and take it: not five of a kind scores 0, which the game confirms first.
# Five of a kind (one roll in 1296) scores instead, with no question.
key -M shift -k Tab -k Tab -k Tab -k Tab -k Tab -k Tab -m shift -k space
zero=""
deadline=$((SECONDS + 10))
until one_new_dialog; do
    if [ $SECONDS -ge $deadline ]; then
        echo "no zero confirmation: the roll was five of a kind, and Vorka scored"
        break
    fi
    sleep 0.05
done
if one_new_dialog; then
    zero=$found_dialog
    check_over_main "$zero" "the zero confirmation"
    key -k Return
    wait_for "end of the zero confirmation" 10 no_dialog
fi

# Leaving, confirmed from the keyboard: the question opens on "NA  ", so back
# to "YEAH  " first.
key -M ctrl -k q -m ctrl
wait_for "leave question" 10 one_new_dialog "$zero"
check_over_main "$found_dialog" "the leave question"
key -M shift -k Tab -m shift -k Return
wait_for_clean_exit 15
echo "PASS: on Wayland the game played a turn by keys, and its dialogs stood over its main window"
