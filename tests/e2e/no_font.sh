#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tarsomel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# With no font that has Cyrillic letters the window's Bulgarian text cannot be
# shown: the program says so in one line and exits with status 1 instead of
# showing empty boxes.
source "$(dirname "$0")/../support/session.sh"
program=$1
mkdir -p "$workdir/fonts" "$workdir/fontcache"
cat >"$workdir/fonts.conf" <<CONF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig>
  <dir>$workdir/fonts</dir>
  <cachedir>$workdir/fontcache</cachedir>
</fontconfig>
CONF
export FONTCONFIG_FILE="$workdir/fonts.conf"
set +e
timeout 30 "$program" >/dev/null 2>"$workdir/err"
status=$?
set -e
grep -v -E '^QFont|^qt\.qpa\.fonts' "$workdir/err" >"$workdir/said" || true
[ "$status" -eq 1 ] || { cat "$workdir/err" >&2; fail "exit status $status"; }
grep -q -x -F 'tarsomel: нито един инсталиран шрифт няма кирилица и българският текст на прозореца не може да се покаже; инсталирайте Liberation Serif (пакет fonts-liberation) и стартирайте Тарсомел отново' "$workdir/said" ||
  { cat "$workdir/err" >&2; fail "said the wrong thing (above)"; }
echo "$(cat "$workdir/said")"
echo "1 passed, 0 failed"
