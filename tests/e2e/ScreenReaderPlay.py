#!/usr/bin/python3
"""Plays a whole one-player game of Vorka the way a blind player would: every
state is read from the names the game gives its controls on the
accessibility bus, every move is a button's action or a key.

    ScreenReaderPlay.py <game pid>

Run by ScreenReaderTest.sh, which starts the game, the X server and the
accessibility bus. The rules below (what a category scores, the bonus) are
written out again here, from the rules of the game, so that what the game
says can be checked against what the dice were said to show.
"""

import re
import subprocess
import sys
import time

import pyatspi

PID = int(sys.argv[1])
PLAYER = "Ada"

UPPER = ["Ones", "Twos", "Threes", "Fours", "Fives", "Sixes"]
LOWER = ["1 Pair", "2 Pairs", "3 of a Kind", "4 of a Kind", "Low Straight",
         "High Straight", "Full House", "Chance", "Vorka"]
CATEGORIES = UPPER + LOWER


def fail(message):
    print("FAIL: " + message, flush=True)
    sys.exit(1)


def log(message):
    print(message, flush=True)


def score(category, dice):
    counts = {v: dice.count(v) for v in range(1, 7)}
    total = sum(dice)
    if category in UPPER:
        face = UPPER.index(category) + 1
        return face * counts[face]
    if category == "1 Pair":
        pairs = [v for v in range(1, 7) if counts[v] >= 2]
        return 2 * max(pairs) if pairs else 0
    if category == "2 Pairs":
        pairs = sum(counts[v] // 2 for v in range(1, 7))
        return sum(2 * v * (counts[v] // 2) for v in range(1, 7)) if pairs >= 2 else 0
    if category == "3 of a Kind":
        return next((3 * v for v in range(1, 7) if counts[v] >= 3), 0)
    if category == "4 of a Kind":
        return next((4 * v for v in range(1, 7) if counts[v] >= 4), 0)
    if category == "Low Straight":
        return 15 if sorted(dice) == [1, 2, 3, 4, 5] else 0
    if category == "High Straight":
        return 20 if sorted(dice) == [2, 3, 4, 5, 6] else 0
    if category == "Full House":
        return total if len(set(dice)) <= 2 else 0
    if category == "Chance":
        return total
    if category == "Vorka":
        return 50 if len(set(dice)) == 1 else 0
    raise ValueError(category)


# --- the accessibility tree --------------------------------------------------

def wait_for(what, seconds, probe):
    deadline = time.time() + seconds
    while True:
        try:
            found = probe()
        except Exception:  # objects come and go under our feet
            found = None
        if found:
            return found
        if time.time() > deadline:
            fail("no %s within %d s" % (what, seconds))
        time.sleep(0.05)


def game():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        try:
            if app and app.get_process_id() == PID:
                return app
        except Exception:
            continue
    return None


def showing(acc):
    return acc.getState().contains(pyatspi.STATE_SHOWING)


def find_all(root, test):
    found = []

    def walk(acc, depth):
        if acc is None or depth > 12:
            return
        if test(acc):
            found.append(acc)
        for i in range(acc.childCount):
            walk(acc.getChildAtIndex(i), depth + 1)

    walk(root, 0)
    return found


def find(root, role, name_test):
    for acc in find_all(root, lambda a: a.getRole() == role and showing(a)
                        and name_test(a.name)):
        return acc
    return None


def dialog(starts):
    app = game()
    for i in range(app.childCount if app else 0):
        window = app.getChildAtIndex(i)
        if window.getRole() == pyatspi.ROLE_DIALOG and window.name.startswith(starts):
            return window
    return None


def press(acc):
    action = acc.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    action.doAction(names.index("Press") if "Press" in names else 0)


def button(window, caption):
    return find(window, pyatspi.ROLE_PUSH_BUTTON, lambda n: n.strip() == caption)


def answer(starts, caption, seconds=10):
    window = wait_for('dialog "%s"' % starts, seconds, lambda: dialog(starts))
    spoken = window.name
    if "Answer with" not in window.description or caption not in window.description:
        fail('dialog "%s" does not say it answers with %s: "%s"'
             % (starts, caption, window.description))
    press(wait_for('button "%s"' % caption, 5, lambda: button(window, caption)))
    wait_for('end of dialog "%s"' % starts, 10, lambda: dialog(starts) is None)
    return spoken


def give_keyboard_to_main_window():
    # What a window manager does when the window is clicked: the virtual X
    # server has none, so the keyboard stays where the last dialog left it.
    found = subprocess.run(["xdotool", "search", "--all", "--pid", str(PID), "--name", "^Vorka$"],
                           capture_output=True, text=True).stdout.split()
    if not found:
        fail("no X window of the game is titled Vorka")
    subprocess.run(["xdotool", "windowfocus", "--sync", found[0]], timeout=5, check=True)


def key(character):
    # The key through the accessibility registry, which types it with XTest;
    # digits and letters are their own key symbols.
    pyatspi.Registry.generateKeyboardEvent(ord(character), None, pyatspi.KEY_SYM)


# --- the board ---------------------------------------------------------------

class Board:
    def __init__(self, root):
        self.root = root
        self.roll = find(root, pyatspi.ROLE_PUSH_BUTTON, lambda n: n.startswith("Roll, "))
        self.dice = [find_all(root, lambda a, i=i: a.name.startswith("Die %d: " % i))[0]
                     for i in range(1, 6)]
        self.cells = {}
        self.buttons = {}
        for c in CATEGORIES:
            self.cells[c] = find_all(root, lambda a, c=c: a.getRole() == pyatspi.ROLE_LABEL
                                     and a.name.startswith(c + ": "))[0]
            self.buttons[c] = find_all(root, lambda a, c=c: a.getRole() ==
                                       pyatspi.ROLE_PUSH_BUTTON and a.name == c)[0]
        self.totals = find_all(root, lambda a: a.getRole() == pyatspi.ROLE_LABEL
                               and a.name.startswith("Total: "))[0]
        self.upper = find_all(root, lambda a: a.getRole() == pyatspi.ROLE_LABEL
                              and a.name.startswith("1-6 Total: "))[0]

    def rolls_left(self):
        m = re.fullmatch(r"Roll, (\d) rolls? left", self.roll.name)
        return int(m.group(1)) if m else None

    def faces(self):
        values = []
        for i, die in enumerate(self.dice):
            m = re.fullmatch(r"Die %d: ([1-6])" % (i + 1), die.name)
            if not m:
                return None
            values.append(int(m.group(1)))
        return values

    def rolled(self, left):
        return self.rolls_left() == left and self.faces() is not None

    def free(self, c):
        return self.buttons[c].description.startswith("Free")


def play():
    log("waiting for the game on the accessibility bus")
    wait_for("game on the accessibility bus", 20, game)
    first = answer("Welcome to Vorka.", "OK")
    log("welcome spoken as: " + first)

    names = wait_for("name dialog", 10, lambda: dialog("Please enter your name."))
    box = wait_for("name box", 5, lambda: find(names, pyatspi.ROLE_TEXT, lambda n: True))
    box.queryEditableText().setTextContents(PLAYER)
    answer("Please enter your name.", "OK")

    main = wait_for("main window", 5, lambda: find(game(), pyatspi.ROLE_FRAME,
                                                      lambda n: n == "Vorka"))
    root = wait_for("board of " + PLAYER, 10, lambda: find(
        main, pyatspi.ROLE_FILLER, lambda n: n == PLAYER) or find(
        main, pyatspi.ROLE_PANEL, lambda n: n == PLAYER))
    board = wait_for("board's controls", 10, lambda: Board(root))
    if board.rolls_left() != 3 or any(not d.name.endswith("not rolled") for d in board.dice):
        fail("a new board reads %s, %s" % (board.roll.name, [d.name for d in board.dice]))

    upper = 0
    lower = 0
    for turn in range(15):
        press(board.roll)
        wait_for("dice rolling in turn %d" % (turn + 1), 10,
                 lambda: board.roll.name == "Roll, dice rolling")
        faces = wait_for("dice after the roll of turn %d" % (turn + 1), 10,
                         lambda: board.rolled(2) and board.faces())
        if faces != sorted(faces):
            fail("after a roll of all dice they read %s, not in order" % faces)
        if turn < 3:
            # Die 3 again, then die 5, by key, with the keyboard on the board.
            for left, die in ((1, 3), (0, 5)):
                give_keyboard_to_main_window()
                board.dice[0].queryComponent().grabFocus()
                before = board.faces()
                key(str(die))
                wait_for("die %d rolling" % die, 10,
                         lambda: board.dice[die - 1].name == "Die %d: rolling" % die)
                after = wait_for("die %d rolled again by key" % die, 10,
                                 lambda: board.rolled(left) and board.faces())
                if [f for i, f in enumerate(after) if i != die - 1] != \
                        [f for i, f in enumerate(before) if i != die - 1]:
                    fail("key %d changed other dice: %s to %s" % (die, before, after))
            faces = board.faces()
            if "0 rolls left" not in board.roll.name:
                fail("after three rolls the Roll button says " + board.roll.name)
        free = [c for c in CATEGORIES if board.free(c)]
        if len(free) != 15 - turn:
            fail("turn %d: %d categories said free" % (turn + 1, len(free)))
        best = max(free, key=lambda c: (score(c, faces), -CATEGORIES.index(c)))
        points = score(best, faces)
        log("turn %2d: dice %s into %s for %d" % (turn + 1, faces, best, points))
        press(board.buttons[best])
        if points == 0:
            answer("Chosing this option would place 0 in this cell.", "YEAH")
        if best in UPPER:
            upper += points
        else:
            lower += points
        total = upper + (25 if upper > 62 else 0) + lower
        if turn < 14:
            wait_for("%s scored %d" % (best, points), 10,
                     lambda: board.cells[best].name == "%s: %d" % (best, points)
                     and board.totals.name == "Total: %d" % total)
            if not board.buttons[best].description.startswith("Used, score %d" % points):
                fail("%s is described as %s" % (best, board.buttons[best].description))
            if board.rolls_left() != 3:
                fail("after scoring the Roll button says " + board.roll.name)

    result = "Game over. %s wins the game with a score of %d. Well played!" % (PLAYER, total)
    spoken = answer("Game over.", "OK")
    if spoken != result:
        fail('the result was spoken as "%s", not "%s"' % (spoken, result))
    log("result spoken as: " + spoken)

    scores = wait_for("high-score window", 10, lambda: find(
        main, pyatspi.ROLE_FRAME, lambda n: n == "Vorka Scores"))
    # The row is on one of the two tabs.
    row = None
    for hall in ("Hall of Fame", "Hall of Shame"):
        tab = wait_for(hall + " tab", 5, lambda: find(scores, pyatspi.ROLE_PAGE_TAB,
                                                      lambda n: n == hall))
        press(tab)
        deadline = time.time() + 3
        while not row and time.time() < deadline:
            row = find(scores, pyatspi.ROLE_TABLE_CELL, lambda n: n == PLAYER)
            time.sleep(0.1)
        if row:
            break
    if not row:
        fail("%s is in neither Hall" % PLAYER)
    entered = row.parent.getChildAtIndex(row.getIndexInParent() + 1).name
    if entered != str(total):
        fail("the %s lists %s with %s, not %d" % (hall, PLAYER, entered, total))
    log("%s entered into the %s with %s" % (PLAYER, hall, entered))

    # Leaving from the keyboard: Ctrl+Q, then "YEAH  ".
    give_keyboard_to_main_window()
    control_mask = 1 << 2  # X's ControlMask
    pyatspi.Registry.generateKeyboardEvent(control_mask, None, pyatspi.KEY_LOCKMODIFIERS)
    key("q")
    pyatspi.Registry.generateKeyboardEvent(control_mask, None, pyatspi.KEY_UNLOCKMODIFIERS)
    answer("LEAVE VORKA", "YEAH")
    log("PASS: a whole game played and read through the accessibility tree")


if __name__ == "__main__":
    play()
