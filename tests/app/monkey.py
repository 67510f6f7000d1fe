#!/usr/bin/python3
"""A seeded random run of the whole game: X mouse and keys, screen-reader actions, menu commands and
window closes, each followed by a check of what a player and a screen reader then see against a model
of the rules written here from scratch, and of what is heard. On Wayland, where no input can be made
from outside, the screen reader's actions alone.

Started inside a private session with the display chosen (monkey_test.sh); with PULSE_SOCKET set, the
game plays into that server's null sink and its monitor is listened to. A violation prints the seed and
the steps since the game started, as JSON lines that --replay runs again.
"""
import argparse
import array
import collections
import hashlib
import itertools
import json
import os
import pathlib
import random
import re
import shutil
import subprocess
import sys
import tempfile
import threading
import time

import pyatspi

# The 30-move line, read from its one definition (kThirtyMoveLine in core/solver.h).
LINE = [int(square) for square in re.search(r"kThirtyMoveLine\{([^}]*)\}", (
    pathlib.Path(__file__).resolve().parents[2] / "core" / "solver.h").read_text()).group(1).split(",")]
# The board: squares numbered row by row over these columns of a 7 x 7 grid.
ROWS = [[2], [2, 3, 4], [1, 2, 3, 4, 5, 6], [1, 2, 3, 4, 5], [0, 1, 2, 3, 4, 5], [2, 3, 4], [4]]
CELL = dict(enumerate(((c, r) for r, cols in enumerate(ROWS) for c in cols), start=1))
JUMPS = {s: {t for t in CELL if sorted(abs(a - b) for a, b in zip(CELL[s], CELL[t])) == [1, 2]} for s in CELL}
START = (0, 16, 11, 3, 13, 22, 6, 7, 8, 9, 21, 19, 12, 4, 14, 15, 5, 17, 18, 2, 20, 1, 10, 23, 24, 0)
TARGET = tuple(range(25)) + (0,)
BLANK = (0,) * 26
RANKS = [(30, "Expert Level", "Congratulations, you have completed the puzzle in the fewest possible moves."),
         (35, "Intermediate Level", "Respectable, but the puzzle can be solved with fewer moves."),
         (None, "Amateur Level", "Good try, but the puzzle can be solved with far fewer moves.")]
SPLASH, BOARD, HELP, RESULTS, MESSAGE = "Tessaro - an Orvane puzzle", "Tessaro", "Tessaro - Help", "Game Over", "message"
DIALOGS = (HELP, RESULTS, MESSAGE)
# What offers actions to a screen reader (the help link may be a link or a push button).
PRESSABLE = {pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_LINK, pyatspi.ROLE_SCROLL_BAR,
             pyatspi.ROLE_TEXT, pyatspi.ROLE_LABEL}
KEYS = ["Left", "Right", "Up", "Down", "Tab", "shift+Tab", "space", "Return", "Escape", "alt+f", "alt+h",
        "n", "e", "r", "a", "x"]
# No sound server in some runs, and no browser for the link: the game says so and goes on. From Qt 6.8
# on, the bridge also warns when a bus client (this test) asks after an object the step just closed.
HARMLESS = [re.compile(p) for p in (r"PulseAudioService: pa_context_connect\(\) failed$",
                                    r"Unable to detect a launcher for 'file://.*/orvane\.html'$",
                                    r'qt\.accessibility\.atspi: Could not find accessible on path: "[/\w]+"$')]
SILENCE = 16  # the loudest sample, of 32,767, that still counts as silence on the null sink


def descendants(node):
    for index in range(node.childCount):
        child = node.getChildAtIndex(index)
        if child is not None:
            yield child
            yield from descendants(child)


def actions(node):
    try:
        action = node.queryAction()
    except NotImplementedError:
        return []
    return [action.getName(i) for i in range(action.nActions)]


def empty_of(board):
    holes = [s for s in CELL if board[s] == 0]
    return holes[0] if len(holes) == 1 else None


def move(board, square):
    """The board after a click on `square`, or None when the knight there cannot jump."""
    hole = empty_of(board)
    if hole is None or board[square] == 0 or square not in JUMPS[hole]:
        return None
    after = list(board)
    after[hole], after[square] = board[square], 0
    return tuple(after)


LINE_AT = list(itertools.accumulate(LINE, move, initial=START))
assert LINE_AT[-1] == TARGET


def run(*command):
    return subprocess.run(command, capture_output=True, text=True, check=False).stdout


def xdotool(*words):
    return run("xdotool", *map(str, words))


def press(key, hold=None):
    """A key tapped, or held down for `hold` seconds."""
    xdotool(*(["keydown", key, "sleep", hold, "keyup", key] if hold else ["key", key]))


class Violation(Exception):
    pass


