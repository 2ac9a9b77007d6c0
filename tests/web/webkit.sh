#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tarsomel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# A short game in WebKit (WebKitGTK's MiniBrowser, driven by WebKitWebDriver
# through selenium-webdriver), in a private desktop session: WebKitGTK
# draws on a display and talks over the session bus.
source "$(dirname "$0")/../support/session.sh"
build=$1
here=$(cd "$(dirname "$0")" && pwd)

# The driver on a port of its own; ended with the session's process groups.
port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
spawn "$workdir/webdriver.log" WebKitWebDriver --host=127.0.0.1 --port="$port"
driver_up() { python3 -c 'import sys, urllib.request; urllib.request.urlopen(sys.argv[1], timeout=2)' "http://127.0.0.1:$port/status"; }
wait_for 30 "WebKitWebDriver did not answer: $(cat "$workdir/webdriver.log")" driver_up
status=0
node "$here/webkit.mjs" "$build" "http://127.0.0.1:$port" || status=$?
[ "$status" -eq 0 ] || tail -n 20 "$workdir/webdriver.log" >&2
exit "$status"
