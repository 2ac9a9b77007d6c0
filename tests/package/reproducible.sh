#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tarsomel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The files of a release come out the same, byte for byte, every time they
# are made from the same build: the one-file page, the site's zip, the SCORM
# package, the Windows zip and the Debian package are each made twice more
# here, from the builds (once from copies of their files, dated otherwise, in
# another time zone and umask), and compared with each other and with the
# build's own.
# Usage: reproducible.sh SOURCE_DIR DEFAULT_BUILD WIN64_BUILD WEB_BUILD VERSION
source "$(dirname "$0")/../support/basics.sh"
source_dir=$1 default=$2 win=$3 web=$4 version=$5
workdir=$(mktemp -d)
trap 'rm -rf "$workdir"' EXIT
# Each build's archives are dated as it was configured (scripts/release
# gives the commit's date, a plain build the release day).
epoch() { cat "$1/generated/source_date_epoch"; }
zip="$source_dir/packaging/zip.sh"

# same WHAT FILE...: every FILE has the same bytes as the first.
same() {
  local what=$1 first=$2
  shift 2
  for other in "$@"; do cmp -s "$first" "$other" || fail "$what differs: $first and $other"; done
  echo "the same: $what ($(stat -c %s "$first") bytes, made $(($# + 1)) times)"
}
# Makes the files twice more: once from the build's own files, once from
# copies of them dated otherwise, in another time zone and with another
# umask. The build itself is left as it is.
twice() {
  local make=$1
  mkdir -p "$workdir/one" "$workdir/two"
  from=build "$make" "$workdir/one"
  (umask 077 && TZ=Asia/Tokyo from=copies "$make" "$workdir/two")
}
# input PATH OUT: PATH itself, or for the second making a copy in OUT of its own date.
input() {
  if [ "$from" = build ]; then
    echo "$1"
  else
    cp -r "$1" "$2/input-$(basename "$1")"
    touch -d "1999-09-09 09:09" "$2/input-$(basename "$1")"
    echo "$2/input-$(basename "$1")"
  fi
}

page() { node --no-experimental-fetch "$source_dir/app/web/finish_page.mjs" single "$web/app/web/tarsomel.js" \
  "$web/app/web/design.json" "$source_dir/ui/icons" "$1/tarsomel.html"; }
twice page
same "the one-file page" "$web/tarsomel.html" "$workdir/one/tarsomel.html" "$workdir/two/tarsomel.html"

site() { bash "$zip" "$1/web.zip" "$(input "$web/site" "$1")" "$(epoch "$web")"; }
twice site
same "the site's zip" "$web/packages/tarsomel-$version-web.zip" "$workdir/one/web.zip" "$workdir/two/web.zip"

scorm() { bash "$zip" "$1/scorm12.zip" "$(input "$web/packaging/web/scorm12" "$1")" "$(epoch "$web")"; }
twice scorm
same "the SCORM package" "$web/packages/tarsomel-$version-scorm12.zip" "$workdir/one/scorm12.zip" \
  "$workdir/two/scorm12.zip"

portable() {
  mkdir -p "$1/portable"
  cp "$(input "$win/app/tarsomel.exe" "$1")" "$1/portable/tarsomel.exe"
  bash "$zip" "$1/win64.zip" "$1/portable" "$(epoch "$win")"
}
twice portable
same "the Windows zip" "$win/packages/tarsomel-$version-win64.zip" "$workdir/one/win64.zip" "$workdir/two/win64.zip"

# The package the build's target "deb" packs, which is what scripts/release
# hands out.
deb() {
  SOURCE_DATE_EPOCH=$(epoch "$default") cmake --build "$default" --target deb >"$1.cpack.log" 2>&1 ||
    { cat "$1.cpack.log"; fail "the target deb failed"; }
  mkdir -p "$1/deb"
  mv "$default/tarsomel_${version}_amd64.deb" "$1/deb/"
}
twice deb
same "the Debian package" "$workdir/one/deb/tarsomel_${version}_amd64.deb" "$workdir/two/deb/tarsomel_${version}_amd64.deb"
echo "1 passed, 0 failed"
