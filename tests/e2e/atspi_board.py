#!/usr/bin/python3
"""Twindle as a screen reader finds it, through AT-SPI (the accessibility bus Orca reads): the
board's cards, their names and states, their press action, and what the program announces. The
real-window tests import it; it needs DISPLAY and the session's accessibility bus.

As a command:  atspi_board.py names    prints each card's name, one a line.
"""
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

CARD_NAME = re.compile(r"^card (\d+) of (\d+), (.*)$")


class Twindle:
    """The program on the accessibility bus, found by its name; nothing is kept between looks."""

    def __init__(self, timeout=20):
        deadline = time.time() + timeout
        self.app = None
        while self.app is None:
            for app in pyatspi.Registry.getDesktop(0):
                if app is not None and app.name == "twindle":
                    self.app = app
            if self.app is None:
                if time.time() > deadline:
                    sys.exit("atspi_board: no application named twindle on the accessibility bus")
                time.sleep(0.2)
        try:  # every look asks the program afresh
            self.app.set_cache_mask(pyatspi.Atspi.Cache.NONE)
        except Exception:
            pass

    def everything(self):
        """Every object of the program's windows, depth first."""
        found, stack = [], [self.app]
        while stack:
            node = stack.pop()
            found.append(node)
            children = [node.getChildAtIndex(i) for i in range(node.childCount)]
            stack.extend(reversed([child for child in children if child is not None]))
        return found

    def board(self):
        for node in self.everything():
            if (node.name or "").startswith("The board"):
                return node
        return None

    def cards(self):
        """The board's cards, in their order: a name "card N of M, ..." and the role of a button."""
        board = self.board()
        if board is None:
            return []
        children = [board.getChildAtIndex(i) for i in range(board.childCount)]
        return [c for c in children if c is not None and c.getRole() == pyatspi.ROLE_PUSH_BUTTON
                and CARD_NAME.match(c.name or "")]

    def names(self):
        return [card.name for card in self.cards()]

    def wait_for_cards(self, count, state="face down", timeout=20):
        """Waits for `count` cards, all in `state`; their names."""
        deadline = time.time() + timeout
        while True:
            names = self.names()
            if len(names) == count and all(name.endswith(", " + state) for name in names):
                return names
            if time.time() > deadline:
                sys.exit(f"atspi_board: no {count} cards {state}; the board has {names}")
            time.sleep(0.2)

    def focused(self):
        """The index (from 0) of the card with the focus, or None."""
        for index, card in enumerate(self.cards()):
            if card.getState().contains(pyatspi.STATE_FOCUSED):
                return index
        return None

    def press(self, index):
        action = self.cards()[index].queryAction()
        names = [action.getName(i) for i in range(action.nActions)]
        action.doAction(names.index("Press") if "Press" in names else 0)


def key(*keys):
    subprocess.run(["xdotool", "key", "--delay", "60", *keys], check=True)


def word_of(name):
    """What a card's name says it shows: the word, "face down", or "found: word"."""
    match = CARD_NAME.match(name)
    return match.group(3) if match else None


class Listener:
    """Records the announcements the program makes while `during` runs and a moment after:
    focus moving, names changing, objects showing."""

    EVENTS = ["object:state-changed:focused", "object:property-change:accessible-name",
              "object:state-changed:showing"]

    def __init__(self):
        self.heard = []

    def _hear(self, event):
        if event.type.startswith("object:state-changed") and not event.detail1:
            return
        try:
            self.heard.append((event.type, event.source.getRole(), event.source.name or ""))
        except Exception:
            pass

    def record(self, during, seconds=1.5):
        pyatspi.Registry.registerEventListener(self._hear, *self.EVENTS)
        GLib.timeout_add(100, lambda: during() and False)
        GLib.timeout_add(int(seconds * 1000), lambda: pyatspi.Registry.stop() and False)
        pyatspi.Registry.start()
        pyatspi.Registry.deregisterEventListener(self._hear, *self.EVENTS)
        return self.heard


if __name__ == "__main__" and sys.argv[1:] == ["names"]:
    print("\n".join(Twindle().names()))
