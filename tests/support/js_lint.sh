#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tarsomel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Whether every JavaScript file of the tree (.js, .mjs) passes ESLint
# (eslint.config.mjs) and is formatted as Prettier says (.prettierrc.json),
# with the versions package-lock.json pins (npm ci installs them).
# Usage: js_lint.sh SOURCE-DIR; to format them: the same with --fix.
source "$(dirname "$0")/basics.sh"
fix=0
[ "${1:-}" = "--fix" ] && { fix=1; shift; }
cd "$1"
[ -x node_modules/.bin/eslint ] && [ -x node_modules/.bin/prettier ] ||
  fail "ESLint and Prettier are not installed here (npm ci --ignore-scripts)"
if [ "$fix" -eq 1 ]; then
  node_modules/.bin/prettier --log-level warn --write '**/*.{js,mjs}'
  exec node_modules/.bin/eslint --fix .
fi
node_modules/.bin/eslint . || fail "ESLint found the problems above"
node_modules/.bin/prettier --log-level warn --check '**/*.{js,mjs}' ||
  fail "not formatted as Prettier says (fix: bash tests/support/js_lint.sh --fix .)"
echo "$(git ls-files '*.js' '*.mjs' | wc -l) JavaScript files checked and formatted"
