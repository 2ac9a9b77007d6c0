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
#                                   write and a planted network socket, each
#                                   for its own reason with every other
#                                   check passing
source "$(dirname "$0")/../support/basics.sh"

if [ "${1:-}" = "--planted" ]; then
  program=$2
  for plant in write socket; do
    # Each run in a process of its own, as the check itself runs.
    status=0
    out=$(PLANT=$plant bash "$0" "$program" 2>&1) || status=$?
    [ "$status" -ne 0 ] || fail "a planted $plant went unnoticed: $out"
    case $plant in
      write) reason='FAIL: files opened for writing' ;;
      socket) reason='FAIL: network sockets opened' ;;
    esac
    grep -q "^$reason" <<<"$out" || fail "planted $plant: not caught for its reason: $out"
    [ "$(grep -c '^FAIL' <<<"$out")" -eq 1 ] || fail "planted $plant: other checks failed too: $out"
    [ "$(grep -c '^ok:' <<<"$out")" -eq 3 ] || fail "planted $plant: not every other check passed: $out"
    echo "planted $plant: caught ($(grep -m1 '^FAIL' <<<"$out"))"
  done
  echo "1 passed, 0 failed"
  exit 0
fi

source "$(dirname "$0")/../support/session.sh"
program=$1
start_accessibility
a11y_address=$(dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress)
a11y_socket=$(sed -n 's/.*unix:path=\([^,]*\).*/\1/p' <<<"$a11y_address" | tr -d ' ')
[ -n "$a11y_socket" ] || fail "the accessibility bus has no socket path: $a11y_address"

trace="$workdir/strace.log"
launch strace -f -qq -e trace=open,openat,openat2,creat,socket,connect,bind,listen -o "$trace" "$program"
tracer=$launched
win=$(window_of)
# A few clicks over the window's controls, then copy the message box.
geometry=$(xdotool getwindowgeometry --shell "$win")
width=$(sed -n 's/^WIDTH=//p' <<<"$geometry")
height=$(sed -n 's/^HEIGHT=//p' <<<"$geometry")
for point in "13 19" "78 19" "13 30" "78 30" "52 33" "45 85"; do
  read -r px py <<<"$point"
  xdotool mousemove --window "$win" $((width * px / 100)) $((height * py / 100)) click 1
done
xdotool key ctrl+a ctrl+c
# The program's own pid is strace's child; end it, and strace ends with it.
wait_for 10 "the program is not running under strace" pgrep -P "$tracer"
kill "$(pgrep -P "$tracer" | head -n1)"
wait_for 20 "strace did not end" gone "$tracer"
[ -s "$trace" ] || fail "strace recorded nothing"

# Every check is made and told; the test fails after the last if any did.
failed=0
check() {
  local what=$1 found=$2
  if [ -n "$found" ]; then
    echo "FAIL: $what:"
    echo "$found"
    failed=1
  else
    echo "ok: $3"
  fi
}
# Successful opens for writing, outside /dev/null and the cache directory.
writes=$(grep -E '(open|openat|openat2)\(.*(O_WRONLY|O_RDWR|O_CREAT|O_TRUNC|O_APPEND)|creat\(' "$trace" |
  grep -v -E '= -1 ' | grep -v -F -e '"/dev/null"' -e "\"$XDG_CACHE_HOME/" || true)
check "files opened for writing" "$writes" "no file written (outside $XDG_CACHE_HOME)"
sockets=$(grep -E ' socket\(' "$trace" | grep -v -E '= -1 ' || true)
check "network sockets opened" "$(grep -v -E 'socket\(AF_UNIX,' <<<"$sockets" || true)" \
  "$(grep -c . <<<"$sockets") sockets, all local"
check "the program binds or listens" "$(grep -E ' (bind|listen)\(' "$trace" || true)" "nothing bound or listened on"
connects=$(grep -E ' connect\(' "$trace" || true)
[ -n "$connects" ] || fail "no connection to the display was seen"
others=$(grep -v -F -e "\"/tmp/.X11-unix/X${DISPLAY#:}\"" -e "\"$XDG_RUNTIME_DIR/bus\"" -e "\"$a11y_socket\"" \
  <<<"$connects" || true)
check "connections other than the display's and the buses'" "$others" \
  "connections only to the display, the session bus and the accessibility bus"
[ "$failed" -eq 0 ] || exit 1
echo "1 passed, 0 failed"
