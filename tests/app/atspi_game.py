#!/usr/bin/python3
"""Plays a whole game of Tessaro through the accessibility bus alone, as a screen reader's user would.

Started inside a private D-Bus session with the display already chosen; prints the tree of each window
as a screen reader sees it and exits non-zero on the first thing that is not as a player needs it.
"""
import pathlib
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

# The 30-move line, read from its one definition (kThirtyMoveLine in core/solver.h).
_SOLVER_H = pathlib.Path(__file__).resolve().parents[2] / "core" / "solver.h"
THIRTY_MOVE_LINE = [int(square) for square in
                    re.search(r"kThirtyMoveLine\{([^}]*)\}", _SOLVER_H.read_text()).group(1).split(",")]
WAIT = 30  # seconds for anything the game should do at once


class Failure(Exception):
    pass


def descendants(node):
    for index in range(node.childCount):
        child = node.getChildAtIndex(index)
        if child is not None:
            yield child
            yield from descendants(child)


def action_names(node):
    try:
        action = node.queryAction()
    except NotImplementedError:
        return []
    return [action.getName(i) for i in range(action.nActions)]


def describe(node, depth=0):
    lines = ["  " * depth + f"{node.getRoleName()} \"{node.name}\"" +
             (f" ({node.description})" if node.description else "") +
             (f" [{', '.join(action_names(node))}]" if action_names(node) else "") +
             (" modal" if node.getState().contains(pyatspi.STATE_MODAL) else "")]
    for index in range(node.childCount):
        child = node.getChildAtIndex(index)
        if child is not None:
            lines += describe(child, depth + 1)
    return lines


def wait_for(what, find):
    deadline = time.monotonic() + WAIT
    while time.monotonic() < deadline:
        try:
            found = find()
        except Exception:  # the game's tree changes under the walk: look again
            found = None
        if found is not None:
            return found
        time.sleep(0.1)
    raise Failure(f"no {what} within {WAIT} s")


class Game:
    def __init__(self, program):
        self.process = subprocess.Popen([program])

    def application(self):
        desktop = pyatspi.Registry.getDesktop(0)
        for index in range(desktop.childCount):
            app = desktop.getChildAtIndex(index)
            if app is not None and app.get_process_id() == self.process.pid:
                app.clearCache()
                return app
        return None

    def window(self, title):
        def find():
            app = self.application()
            return next((w for w in (app or []) if w is not None and w.name == title and
                         w.getState().contains(pyatspi.STATE_SHOWING)), None)
        window = wait_for(f"window \"{title}\"", find)
        print("\n".join(describe(window)), flush=True)
        unnamed = [n.getRoleName() for n in descendants(window)
                   if n.getState().contains(pyatspi.STATE_FOCUSABLE) and not n.name]
        if unnamed:
            raise Failure(f"focusable controls without a name in \"{title}\": {unnamed}")
        return window

    def control(self, window, name, role=None):
        def find():
            window.clearCache()
            return next((n for n in descendants(window)
                         if n.name == name and (role is None or n.getRole() == role)), None)
        return wait_for(f"control \"{name}\" in \"{window.name}\"", find)

    def press(self, node):
        names = action_names(node)
        if "Press" not in names:
            raise Failure(f"\"{node.name}\" offers no press, only {names}")
        node.queryAction().doAction(names.index("Press"))

    def gone(self, title):
        wait_for(f"closing of \"{title}\"",
                 lambda: True if all(w is None or w.name != title or
                                     not w.getState().contains(pyatspi.STATE_SHOWING)
                                     for w in self.application() or []) else None)


def square_name(square, knight):
    return f"Empty square {square}" if knight == 0 else f"Knight {knight} on square {square}"


def play(game):
    splash = game.window("Tessaro - an Orvane puzzle")
    game.press(game.control(splash, "Click here to play", pyatspi.ROLE_PUSH_BUTTON))

    board = game.window("Tessaro")
    game.press(game.control(board, "New Game", pyatspi.ROLE_MENU_ITEM))
    moves = game.control(board, "Moves", pyatspi.ROLE_LABEL)
    game.control(board, "Empty square 25", pyatspi.ROLE_PUSH_BUTTON)
    print("\n".join(describe(board)), flush=True)

    knights = {}
    for node in descendants(board):
        words = node.name.split()
        if node.getRole() == pyatspi.ROLE_PUSH_BUTTON and words[:1] == ["Knight"]:
            knights[int(words[4])] = int(words[1])
    if len(knights) != 24:
        raise Failure(f"{len(knights)} knights on the board, expected 24")
    empty = 25
    for count, square in enumerate(THIRTY_MOVE_LINE, start=1):
        game.press(game.control(board, square_name(square, knights[square])))
        # The name follows the move: the square left is now the empty one.
        game.control(board, square_name(square, 0))
        knights[empty], empty = knights.pop(square), square
        if count < len(THIRTY_MOVE_LINE):
            wait_for(f"move count {count}", lambda: moves if moves.queryText().getText(0, -1) == str(count) else None)

    results = game.window("Game Over")
    if not results.getState().contains(pyatspi.STATE_MODAL):
        raise Failure("the results window is not modal")
    read = [n.name for n in descendants(results)]
    expected = ["Expert Level",
                "Congratulations, you have completed the puzzle in the fewest possible moves.", "OK"]
    if read != expected:
        raise Failure(f"the results read {read}, expected {expected}")
    game.press(game.control(results, "OK", pyatspi.ROLE_PUSH_BUTTON))
    game.gone("Game Over")

    exit_item = game.control(board, "Exit", pyatspi.ROLE_MENU_ITEM)
    try:
        game.press(exit_item)
    except GLib.GError as error:
        # The game may end before its answer to the press leaves; its exit status tells the rest.
        if "disconnected" not in error.message:
            raise
    try:
        status = game.process.wait(WAIT)
    except subprocess.TimeoutExpired:
        raise Failure("the game did not end after Exit") from None
    if status != 0:
        raise Failure(f"the game ended with status {status}")


def main():
    game = Game(sys.argv[1])
    try:
        play(game)
    except Failure as failure:
        print(f"FAIL: {failure}", file=sys.stderr)
        return 1
    finally:
        if game.process.poll() is None:
            game.process.kill()
            game.process.wait()
    print("a whole game played through the accessibility bus")
    return 0


if __name__ == "__main__":
    sys.exit(main())
