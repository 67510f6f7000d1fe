"""A whole game by keyboard alone with Orca, Debian's screen reader, listening; checked by what Orca speaks.

Run by orca_test.sh inside a private session (Xvfb, a window manager, D-Bus, the accessibility bus, a
private HOME whose speech goes to a null sound device). Orca writes each utterance to its debug log as
"SPEECH OUTPUT: '...'"; every step below waits for the words it should bring, and a failure prints what
Orca said since the step began.
"""
import os
import pathlib
import re
import subprocess
import sys
import time

TESSARO, WORK = sys.argv[1], pathlib.Path(sys.argv[2])
SOURCE = pathlib.Path(__file__).resolve().parents[2]
LINE = [int(n) for n in re.search(r"kThirtyMoveLine\{([^}]*)\}", (SOURCE / "core/solver.h").read_text())
        .group(1).split(",")]
# Square n's column and row in the board's 7 x 7 grid.
CELLS = [None] + [(int(c[0]), int(c[1])) for c in
                  "20 21 31 41 12 22 32 42 52 62 13 23 33 43 53 04 14 24 34 44 54 25 35 45 46".split()]
HINT = "choose New Game from the File menu"

# Orca writes its log through a buffer; opened line by line, each utterance is there as it is spoken. Its
# own hang check (10 s to start speech) gives up on a busy machine: the steps here have time limits of theirs.
ORCA = """
import builtins, runpy, sys
import orca.settings
orca.settings.timeoutTime = 0
log, real_open = sys.argv[1], builtins.open
builtins.open = lambda f, m="r", *a, **k: real_open(f, m, buffering=1) if f == log else real_open(f, m, *a, **k)
sys.argv = ["orca", "--debug-file", log]
runpy.run_path("/usr/bin/orca", run_name="__main__")
"""


class Failure(Exception):
    pass


class Orca:
    def __init__(self):
        self.log = WORK / "orca.log"
        self.log.touch()
        self.process = subprocess.Popen(["/usr/bin/python3", "-c", ORCA, str(self.log)],
                                        stdout=subprocess.DEVNULL, stderr=open(WORK / "orca.err", "w"))
        self.heard = []   # every utterance so far
        self.mark = 0     # the first utterance of the step under way
        self._offset = 0

    def hear(self, pattern, seconds=15):
        """Waits for an utterance matching `pattern` after the last one heard; returns its match."""
        end = time.monotonic() + seconds
        while True:
            with open(self.log, errors="replace") as log:
                log.seek(self._offset)
                text = log.read()
            complete = text[:text.rfind("\n") + 1]  # a line still being written is read the next time round
            self._offset += len(complete.encode(errors="replace"))
            self.heard += re.findall(r"SPEECH OUTPUT: '(.*)' ?\{", complete)
            for index in range(self.mark, len(self.heard)):
                match = re.search(pattern, self.heard[index])
                if match:
                    self.mark = index + 1
                    return match
            if time.monotonic() > end or self.process.poll() is not None:
                said = "\n  ".join(self.heard[self.mark:]) or "(nothing)"
                raise Failure(f"Orca did not say /{pattern}/; it said:\n  {said}")
            time.sleep(0.05)


def key(*names):
    subprocess.run(["xdotool", "key", "--delay", "150", *names], check=True)


def mnemonic(letter):
    # With Orca listening, Qt hears Alt late: held a moment first, the menu bar takes the letter.
    subprocess.run(["xdotool", "keydown", "alt", "sleep", "0.4", "key", letter, "sleep", "0.1", "keyup", "alt"],
                   check=True)


def square_spoken(orca):
    match = orca.hear(r"^(?:Knight (\d+) on square|Empty square) (\d+) (?:push )?button")
    return int(match.group(2)), int(match.group(1) or 0)


def go_to(orca, at, target):
    """Arrows from square `at` to square `target`, each step confirmed by Orca; returns the knight there."""
    for _ in range(12):
        (column, row), (to_column, to_row) = CELLS[at], CELLS[target]
        key("Down" if to_row > row else "Up" if to_row < row else "Right" if to_column > column else
            "Left" if to_column < column else "Right")
        at, knight = square_spoken(orca)
        if at == target:
            return knight
    raise Failure(f"the arrows did not reach square {target}")


