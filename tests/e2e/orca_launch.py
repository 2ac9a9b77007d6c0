#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Tarsomel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs Debian's /usr/bin/orca unchanged, except that its check for "other
# Orcas owned by this user" (pgrep -u UID -x orca, machine-wide) is disabled:
# the screen-reader test runs its own Orca on a private display and buses, and another
# Orca elsewhere on the machine (another session's) must neither stop ours
# nor be killed by --replace.
import sys
path = "/usr/bin/orca"
ns = {"__name__": "orca_harness_launch", "__file__": path}
with open(path, encoding="utf-8") as f:
    code = compile(f.read(), path, "exec")
exec(code, ns)
# What this relies on in Orca's launcher; another Orca without it must stop
# the test here, not run a different screen reader quietly.
for name in ("otherOrcas", "main"):
    if not callable(ns.get(name)):
        sys.exit(f"orca_launch.py: {path} has no function {name}(); this Orca cannot be run here as it is")
ns["otherOrcas"] = lambda: []
# Orca opens --debug-file with open(name, 'w'): block-buffered, so the log
# lags by up to 8 KiB and cannot be polled.  Give the script a line-buffered
# open() for writing.
import builtins
def _open(file, mode="r", *args, **kwargs):
    if "w" in mode and "b" not in mode and not args and "buffering" not in kwargs:
        kwargs["buffering"] = 1
    return builtins.open(file, mode, *args, **kwargs)
ns["open"] = _open
# Orca's SIGTERM handler is a Python one; Python runs it only when the main
# thread runs Python code, and Orca sits in Atspi.event_main() (a GLib main
# loop in C) until the next accessibility event.  A periodic no-op timeout
# gives Python a chance four times a second, so TERM ends Orca promptly.
import gi
from gi.repository import GLib
GLib.timeout_add(250, lambda: True)
sys.argv[0] = path
sys.exit(ns["main"]())
