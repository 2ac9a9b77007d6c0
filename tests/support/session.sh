#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tarsomel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Sourced by the end-to-end tests: a private desktop session as a pupil's
# would be, in a scratch folder: a home, an Xvfb, a D-Bus session bus and,
# with `start_accessibility`, the accessibility bus a screen reader uses.
# Everything started here runs in its own process group and is ended, group
# by group, when the test exits. Waits are bounded: `wait_for`. Also the
# pupil's clicks, through a locator each test provides (see click_row).
source "$(dirname "${BASH_SOURCE[0]}")/basics.sh"

workdir=$(mktemp -d)
export HOME="$workdir/home" XDG_CONFIG_HOME="$workdir/home/.config" XDG_CACHE_HOME="$workdir/home/.cache"
export XDG_DATA_HOME="$workdir/home/.local/share" XDG_RUNTIME_DIR="$workdir/runtime"
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME" "$XDG_DATA_HOME"
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset WAYLAND_DISPLAY SESSION_MANAGER
export QT_QPA_PLATFORM=xcb
groups=()

cleanup() {
  local status=$?
  local pgid
  for pgid in "${groups[@]}"; do kill -TERM -- "-$pgid" 2>/dev/null || true; done
  # Give them a moment to go, then make sure they have.
  for _ in $(seq 50); do
    local alive=0
    for pgid in "${groups[@]}"; do kill -0 -- "-$pgid" 2>/dev/null && alive=1; done
    [ "$alive" -eq 0 ] && break
    sleep 0.1
  done
  for pgid in "${groups[@]}"; do kill -KILL -- "-$pgid" 2>/dev/null || true; done
  rm -rf "$workdir"
  exit "$status"
}
trap cleanup EXIT

# spawn LOG CMD...: starts CMD in a process group of its own, logging to LOG;
# sets `spawned` to its pid (which is also its group's id).
spawn() {
  local log=$1
  shift
  # Killed with the test's shell, should that be killed before it can clean up.
  setpriv --pdeathsig KILL setsid "$@" >"$log" 2>&1 </dev/null &
  spawned=$!
  groups+=("$spawned")
}

# The display. -noreset: an X server resets when its last client leaves and
# refuses connections meanwhile, so a program started right after another
# one ended would find no display.
exec 3>"$workdir/display"
spawn "$workdir/xvfb.log" Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset
exec 3>&-
xvfb=$spawned
deadline=$((SECONDS + 20))
until [ -s "$workdir/display" ]; do
  kill -0 "$xvfb" 2>/dev/null && [ "$SECONDS" -lt "$deadline" ] || fail "Xvfb did not start: $(cat "$workdir/xvfb.log")"
  sleep 0.05
done
export DISPLAY=":$(head -n1 "$workdir/display")"

# The session bus, as a desktop session starts it.
spawn "$workdir/dbus.log" dbus-daemon --session --nofork --nopidfile --address="unix:path=$XDG_RUNTIME_DIR/bus"
export DBUS_SESSION_BUS_ADDRESS="unix:path=$XDG_RUNTIME_DIR/bus"
wait_for 20 "the session bus did not start: $(cat "$workdir/dbus.log")" test -S "$XDG_RUNTIME_DIR/bus"

# start_accessibility: the accessibility bus and registry a screen reader
# talks to, with accessibility switched on as a running screen reader does.
start_accessibility() {
  spawn "$workdir/atspi.log" /usr/libexec/at-spi-bus-launcher --launch-immediately
  wait_for 20 "the accessibility bus did not start" \
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress
  dbus-send --session --type=method_call --dest=org.a11y.Bus /org/a11y/bus \
    org.freedesktop.DBus.Properties.Set string:org.a11y.Status string:IsEnabled variant:boolean:true
}

# window_manager: a window manager on the display (openbox), for what a
# pupil does with the window itself: minimise, restore, switch to another.
wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
window_manager() {
  spawn "$workdir/openbox.log" openbox --sm-disable
  wait_for 20 "openbox did not start (Debian package openbox)" wm_running
}

# launch CMD...: starts the program under test; `launched` is its pid.
launch() {
  spawn "$workdir/program.log" "$@"
  launched=$spawned
}

# window_of [TITLE-PART]: waits for the window to be shown and prints its
# id; the title part is the caption's by default. A first start in a fresh
# home can be slow on a loaded machine (font caches), hence the long bound.
window_of() {
  local title=${1:-$caption}
  local id=""
  local deadline=$((SECONDS + 60))
  while [ -z "$id" ]; do
    id=$(xdotool search --onlyvisible --name "$title" 2>/dev/null | head -n1 || true)
    [ -n "$id" ] && break
    [ "$SECONDS" -lt "$deadline" ] || { cat "$workdir/program.log" >&2 2>/dev/null || true; fail "no window named '$title' appeared"; }
    sleep 0.05
  done
  echo "$id"
}

# no_window [TITLE-PART]: whether no window of that name is left.
no_window() { ! xdotool search --name "${1:-$caption}" >/dev/null 2>&1; }

# ---- The pupil's clicks ------------------------------------------------------
# The test defines `locate`, which looks at the window as the edition lets
# it be looked at (the accessibility bus, a probe under Wine):
#   locate row LIST ROW    the screen point "x y" of the row's middle; when the
#                          row is scrolled out of sight, the list's middle,
#                          and exit 3 (the row is above) or 4 (below)
#   locate box CONTROL     "x y width height" of the control on screen
#   locate selected LIST   the selected row, -1 for none

# click_row LIST ROW: rolls the wheel over the list until the row is in
# sight, then clicks its middle. A locator that fails otherwise is asked
# again a few times (a probe's own start under Wine now and then fails under
# load).
click_row() {
  local list=$1 row=$2 point status tries=0 failures=0 x y
  while :; do
    status=0
    point=$(locate row "$list" "$row") || status=$?
    read -r x y <<<"$(tr -d '\r' <<<"$point")"
    [ "$status" -eq 0 ] && break
    if [ "$status" -ne 3 ] && [ "$status" -ne 4 ]; then
      failures=$((failures + 1))
      [ "$failures" -le 3 ] || fail "cannot find row $row of $list (status $status: $point)"
      continue
    fi
    tries=$((tries + 1))
    [ "$tries" -le 20 ] || fail "row $row of $list never came into sight"
    # The wheel over the list: up (button 4) or down (button 5).
    xdotool mousemove "$x" "$y" click $((status == 3 ? 4 : 5))
  done
  xdotool mousemove "$x" "$y" click 1
}

selected_is() { [ "$(locate selected "$1" | tr -d '\r')" = "$2" ]; }

# pick LIST ROW: a click that selects a row and completes no pair.
pick() {
  click_row "$1" "$2"
  wait_for 10 "row $2 of $1 was not selected" selected_is "$1" "$2"
}

# click_control CONTROL: a click in the middle of a control.
click_control() {
  local x y w h
  read -r x y w h < <(locate box "$1" | tr -d '\r')
  xdotool mousemove $((x + w / 2)) $((y + h / 2)) click 1
}

clipboard_is_not() { [ "$(xclip -o -selection clipboard 2>/dev/null)" != "$1" ]; }

# copy_box BOX: clicks into the message box, copies all of it with the
# keyboard and prints what reached the clipboard.
copy_box() {
  click_control "$1"
  printf 'marker' | xclip -selection clipboard
  xdotool key ctrl+a ctrl+c
  wait_for 10 "nothing was copied" clipboard_is_not marker
  xclip -o -selection clipboard
}
