"""Plays Numivox through AT-SPI alone, as a screen reader or a switch tool does.

usage: accessible_play.py READY_FILE PROGRAM_FILE

Listens as a screen reader does from before the program starts: once listening it creates
READY_FILE, then waits for PROGRAM_FILE to hold "PID SPEECH_LOG" of the program, started and
shown. Reads the accessible tree of that program, plays an interactive round with
doAction only, and checks the roles, names, states and announcements on the way; the program's
speech log tells what it said. Prints one "ok"/"FAIL" line per check, and the Tab order and the
round as it went, for the record. Exits 1 when a check failed.
"""

import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

READY_FILE = sys.argv[1]
PROGRAM_FILE = sys.argv[2]
PID = 0
LOG = ""
failures = 0
announcements = []


def check(description, condition):
    global failures
    print(("  ok   - " if condition else "  FAIL - ") + description, flush=True)
    if not condition:
        failures += 1
    return condition


def pump(seconds=0.0):
    """Lets events arrive for a while."""
    end = time.time() + seconds
    context = GLib.MainContext.default()
    while True:
        while context.iteration(False):
            pass
        if time.time() >= end:
            return
        time.sleep(0.02)


def wait_for(condition, timeout=30):
    end = time.time() + timeout
    while time.time() < end:
        pump()
        if condition():
            return True
        time.sleep(0.05)
    return bool(condition())


def phrases():
    with open(LOG, encoding="utf-8", errors="replace") as log:
        return [m.group(1) for m in re.finditer(r'^numivox\.speech: "(.*)"$', log.read(), re.M)]


def on_showing(event):
    if event.detail1 and event.source.getRole() == pyatspi.ROLE_NOTIFICATION:
        announcements.append(event.source.name)


def find_application():
    for _ in range(300):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.get_process_id() == PID:
                return app
        time.sleep(0.1)
    return None


def walk(node, depth=0):
    yield node, depth
    for child in node:
        if child is not None:
            yield from walk(child, depth + 1)


def find(app, role, name):
    for node, _ in walk(app):
        if node.getRole() == role and node.name == name:
            return node
    return None


def has(node, state):
    return node is not None and node.getState().contains(state)


def act(node, action="Press"):
    """Runs the named action of the node, as a switch tool does."""
    interface = node.queryAction()
    for i in range(interface.nActions):
        if interface.getName(i) == action:
            return interface.doAction(i)
    return False


def said_since(count, phrase, timeout=30):
    return wait_for(lambda: phrase in phrases()[count:], timeout)


def choose(radio, phrase, before):
    """Presses a radio button: true when its phrase is said, it is checked and BEFORE is not."""
    count = len(phrases())
    act(radio)
    return said_since(count, phrase) and wait_for(
        lambda: has(radio, pyatspi.STATE_CHECKED) and not has(before, pyatspi.STATE_CHECKED))


