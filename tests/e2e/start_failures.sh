#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tarsomel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Bad moments at start: each ends in one line that names the real cause and
# exit status 1, or, where the program can go on, in a window.
source "$(dirname "$0")/../support/session.sh"
program=$1
err="$workdir/err"

# fails_with WHAT PATTERN ENV...: the program, started with ENV, exits 1
# after one line on standard error that matches PATTERN.
fails_with() {
  local what=$1 pattern=$2
  shift 2
  local status=0
  timeout 30 env "$@" "$program" 2>"$err" >/dev/null </dev/null || status=$?
  [ "$status" -eq 1 ] || { cat "$err"; fail "$what: exit status $status"; }
  [ "$(wc -l <"$err")" -eq 1 ] || { cat "$err"; fail "$what: not one line"; }
  grep -q -x -E "tarsomel: прозорецът не може да се отвори$pattern" "$err" || { cat "$err"; fail "$what: said the wrong thing"; }
  echo "$what: $(cat "$err")"
}

advice='; стартирайте програмата от графична среда'
fails_with "no display" ": няма графичен дисплей \(не са зададени DISPLAY и WAYLAND_DISPLAY\)$advice" \
  -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM
# A display number nobody serves here.
for n in $(seq 200 299); do [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break; done
fails_with "unreachable display" " \(съобщение на Qt: could not connect to display :$n\)$advice" DISPLAY=":$n"
# The display is fine here; the platform asked for is not.
fails_with "no Wayland plugin" \
  " \(съобщение на Qt: Could not find the Qt platform plugin \"wayland\"\) при QT_QPA_PLATFORM=wayland$advice" \
  QT_QPA_PLATFORM=wayland
fails_with "no such platform" \
  " \(съобщение на Qt: Could not find the Qt platform plugin \"bogus\"\) при QT_QPA_PLATFORM=bogus$advice" \
  QT_QPA_PLATFORM=bogus

# Standard error closed and no runtime folder: the window still opens.
(exec 2>&-; env -u XDG_RUNTIME_DIR setsid "$program" </dev/null >/dev/null & echo $! >"$workdir/closed.pid")
groups+=("$(cat "$workdir/closed.pid")")
win=$(window_of)
kill "$(cat "$workdir/closed.pid")"
wait_for 10 "the program did not end" no_window
echo "standard error closed: the window opens"

# A scale factor that is not a finite number of 1 or more is taken as 1: the
# window has the size it has without one.
size_of() { xdotool getwindowgeometry "$1" | sed -n 's/^  Geometry: //p'; }
window_is_of_size() { [ "$(size_of "$1")" = "$2" ]; }
launch env -u QT_SCALE_FACTOR "$program"
client=$(size_of "$(window_of)")
[ -n "$client" ] || fail "no size for the window"
kill "$launched"
wait_for 10 "the program did not end" gone "$launched"
for factor in 0 nan inf -2 0.5 abc; do
  QT_SCALE_FACTOR=$factor setsid "$program" </dev/null >/dev/null 2>"$workdir/program.log" &
  pid=$!
  groups+=("$pid")
  echo "QT_SCALE_FACTOR=$factor: pid $pid" >&2
  win=$(window_of)
  wait_for 10 "the window for $factor is not $client" window_is_of_size "$win" "$client"
  kill "$pid"
  wait_for 10 "the program did not end" gone "$pid"
  grep -q -x "tarsomel: QT_SCALE_FACTOR=$factor не е число, по-голямо или равно на 1; използва се 1" "$workdir/program.log" ||
    { cat "$workdir/program.log"; fail "QT_SCALE_FACTOR=$factor: no warning"; }
done
echo "scale factors 0, nan, inf, -2, 0.5, abc: taken as 1, with a warning"
echo "1 passed, 0 failed"