class View:
    """What a screen reader reads at one moment, from every showing window of the game."""

    def __init__(self, app):
        self.windows, self.squares, self.nodes = [], {}, []
        self.moves = self.focus = None
        self.results, self.popup, self.menus = (), False, {}
        self.unnamed, self.modal = [], set()
        for window in app:
            if window is None or not window.getState().contains(pyatspi.STATE_SHOWING):
                continue
            title = window.name
            kind = MESSAGE if title == BOARD and window.getRole() != pyatspi.ROLE_FRAME else title
            self.windows.append(kind)
            if window.getState().contains(pyatspi.STATE_MODAL):
                self.modal.add(kind)
            for node in descendants(window):
                self.read(kind, self.windows.count(kind) - 1, node)

    def read(self, kind, index, node):
        role, name, state = node.getRole(), node.name, node.getState()
        words = name.split()
        if kind == BOARD and role == pyatspi.ROLE_PUSH_BUTTON and words[-2:-1] == ["square"]:
            square = int(words[-1])
            self.squares[square] = int(words[1]) if words[0] == "Knight" else 0
            if state.contains(pyatspi.STATE_FOCUSED):
                self.focus = square
        elif kind == BOARD and role == pyatspi.ROLE_LABEL and name.startswith("Moves"):
            self.moves = re.sub(r"^Moves: ", "", name)  # the name a screen reader speaks carries the count
        elif kind == BOARD and role == pyatspi.ROLE_POPUP_MENU and state.contains(pyatspi.STATE_SHOWING):
            self.popup = True
        elif kind == RESULTS and role == pyatspi.ROLE_LABEL:
            self.results += (name,)
        if kind == BOARD and role == pyatspi.ROLE_MENU_ITEM:
            self.menus[name] = node
        if role in PRESSABLE:
            self.nodes.append((kind, index, node))
        if not name and state.contains(pyatspi.STATE_FOCUSABLE):
            self.unnamed.append(f"{node.getRoleName()} in \"{kind}\"")

    def board(self):
        return tuple([0] + [self.squares.get(s, -1) for s in CELL])

    def signature(self):
        return (tuple(self.windows), self.board(), self.moves, self.results, self.popup, self.focus)

    def dialogs(self):
        return [w for w in self.windows if w in DIALOGS]


def dismiss_id(view, kind):
    """The button that closes the window of this kind: its OK, else its last button."""
    buttons = [node_id(n) for k, _, n in view.nodes if k == kind and n.getRole() == pyatspi.ROLE_PUSH_BUTTON]
    return "push button:OK" if "push button:OK" in buttons else buttons[-1]


def node_id(node):
    words = node.name.split()
    return f"square {words[-1]}" if words[-2:-1] == ["square"] else f"{node.getRoleName()}:{node.name}"


