#!/usr/bin/python3
"""The steps of the screen reader's tests (atspi_test.sh, keyboard_window_test.sh), each reading
and driving Twindle through AT-SPI as Orca would; each prints what it saw and exits non-zero on
the first thing wrong.

  atspi_checks.py setup-screen          every control of the setup screen has a name
  atspi_checks.py cards N WORDS.tsv     N cards face down; one pressed says its word; the focus
                                        and the new name are announced
  atspi_checks.py gate                  Escape's question is an alert; prints the number it asks
  atspi_checks.py turn-of NAME          the board says it is NAME's turn
  atspi_checks.py by-ear N WORDS.tsv    wins a game of N cards by their words alone
"""
import re
import sys
import time

import pyatspi

from atspi_board import CARD_NAME, Listener, Twindle, key, word_of

CONTROLS = {pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_SPIN_BUTTON,
            pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_SLIDER, pyatspi.ROLE_PUSH_BUTTON,
            pyatspi.ROLE_PAGE_TAB, pyatspi.ROLE_TEXT}


def fail(message):
    sys.exit("FAIL: " + message)


def picture_words(table):
    words = set()
    with open(table, encoding="utf-8") as rows:
        for row in rows:
            columns = row.split("\t")
            if len(columns) > 2 and columns[0].isdigit() and int(columns[0]) > 100:
                words.add(columns[1])
    return words


