#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tarsomel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package, unpacks it into a scratch root and checks what a
# teacher's computer would get: the control fields, exactly the expected
# files, the version, a menu entry that points at the installed program and
# icon, dependencies apt can satisfy, and an installed program that starts.
source "$(dirname "$0")/../support/session.sh"
build_dir=$1
app_id=$2
version=$3
out="$workdir/package"
root="$workdir/root"
mkdir -p "$out" "$root"

(cd "$build_dir" && cpack -G DEB -B "$out" >"$workdir/cpack.log" 2>&1) || { cat "$workdir/cpack.log"; fail "cpack failed"; }
deb=$(ls "$out"/tarsomel_"$version"_*.deb 2>/dev/null | head -n1)
[ -n "$deb" ] || { ls "$out"; fail "no tarsomel_${version}_*.deb was made"; }
echo "package: $(basename "$deb")"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = tarsomel ] || fail "Package is $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version is $(field Version)"
[ "$(field Section)" = education ] || fail "Section is $(field Section)"
[[ "$(field Maintainer)" =~ ^[^\<]+\ \<[^@\>]+@[^\>]+\>$ ]] || fail "Maintainer is '$(field Maintainer)'"
[ -n "$(field Description)" ] || fail "no Description"
depends=$(field Depends)
depend_names=$(echo "$depends" | tr ',' '\n' | sed 's/(.*//; s/ //g')
for needed in libqt6widgets6 libqt6gui6 libqt6core6 libstdc++6 libc6 fonts-liberation qt6-translations-l10n; do
  grep -q -x -F "$needed" <<<"$depend_names" || fail "Depends lacks $needed: $depends"
done
echo "control fields: ok ($depends)"

expected=$(printf '%s\n' \
  ./usr/bin/tarsomel \
  "./usr/share/applications/$app_id.desktop" \
  "./usr/share/icons/hicolor/128x128/apps/$app_id.png" \
  "./usr/share/icons/hicolor/32x32/apps/$app_id.png" \
  "./usr/share/icons/hicolor/64x64/apps/$app_id.png" \
  "./usr/share/metainfo/$app_id.metainfo.xml" | sort)
actual=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sort)
[ "$actual" = "$expected" ] || fail "files differ:
$(diff <(echo "$expected") <(echo "$actual"))"
echo "files: ok"

dpkg -x "$deb" "$root"
grep -a -q -x -F "@(#)Tarsomel $version" <(strings -a "$root/usr/bin/tarsomel") ||
  fail "the binary does not carry version $version"
grep -q "<release version=\"$version\"" "$root/usr/share/metainfo/$app_id.metainfo.xml" ||
  fail "the metadata has no release $version"
echo "version $version: ok"

desktop="$root/usr/share/applications/$app_id.desktop"
exec_line=$(sed -n 's/^Exec=//p' "$desktop")
icon=$(sed -n 's/^Icon=//p' "$desktop")
[ -x "$root/usr/bin/${exec_line%% *}" ] || fail "Exec=$exec_line is not the installed program"
for size in 32 64 128; do
  file -b "$root/usr/share/icons/hicolor/${size}x${size}/apps/$icon.png" | grep -q "PNG image data, $size x $size" ||
    fail "Icon=$icon has no ${size}x${size} PNG"
done
desktop-file-validate "$desktop" | { grep -E 'error|warning' && exit 1 || true; }
appstreamcli validate --no-net "$root/usr/share/metainfo/$app_id.metainfo.xml" >/dev/null ||
  fail "the installed metadata does not validate"
echo "menu entry: ok (Exec=$exec_line, Icon=$icon)"

apt-get install --simulate -q "$deb" >"$workdir/apt.log" 2>&1 || { cat "$workdir/apt.log"; fail "apt cannot install it"; }
echo "apt install --simulate: ok"

launch "$root/usr/bin/tarsomel"
win=$(window_of)
kill -0 "$launched" || fail "the installed program stopped"
echo "installed program starts: ok (window $win)"
echo "1 passed, 0 failed"
