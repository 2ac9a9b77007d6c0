#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tarsomel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Sourced by every test script: strict mode, a UTF-8 locale whatever the
# caller's (the window's name and the program's messages are Cyrillic; in
# the POSIX locale xdotool cannot match them and Wine names files in
# another charset), how a failure is told, bounded waits, and the window's
# name.
set -euo pipefail
export LANG=C.UTF-8 LC_ALL=C.UTF-8
unset LANGUAGE

# The part of the window's caption after the web address, in every edition.
caption="Физика - свойства, температура"

# To standard error, so that it is seen also from inside $(...).
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# wait_for SECONDS DESCRIPTION COMMAND...: runs COMMAND until it succeeds,
# at most SECONDS; fails the test with DESCRIPTION when time runs out.
# COMMAND is a program or a function, never a string for a shell.
wait_for() {
  local seconds=$1 what=$2
  shift 2
  local deadline=$((SECONDS + seconds))
  until "$@" >/dev/null 2>&1; do
    [ "$SECONDS" -lt "$deadline" ] || fail "$what (waited ${seconds}s)"
    sleep 0.05
  done
}

# gone PID: whether the process has ended.
gone() { ! kill -0 "$1" 2>/dev/null; }