def play(orca):
    orca.hear(r"^Screen reader on", 120)
    subprocess.Popen([TESSARO], stdout=subprocess.DEVNULL, stderr=open(WORK / "game.err", "w"))
    orca.hear(r"^Tessaro - an Orvane puzzle dialog")
    orca.hear(r"^Click here to play (?:push )?button")
    key("Return")
    orca.hear(r"^Tessaro frame")
    orca.hear(rf"^To begin, {HINT}\. The arrow keys choose a square and Space moves its knight")
    key("KP_Enter")  # where am I: the focus starts on a named control, not on a square
    orca.hear(r"^Moves: 0")

    key("Down", "space")  # before any game
    orca.hear(r"^Empty square 1 (?:push )?button")
    orca.hear(rf"^No game yet: {HINT}")
    mnemonic("f")
    orca.hear(r"^New Game")
    key("Return")
    orca.hear(r"^New game, move 0")

    empty = 25
    key("Down")
    at, knight = square_spoken(orca)
    key("space")
    orca.hear(rf"^Knight {knight} cannot move")
    for move, square in enumerate(LINE, 1):
        knight = go_to(orca, at, square)
        key("space")
        told = rf"^Knight {knight} to square {empty}, move {move}\.?$"
        if move < len(LINE):
            orca.hear(told)
        at, empty = square, square

    last_move = orca.mark
    results = orca.hear(r"^Game Over dialog (.*)")
    if "Expert Level, 30 moves" not in results.group(1) or "Congratulations" not in results.group(1):
        raise Failure(f"the results did not give the rank, the count and the message: {results.group(0)!r}")
    orca.hear(r"^OK (?:push )?button")
    # Orca 43 tells the last move before the results it brings, Orca 48 after them.
    if not any(re.search(told, said) for said in orca.heard[last_move:]):
        orca.hear(told)
    key("Return")
    orca.hear(rf"^The game is over: {HINT} to play again")
    key("space")
    orca.hear(rf"^The game is over: {HINT} to play again")
    key("Tab")  # from the last square to the count, which names its number; where-am-I too
    orca.hear(r"^Moves: 30\b")
    key("KP_Enter")
    orca.hear(r"^Moves: 30")


def read_rules(orca):
    mnemonic("h")
    key("r")
    orca.hear(r"^Tessaro - Help dialog")
    orca.hear(r"^OK (?:push )?button")
    # Tab goes round every control back to OK, and Shift+Tab from there into the text.
    control = r"^(.+?) (?:(?:push )?button|read only text)\.?$"
    names = []
    while names[-1:] != ["OK"] and len(names) < 7:
        key("Tab")
        names.append(orca.hear(control).group(1))
    if sorted(names) != ["About", "Help text", "OK", "Rules"]:
        raise Failure(f"Tab did not go round the help window's controls: {names}")
    key("shift+Tab")
    orca.hear(r"^Help text read only text")
    orca.hear(r"^HOW TO PLAY TESSARO")
    rules = " ".join((SOURCE / "data/default.txt").read_text().split())
    lines = []
    for _ in range(6):
        key("Down")
        spoken = orca.hear(r"^(.+)$").group(1)
        lines.append(spoken)
        if spoken != "blank" and " ".join(spoken.split()) not in rules:
            raise Failure(f"Down read {spoken!r}, which is not a line of the rules")
    if len(set(lines) - {"blank"}) < 4:
        raise Failure(f"Down did not read the rules line by line: {lines}")


def main():
    orca = Orca()  # Orca and the game end with the session, however this ends
    try:
        play(orca)
        read_rules(orca)
    except Failure as failure:
        print(f"FAIL: {failure}", file=sys.stderr)
        return 1
    print(f"Orca spoke {len(orca.heard)} utterances; all steps heard")
    return 0


if __name__ == "__main__":
    sys.exit(main())
