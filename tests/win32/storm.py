#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Tarsomel developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Drives the running Windows edition with seeded random pupil input, as real
X events through xdotool, and checks after every event, through a probe that
stays running (probe serve), what must always hold:

- the program runs and its window answers;
- each list has its ten rows, each row its own text or blank (played);
- the message box holds exactly what the game allows: what it held, the
  empty text of a restart (with both lists filled again), or the verdict an
  independent model of the game (tests/support/game_model.h) gives for the
  rows just played; every edit of the box is refused;
- no list has a selection after a verdict or a restart;
- every 200 events, the program's memory (its working set) stays within a
  bound of what it had at the start.

A failure names the event, the seed and the state before and after; the same
seed plays the same storm again. Run by storm.sh, which starts the program.
"""

import argparse
import json
import os
import random
import select
import subprocess
import sys
import time

ANSWER_SECONDS = 60
MEMORY_EVERY = 200
# How long the window must hold still after an event for its effect to be in.
QUIET = 0.06
# The working set may grow by half from the start (Wine's own caches, the
# first menu, the clipboard), and no more.
MEMORY_GROWTH = 1.5

LATIN = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 .,;:-_!?()'\"/"
CYRILLIC = "абвгдежзийклмнопрстуфхцчшщъьюяАБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЬЮЯ"
# The first letters of the names, in both cases, and of the temperatures.
JUMPS = "ВХКНЖАСМвхкнжасм-1236 "
KEYS = [
    "Up", "Down", "Left", "Right", "ctrl+Up", "ctrl+Down", "ctrl+Left", "ctrl+Right",
    "space", "ctrl+space", "Return", "KP_Enter", "Tab", "shift+Tab", "ctrl+Tab",
    "Home", "End", "ctrl+Home", "ctrl+End", "Prior", "Next", "ctrl+Prior", "ctrl+Next",
    "shift+Up", "shift+Down", "shift+Home", "shift+End", "Delete", "BackSpace", "shift+Delete",
    "ctrl+a", "ctrl+c", "ctrl+v", "ctrl+x", "ctrl+z", "ctrl+y", "shift+Insert", "ctrl+Insert",
    "Escape", "Menu", "shift+F10",
]


class Failed(Exception):
    pass


class Probe:
    """probe.exe serve under Wine: one command a line, answers ended by '= STATUS'."""

    def __init__(self, wine, probe):
        self.process = subprocess.Popen([wine, probe, "serve"], stdin=subprocess.PIPE, stdout=subprocess.PIPE)
        self.buffer = b""

    def ask(self, *words):
        self.process.stdin.write((" ".join(words) + "\n").encode())
        self.process.stdin.flush()
        lines = []
        deadline = time.monotonic() + ANSWER_SECONDS
        while True:
            while b"\n" not in self.buffer:
                left = deadline - time.monotonic()
                ready, _, _ = select.select([self.process.stdout], [], [], max(left, 0))
                if not ready:
                    raise Failed(f"the probe got no answer to '{words[0]}' in {ANSWER_SECONDS}s: "
                                 "the program hangs, or crashed (see the screen)")
                chunk = os.read(self.process.stdout.fileno(), 65536)
                if not chunk:
                    raise Failed("the probe ended")
                self.buffer += chunk
            line, self.buffer = self.buffer.split(b"\n", 1)
            line = line.decode().rstrip("\r")
            if line.startswith("= "):
                return int(line[2:]), lines
            lines.append(line)

    def close(self):
        self.process.stdin.close()
        self.process.wait(timeout=ANSWER_SECONDS)


def unhex(text):
    return bytes.fromhex(text).decode()


def hexed(text):
    return text.encode().hex()


class Storm:
    def __init__(self, args):
        self.args = args
        self.random = random.Random(args.seed)
        self.probe = Probe(args.wine, args.probe)
        self.event = 0
        self.last = "start"
        self.counts = {}
        self.verdicts = self.rights = self.restarts = 0
        self.several = None
        status, lines = self.probe.ask("filled")
        if status != 0 or len(lines) != 2:
            raise Failed("the probe cannot give the filled rows")
        self.filled = [[unhex(row) for row in line.split(" ")] for line in lines]
        self.blank = [" ", "  "]
        self.boxes = {name: self.box("box", name) for name in ("names", "temperatures", "command", "text")}
        self.client = self.box("client_box")
        self.start_memory = self.max_memory = self.memory()

    def box(self, *words):
        status, lines = self.probe.ask(*words)
        if status != 0:
            raise Failed(f"no {' '.join(words)}: {lines}")
        return [int(v) for v in lines[0].split()]

    def fail(self, what, before=None, after=None):
        message = [f"FAIL at event {self.event} ({self.last}), seed {self.args.seed}: {what}"]
        for name, state in (("before", before), ("after", after)):
            if state is not None:
                message.append(f"  {name}: {describe(state)}")
        message.append(f"  play it again: storm.sh BUILD-DIR {self.event + 1} {self.args.seed}")
        raise Failed("\n".join(message))

    # ---- What the program shows ----------------------------------------------

    def read(self):
        """The state as the probe reads it, once it holds still for the read."""
        if not alive(self.args.pid):
            self.fail("the program no longer runs")
        status, lines = self.probe.ask("settled")
        if status != 0:
            self.fail(f"the window does not answer (probe status {status}: {lines})")
        raw = json.loads(lines[0])
        return {
            "rows": [[unhex(r) for r in raw["names"]], [unhex(r) for r in raw["temperatures"]]],
            "selected": [raw["names_selected"], raw["temperatures_selected"]],
            "text": unhex(raw["text"]),
            "focus": raw["focus"],
        }

    def settled(self):
        """The state once the effect of the event just sent is in: the X
        server hands the program its input a little later than xdotool
        returns, so the state must hold still for QUIET seconds (bounded)."""
        state = self.read()
        deadline = time.monotonic() + 10
        while True:
            time.sleep(QUIET)
            again = self.read()
            if again == state:
                return state
            if time.monotonic() > deadline:
                self.fail("the window never came to rest")
            state = again

    def memory(self):
        status, lines = self.probe.ask("memory")
        if status != 0:
            self.fail(f"no memory counters of the program: {lines}")
        return int(lines[0])

    def verdict(self, name, temperature, row):
        status, lines = self.probe.ask("verdict", hexed(name), hexed(temperature), str(row))
        if status != 0:
            raise Failed("the probe cannot give the model's verdict")
        return unhex(lines[0]) if lines and lines[0] else ""

    def check(self, before, after):
        for i in range(2):
            rows = after["rows"][i]
            if len(rows) != 10:
                self.fail(f"list {i} has {len(rows)} rows", before, after)
            for r, row in enumerate(rows):
                if row not in (self.filled[i][r], self.blank[i]):
                    self.fail(f"row {r} of list {i} reads {row!r}, neither its own text nor blank", before, after)
        if after["text"] == before["text"]:
            if after["rows"] != before["rows"]:
                self.fail("rows changed with no new text in the message box", before, after)
            return
        if after["text"] == "":
            if after["rows"] != self.filled:
                self.fail("a restart left the lists unfilled", before, after)
            if after["selected"] != [-1, -1]:
                self.fail("a list is still selected after a restart", before, after)
            self.restarts += 1
            return
        # A verdict: at most one row of each list newly played, nothing else.
        chosen = [self.blank[0], self.blank[1]]
        row = -1
        for i in range(2):
            changed = [r for r in range(10) if after["rows"][i][r] != before["rows"][i][r]]
            if len(changed) > 1:
                self.fail(f"{len(changed)} rows of list {i} played at once", before, after)
            if changed:
                if after["rows"][i][changed[0]] != self.blank[i]:
                    self.fail("a row became something other than blank", before, after)
                chosen[i] = before["rows"][i][changed[0]]
                if i == 0:
                    row = changed[0]
            elif self.blank[i] not in before["rows"][i]:
                self.fail(f"a new text, but no row of list {i} was played", before, after)
        expected = self.verdict(chosen[0], chosen[1], row)
        if after["text"] != expected:
            self.fail(f"the message box says {after['text']!r}; the rules say {expected!r}", before, after)
        # An event of several inputs goes on after the verdict: typed text may
        # have chosen again in the list it is typed into, the second click of
        # a double click or the end of a drag in one list; never both.
        selected = [i for i in range(2) if after["selected"][i] != -1]
        allowed = []
        if self.several == "focus" and after["focus"] in ("names", "temperatures"):
            allowed = [0 if after["focus"] == "names" else 1]
        elif self.several == "pointer":
            allowed = selected[:1]
        if [i for i in selected if i not in allowed]:
            self.fail("a list is still selected after a verdict", before, after)
        self.verdicts += 1
        if expected.startswith("Вярно"):
            self.rights += 1

    # ---- What the pupil does -------------------------------------------------

    def point(self, box=None):
        x, y, w, h = box or self.client
        return x + self.random.randrange(w), y + self.random.randrange(h)

    def anywhere(self):
        """Mostly on a row, or on the controls, where things happen; now and
        then anywhere in the window (labels, the background, scroll bars)."""
        if self.random.random() < 0.5:
            # The middle of a row, or of its list when it is scrolled away.
            status, lines = self.probe.ask("row", self.random.choice(["names", "temperatures"]),
                                           str(self.random.randrange(10)))
            if status in (0, 3, 4):
                x, y = lines[0].split()
                return int(x), int(y)
        if self.random.random() < 0.3:
            return self.point()
        return self.point(self.boxes[self.random.choice(["names", "names", "temperatures", "temperatures",
                                                         "command", "text"])])

    def text(self, alphabet, longest):
        return "".join(self.random.choice(alphabet) for _ in range(self.random.randint(1, longest)))

    def act(self, before):
        """Sends one event; returns the state after it, checked."""
        self.several = None
        kind = self.random.choices(
            ["click", "double", "drag", "menu", "wheel", "key", "type", "cyrillic", "paste"],
            weights=[30, 4, 4, 3, 5, 40, 5, 4, 5])[0]
        self.counts[kind] = self.counts.get(kind, 0) + 1
        if kind == "click":
            x, y = self.anywhere()
            ctrl = self.random.random() < 0.1
            self.last = f"click at {x},{y}" + (" with Ctrl" if ctrl else "")
            xdotool("mousemove", x, y, *(["keydown", "ctrl"] if ctrl else []), "click", "--delay", 0, 1,
                    *(["keyup", "ctrl"] if ctrl else []))
        elif kind == "double":
            x, y = self.anywhere()
            self.last = f"double click at {x},{y}"
            self.several = "pointer"
            xdotool("mousemove", x, y, "click", "--repeat", 2, "--delay", 60, 1)
        elif kind == "drag":
            (x, y), (x2, y2) = self.anywhere(), self.anywhere()
            self.last = f"drag from {x},{y} to {x2},{y2}"
            self.several = "pointer"
            xdotool("mousemove", x, y, "mousedown", 1, "mousemove", (x + x2) // 2, (y + y2) // 2,
                    "mousemove", x2, y2, "mouseup", 1)
        elif kind == "menu":
            x, y = self.anywhere()
            self.last = f"right click at {x},{y}, then Escape"
            xdotool("mousemove", x, y, "click", "--delay", 0, 3)
            self.settled()
            xdotool("key", "--delay", 0, "Escape")
        elif kind == "wheel":
            x, y = self.anywhere()
            turns = self.random.randint(1, 4)
            button = self.random.choice([4, 5])
            self.last = f"wheel {'up' if button == 4 else 'down'} {turns} at {x},{y}"
            xdotool("mousemove", x, y, "click", "--repeat", turns, "--delay", 10, button)
        elif kind == "key":
            if self.random.random() < 0.25:
                # A letter or digit that a row starts with, or not; a Cyrillic
                # one arrives as Wine maps the X key xdotool makes for it.
                key = self.random.choice(JUMPS.replace(" ", "").replace("-", "") + "abcxyz09")
                self.last = f"key {key}"
                xdotool("type", "--delay", 0, "--", key)
            else:
                key = self.random.choice(KEYS)
                self.last = f"key {key}"
                xdotool("key", "--delay", 0, key)
        elif kind == "type":
            typed = self.text(LATIN, 40)
            self.last = f"typed {typed!r}"
            self.several = "focus"
            xdotool("type", "--delay", 0, "--", typed)
        elif kind == "cyrillic":
            typed = self.text(CYRILLIC + JUMPS, 12)
            if self.random.random() < 0.5:
                # Wine takes X keys through its US table: what arrives is
                # what a pupil's X keyboard would give it.
                self.last = f"typed {typed!r} (X keys)"
                self.several = "focus"
                xdotool("type", "--delay", 0, "--", typed)
            else:
                # As a Bulgarian keyboard layout gives them: WM_CHAR, each
                # checked.
                for character in typed.replace(" ", ""):
                    self.last = f"typed {character!r} (character)"
                    self.probe.ask("char", "focus", character)
                    after = self.settled()
                    self.check(before, after)
                    before = after
                return before
        else:
            pasted = self.text(LATIN + CYRILLIC + "\r\n\t", self.random.choice([10, 200, 5000]))
            keys = self.random.choice(["ctrl+v", "shift+Insert"])
            self.last = f"paste of {len(pasted)} characters with {keys}"
            if self.probe.ask("clip", hexed(pasted))[0] != 0:
                self.fail("cannot put the paste on the clipboard")
            xdotool("key", "--delay", 0, keys)
        after = self.settled()
        self.check(before, after)
        return after

    def run(self):
        started = time.monotonic()
        before = self.settled()
        self.check(before, before)
        for self.event in range(self.args.events):
            after = self.act(before)
            if (self.event + 1) % MEMORY_EVERY == 0:
                memory = self.memory()
                self.max_memory = max(self.max_memory, memory)
                if memory > self.start_memory * MEMORY_GROWTH:
                    self.fail(f"the working set grew from {mib(self.start_memory)} to {mib(memory)}", before, after)
            before = after
        elapsed = time.monotonic() - started
        kinds = ", ".join(f"{n} {k}" for k, n in sorted(self.counts.items()))
        print(f"{self.args.events} events in {elapsed:.0f}s ({kinds}): {self.verdicts} verdicts "
              f"({self.rights} right), {self.restarts} restarts; working set {mib(self.start_memory)} at the start, "
              f"at most {mib(self.max_memory)}")


def describe(state):
    return json.dumps(state, ensure_ascii=False)


def mib(size):
    return f"{size / 1048576:.1f} MiB"


def alive(pid):
    try:
        os.kill(pid, 0)
        return True
    except ProcessLookupError:
        return False


def xdotool(*words):
    subprocess.run(["xdotool", *[str(w) for w in words]], check=True, stdout=subprocess.DEVNULL)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--wine", required=True)
    parser.add_argument("--probe", required=True)
    parser.add_argument("--pid", type=int, required=True)
    parser.add_argument("--events", type=int, required=True)
    parser.add_argument("--seed", type=int, required=True)
    args = parser.parse_args()
    storm = None
    try:
        storm = Storm(args)
        storm.run()
        storm.probe.close()
    except Failed as failure:
        print(failure, file=sys.stderr)
        return 1
    print("1 passed, 0 failed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
