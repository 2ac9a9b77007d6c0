#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tarsomel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Plays a short game under strace in a private desktop session (Xvfb, D-Bus
# session bus, accessibility bus) and checks that the program writes no file
# (the toolkit's own caches under ~/.cache apart), opens no network socket,
# binds or listens on nothing, and connects only to the display and the two
# buses.
#   no_writes.sh PROGRAM            the check itself
#   no_writes.sh --planted PROGRAM  shows that the check catches a planted
#                                   write and a planted network socket
source "$(dirname "$0")/session.sh"
start_accessibility

# trace_and_check PROGRAM: prints what it found; fails on any violation.
trace_and_check() {
  local program=$1 trace="$workdir/strace.$RANDOM.log"
  launch strace -f -qq -e trace=open,openat,openat2,creat,socket,connect,bind,listen -o "$trace" "$program"
  local tracer=$launched
  local win
  win=$(window_of "Физика - свойства, температура")
  # A few clicks over the window's controls, then copy the message box.
  local geometry
  geometry=$(xdotool getwindowgeometry --shell "$win")
  local width height
  width=$(sed -n 's/^WIDTH=//p' <<<"$geometry")
  height=$(sed -n 's/^HEIGHT=//p' <<<"$geometry")
  for point in "13 19" "78 19" "13 30" "78 30" "52 33" "45 85"; do
    read -r px py <<<"$point"
    xdotool mousemove --window "$win" $((width * px / 100)) $((height * py / 100)) click 1
  done
  xdotool key ctrl+a ctrl+c
  # The program's own pid is strace's child; end it, and strace ends with it.
  local traced=""
  wait_for 10 "the program is not running under strace" pgrep -P "$tracer"
  traced=$(pgrep -P "$tracer" | head -n1)
  kill "$traced"
  wait_for 20 "strace did not end" bash -c "! kill -0 $tracer 2>/dev/null"

  [ -s "$trace" ] || fail "strace recorded nothing"
  # Successful opens for writing, outside /dev/null and the cache directory.
  local writes
  writes=$(grep -E '(open|openat|openat2)\(.*(O_WRONLY|O_RDWR|O_CREAT|O_TRUNC|O_APPEND)|creat\(' "$trace" |
    grep -v -E '= -1 ' | grep -v -F -e '"/dev/null"' -e "\"$XDG_CACHE_HOME/" || true)
  [ -z "$writes" ] || fail "files opened for writing:
$writes"
  echo "files written: none (outside $XDG_CACHE_HOME)"

  local sockets families
  sockets=$(grep -E ' socket\(' "$trace" | grep -v -E '= -1 ' || true)
  families=$(grep -v -E 'socket\(AF_UNIX,' <<<"$sockets" || true)
  [ -z "$families" ] || fail "network sockets opened:
$families"
  local servers
  servers=$(grep -E ' (bind|listen)\(' "$trace" || true)
  [ -z "$servers" ] || fail "the program binds or listens:
$servers"
  local connects others
  connects=$(grep -E ' connect\(' "$trace" || true)
  [ -n "$connects" ] || fail "no connection to the display was seen"
  others=$(grep -v -F -e "\"/tmp/.X11-unix/X${DISPLAY#:}\"" -e "\"$XDG_RUNTIME_DIR/bus\"" -e "\"$a11y_socket\"" \
    <<<"$connects" || true)
  [ -z "$others" ] || fail "connections other than the display's and the buses':
$others"
  echo "sockets: $(grep -c . <<<"$sockets") local ones, to the display, the session bus and the accessibility bus"
}

a11y_address=$(dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress)
a11y_socket=$(sed -n 's/.*unix:path=\([^,]*\).*/\1/p' <<<"$a11y_address" | tr -d ' ')
[ -n "$a11y_socket" ] || fail "the accessibility bus has no socket path: $a11y_address"

if [ "${1:-}" = "--planted" ]; then
  program=$2
  for plant in write socket; do
    status=0
    out=$(PLANT=$plant trace_and_check "$program" 2>&1) || status=$?
    [ "$status" -ne 0 ] || fail "a planted $plant went unnoticed: $out"
    case $plant in
      write) grep -q 'FAIL: files opened for writing' <<<"$out" || fail "planted write: $out" ;;
      socket) grep -q 'FAIL: network sockets opened' <<<"$out" || fail "planted socket: $out" ;;
    esac
    echo "planted $plant: caught ($(grep -m1 FAIL <<<"$out"))"
  done
else
  trace_and_check "$1"
fi
echo "1 passed, 0 failed"
