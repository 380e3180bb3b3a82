#!/usr/bin/env bash
# Plays the opening and the leave of a game on a real X display.
#
#   RealWindowTest.sh <vorka binary> <screenshot.png>
#
# Starts the binary in a home folder of its own under a virtual X server with
# a real window manager (openbox), checks that the main window titled "Vorka"
# and the welcome dialog come up, answers the welcome ("With others") and the
# name dialogs (Ada and Bob), checks that Space alone rolls right after the
# name dialog and right after the next player's announcement, wherever the
# window manager has put the keyboard, refuses the leave question once
# ("NA  ", by mouse) and then confirms it ("YEAH  ", by keyboard), and checks
# that the program ends, with status 0. On the way it saves a screenshot of
# the main window with the game up; when a step fails it saves the whole
# screen beside it as <screenshot>-failure.png.
#
# Every wait polls with a time limit; nothing sleeps for a fixed while.
set -euo pipefail

if [ $# -ne 2 ]; then
    echo "usage: $0 <vorka binary> <screenshot.png>" >&2
    exit 2
fi

# Without a display of our own, start one and run again inside it.
if [ -z "${VORKA_REAL_WINDOW_DISPLAY:-}" ]; then
    for tool in xvfb-run xauth openbox xdotool xwininfo xprop xwd xwdtopnm pamdepth pamcut pamtopnm \
        pnmtopng; do
        command -v "$tool" >/dev/null ||
            { echo "FAIL: '$tool' is missing; run tools/setup.sh" >&2; exit 1; }
    done
    export VORKA_REAL_WINDOW_DISPLAY=1
    exec xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" bash "$0" "$@"
fi

game=$(realpath "$1")
screenshot=$2
failure_shot="${screenshot%.png}-failure.png"
log="${screenshot%.png}.log"
mkdir -p "$(dirname "$screenshot")"
rm -f "$screenshot" "$failure_shot"

. "$(dirname "$0")/fresh-home.sh" vorka-real-window

# --- looking at the screen --------------------------------------------------

# Eight bits a channel: the dump comes with 16.
screen_pnm() { xwd -root -silent | xwdtopnm 2>/dev/null | pamdepth 255 2>/dev/null; }

snapshot_screen() { screen_pnm | pnmtopng >"$1" 2>/dev/null || true; }

fail() {
    echo "FAIL: $*" >&2
    snapshot_screen "$failure_shot"
    echo "screen saved as $failure_shot; the game's output is in $log" >&2
    exit 1
}

# "r g b" of the screen's pixel at x y.
pixel() {
    screen_pnm | pamcut -left "$1" -top "$2" -width 1 -height 1 | pamtopnm -plain |
        tr -s ' \n' '  ' | awk '{ print $5, $6, $7 }'
}

# "r g b" of the pixel at x y of a window's own picture. openbox keeps a
# black window of its frame over a borderless dialog of this Qt until the
# dialog answers its first synchronisation request, which it may never do
# under Xvfb; the dialog's own picture is what it has drawn.
window_pixel() {
    xwd -id "$1" -silent | xwdtopnm 2>/dev/null | pamdepth 255 2>/dev/null |
        pamcut -left "$2" -top "$3" -width 1 -height 1 | pamtopnm -plain | tr -s ' \n' '  ' |
        awk '{ print $5, $6, $7 }'
}

# x y width height of a window on the screen.
geometry() {
    xwininfo -id "$1" | awk '
        /Absolute upper-left X:/ { x = $4 }
        /Absolute upper-left Y:/ { y = $4 }
        /^ +Width:/ { w = $2 }
        /^ +Height:/ { h = $2 }
        END { print x, y, w, h }'
}

# The game's mapped top-level windows, one id a line: its own windows, which
# the window manager has put inside frames of its own.
game_windows() {
    local id
    for id in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
        printf '0x%x\n' "$id"
    done
    return 0
}

is_dialog() { [[ "$(xprop -id "$1" _NET_WM_WINDOW_TYPE 2>/dev/null)" == *_NET_WM_WINDOW_TYPE_DIALOG* ]]; }

# The normal (not dialog) window of the game titled exactly "Vorka".
main_window() {
    local id
    for id in $(game_windows); do
        is_dialog "$id" && continue
        [[ "$(xprop -id "$id" WM_NAME 2>/dev/null)" =~ ^WM_NAME\([A-Z_0-9]+\)\ =\ \"Vorka\"$ ]] &&
            echo "$id"
    done
    return 0
}

dialogs() {
    local id
    for id in $(game_windows); do is_dialog "$id" && echo "$id"; done
    return 0
}


# The one dialog that is up, other than `previous` (which must be gone).
found_dialog=""
one_new_dialog() {
    local previous=${1:-} up
    up=$(dialogs)
    [ -n "$up" ] && [ "$(echo "$up" | wc -l)" -eq 1 ] && [ "$up" != "$previous" ] || return 1
    found_dialog=$up
}
no_dialog() { [ -z "$(dialogs)" ]; }

# The message dialog is 435 x 201 pixels on a yellow ground. Its name box, when
# shown, runs from 136 to 415 across and 112 to 134 down; (405, 123) lies in it
# and clear of the option buttons that stand on the same row in the welcome.
yellow="255 255 0"
check_message_dialog() {
    local id=$1 what=$2 x y w h
    read -r x y w h < <(geometry "$id")
    if [ "$w" -ne 435 ] || [ "$h" -ne 201 ]; then
        fail "$what is ${w}x${h}, not the message dialog's 435x201"
    fi
    # Mapped comes a moment before painted.
    wait_for "yellow ground of $what" 5 has_yellow_ground "$id"
}
has_yellow_ground() { [ "$(window_pixel "$1" 20 6)" = "$yellow" ]; }
has_name_box() { [ "$(window_pixel "$1" 405 123)" != "$yellow" ]; }

focus() { timeout 5 xdotool windowfocus --sync "$1" || fail "could not give $2 the keyboard"; }

# --- the window manager ------------------------------------------------------

# openbox, as a desktop's window manager would: it decorates the windows and
# decides which one has the keyboard when a dialog closes.
wm_pid=""
stop_wm() { [ -z "$wm_pid" ] || kill "$wm_pid" 2>/dev/null || true; }
trap 'stop_wm; cleanup' EXIT
openbox --sm-disable >"${log%.log}-openbox.log" 2>&1 &
wm_pid=$!
wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
deadline=$((SECONDS + 15))
until wm_running; do
    kill -0 "$wm_pid" 2>/dev/null || { echo "FAIL: openbox did not start" >&2; exit 1; }
    [ $SECONDS -lt $deadline ] || { echo "FAIL: openbox not ready within 15 s" >&2; exit 1; }
    sleep 0.05
done
echo "window manager: openbox"

# --- the run ------------------------------------------------------------------

"$game" >"$log" 2>&1 &
pid=$!

has_main_window() { [ -n "$(main_window)" ]; }
wait_for 'main window titled "Vorka"' 15 has_main_window
main=$(main_window)
read -r main_x main_y main_w main_h < <(geometry "$main")
echo "main window $main: ${main_w}x${main_h} at $main_x,$main_y"

wait_for "welcome dialog" 15 one_new_dialog
welcome=$found_dialog
check_message_dialog "$welcome" "the welcome dialog"
has_name_box "$welcome" && fail "the first dialog has a name box: it is not the welcome"
echo "welcome dialog $welcome is up"

# Where the first board will stand; until then the client area's ground shows.
board_x=$((main_x + 100))
board_y=$((main_y + main_h / 2))
ground=$(pixel "$board_x" "$board_y")

# "With others", by mouse; then Enter answers with OK from there.
focus "$welcome" "the welcome dialog"
xdotool mousemove --window "$welcome" 330 124 click 1
xdotool key Return
wait_for "name dialog after the welcome" 10 one_new_dialog "$welcome"
name_dialog=$found_dialog
check_message_dialog "$name_dialog" "the name dialog"
has_name_box "$name_dialog" || fail "the dialog after the welcome has no name box"
echo "name dialog $name_dialog is up"

# The box starts as "Noname", all selected: typing replaces it. Enter gives
# the next name; "OK  " (the right-hand button) ends the list.
focus "$name_dialog" "the name dialog"
xdotool type --delay 10 Ada
xdotool key Return
wait_for "second name dialog" 10 one_new_dialog "$name_dialog"
name_dialog=$found_dialog
check_message_dialog "$name_dialog" "the second name dialog"
focus "$name_dialog" "the second name dialog"
xdotool type --delay 10 Bob
xdotool mousemove --window "$name_dialog" 345 161 click 1
wait_for "end of the name dialogs" 10 no_dialog

board_up() { [ "$(pixel "$board_x" "$board_y")" != "$ground" ]; }
wait_for "player board in the main window" 10 board_up

# The screenshot, once two looks in a row agree.
main_shot() { screen_pnm | pamcut -left "$main_x" -top "$main_y" -width "$main_w" -height "$main_h"; }
last=""
steady() {
    local now
    now=$(main_shot | md5sum)
    [ "$now" = "$last" ] && return 0
    last=$now
    return 1
}
wait_for "steady picture of the game" 5 steady
main_shot | pnmtopng >"$screenshot" 2>/dev/null || fail "could not write $screenshot"
echo "screenshot saved as $screenshot"

# Space alone rolls: the keyboard is on the Roll button of the board whose
# turn it is, wherever the window manager put it when the dialog closed. No
# window is given the keyboard by the test here.
changed() { [ "$(main_shot | md5sum)" != "$1" ]; }
space_rolls() {
    local before
    wait_for "steady picture before Space ($1)" 10 steady
    before=$last
    xdotool key space
    wait_for "a roll after Space $1" 10 changed "$before"
    last=""
    wait_for "the end of the roll after Space $1" 10 steady
}
space_rolls "after the name dialog"
echo "Space rolled right after the name dialog"

# Two more rolls; the last hands the keyboard to the first free category,
# where Space scores it. A zero is asked about first (opening on "NA  ").
space_rolls "for the second roll"
space_rolls "for the third roll"
xdotool key space
up_dialog_size() {
    local up w h
    up=$(dialogs)
    [ -n "$up" ] && [ "$(echo "$up" | wc -l)" -eq 1 ] || return 1
    found_dialog=$up
    read -r _ _ w h < <(geometry "$up")
    found_size="${w}x${h}"
}
wait_for "a dialog after scoring by keys" 10 up_dialog_size
if [ "$found_size" = 435x201 ]; then
    focus "$found_dialog" "the zero-score question"
    xdotool key shift+Tab Return
    wait_for "the announcement after the zero" 10 one_new_dialog "$found_dialog"
    up_dialog_size
fi
[ "$found_size" = 352x217 ] || fail "the dialog after scoring is $found_size, not the announcement"
announcement=$found_dialog
echo "announcement $announcement is up"
focus "$announcement" "the announcement"
xdotool key Return
wait_for "end of the announcement" 10 no_dialog
space_rolls "after the announcement"
echo "Space rolled right after the announcement"

# Leaving, refused: "NA  " is the right-hand button, 275..415 across and
# 138..184 down.
focus "$main" "the main window"
xdotool key ctrl+q
wait_for "leave confirmation" 10 one_new_dialog
leave=$found_dialog
check_message_dialog "$leave" "the leave confirmation"
has_name_box "$leave" && fail "the leave confirmation has a name box"
xdotool mousemove --window "$leave" 345 161 click 1
wait_for "end of the refused leave confirmation" 10 no_dialog
kill -0 "$pid" 2>/dev/null || fail "the game ended although leaving was refused"
[ "$(main_window)" = "$main" ] || fail "the main window went away although leaving was refused"
echo "leaving refused: the game goes on"

# The question opens on "NA  ": Enter alone keeps the game.
focus "$main" "the main window"
xdotool key ctrl+q
wait_for "second leave confirmation" 10 one_new_dialog "$leave"
leave=$found_dialog
focus "$leave" "the leave confirmation"
xdotool key Return
wait_for "end of the leave confirmation answered with Enter" 10 no_dialog
kill -0 "$pid" 2>/dev/null || fail "Enter on the leave confirmation ended the game"
echo "Enter on the leave confirmation: the game goes on"

# Leaving, confirmed from the keyboard: back to "YEAH  ", then Enter. The exit
# sound, where there is sound output, plays to its end (about 5 s) before the
# program ends.
focus "$main" "the main window"
xdotool key ctrl+q
wait_for "third leave confirmation" 10 one_new_dialog "$leave"
leave=$found_dialog
check_message_dialog "$leave" "the third leave confirmation"
focus "$leave" "the leave confirmation"
xdotool key shift+Tab Return
wait_for_clean_exit 10

# The game kept its Halls in the store folder it was given, whatever the
# shared folder allows.
[ -s "$VORKA_STORE_DIR/vorka-settings.sqlite" ] ||
    fail "the game made no store in the folder VORKA_STORE_DIR names"
echo "PASS: the game came up, answered its dialogs and left through the confirmation"
