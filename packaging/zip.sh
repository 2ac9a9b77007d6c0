#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tarsomel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Makes a zip of every file under a folder that has the same bytes whenever
# the files have: the entries in name order, each dated EPOCH (seconds since
# 1970, UTC) and readable by all, with no extra fields (no owner, no access
# or change times), whatever the machine's clock, time zone or umask.
# Usage: zip.sh OUT.zip FOLDER EPOCH
set -euo pipefail
out=$(realpath -m "$1")
folder=$2
epoch=$3
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cp -r "$folder"/. "$stage/files"
find "$stage/files" -type f -exec chmod 0644 {} +
find "$stage/files" -exec touch -h -d "@$epoch" {} +
mkdir -p "$(dirname "$out")"
rm -f "$out"
cd "$stage/files"
find . -type f -printf '%P\n' | LC_ALL=C sort | TZ=UTC zip -X -D -q "$out" -@
