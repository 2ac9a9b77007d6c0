#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tarsomel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The portable zip holds the program alone, byte for byte as built, at the
# top level, so that unpacking it anywhere gives a tarsomel.exe to start.
# Usage: portable_zip.sh WIN64-BUILD VERSION [ZIP]   (ZIP: another zip to check)
source "$(dirname "$0")/../support/basics.sh"
build=$1 version=$2
zip=${3:-$build/packages/tarsomel-$version-win64.zip}
exe="$build/app/tarsomel.exe"
[ -f "$zip" ] || fail "no $zip: build the win64 preset's target 'packages' first"
[ -f "$exe" ] || fail "no $exe: build the win64 preset first"
workdir=$(mktemp -d)
trap 'rm -rf "$workdir"' EXIT

entries=$(unzip -Z1 "$zip") || fail "$zip is not a zip archive"
[ "$entries" = "tarsomel.exe" ] || fail "the zip should hold tarsomel.exe alone, it holds: $entries"
unzip -q "$zip" -d "$workdir" || fail "the zip does not unpack"
cmp "$exe" "$workdir/tarsomel.exe" || fail "the zipped tarsomel.exe differs from the built one"
echo "ok: $(basename "$zip") holds tarsomel.exe alone, as built"
echo "1 passed, 0 failed"