def in_words(number):
    """A number from 1 to 999 as the gate writes it, worked out here on its own."""
    ones = "one two three four five six seven eight nine ten eleven twelve thirteen fourteen " \
           "fifteen sixteen seventeen eighteen nineteen".split()
    tens = "twenty thirty forty fifty sixty seventy eighty ninety".split()
    hundreds, rest = divmod(number, 100)
    parts = [ones[hundreds - 1] + " hundred"] if hundreds else []
    if 0 < rest < 20:
        parts.append(ones[rest - 1])
    elif rest:
        parts.append(tens[rest // 10 - 2] + ("-" + ones[rest % 10 - 1] if rest % 10 else ""))
    return " ".join(parts)


def setup_screen():
    program = Twindle()
    deadline = time.time() + 20
    while not any(node.getRole() == pyatspi.ROLE_DIALOG and node.name == "Toddler mode"
                  for node in program.everything()):
        if time.time() > deadline:
            fail("no dialog named \"Toddler mode\"")
        time.sleep(0.2)
    dialog = next(node for node in program.everything() if node.name == "Toddler mode")
    controls, stack = [], [dialog]
    while stack:
        node = stack.pop()
        stack.extend(node.getChildAtIndex(i) for i in range(node.childCount))
        if node.getRole() in CONTROLS:
            controls.append((node.getRoleName(), node.name or ""))
    unnamed = [role for role, name in controls if not name.strip()]
    if unnamed or len(controls) < 15:
        fail(f"of {len(controls)} controls, these have no name: {unnamed}")
    names = {name for _, name in controls}
    for wanted in ["Pictures", "Switches", "Start", "The key switch 1 sends"]:
        if not any(name.startswith(wanted) for name in names):
            fail(f"no control named {wanted!r} among {sorted(names)}")
    print(f"ok: the setup screen's {len(controls)} controls each have a name, such as "
          + "; ".join(f"{role} {name!r}" for role, name in controls[:6]))


def cards(count, table):
    program = Twindle()
    names = program.wait_for_cards(count)
    wanted = [f"card {i + 1} of {count}, face down" for i in range(count)]
    if names != wanted:
        fail(f"the cards are named {names}")
    if program.board().name != f"The board, {count} cards":
        fail(f"the board is named {program.board().name!r}")
    print(f"ok: {count} cards, named {names[0]!r} to {names[-1]!r}")

    heard = Listener().record(lambda: program.press(0))
    word = word_of(program.names()[0])
    if word not in picture_words(table):
        fail(f"card 1, pressed, is named {program.names()[0]!r}: no word of the table")
    told = [name for kind, _, name in heard if kind.endswith("accessible-name")]
    if f"card 1 of {count}, {word}" not in told:
        fail(f"the new name of card 1 was not announced; heard {heard}")
    print(f"ok: card 1's press action turned it: {program.names()[0]!r}, announced")

    heard = Listener().record(lambda: key("Right"))
    focused = [name for kind, _, name in heard if kind.endswith("focused")]
    if program.focused() != 1 or f"card 2 of {count}, face down" not in focused:
        fail(f"Right did not move the focus to card 2 (focused: {program.focused()}); heard {heard}")
    print(f"ok: Right moved the focus to card 2, announced: {focused}")


def gate():
    program = Twindle()
    heard = Listener().record(lambda: key("Escape"))
    alerts = [node for node in program.everything() if node.getRole() == pyatspi.ROLE_ALERT]
    question = next((node.name for node in alerts if node.getState().contains(pyatspi.STATE_SHOWING)), "")
    numbers = [n for n in range(100, 1000) if f"type {in_words(n)} in digits" in question]
    if len(numbers) != 1:
        fail(f"no alert asks for a number in words: alerts {[node.name for node in alerts]}")
    if not any(kind.endswith("showing") and role == pyatspi.ROLE_ALERT for kind, role, _ in heard):
        fail(f"the question was not announced as it showed; heard {heard}")
    print(f"ok: Escape showed and announced the alert {question!r}", file=sys.stderr)
    print(numbers[0])


def turn_of(name):
    program = Twindle()
    told = [node.name for node in program.everything() if (node.name or "").endswith("'s turn")]
    if told != [f"{name}'s turn"]:
        fail(f"whose turn it is reads {told}, not {name}'s")
    print(f"ok: whose turn it is reads {told[0]!r}")


def turn(program, index):
    """Takes the focus to a card with Home and Right, as the player hears it move, and turns it
    with Space; the word its name then says."""
    key("Home")
    for _ in range(20):
        if program.focused() == index:
            break
        key("Right")
    if program.focused() != index:
        fail(f"the keys did not bring the focus to card {index + 1}")
    key("space")
    deadline = time.time() + 5
    while word_of(program.names()[index]) == "face down":
        if time.time() > deadline:
            fail(f"Space did not turn card {index + 1}")
        time.sleep(0.05)
    return word_of(program.names()[index]).removeprefix("found: ")


def settled(program, index):
    """Whether a card's try is over: face down again, or found and gone from the board."""
    card = program.cards()[index]
    word = word_of(card.name)
    return word == "face down" or (word.startswith("found") and not card.getState().contains(pyatspi.STATE_VISIBLE))


def by_ear(count, table):
    """A player with a perfect memory who listens: a pair as soon as both its words are known,
    otherwise a card never heard, then its twin if heard before, else another never heard."""
    program = Twindle()
    program.wait_for_cards(count)
    words = picture_words(table)
    heard, left, tries = {}, set(range(count)), 0
    while left:
        known = [(a, b) for a in left for b in left if a < b and a in heard and heard.get(b) == heard[a]]
        first, second = known[0] if known else (min(c for c in left if c not in heard), None)
        heard[first] = turn(program, first)
        if second is None:
            twins = [c for c in left if c != first and heard.get(c) == heard[first]]
            second = twins[0] if twins else min(c for c in left if c not in heard and c != first)
        heard[second] = turn(program, second)
        tries += 1
        if not {heard[first], heard[second]} <= words:
            fail(f"cards {first + 1} and {second + 1} say {heard[first]!r} and {heard[second]!r}")
        deadline = time.time() + 10
        while not all(settled(program, c) for c in (first, second)):
            if time.time() > deadline:
                fail(f"the try of cards {first + 1} and {second + 1} did not end")
            time.sleep(0.1)
        if heard[first] == heard[second]:
            left -= {first, second}
    print(f"ok: a game of {count} cards played by ear won in {tries} tries, its words {sorted(set(heard.values()))}")


if __name__ == "__main__":
    step, arguments = sys.argv[1], sys.argv[2:]
    if step == "setup-screen":
        setup_screen()
    elif step == "cards":
        cards(int(arguments[0]), arguments[1])
    elif step == "gate":
        gate()
    elif step == "turn-of":
        turn_of(arguments[0])
    elif step == "by-ear":
        by_ear(int(arguments[0]), arguments[1])
    else:
        sys.exit(__doc__)
