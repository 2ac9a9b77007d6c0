#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tarsomel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The Windows Installer package under Wine's msiexec /qn in a private prefix,
# as a school's deployment runs it, each status read as Windows gives it
# (%ERRORLEVEL% in cmd: Unix sees only its low byte): installed, the same
# package again and a repair leave one entry; the next version replaces it,
# one entry and the new program; the older package is then refused; an
# upgrade while the program runs is honest (3010, the new program in place
# once Windows restarts, or 0 only with it in place now); the program ends
# when asked as the Restart Manager asks; uninstalled by its ProductCode,
# nothing is left.
# Usage: windows_msi.sh WIN64-BUILD VERSION [MSI [NEXT-MSI]]   (other packages to check)
source "$(dirname "$0")/../win32/wine.sh"
source "$(dirname "$0")/windows_packaging.sh"
build=$1 version=$2
msi=${3:-$build/packages/tarsomel-$version.msi}
exe=$build/app/tarsomel.exe
next_msi=${4:-$(find "$build/tests/win32/next" -name 'tarsomel-*.msi' 2>/dev/null | head -n1)}
next_exe=$build/tests/win32/next/tarsomel.exe
probe=$build/tests/win32/probe.exe
for f in "$msi" "$exe" "$next_msi" "$next_exe" "$probe"; do
  [ -f "$f" ] || fail "no $f: build the win64 preset's targets 'all' and 'packages' first"
done
command -v msiinfo >/dev/null || fail "no msiinfo (Debian package msitools)"

passed=0
pass() { echo "ok: $*"; passed=$((passed + 1)); }
property() { msiinfo export "$1" Property | tr -d '\r' | awk -F'\t' -v name="$2" '$1 == name { print $2 }'; }
product=$(property "$msi" ProductCode)
next_product=$(property "$next_msi" ProductCode)
next_version=$(property "$next_msi" ProductVersion)
uninstall='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'

