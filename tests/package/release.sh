#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tarsomel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The release folder as packaging/release.sh gathers it from the builds:
# exactly the files a school needs, named for the version, and SHA256SUMS
# over them, which sha256sum -c accepts, and which a changed file fails.
# Usage: release.sh SOURCE_DIR DEFAULT_BUILD WIN64_BUILD WEB_BUILD VERSION
source "$(dirname "$0")/../support/basics.sh"
source_dir=$1 default=$2 win=$3 web=$4 v=$5
workdir=$(mktemp -d)
trap 'rm -rf "$workdir"' EXIT

cmake --build "$default" --target deb >"$workdir/deb.log" 2>&1 || { cat "$workdir/deb.log"; fail "the target deb failed"; }
mkdir -p "$workdir/deb"
mv "$default/tarsomel_${v}_amd64.deb" "$workdir/deb/"
out="$workdir/tarsomel-$v"
bash "$source_dir/packaging/release.sh" "$v" "$out" "$workdir/deb/tarsomel_${v}_amd64.deb" "$win" "$web" ||
  fail "release.sh failed"

expected="SHA256SUMS
tarsomel-$v-rakovodstvo.html
tarsomel-$v-rakovodstvo.pdf
tarsomel-$v-scorm12.zip
tarsomel-$v-setup.exe
tarsomel-$v-web.zip
tarsomel-$v-win64.zip
tarsomel-$v.msi
tarsomel.html
tarsomel_${v}_amd64.deb"
[ "$(cd "$out" && ls | LC_ALL=C sort)" = "$(LC_ALL=C sort <<<"$expected")" ] ||
  fail "the folder holds: $(ls "$out" | tr '\n' ' ')"
[ "$(wc -l <"$out/SHA256SUMS")" -eq 9 ] || fail "SHA256SUMS does not name the nine files"
(cd "$out" && sha256sum --quiet -c SHA256SUMS) || fail "sha256sum -c fails on the folder as made"
cmp -s "$out/tarsomel.html" "$web/tarsomel.html" || fail "the page is not the build's"
# A file changed after the sums were written is found out.
printf 'x' >>"$out/tarsomel.html"
! (cd "$out" && sha256sum --quiet -c SHA256SUMS) 2>/dev/null || fail "sha256sum -c did not see a changed file"
echo "$(($(wc -l <<<"$expected") - 1)) files and SHA256SUMS"
echo "1 passed, 0 failed"
