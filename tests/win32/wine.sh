#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tarsomel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Sourced by the Windows tests: a private desktop session (session.sh) with a
# private Wine prefix in it. Wine asks for no downloads (no Mono, no Gecko);
# at exit the prefix's wineserver is ended along with everything else.
source "$(dirname "${BASH_SOURCE[0]}")/../support/session.sh"

export WINEPREFIX="$workdir/wine" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine=$(command -v wine64 || command -v wine || true)
[ -x /usr/lib/wine/wine64 ] && wine=/usr/lib/wine/wine64
[ -n "$wine" ] || fail "Wine is not installed (Debian package wine64)"
wineserver=$(command -v wineserver || true)
[ -x /usr/lib/wine/wineserver64 ] && wineserver=/usr/lib/wine/wineserver64

# Hands on the test's exit status, which cleanup reads. A failed test
# returns non-zero here, so errexit must be off for cleanup to run.
end_wine() {
  local status=$?
  set +e
  if [ -d "$WINEPREFIX" ]; then
    "$wineserver" -k 2>/dev/null || true
    timeout 20 "$wineserver" -w 2>/dev/null || true
  fi
  return "$status"
}
trap 'end_wine; cleanup' EXIT

# wine_run SECONDS CMD...: runs a Windows program to its end, bounded.
wine_run() {
  local seconds=$1
  shift
  timeout "$seconds" "$wine" "$@"
}

# wine_prefix: makes the private prefix, lets the server that made it end,
# then keeps a new one up until the test ends, so that Wine's services start
# once, not again after every pause.
wine_prefix() {
  wine_run 300 wineboot -i >"$workdir/wineboot.log" 2>&1 ||
    fail "the Wine prefix was not made: $(cat "$workdir/wineboot.log")"
  timeout 60 "$wineserver" -w || fail "the Wine prefix was still being made after 60s"
  "$wineserver" -p || fail "no wineserver"
}

# windows_edition BUILD [DPI]: the win64 build's tarsomel.exe and probe.exe
# ($exe, $probe_exe), and the prefix made and set to DPI (96 by default)
# before the program starts, as the window tests want them.
windows_edition() {
  exe="$1/app/tarsomel.exe"
  probe_exe="$1/tests/win32/probe.exe"
  [ -f "$exe" ] && [ -f "$probe_exe" ] || fail "no $exe or $probe_exe: build the win64 preset first"
  wine_run 180 reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "${2:-96}" /f >/dev/null 2>&1 ||
    fail "cannot set up the Wine prefix"
}

# start_window [NAME=VALUE...]: starts $exe with those variables in its
# environment (`launched` is its pid) and waits for its window ($win), which
# then has the keyboard: activated under a window manager, and with none
# given the focus, as nothing else would give it.
start_window() {
  launch env "$@" "$wine" "$exe"
  win=$(window_of)
  if wm_running; then
    xdotool windowactivate --sync "$win"
  else
    xdotool windowfocus --sync "$win"
  fi
}
