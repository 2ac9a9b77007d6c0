#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tarsomel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Gathers every file a school needs into one folder, with SHA256SUMS over
# them, from the builds that made them (scripts/release makes them all):
#   the Debian package, the Windows installer, Windows Installer package and
#   portable zip, the one-file page, the site's zip, the SCORM package, and
#   the teacher's guide as HTML and PDF.
# Usage: release.sh VERSION OUT_DIR DEB WIN64_BUILD WEB_BUILD
#   DEB is the Debian package (cpack's tarsomel_VERSION_amd64.deb).
set -euo pipefail
version=$1 out=$2 deb=$3 win=$4 web=$5

files=(
  "$deb"
  "$win/packages/tarsomel-$version-setup.exe"
  "$win/packages/tarsomel-$version.msi"
  "$win/packages/tarsomel-$version-win64.zip"
  "$web/tarsomel.html"
  "$web/packages/tarsomel-$version-web.zip"
  "$web/packages/tarsomel-$version-scorm12.zip"
  "$web/guide/rakovodstvo.html:tarsomel-$version-rakovodstvo.html"
  "$web/guide/rakovodstvo.pdf:tarsomel-$version-rakovodstvo.pdf"
)
rm -rf "$out"
mkdir -p "$out"
for entry in "${files[@]}"; do
  from=${entry%%:*}
  name=$(basename "$from")
  [ "$entry" != "$from" ] && name=${entry#*:}
  [ -f "$from" ] || { echo "release.sh: $from is missing: build it first (scripts/release)" >&2; exit 1; }
  cp "$from" "$out/$name"
done
(cd "$out" && find . -maxdepth 1 -type f ! -name SHA256SUMS -printf '%P\n' | LC_ALL=C sort | xargs sha256sum >SHA256SUMS)
echo "$out:"
(cd "$out" && ls -l --time-style=+ | sed 1d)
