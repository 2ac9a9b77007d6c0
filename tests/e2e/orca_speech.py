#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Tarsomel developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Extracts what Orca spoke from its --debug-file.

usage: orca_speech.py LOG START_BYTE END_BYTE [--diag]

Prints one line per entry between the two byte offsets of LOG:
  SAY <text>           an utterance (Orca's "SPEECH OUTPUT: '...'" line; an
                       utterance that spans lines is joined, its line breaks
                       shown as \\n)
  [interrupt]          Orca's presentationInterrupt (speech.stop(): whatever
                       was still being spoken is cut off)
and with --diag also a few reasons Orca gives for not presenting an event:
  [why] <message>
"""
import re
import sys

SPEECH = re.compile(r"^SPEECH OUTPUT: '(.*)'(?: voice=\S+)?\s?(\{.*\})?\s*$", re.S)
TS = re.compile(r"^(\d\d:\d\d:\d\d\.\d+) - (.*)$", re.S)
WHY = (
    "Event is not being presented due to lack of cause",
    "Not speaking inserted string due to lack of cause",
    "Event is for object other than the locusOfFocus",
    "Old name (",
    "Old description (",
    "Event is redundant notification",
    "Ignoring event",
)


def entries(text):
    """Yields (timestamp, message) with continuation lines joined."""
    cur = None
    for line in text.split("\n"):
        m = TS.match(line)
        if m:
            if cur:
                yield cur
            cur = [m.group(1), m.group(2)]
        elif cur is not None and line.startswith(" " * 18):
            cur[1] += "\n" + line[18:]
        else:
            if cur:
                yield cur
            cur = None
    if cur:
        yield cur


def main():
    path, start, end = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
    diag = "--diag" in sys.argv[4:]
    with open(path, "rb") as f:
        f.seek(start)
        data = f.read(max(0, end - start)).decode("utf-8", "replace")
    for ts, msg in entries(data):
        m = SPEECH.match(msg)
        if m:
            print("%s SAY %s" % (ts, m.group(1).replace("\r", "\\r").replace("\n", "\\n")))
        elif msg.startswith("DEFAULT: Interrupting presentation"):
            print("%s [interrupt]" % ts)
        elif diag and any(w in msg for w in WHY):
            print("%s [why] %s" % (ts, msg.split("\n")[0]))


if __name__ == "__main__":
    main()
