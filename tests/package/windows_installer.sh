#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tarsomel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The Windows installer, silent, in a private Wine prefix: it puts the
# program, its Start-menu entry and its uninstall entry in place; the
# installed program opens its window; the uninstaller, run as the uninstall
# entry says, silently, takes all of it away again; a second install goes
# where the first went; a later version replaces it, and an earlier one is
# refused.
# Usage: installer.sh WIN64-BUILD VERSION [SETUP]   (SETUP: another installer
# to check in place of the built one)
source "$(dirname "$0")/../win32/wine.sh"
source "$(dirname "$0")/windows_packaging.sh"
build=$1 version=$2
setup=${3:-$build/packages/tarsomel-$version-setup.exe}
exe="$build/app/tarsomel.exe"
next_setup=$(find "$build/tests/win32/next" -name 'tarsomel-*-setup.exe' 2>/dev/null | head -n1)
next_exe="$build/tests/win32/next/tarsomel.exe"
[ -f "$setup" ] || fail "no $setup: build the win64 preset's target 'packages' first"
[ -f "$exe" ] || fail "no $exe: build the win64 preset first"

passed=0
pass() { echo "ok: $*"; passed=$((passed + 1)); }
has_value() { entry | grep -q "^\"$1\"="; }

wine_prefix
user_files >"$workdir/before"

# The installer's own process is waited for; its results are still waited on,
# bounded, as Windows programs may hand work on. The size is written last.
wine_run 240 "$setup" /S || fail "the installer exited with status $?"
wait_for 120 "the installer left no uninstall entry" has_value EstimatedSize
[ -f "$dir/tarsomel.exe" ] || fail "no tarsomel.exe in Program Files\\Tarsomel"
cmp -s "$exe" "$dir/tarsomel.exe" || fail "the installed tarsomel.exe differs from the built one"
[ -f "$dir/uninstall.exe" ] && [ -f "$dir/uninstall.dat" ] || fail "no uninstaller in Program Files\\Tarsomel: $(ls "$dir")"
pass "silent install put tarsomel.exe and the uninstaller (uninstall.exe, uninstall.dat) in Program Files\\Tarsomel"

[ -f "$link" ] || fail "no Start-menu entry Тарсомел.lnk for all users: $(find "$WINEPREFIX/drive_c" -name '*.lnk')"
strings -el "$link" | grep -qF 'C:\Program Files\Tarsomel\tarsomel.exe' ||
  fail "the Start-menu entry does not name the program as its icon: $(strings -el "$link")"
strings "$link" | grep -qF 'C:\Program Files\Tarsomel\tarsomel.exe' ||
  fail "the Start-menu entry does not start the program: $(strings "$link")"
pass "Start-menu entry Тарсомел starts the program and shows its icon"