class Game:
    """The running program, started in an environment of its own: its process, X windows and accessible tree."""

    def __init__(self, args):
        self.args, self.log = args, tempfile.NamedTemporaryFile(prefix="tessaro-stderr-", delete=False)
        self.home = tempfile.mkdtemp(prefix="tessaro-home-")
        env = {"PATH": "/usr/bin:/bin", "HOME": self.home, "XDG_RUNTIME_DIR": self.home, "LANG": "C.UTF-8",
               "DBUS_SESSION_BUS_ADDRESS": os.environ["DBUS_SESSION_BUS_ADDRESS"],
               "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1", "PULSE_SERVER": os.environ["PULSE_SERVER"]}
        if args.wayland:
            # The compositor's socket is in the session's runtime folder, not the game's.
            env |= {"QT_QPA_PLATFORM": "wayland",
                    "WAYLAND_DISPLAY": f"{os.environ['XDG_RUNTIME_DIR']}/{os.environ['WAYLAND_DISPLAY']}"}
        else:
            env |= {"QT_QPA_PLATFORM": "xcb", "DISPLAY": os.environ["DISPLAY"]}
        pyatspi.Registry.getDesktop(0).childCount  # the accessibility bus up before the game looks for it
        self.process = subprocess.Popen([args.tessaro], env=env, stdout=subprocess.DEVNULL, stderr=self.log)
        self.read_lines, self.board_window = 0, None

    def look(self):
        deadline = time.monotonic() + 15
        while time.monotonic() < deadline:
            if self.process.poll() is not None:
                return None
            try:
                desktop = pyatspi.Registry.getDesktop(0)
                for app in map(desktop.getChildAtIndex, range(desktop.childCount)):
                    if app is not None and app.get_process_id() == self.process.pid:
                        app.clearCache()
                        if app.childCount:
                            return View(app)
            except Exception:  # the tree changed under the walk, or is not there yet: look again
                pass
            time.sleep(0.05)
        raise Violation("the accessible tree cannot be read")

    def settle(self, most=5.0, until=None):
        """The view once `until` holds for it, or without `until` once nothing has changed for 0.15 seconds;
        after `most` seconds in any case. None once the game ended."""
        begun = changed = time.monotonic()
        last = None
        while True:
            view = self.look()
            if view is None or until is not None and until(view):
                return view
            now = time.monotonic()
            if view.signature() != last:
                last, changed = view.signature(), now
            elif until is None and now - changed >= 0.15 or now - begun >= most:
                return view
            time.sleep(0.03)

    def windows(self, view):
        """The game's showing windows, topmost first, as (kind, id, x, y, width, height); on Wayland the
        accessible tree's, with neither id nor place."""
        if self.args.wayland:
            return sorted(((kind, None, 0, 0, 0, 0) for kind in view.windows), key=lambda w: w[0] not in DIALOGS)
        visible = set(xdotool("search", "--onlyvisible", "--pid", self.process.pid).split())
        found = []
        for match in re.finditer(r"^\s+(0x[0-9a-f]+) (?:\"([^\"]*)\"|\(has no name\)).*?(\d+)x(\d+)\+(-?\d+)\+(-?\d+)\s",
                                 run("xwininfo", "-root", "-children"), re.M):
            wid, name = match.group(1), match.group(2) or ""
            if str(int(wid, 16)) not in visible:
                continue
            width, height, x, y = map(int, match.group(3, 4, 5, 6))
            if name == BOARD:
                if self.board_window is None and height > 400:
                    self.board_window = wid
                kind = BOARD if wid == self.board_window else MESSAGE
            else:
                kind = name if name in (SPLASH, HELP, RESULTS) else "popup"
            found.append((kind, wid, x, y, width, height))
        return found

    def stderr_lines(self):
        lines = pathlib.Path(self.log.name).read_text(errors="replace").splitlines()
        new, self.read_lines = lines[self.read_lines:], len(lines)
        return [line for line in new if not any(p.match(line) for p in HARMLESS)]

    def ended(self, seconds, otherwise):
        """The exit status once the game ends within `seconds`; a violation `otherwise`."""
        try:
            return self.process.wait(seconds)
        except subprocess.TimeoutExpired:
            raise Violation(otherwise) from None

    def stop(self):
        if self.process.poll() is None:
            self.process.kill()
        self.process.wait()
        os.unlink(self.log.name)
        shutil.rmtree(self.home, ignore_errors=True)


