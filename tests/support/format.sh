#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tarsomel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Whether every C++ file of the tree is formatted as .clang-format says.
# Usage: format.sh SOURCE-DIR; to format them: the same with --fix.
source "$(dirname "$0")/basics.sh"
fix=0
[ "${1:-}" = "--fix" ] && { fix=1; shift; }
cd "$1"
command -v clang-format >/dev/null || fail "clang-format is not installed (Debian package clang-format)"
mapfile -t files < <(find app bench core fuzz packaging tests tools ui -name '*.cpp' -o -name '*.h' | sort)
[ "${#files[@]}" -gt 0 ] || fail "no C++ files under $1"
if [ "$fix" -eq 1 ]; then
  clang-format -i "${files[@]}"
  exit 0
fi
clang-format --dry-run --Werror "${files[@]}" || fail "not formatted as .clang-format says (fix: bash tests/support/format.sh --fix .)"
echo "${#files[@]} files formatted"
