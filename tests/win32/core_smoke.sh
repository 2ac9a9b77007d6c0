#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tarsomel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs the Windows build of the quiz core and the window's handlers under
# Wine: a right pair, a wrong pair and a restart come out as on Linux.
source "$(dirname "$0")/wine.sh"
build=$1
exe="$build/tests/win32/core_smoke.exe"
[ -f "$exe" ] || fail "no $exe: build the win64 preset first"
out=$(wine_run 240 "$exe" | tr -d '\r') || fail "core_smoke.exe failed: $out"
echo "$out"
hex() { printf '%s' "$1" | od -An -tx1 | tr -d ' \n'; }
grep -q -x "right:$(hex $'Вярно Сяра температура на топене  120°C\r\n')" <<<"$out" || fail "the right verdict differs"
grep -q -x "wrong:$(hex $'Грешен отговор за Водород и температура на топене -272°C\r\n')" <<<"$out" ||
  fail "the wrong verdict differs"
grep -q -x "right wrong restarted" <<<"$out" || fail "$out"
echo "1 passed, 0 failed"