class Monitor:
    """The private sound server's null sink, listened to: when something was last heard on it."""

    def __init__(self, server):
        self.heard_at = float("-inf")
        self.process = subprocess.Popen(["parec", "-s", server, "-d", "nullsink.monitor", "--raw", "--format=s16le",
                                         "--rate=8000", "--channels=1", "--latency-msec=50"],
                                        stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        threading.Thread(target=self.listen, daemon=True).start()

    def listen(self):
        while chunk := self.process.stdout.read(800):
            if max(map(abs, array.array("h", chunk[:len(chunk) // 2 * 2])), default=0) > SILENCE:
                self.heard_at = time.monotonic()

    def heard_since(self, moment):
        """Whether a sound reached the sink after `moment`, waiting up to 10 seconds for one."""
        deadline = time.monotonic() + 10
        while self.heard_at < moment and time.monotonic() < deadline:
            time.sleep(0.05)
        return self.heard_at >= moment


class Model:
    """The rules as a player knows them: the board, the count, and whether the game is over."""

    def __init__(self):
        self.phase, self.board, self.count, self.over, self.results = SPLASH, BLANK, 0, False, None
        self.pending = []  # the second click of an out-and-back pair
        self.detour = []  # the squares that take the board back to the optimal line, last first; None: lost
        self.goal = None  # the rank a game played along the line with little else is won at
        self.pictures = {}

    def line_next(self):
        """The next move of the optimal line, or the way back to it after moves off it."""
        if self.board in LINE_AT[:-1]:
            return LINE[LINE_AT.index(self.board)]
        return self.detour[-1] if self.detour and not self.over else None

    def moved(self, board, moves):
        if board in LINE_AT:
            self.detour = []
        elif self.detour is not None and moves == 1 and self.detour[-1:] == [empty_of(board)]:
            self.detour.pop()  # a step back towards the line
        elif self.detour is not None and moves == 1:
            self.detour.append(empty_of(self.board))  # the knight goes back where it came from
        else:
            self.detour = None
        self.board = board


def window_of(xw, kind):
    return next((w for w in xw if w[0] == kind), None)


def inside(rng, box, margin):
    x, y, width, height = box
    return [x + rng.randint(margin, width - 1 - margin), y + rng.randint(margin, height - 1 - margin)]


def square_point(rng, board, square):
    column, row = CELL[square]
    return inside(rng, (9 + 60 * column, board[5] - 440 + 9 + 60 * row, 60, 60), 2)


def extents(node, window):
    try:
        x, y, width, height = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    except Exception:
        return None
    return (x - window[2], y - window[3], width, height) if width > 2 and height > 2 else None


class Monkey:
    def __init__(self, args, monitor=None):
        self.args, self.rng = args, random.Random(args.seed)
        self.figures = collections.Counter()
        self.game, self.monitor = None, monitor

    def goal(self):
        """The rank a new game aims at: the first one not won yet, else now and then any."""
        unwon = [name for _, name, _ in RANKS if not self.figures["won: " + name]]
        return unwon[0] if unwon else self.rng.choice(RANKS)[1] if self.rng.random() < 0.3 else None

    # ---- choosing a step ----
    def choose(self, view, xw):
        rng, model = self.rng, self.model
        clean = not view.dialogs() and not view.popup and model.phase == BOARD and not model.over
        if model.pending and clean:
            return self.line_step(model.pending.pop(0), xw)
        model.pending = []
        channels = {"mouse": 30, "key": 20, "atspi": 20, "menu": 20 if model.over or not model.line_next() else 6,
                    "close": 4 if any(w[0] not in (BOARD, "popup") for w in xw) else 0}
        if self.args.wayland:  # no input from outside: the screen reader's channels
            channels |= {"mouse": 0, "key": 0, "atspi": 40}
        if clean and model.line_next():
            channels["line"] = 2000 if model.goal else 120
        channel = rng.choices(list(channels), list(channels.values()))[0]
        return getattr(self, "choose_" + channel)(view, xw)

    def choose_line(self, view, xw):
        model, hole = self.model, empty_of(self.model.board)
        # Out and back, two more moves on the count: at random, or as many times as the rank aimed at needs.
        detours = {None: 20 if self.rng.random() < 0.07 else 0, "Expert Level": 0, "Intermediate Level": 2,
                   "Amateur Level": 6}[model.goal]
        if model.count < detours:
            model.pending = [hole]
            return self.line_step(self.rng.choice(sorted(s for s in JUMPS[hole] if model.board[s])), xw)
        return self.line_step(model.line_next(), xw, self.rng.choices(["click", "key", "hold"], [8, 1, 1])[0])

    def line_step(self, square, xw, how="click"):
        if self.args.wayland:
            return {"ch": "line", "sq": square, "how": "atspi"}
        if how == "click":
            return {"ch": "line", "sq": square, "how": how, "at": square_point(self.rng, window_of(xw, BOARD), square)}
        return {"ch": "line", "sq": square, "how": how, "wait": round(self.rng.uniform(0.3, 0.8), 2)}

    def point(self, view, window):
        rng = self.rng
        if window[0] == BOARD and rng.random() < 0.6:
            return square_point(rng, window, rng.choice(list(CELL)))
        boxes = [e for kind, _, node in view.nodes if kind == window[0] for e in [extents(node, window)] if e]
        if boxes and rng.random() < 0.5:
            return inside(rng, rng.choice(boxes), 1)
        return [rng.randint(0, window[4] - 1), rng.randint(0, window[5] - 1)]

    def choose_mouse(self, view, xw):
        rng, window = self.rng, xw[0]
        step = {"ch": "mouse", "win": window[0], "at": self.point(view, window),
                "how": rng.choices(["click", "double", "hold", "drag"], [10, 3, 3, 2])[0]}
        if step["how"] == "double":  # a second click close by, maybe on the next square
            step["to"] = [step["at"][0] + rng.randint(-5, 5), step["at"][1] + rng.randint(-5, 5)]
            step["wait"] = round(rng.uniform(0.05, 0.3), 2)
        elif step["how"] == "drag":
            step["to"] = self.point(view, window)
        elif step["how"] == "hold":
            step["wait"] = round(rng.uniform(0.3, 0.8), 2)
            button = [e for kind, _, n in view.nodes if n.name == "Final Sequence" for e in [extents(n, window)] if e]
            if window[0] == BOARD and button and rng.random() < 0.4:  # a screen reader acts while the target is shown
                step["at"] = inside(rng, button[0], 2)
                # Either button, held at once or as a double-click's second press.
                step["button"], step["first"] = rng.choice([1, 3]), rng.random() < 0.5
                step["mid"] = self.choose_atspi(view, xw)
        return step

    def choose_key(self, view, xw):
        step = {"ch": "key", "win": next(w[0] for w in xw if w[0] != "popup"), "key": self.rng.choice(KEYS)}
        if self.rng.random() < 0.1:
            step["hold"] = round(self.rng.uniform(0.3, 0.8), 2)
        return step

    def choose_atspi(self, view, xw):
        # Now and then File > Exit, beneath a modal window too, where it must do nothing.
        if "Exit" in view.menus and self.rng.random() < 0.03:
            return {"ch": "atspi", "win": BOARD, "wi": 0, "node": "menu item:Exit", "act": "Press"}
        squares = [n for n in view.nodes if node_id(n[2]).startswith("square")]
        others = [n for n in view.nodes if n not in squares and n[2].name != "Exit"]
        kind, index, node = self.rng.choice(squares if squares and self.rng.random() < 0.3 or not others else others)
        if not actions(node):
            return self.choose_menu(view, xw) if self.args.wayland else self.choose_key(view, xw)
        return {"ch": "atspi", "win": kind, "wi": index, "node": node_id(node), "act": self.rng.choice(actions(node))}

    def choose_menu(self, view, xw):
        return {"ch": "menu", "cmd": self.rng.choices(["New Game", "Rules", "About..."], [6, 1, 1])[0],
                "how": "atspi" if self.args.wayland else self.rng.choice(["keys", "click"])}

    def choose_close(self, view, xw):
        window = self.rng.choice([w[0] for w in xw if w[0] not in (BOARD, "popup")])
        if self.args.wayland:  # no close requests without the compositor's help: the window's own button
            return {"ch": "atspi", "win": window, "wi": 0, "node": dismiss_id(view, window), "act": "Press"}
        return {"ch": "close", "win": window}

    # ---- doing a step ----
    def do(self, step, view, xw):
        window = window_of(xw, step.get("win", BOARD))  # a menu's and a line move's: the board
        if window is not None or step["ch"] == "atspi":  # the window may have gone since the step was chosen
            getattr(self, "do_" + step["ch"])(step, view, window)

    def do_line(self, step, view, window):
        if step["how"] == "atspi":
            self.act(view, BOARD, 0, f"square {step['sq']}", "Press")
        elif step["how"] == "click":
            xdotool("mousemove", "--window", window[1], *step["at"], "click", 1)
        else:
            xdotool("windowfocus", "--sync", window[1])
            self.act(view, BOARD, 0, f"square {step['sq']}", "SetFocus")
            press("Return", step["wait"] if step["how"] == "hold" else None)

    def do_mouse(self, step, view, window):
        go = ["mousemove", "--window", window[1], *step["at"]]
        to = ["mousemove", "--window", window[1], *step.get("to", [])]
        if step["how"] == "click":
            xdotool(*go, "click", 1)
        elif step["how"] == "double":
            xdotool(*go, "click", 1, "sleep", step["wait"], *to, "click", 1)
        elif step["how"] == "drag":
            xdotool(*go, "mousedown", 1, "sleep", 0.1, *to, "sleep", 0.1, "mouseup", 1)
        else:
            button = step.get("button", 1)
            xdotool(*go, *(["click", button] if step.get("first") else []), "mousedown", button)
            try:
                # Final Sequence held on the topmost board: the target shows, over square 25, while the press lasts.
                shown = self.game.settle(until=lambda v: 25 not in v.squares, most=5) if "button" in step else None
                if shown is not None and 25 in shown.squares:
                    raise Violation(f"Final Sequence held with button {button}, and no target shown")
                self.figures["target views held"] += shown is not None
                time.sleep(step["wait"] / 2)
                if "mid" in step:  # a screen reader's action, or a key to this same topmost board
                    self.do(step["mid"], self.game.look() or view, [window])
            finally:
                xdotool("sleep", step["wait"] / 2, "mouseup", button)

    def do_key(self, step, view, window):
        if int(xdotool("getwindowfocus").strip() or 0) != int(window[1], 16):
            xdotool("windowfocus", "--sync", window[1])
        press(step["key"], step.get("hold"))

    def do_atspi(self, step, view, window):
        self.act(view, step["win"], step["wi"], step["node"], step["act"])

    def act(self, view, kind, index, wanted, action):
        for node_kind, node_index, node in view.nodes:
            if node_kind == kind and node_index == index and node_id(node) == wanted:
                try:
                    node.queryAction().doAction(actions(node).index(action))
                except Exception:  # the node went, or the game ended before it answered: the check tells
                    pass
                return

    def do_menu(self, step, view, window):
        title = "File" if step["cmd"] == "New Game" else "Help"
        if step["how"] == "atspi":
            self.act(view, BOARD, 0, f"menu item:{step['cmd']}", "Press")
            return
        if step["how"] == "keys":  # beneath a modal window no menu opens: nothing to wait for
            xdotool("windowfocus", "--sync", window[1], "key", "alt+" + title[0].lower())
            if not view.dialogs():
                self.game.settle(until=lambda v: v.popup, most=1.0)
            xdotool("key", {"New Game": "Return", "Rules": "r", "About...": "a"}[step["cmd"]])
            return
        top = view.menus.get(title) and extents(view.menus[title], window)
        if top:
            xdotool("mousemove", "--window", window[1], top[0] + top[2] // 2, top[1] + top[3] // 2, "click", 1)
            later = self.game.settle(until=lambda v: v.popup, most=1.0)
            item = later and later.menus.get(step["cmd"]) and extents(later.menus[step["cmd"]], window)
            if item:
                xdotool("mousemove", "--window", window[1], item[0] + item[2] // 2, item[1] + item[3] // 2, "click", 1)

    def do_close(self, step, view, window):
        run(self.args.close, window[1])

    # ---- checking ----
    def check(self, step, before, xw, after):
        """Updates the model from what the step may do and raises Violation for what it must not."""
        model = self.model
        if after is None or self.exits(step, before):  # a game that has already ended is waited for no more
            self.check_exit(step, before, self.game.ended(10, "File > Exit did nothing, with no modal window open"))
            return None
        bad = self.game.stderr_lines()
        if bad:
            raise Violation("the game printed: " + " | ".join(bad[:5]))
        if len(after.windows) != len(set(after.windows)) or after.windows.count(RESULTS) > 1:
            raise Violation(f"a window shown twice: {after.windows}")
        if after.unnamed:
            raise Violation(f"controls a screen reader can focus but not name: {after.unnamed}")
        if model.phase == SPLASH:
            if BOARD not in after.windows:  # the splash still up: the run goes on from it
                return after
            if SPLASH in after.windows:
                raise Violation("the splash stays beside the board")
            model.phase = BOARD
        if BOARD not in after.windows:
            raise Violation(f"no board window, only {after.windows}")
        if len(after.squares) != 25:
            raise Violation(f"squares missing from the board: {sorted(set(CELL) - set(after.squares))}"
                            " (is the target picture still shown?)")
        self.check_board(step, before, xw, after)
        if model.results and RESULTS not in after.windows:  # it takes its time, more so under a screen reader's load
            after = self.game.settle(until=lambda view: RESULTS in view.windows, most=10) or after
        if after.moves != str(model.count):
            raise Violation(f"Moves reads {after.moves!r}, expected {model.count}")
        self.check_dialogs(step, before, after)
        self.check_picture(after)
        return after

    def exits(self, step, before):
        """Whether the step presses File > Exit with no modal window to hold it back."""
        return not before.dialogs() and "menu item:Exit" in (step.get("node"), step.get("mid", {}).get("node"))

    def check_exit(self, step, before, status):
        legit = status == 0 and (before.popup and step["ch"] in ("mouse", "key") or self.exits(step, before) or
                                 self.model.phase == SPLASH and step["ch"] in ("close", "key"))
        bad = self.game.stderr_lines()
        if not legit or bad:
            raise Violation(f"the game ended with status {status} after {step['ch']}: " + " | ".join(bad[:5]))
        self.figures["legitimate exits"] += 1

    def blocked(self, before):
        return bool(before.dialogs()) or len(before.squares) != 25

    def check_board(self, step, before, xw, after):
        model, seen = self.model, after.board()
        # The exact result when the input surely reaches the board: clicks on the topmost board, screen-reader presses.
        predicted, moves = None, 0
        squares = None if self.blocked(before) or model.over else self.clicked(step, before, xw)
        if squares is not None:
            predicted = model.board
            for square in squares:
                if move(predicted, square):
                    predicted, moves = move(predicted, square), moves + 1
        if seen == START and after.moves == "0" and (model.board, model.count) != (START, 0) and \
                self.may_start(step, before):
            model.board, model.count, model.over, model.results = START, 0, False, None
            model.detour, model.goal = [], self.goal()
            self.figures["new games"] += 1
            return
        if seen == model.board:
            if moves:
                raise Violation(f"a click on square {squares} did nothing")
            return
        if predicted is not None and seen != predicted:
            raise Violation(f"the board became {seen[1:]}, expected {predicted[1:]}")
        if predicted is None:
            if not any(move(model.board, s) == seen for s in CELL):
                raise Violation(f"the board changed from {model.board[1:]} to {seen[1:]}, which is no single move")
            if self.blocked(before) or model.over or "mid" in step:
                why = "the game is over" if model.over else f"{before.dialogs() or 'the target view'} is shown"
                raise Violation(f"a knight moved while {why}")
            moves = 1
        model.moved(seen, moves)
        model.count += moves
        if seen == TARGET and model.count >= 30:
            model.results = next((name, text) for most, name, text in RANKS if most is None or model.count <= most)

    def clicked(self, step, before, xw):
        """The squares the step surely clicked, in order, or None when the input may not reach them."""
        if step["ch"] == "atspi" and step["win"] == BOARD and step["node"].startswith("square") and step["act"] == "Press":
            return [int(step["node"].split()[1])]
        if step["ch"] == "line" and (step["how"] == "atspi" or step["how"] == "click" and not before.popup):
            return [step["sq"]]  # a click beside an open menu only closes it
        if step["ch"] != "mouse" or step["how"] == "drag" or before.popup or not xw or xw[0][0] != BOARD or "mid" in step:
            return None
        points = [step["at"]] + ([step["to"]] if step["how"] == "double" else [])
        menu = xw[0][5] - 440
        hits = [s for x, y in points for s in CELL
                if 0 <= x - 9 - 60 * CELL[s][0] < 60 and 0 <= y - menu - 9 - 60 * CELL[s][1] < 60]
        return hits if len(hits) == len(points) else None

    def may_start(self, step, before):
        """A new game may come from the menu, from keys and clicks that reach it, or from a screen reader."""
        if before.dialogs():
            raise Violation(f"a new game started beneath {before.dialogs()}")
        return step["ch"] in ("menu", "key", "mouse") or step.get("node") == "menu item:New Game" or \
            step.get("mid", {}).get("node") == "menu item:New Game"

    def check_dialogs(self, step, before, after):
        model = self.model
        addressed = {step.get("win"), step.get("mid", {}).get("win")} if step["ch"] != "menu" else set()
        if step["ch"] == "menu" and step["how"] == "keys":  # beneath a modal window, its keys go to that window
            addressed = set(before.dialogs())
        for kind in set(before.dialogs()) - set(after.dialogs()):
            if kind not in addressed and not (step["ch"] == "key" and "hold" not in step):
                raise Violation(f"\"{kind}\" closed by itself")
            if kind == RESULTS:
                model.results, model.over = None, True
        for kind in set(after.dialogs()) - set(before.dialogs()):
            if kind == HELP and before.dialogs() or kind == MESSAGE and before.dialogs() != [HELP]:
                raise Violation(f"\"{kind}\" opened over {before.dialogs()}")
        if RESULTS in after.dialogs():
            if model.results is None:
                raise Violation(f"\"Game Over\" after {model.count} moves on {model.board[1:]}")
            rank, message = model.results  # a screen reader may hear the count with the rank
            if after.results[1:] != (message,) or after.results[0] not in (rank, f"{rank}, {model.count} moves"):
                raise Violation(f"the results read {after.results}, expected {model.results} in {model.count} moves")
            if RESULTS not in after.modal:
                raise Violation("\"Game Over\" is not modal")
            if RESULTS not in before.dialogs():
                self.figures["won: " + model.results[0]] += 1
                if self.monitor and not self.monitor.heard_since(self.begun):
                    raise Violation("nothing heard as \"Game Over\" opened")
                self.figures["sounds heard"] += bool(self.monitor)
        elif model.results is not None:
            raise Violation(f"no \"Game Over\" after completing in {model.count} moves (or it closed by itself)")

    def check_picture(self, view):
        """The board's picture at a repeated position and focus is always the same: no target view left shown."""
        model = self.model
        if self.args.wayland or view.dialogs() or view.popup or model.board not in (START, TARGET, BLANK):
            return
        window = window_of(self.game.windows(view), BOARD)
        shot = ["import", "-window", window[1], "-crop", f"440x370+0+{window[5] - 440}", "+repage", "rgb:-"]
        digests = [None]
        for _ in range(10):  # two equal shots in a row: the painting is over
            digests.append(hashlib.md5(subprocess.run(shot, capture_output=True, check=False).stdout).hexdigest())
            if digests[-1] == digests[-2]:
                break
            time.sleep(0.1)
        if model.pictures.setdefault((model.board, model.count, view.focus), digests[-1]) != digests[-1]:
            raise Violation(f"the board's picture differs from the last time at {model.board[1:]}, count {model.count}")

    # ---- the run ----
    def start(self):
        if self.game is not None:
            self.game.stop()
        self.game, self.model, self.steps, self.view = Game(self.args), Model(), [], None
        deadline = time.monotonic() + 30
        while time.monotonic() < deadline:
            view = self.game.settle(until=lambda v: SPLASH in v.windows, most=30) or View([])
            if SPLASH in view.windows and window_of(self.game.windows(view), SPLASH):
                return
            time.sleep(0.1)
        raise SystemExit("FAIL: no splash window within 30 s")

    def step(self, step):
        view = self.view or self.game.settle()
        xw = view and self.game.windows(view)
        if not xw:
            raise Violation("the game is gone")
        for kind, wid, x, y, width, height in xw:
            if wid and min(width, height) < 20:  # no window of the game is that small: a drag's icon, say
                raise Violation(f"a stray {width} x {height} window at {x},{y}")
        step = step or self.choose(view, xw)
        self.steps.append(step)
        self.figures["steps: " + step["ch"]] += 1
        self.begun = time.monotonic()  # when the step being checked began: a sound it brings comes after
        self.do(step, view, xw)
        self.view = None
        self.view = after = self.check(step, view, xw, self.game.settle(until=self.expected(step, view, xw)))
        return after is not None

    def expected(self, step, before, xw):
        """What the step surely changes, as a test of the view; None when only a quiet view tells that it is over."""
        model = self.model
        if step["ch"] == "close" and step["win"] in DIALOGS:
            return lambda view: step["win"] not in view.windows
        squares = None if self.blocked(before) or model.over else self.clicked(step, before, xw)
        board = squares and len(squares) == 1 and move(model.board, squares[0])
        if not board or board == TARGET:  # the last move opens a window: the check waits for it
            return None
        return lambda view: view.board() == board and view.moves == str(model.count + 1)

    def violation(self, error):
        self.figures["violations"] += 1
        record = {"seed": self.args.seed, "violation": str(error), "steps": len(self.steps)}
        path = pathlib.Path(self.args.out) / f"violation-{self.figures['violations']}.jsonl"
        path.write_text("".join(json.dumps(s) + "\n" for s in [record] + self.steps))
        print(f"VIOLATION (seed {self.args.seed}, step {len(self.steps)}): {error}\n  steps: {path}", flush=True)
        print("".join("  " + json.dumps(s) + "\n" for s in self.steps[len(self.steps) - self.args.show:]), end="", flush=True)

    def finish(self):
        """File > Exit once every dialog is closed; the game must end with status 0."""
        for _ in range(10):
            view = self.game.settle()
            dialogs = view and [w for w in self.game.windows(view) if w[0] in DIALOGS]
            if not dialogs:
                break
            if self.args.wayland:
                self.act(view, dialogs[0][0], 0, dismiss_id(view, dialogs[0][0]), "Press")
            else:
                run(self.args.close, dialogs[0][1])
        view = self.game.settle()
        if view is None or BOARD not in view.windows:
            return
        # Through the screen reader's press: keys may find the menu bar in any state the run left it in.
        self.act(view, BOARD, 0, "menu item:Exit", "Press")
        status = self.game.ended(30, "the game did not end after File > Exit")
        if status != 0 or self.game.stderr_lines():
            raise Violation(f"File > Exit ended the game with status {status}")

    def play(self, planned):
        begun = time.monotonic()
        self.start()
        for index in range(len(planned) if planned is not None else self.args.steps):
            if index and index % 1000 == 0:  # a long run tells how far it is
                self.figures["seconds"] = round(time.monotonic() - begun)
                print(f"after {index} steps:", json.dumps(dict(sorted(self.figures.items()))), flush=True)
            try:
                if not self.step(planned[index] if planned is not None else None):
                    self.start()
            except Violation as error:
                self.violation(error)
                if not self.args.keep_going:
                    break
                self.start()
        else:
            try:
                self.finish()
            except Violation as error:
                self.violation(error)
        self.game.stop()
        self.figures["seconds"] = round(time.monotonic() - begun)
        return self.figures["violations"]


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--tessaro", required=True)
    parser.add_argument("--close", help="the x11_close helper")
    parser.add_argument("--wayland", action="store_true", help="on Wayland: the screen reader's actions only")
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--steps", type=int, default=1000)
    parser.add_argument("--replay", nargs="+", help="files of steps, one JSON object a line, as a violation saves them")
    parser.add_argument("--every-rank", action="store_true", help="fail unless a game is won at every rank")
    parser.add_argument("--keep-going", action="store_true", help="restart the game after a violation and go on")
    parser.add_argument("--out", default=tempfile.gettempdir(), help="where the steps of each violation are saved")
    parser.add_argument("--show", type=int, default=30, help="how many of the last steps a violation prints")
    args = parser.parse_args()
    monitor = Monitor(os.environ["PULSE_SOCKET"]) if os.environ.get("PULSE_SOCKET") else None
    failed = False
    for replay in args.replay or [None]:  # each list of steps from a new start of the game
        planned = replay and [s for s in map(json.loads, pathlib.Path(replay).read_text().splitlines()) if "ch" in s]
        monkey = Monkey(args, monitor)
        failed |= bool(monkey.play(planned))
        print(replay or f"seed {args.seed}:", json.dumps(dict(sorted(monkey.figures.items())), indent=1), flush=True)
    unwon = [name for _, name, _ in RANKS if not monkey.figures["won: " + name]]
    if args.every_rank and unwon:
        print(f"FAIL: no game won at {', '.join(unwon)}")
        failed = True
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