def main():
    global PID, LOG
    pyatspi.Registry.registerEventListener(on_showing, "object:state-changed:showing")
    pump(0.5)
    open(READY_FILE, "w").close()
    for _ in range(1200):
        try:
            with open(PROGRAM_FILE, encoding="utf-8") as program:
                PID, LOG = program.read().split()
                PID = int(PID)
                break
        except (OSError, ValueError):
            time.sleep(0.1)
    app = find_application()
    if not check("the program is on the accessibility bus", app is not None):
        return
    frame = app[0]
    check(f"the window is a frame named by its title ({frame.getRoleName()} '{frame.name}')",
          frame.getRole() == pyatspi.ROLE_FRAME and frame.name.startswith("Numivox"))

    unnamed = [n.getRoleName() for n, _ in walk(app) if not n.name]
    check(f"no node without a name ({unnamed})", not unnamed)
    art = [n.name for n, _ in walk(app) if re.search(r"====|\.\.\.|^\s|\s$", n.name)]
    check(f"no punctuation art or stray blanks in a name ({art})", not art)

    card = frame[0]
    check(f"the card is a push button named by its problem ('{card.name}')",
          card.getRole() == pyatspi.ROLE_PUSH_BUTTON and card.name == "12 plus 12 equals 24")
    standard = find(app, pyatspi.ROLE_RADIO_BUTTON, "standard mode")
    interactive = find(app, pyatspi.ROLE_RADIO_BUTTON, "interactive mode")
    addition = find(app, pyatspi.ROLE_RADIO_BUTTON, "addition")
    subtraction = find(app, pyatspi.ROLE_RADIO_BUTTON, "subtraction")
    check("standard mode and addition are checked radio buttons",
          has(standard, pyatspi.STATE_CHECKED) and has(addition, pyatspi.STATE_CHECKED)
          and not has(interactive, pyatspi.STATE_CHECKED) and not has(subtraction, pyatspi.STATE_CHECKED))
    smallest = find(app, pyatspi.ROLE_COMBO_BOX, "smallest number")
    largest = find(app, pyatspi.ROLE_COMBO_BOX, "largest number")
    check("the range lists are combo boxes named smallest and largest number, their value as text",
          smallest is not None and largest is not None
          and smallest.queryText().getText(0, -1) == "0" and largest.queryText().getText(0, -1) == "12")
    speech = find(app, pyatspi.ROLE_PUSH_BUTTON, "speech on")
    check("speech on is a pressed state", has(speech, pyatspi.STATE_PRESSED))

    print("-- a round of interactive mode, with doAction only")
    check("interactive mode: chosen and checked, standard mode unchecked",
          choose(interactive, "click possible answers to the right", standard))

    count = len(phrases())
    announcements.clear()
    act(card)
    dealt = wait_for(lambda: any(re.fullmatch(r"\d+ plus \d+", p) for p in phrases()[count:]))
    problem = next((p for p in phrases()[count:] if re.fullmatch(r"\d+ plus \d+", p)), "")
    check(f"the card deals a problem: said '{problem}'", dealt)
    heard = wait_for(lambda: problem in announcements, 10)
    check(f"the new card is announced ({announcements})", heard)
    check(f"the card is named by it ('{card.name}')", card.name == problem)
    print(f"   | card pressed: said {phrases()[count:]}, announced {announcements}")

    right = str(sum(int(n) for n in problem.split(" plus "))) if problem else "?"
    answers = frame[1]
    check(f"the answers are the group 'possible answers' of six push buttons ('{answers.name}')",
          answers.name == "possible answers" and answers.childCount == 6
          and all(a.getRole() == pyatspi.ROLE_PUSH_BUTTON for a in answers))
    for answer in answers:
        count = len(phrases())
        announcements.clear()
        act(answer)
        wait_for(lambda: len(phrases()) > count)
        judged = phrases()[count]
        wait_for(lambda: announcements, 10)
        print(f"   | '{answer.name}' pressed: said '{judged}', announced {announcements}")
        if judged == right:
            check(f"the right answer is announced with the card ({announcements})",
                  f"{problem} equals {right}" in announcements)
            break
        check(f"a wrong answer is said and announced as wrong ({judged}, {announcements})",
              judged == "wrong answer, try again" and "wrong answer, try again" in announcements)
    check(f"one of the answers was right ({right})", judged == right)

    print("-- settings, with doAction only")
    check("subtraction: said, checked, addition unchecked", choose(subtraction, "subtraction", addition))
    count = len(phrases())
    act(largest[largest.childCount - 1], "Toggle")
    check("choosing 100 in the largest number runs its handler once",
          said_since(count, "the maximum number is now set to 100")
          and phrases()[count:].count("the maximum number is now set to 100") == 1
          and wait_for(lambda: largest.queryText().getText(0, -1) == "100"))
    count = len(phrases())
    act(find(app, pyatspi.ROLE_RADIO_BUTTON, "timer mode"))
    said_since(count, "first choose a timer value in seconds")
    timer = find(app, pyatspi.ROLE_LIST, "seconds to wait")
    count = len(phrases())
    act(timer[1], "Toggle")
    check("choosing 3 seconds in the timer list runs its handler: 'timer mode', '3 seconds.'",
          said_since(count, "3 seconds.") and phrases()[count:count + 2] == ["timer mode", "3 seconds."]
          and wait_for(lambda: has(timer[1], pyatspi.STATE_SELECTED)))
    announcements.clear()
    heard = wait_for(lambda: any(" minus " in a and " equals " in a for a in announcements), 15)
    check(f"the timer reveals the answer, and it is announced ({announcements})", heard)
    act(find(app, pyatspi.ROLE_RADIO_BUTTON, "standard mode"))
    act(speech)
    quiet = find(app, pyatspi.ROLE_PUSH_BUTTON, "speech off")
    check("speech switched off: the button shown is not pressed",
          wait_for(lambda: has(quiet, pyatspi.STATE_SHOWING) and not has(quiet, pyatspi.STATE_PRESSED)))
    act(quiet)
    wait_for(lambda: has(speech, pyatspi.STATE_SHOWING))

    print("-- the keyboard: Tab order, Enter in an open list, F1")
    subprocess.run(["xdotool", "key", "--clearmodifiers", "Escape"], check=False)
    order = []
    for _ in range(16):
        subprocess.run(["xdotool", "key", "Tab"], check=True)
        pump(0.3)
        focused = [n for n, _ in walk(frame) if has(n, pyatspi.STATE_FOCUSED)]
        order.append(focused[-1].name if focused else "?")
    print("   | Tab: " + " > ".join(order))
    expected = ["Tavika at the chalkboard", "addition", "subtraction", "multiplication", "division",
                "smallest number", "largest number", "interactive mode", "standard mode", "timer mode",
                "speech on", "https://numivox.org"]
    start = order.index(expected[0]) if expected[0] in order else 0
    check("Tab reaches the controls in reading order and comes back to the card",
          order[start:start + len(expected)] == expected and order[start + len(expected)] == card.name)

    smallest.queryComponent().grabFocus()
    wait_for(lambda: has(smallest, pyatspi.STATE_FOCUSED), 10)
    count = len(phrases())
    for key in ["alt+Down", "Down", "Return"]:
        subprocess.run(["xdotool", "key", key], check=True)
        pump(0.5)
    said_since(count, "the minimum number is now set to 1", 10)
    pump(1)
    times = phrases()[count:].count("the minimum number is now set to 1")
    check(f"Enter in the open list chooses once (said {times} times)", times == 1)
    check("the focus stays on the list after a choice by keyboard", has(smallest, pyatspi.STATE_FOCUSED))

    count = len(phrases())
    subprocess.run(["xdotool", "key", "F1"], check=True)
    check("F1 says the keys", wait_for(lambda: any("Tab" in p for p in phrases()[count:]), 10))


main()
sys.exit(1 if failures else 0)
