#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tarsomel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The program takes no arguments: --help and --version answer without a
# display; anything else, Qt's own options included, is refused in one line.
source "$(dirname "$0")/../support/basics.sh"
program=$1
out=$(mktemp)
err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT

run() {
  status=0
  env -u DISPLAY -u WAYLAND_DISPLAY timeout 10 "$program" "$@" >"$out" 2>"$err" </dev/null || status=$?
}

run --version
[ "$status" -eq 0 ] && [ "$(cat "$out")" = "Tarsomel 1.00" ] && [ ! -s "$err" ] || fail "--version: $status $(cat "$out" "$err")"
echo "--version: $(cat "$out")"
run --help
[ "$status" -eq 0 ] && head -n1 "$out" | grep -q '^Употреба: tarsomel$' && [ ! -s "$err" ] || fail "--help: $status"
grep -q -F -- "--version  показва версията и излиза" "$out" || fail "--help does not say what --version does: $(cat "$out")"
echo "--help: $(head -n1 "$out")"

for argument in --foo -reverse -stylesheet=/etc/passwd -platform -style bogus ""; do
  run "$argument" extra
  [ "$status" -eq 2 ] || fail "'$argument': exit status $status"
  [ ! -s "$out" ] && [ "$(wc -l <"$err")" -eq 1 ] || fail "'$argument': $(cat "$out" "$err")"
  grep -q -x -F "tarsomel: непознат аргумент „$argument“; програмата не приема аргументи (вижте tarsomel --help)" "$err" ||
    fail "'$argument': $(cat "$err")"
done
run --version --help
[ "$status" -eq 2 ] || fail "two options: exit status $status"
echo "other arguments: refused in one line, exit status 2"
echo "1 passed, 0 failed"
