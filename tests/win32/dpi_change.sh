#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tarsomel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs dpi_change.exe under Wine in a private desktop session: the window,
# told that its DPI changed, lays itself out again from the design.
source "$(dirname "$0")/wine.sh"
build=$1
exe="$build/tests/win32/dpi_change.exe"
[ -f "$exe" ] || fail "no $exe: build the win64 preset first"
out=$(wine_run 240 "$exe" | tr -d '\r') || fail "dpi_change.exe: $out"
echo "$out"
[ "$(tail -n1 <<<"$out")" = ok ] || fail "$out"
echo "1 passed, 0 failed"
