#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tarsomel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Prints the guide's HTML page to a PDF for A4 paper with headless Chromium
# (its print stylesheet says A4), in a private profile; Chromium's own
# chatter goes to a log shown only when printing fails.
# Usage: print_pdf.sh CHROMIUM GUIDE.html OUT.pdf
set -euo pipefail
chromium=$1 html=$2 out=$3
profile=$(mktemp -d)
trap 'rm -rf "$profile"' EXIT
rm -f "$out"
# A file URL with the path's "#", "?" or "%" escaped.
url=$(node -e 'process.stdout.write(require("node:url").pathToFileURL(process.argv[1]).href)' "$(realpath "$html")")
if ! "$chromium" --headless --no-sandbox --disable-gpu --no-first-run --disable-background-networking \
  --disable-component-update --disable-sync --user-data-dir="$profile" --no-pdf-header-footer \
  --print-to-pdf="$out" "$url" >"$profile/log" 2>&1 || [ ! -s "$out" ]; then
  cat "$profile/log" >&2
  echo "print_pdf.sh: Chromium did not print $html" >&2
  exit 1
fi
