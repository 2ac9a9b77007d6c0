#!/usr/bin/env bash
# Plays a short game in Xvfb under strace and checks that the program writes
# no file (the toolkit's own caches under ~/.cache apart) and opens no socket
# but its connection to the display.
source "$(dirname "$0")/xvfb.sh"
program=$1
export HOME="$workdir/home" XDG_CACHE_HOME="$workdir/home/.cache"
mkdir -p "$HOME"
trace="$workdir/strace.log"

fail() { echo "FAIL: $*"; exit 1; }

launch strace -f -qq -e trace=open,openat,openat2,creat,socket,connect,bind,listen -o "$trace" "$program"
win=$(window_of "Физика - свойства, температура")
sleep 0.3
for point in "60 66" "360 84" "60 102" "360 66" "240 116" "200 300"; do
  xdotool mousemove --window "$win" $point click 1
  sleep 0.2
done
xdotool key ctrl+a ctrl+c
sleep 0.3
# End the program itself; strace then ends with it and flushes its log.
traced=$(pgrep -P "$launched" | head -n1)
[ -n "$traced" ] || fail "the program is not running"
kill "$traced"
wait "$launched" 2>/dev/null || true

[ -s "$trace" ] || fail "strace recorded nothing"
display_socket="/tmp/.X11-unix/X${DISPLAY#:}"

# Successful opens for writing, outside /dev/null and the cache directory.
writes=$(grep -E '(open|openat|openat2)\(.*(O_WRONLY|O_RDWR|O_CREAT|O_TRUNC|O_APPEND)|creat\(' "$trace" |
  grep -v -E '= -1 ' |
  grep -v -F -e '"/dev/null"' -e "\"$XDG_CACHE_HOME/" || true)
[ -z "$writes" ] || fail "files opened for writing:
$writes"
echo "files written: none (outside $XDG_CACHE_HOME)"

sockets=$(grep -E ' socket\(' "$trace" | grep -v -E '= -1 ' || true)
other_families=$(grep -v -E 'socket\(AF_UNIX,' <<<"$sockets" || true)
[ -z "$other_families" ] || fail "network sockets opened:
$other_families"
connects=$(grep -E ' connect\(' "$trace" || true)
[ -n "$connects" ] || fail "no connection to the display was seen"
others=$(grep -v -F -e "\"$display_socket\"" <<<"$connects" || true)
[ -z "$others" ] || fail "connections other than the display's:
$others"
servers=$(grep -E ' (bind|listen)\(' "$trace" || true)
[ -z "$servers" ] || fail "the program listens:
$servers"
echo "sockets: $(wc -l <<<"$sockets") opened, all to the display $display_socket"
echo "1 passed, 0 failed"
