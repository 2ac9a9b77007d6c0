#!/usr/bin/env bash
# Started where no display can be opened, the program says so in one line on
# standard error and exits with status 1, without aborting.
set -uo pipefail
program=$1
err=$(mktemp)
trap 'rm -f "$err"' EXIT

check() {
  local what=$1; shift
  env "$@" "$program" 2>"$err" >/dev/null </dev/null
  local status=$?
  [ "$status" -eq 1 ] || { echo "FAIL ($what): exit status $status"; cat "$err"; exit 1; }
  [ "$(wc -l <"$err")" -eq 1 ] || { echo "FAIL ($what): expected one line:"; cat "$err"; exit 1; }
  grep -q '^tarsomel: cannot open a window: .*; start it from a desktop session, or under a virtual display with: xvfb-run tarsomel$' "$err" ||
    { echo "FAIL ($what):"; cat "$err"; exit 1; }
  echo "$what: $(cat "$err")"
}
check "no DISPLAY" -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM
check "unreachable display" -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:9999
echo "2 passed, 0 failed"