entry >"$workdir/entry"
expect() {
  grep -qxF "\"$1\"=$2" "$workdir/entry" || fail "uninstall entry: $1 is not $2: $(grep "^\"$1\"=" "$workdir/entry" || echo missing)"
}
at='C:\\Program Files\\Tarsomel'
expect DisplayName '"Тарсомел"'
expect DisplayVersion "\"$version\""
expect Publisher '"Tarsomel developers"'
expect DisplayIcon "\"$at\\\\tarsomel.exe,0\""
expect InstallLocation "\"$at\""
expect UninstallString "\"\\\"$at\\\\uninstall.exe\\\"\""
quiet='"C:\Program Files\Tarsomel\uninstall.exe" /S'
[ "$(value QuietUninstallString)" = "$quiet" ] || fail "uninstall entry: QuietUninstallString is $(value QuietUninstallString)"
expect NoModify dword:00000001
expect NoRepair dword:00000001
size=$(sed -n 's/^"EstimatedSize"=dword:\(.*\)$/\1/p' "$workdir/entry")
[ -n "$size" ] && [ $((16#$size)) -ge $(($(stat -c %s "$exe") / 1024)) ] ||
  fail "uninstall entry: EstimatedSize ${size:-missing} (KiB, hex) is less than the program"
wow32_key='HKLM\Software\Wow6432Node\Microsoft\Windows\CurrentVersion\Uninstall\Tarsomel'
wine_run 60 reg query "$wow32_key" /reg:64 >/dev/null 2>&1 && fail "the uninstall entry is in the 32-bit registry view"
pass "uninstall entry in the 64-bit registry with name, version, publisher, icon, location, size and commands"

# The installed program, started as the Start-menu entry starts it.
launch "$wine" 'C:\Program Files\Tarsomel\tarsomel.exe'
window_of >/dev/null
wine_run 60 taskkill /IM tarsomel.exe >/dev/null 2>&1 || fail "taskkill could not ask the program to close"
wait_for 30 "the installed program did not close its window when asked" no_window
pass "the installed program opens its window and closes when asked"

# The uninstaller as the entry's quiet command gives it, from a script: it
# waits for the uninstall, whose status it ends with.
status=$(script "$(value QuietUninstallString)")
[ "$status" = 0 ] || fail "the uninstaller exited with status $status: $(cat "$workdir/script.log")"
[ ! -e "$dir" ] || fail "the uninstaller left Program Files\\Tarsomel: $(ls "$dir" 2>&1)"
[ ! -e "$link" ] || fail "the uninstaller left the Start-menu entry"
key_absent || fail "the uninstaller left the uninstall entry"
user_files >"$workdir/after"
diff -u "$workdir/before" "$workdir/after" || fail "the uninstall left files behind (above)"
pass "silent uninstall removed the program, its folder, Start-menu entry and uninstall entry, and nothing else is left"

# Installed into a folder of the school's choosing, then again as an update
# script runs it, with no folder given: the second install goes where the
# first went, and one uninstall takes it all away.
chosen='C:\School\Tarsomel'
wine_run 240 "$setup" /S "/D=$chosen" || fail "the installer into $chosen exited with status $?"
wait_for 120 "the installer into $chosen left no uninstall entry" has_value EstimatedSize
wine_run 240 "$setup" /S || fail "the installer over the one in $chosen exited with status $?"
[ -f "$drive/School/Tarsomel/tarsomel.exe" ] || fail "no tarsomel.exe in $chosen"
[ ! -e "$dir" ] || fail "the second install went to Program Files, not where the first went: $(ls "$dir")"
[ "$(value InstallLocation)" = "$chosen" ] || fail "uninstall entry: InstallLocation is $(value InstallLocation)"
status=$(script "$(value QuietUninstallString)")
[ "$status" = 0 ] || fail "the uninstaller in $chosen exited with status $status: $(tail -n 5 "$workdir/script.log")"
[ ! -e "$drive/School/Tarsomel" ] || fail "the uninstaller left $chosen: $(ls "$drive/School/Tarsomel")"
key_absent || fail "the uninstaller in $chosen left the uninstall entry"
pass "an install over one in another folder, with no folder given, goes there, and one uninstall removes it"

# The next version over this one replaces it; this one over the next is
# refused, with Windows Installer's status for a newer version installed,
# and changes nothing.
[ -f "$next_setup" ] && [ -f "$next_exe" ] || fail "no $next_setup or $next_exe: build the win64 preset first"
next_version=$(basename "$next_setup" | sed 's/^tarsomel-\(.*\)-setup\.exe$/\1/')
cp "$setup" "$drive/setup.exe"
cp "$next_setup" "$drive/next-setup.exe"
status=$(script 'C:\setup.exe /S')
[ "$status" = 0 ] || fail "the installer exited with status $status"
status=$(script 'C:\next-setup.exe /S')
[ "$status" = 0 ] || fail "the installer of $next_version over $version exited with status $status"
[ "$(value DisplayVersion)" = "$next_version" ] || fail "after the upgrade the entry says $(value DisplayVersion)"
cmp -s "$next_exe" "$dir/tarsomel.exe" || fail "after the upgrade tarsomel.exe is not version $next_version"
status=$(script 'C:\setup.exe /S')
[ "$status" = 1638 ] || fail "the installer of $version over $next_version exited with status $status, not 1638"
[ "$(value DisplayVersion)" = "$next_version" ] || fail "the older installer left the entry saying $(value DisplayVersion)"
cmp -s "$next_exe" "$dir/tarsomel.exe" || fail "the older installer replaced tarsomel.exe $next_version"
status=$(script "$(value QuietUninstallString)")
[ "$status" = 0 ] && [ ! -e "$dir" ] && key_absent || fail "the uninstall of $next_version: status $status"
pass "$next_version over $version replaces it; $version over $next_version is refused with status 1638 and changes nothing"
echo "$passed passed, 0 failed"