# msiexec ARGUMENTS...: runs msiexec from a batch file, logging to C:\msi.log
# (kept in msi.log), and prints its status.
msiexec() {
  local status
  status=$(script "msiexec $* /l*v C:\\msi.log")
  cat "$drive/msi.log" >>"$workdir/msi.log" 2>/dev/null || true
  echo "$status"
}
expect_status() {
  [ "$1" = "$2" ] || fail "$3: msiexec exited with $1, not $2 (log: $(tail -n 5 "$drive/msi.log" 2>/dev/null))"
}
# Every uninstall entry named Тарсомел, as its key's name.
entries() {
  rm -f "$drive/all.reg"
  wine_run 60 reg export "$uninstall" 'C:\all.reg' /reg:64 >/dev/null 2>&1 || return 0
  iconv -f UTF-16 -t UTF-8 "$drive/all.reg" | tr -d '\r' |
    awk '/^\[/ { k = $0 } /^"DisplayName"="Тарсомел"$/ { sub(/.*\\/, "", k); sub(/\]$/, "", k); print k }'
}
# The Start-menu shortcut: for all users on Windows, in the user's menu under
# Wine, which takes ProgramMenuFolder as the user's.
shortcut() {
  local l
  for l in "$link" "$drive"/users/*/AppData/Roaming/Microsoft/Windows/"Start Menu"/Programs/Тарсомел.lnk; do
    [ -e "$l" ] && echo "$l"
  done
  return 0
}
# The HKLM value that stands for the shortcut, in the 64-bit registry.
shortcut_value() { wine_run 60 reg query 'HKLM\Software\Tarsomel' /v StartMenuShortcut /reg:64 >/dev/null 2>&1; }
installed_as() {
  local code=$1 v=$2 program=$3 what=$4
  [ "$(entries)" = "$code" ] || fail "$what: the uninstall entries are '$(entries)', not $code alone"
  key="$uninstall\\$code"
  [ "$(value DisplayVersion)" = "$v" ] || fail "$what: the entry says version $(value DisplayVersion), not $v"
  [ "$(value InstallLocation)" = 'C:\Program Files\Tarsomel\' ] ||
    fail "$what: the entry's InstallLocation is '$(value InstallLocation)', not the program's folder"
  cmp -s "$program" "$dir/tarsomel.exe" || fail "$what: Program Files\\Tarsomel\\tarsomel.exe is not the version $v program"
  [ "$(shortcut | wc -l)" = 1 ] || fail "$what: the Start-menu shortcuts are: $(shortcut)"
  shortcut_value || fail "$what: no HKLM\\Software\\Tarsomel value for the shortcut in the 64-bit registry"
}

wine_prefix
user_files >"$workdir/before"
cp "$msi" "$drive/tarsomel.msi"
cp "$next_msi" "$drive/tarsomel-next.msi"

status=$(msiexec /i 'C:\tarsomel.msi' /qn)
expect_status "$status" 0 "the install"
installed_as "$product" "$version" "$exe" "installed"
key="$uninstall\\$product"
publisher=$(property "$msi" Manufacturer)
[ "$(value DisplayName)" = Тарсомел ] && [ "$(value Publisher)" = "$publisher" ] ||
  fail "the entry's name or publisher: $(entry)"
wine_run 60 reg query "HKLM\\Software\\Wow6432Node\\Tarsomel" /reg:64 >/dev/null 2>&1 &&
  fail "the shortcut's value is in the 32-bit registry view"
pass "msiexec /i /qn: status 0; tarsomel.exe as built in Program Files\\Tarsomel, one entry Тарсомел $version by $publisher"

lnk=$(shortcut)
icon="C:\\windows\\Installer\\$product\\tarsomel.ico"
strings -el "$lnk" | grep -qiF 'C:\Program Files\Tarsomel\tarsomel.exe' ||
  strings "$lnk" | grep -qiF 'C:\Program Files\Tarsomel\tarsomel.exe' || fail "the shortcut does not start the program: $(strings -el "$lnk")"
strings -el "$lnk" | grep -qiF "$icon" || fail "the shortcut's icon is not $icon: $(strings -el "$lnk")"
# Its strings are UTF-16, at either byte parity.
lnk_text=$({ iconv -f UTF-16LE -t UTF-8 -c <"$lnk" || true; } 2>/dev/null | tr -d '\0'
  { tail -c +2 "$lnk" | iconv -f UTF-16LE -t UTF-8 -c || true; } 2>/dev/null | tr -d '\0')
description=$(msiinfo export "$msi" Shortcut | tr -d '\r' | tail -n 1 | cut -f7)
[ -n "$description" ] && grep -aqF "$description" <<<"$lnk_text" || fail "the shortcut's description is not '$description'"
[ -s "$drive/windows/Installer/$product/tarsomel.ico" ] || fail "the icon was not put in $icon"
wine_run 60 reg query 'HKLM\Software\Classes\Installer\Products' /s /reg:64 2>/dev/null | tr -d '\r' | grep -qiF "ProductIcon    REG_SZ    $icon" ||
  fail "the product's icon (ARPPRODUCTICON, which Apps shows) is not registered"
[ "$lnk" = "$link" ] && menu="in all users' Start menu" || menu="in the user's Start menu, where Wine puts it"
pass "shortcut Тарсомел ($menu) starts the program, with the icon and the description \"$description\"; the Apps entry's icon is registered"

status=$(msiexec /i 'C:\tarsomel.msi' /qn)
expect_status "$status" 0 "the same package again"
installed_as "$product" "$version" "$exe" "the same package again"
# A repair (msiexec /f is not in Wine) puts back a program that was deleted.
rm "$dir/tarsomel.exe"
status=$(msiexec /i 'C:\tarsomel.msi' REINSTALL=ALL REINSTALLMODE=amus /qn)
expect_status "$status" 0 "the repair"
installed_as "$product" "$version" "$exe" "the repair"
pass "the same package again, and a repair (REINSTALL=ALL REINSTALLMODE=amus) of a deleted program: status 0, one entry, the program back"

status=$(msiexec /i 'C:\tarsomel-next.msi' /qn)
expect_status "$status" 0 "the upgrade to $next_version"
installed_as "$next_product" "$next_version" "$next_exe" "the upgrade to $next_version"
pass "the next version $next_version over $version: status 0, its entry alone, its program in place"

status=$(msiexec /i 'C:\tarsomel.msi' /qn)
expect_status "$status" 1603 "the older package over $next_version"
installed_as "$next_product" "$next_version" "$next_exe" "the refused downgrade"
pass "version $version over $next_version: refused with status 1603, $next_version left as it was"

status=$(msiexec /x "$next_product" /qn)
expect_status "$status" 0 "the uninstall of $next_version"
[ -z "$(entries)" ] || fail "an uninstall entry is left: $(entries)"
status=$(msiexec /i 'C:\tarsomel.msi' /qn)
expect_status "$status" 0 "the install after the uninstall"
installed_as "$product" "$version" "$exe" "installed again"

# The upgrade while the program runs. Windows' Restart Manager would close it
# first (then 0, the new program in place); Wine has none, and Windows
# Installer's way without it is the one MSIRMSHUTDOWN=2 asks for: the file
# replaced when Windows next starts, status 3010. What must never be: 0 with
# the old program left under the new version's entry.
launch "$wine" 'C:\Program Files\Tarsomel\tarsomel.exe'
window_of >/dev/null
status=$(msiexec /i 'C:\tarsomel-next.msi' /qn)
[ "$(entries)" = "$next_product" ] || fail "the upgrade while the program runs left the entries '$(entries)'"
if [ "$status" = 0 ]; then
  cmp -s "$next_exe" "$dir/tarsomel.exe" || fail "the upgrade while the program runs said 0 and left the old program"
  pass "the next version while the program runs: status 0 with the new program in place"
else
  expect_status "$status" 3010 "the upgrade while the program runs"
  cmp -s "$exe" "$dir/tarsomel.exe" || fail "3010, yet the running program's file was changed"
  # As the Restart Manager asks a program to end: it does.
  wine_run 60 "$probe" endsession >/dev/null || fail "the program did not take the request to end its session"
  wait_for 30 "the program did not end when asked to end its session" gone "$launched"
  # Windows restarted: Wine's wineboot does what Windows does at start.
  wine_run 120 wineboot -r >/dev/null 2>&1 || fail "wineboot -r failed"
  installed_as "$next_product" "$next_version" "$next_exe" "the upgrade while the program ran, once Windows restarted"
  pass "the next version while the program runs: status 3010; the program ends when asked as the Restart Manager asks; after a restart the new program is in place, its entry alone"
fi

status=$(msiexec /x "$next_product" /qn)
expect_status "$status" 0 "msiexec /x $next_product"
[ ! -e "$dir" ] || fail "the uninstall left Program Files\\Tarsomel: $(ls "$dir")"
[ -z "$(shortcut)" ] || fail "the uninstall left the shortcut $(shortcut)"
[ -z "$(entries)" ] || fail "the uninstall left the entry $(entries)"
shortcut_value && fail "the uninstall left HKLM\\Software\\Tarsomel"
user_files >"$workdir/after"
diff -u "$workdir/before" "$workdir/after" || fail "the uninstall left files behind (above)"
pass "msiexec /x {ProductCode} /qn: status 0, no file, shortcut, entry or registry value left"
echo "$passed passed, 0 failed"
