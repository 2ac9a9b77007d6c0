#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tarsomel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The Windows installer and uninstaller, silent, while the installed program
# runs, in a private Wine prefix: each refuses with exit status 32 and
# changes nothing (the program's files, the Start-menu shortcut and the
# uninstall entry stay exactly as they were, written by no one); once the
# program is closed both succeed. The uninstaller says so by its status
# whether it is run as the entry's QuietUninstallString or typed as
# uninstall.exe /S: it returns once its copy in the temporary folder has
# ended, with that copy's status. A copy of the program running from another
# folder (the portable zip) does not keep either from its work.
# Usage: windows_installer_running.sh WIN64-BUILD VERSION
source "$(dirname "$0")/../win32/wine.sh"
source "$(dirname "$0")/windows_packaging.sh"
build=$1 version=$2
setup=$build/packages/tarsomel-$version-setup.exe
exe="$build/app/tarsomel.exe"
[ -f "$setup" ] || fail "no $setup: build the win64 preset's target 'packages' first"
[ -f "$exe" ] || fail "no $exe: build the win64 preset first"

in_use=32
passed=0
pass() { echo "ok: $*"; passed=$((passed + 1)); }

# What an install or uninstall could change: every file and folder it puts
# in place with its size, contents and change time (which any write, even of
# the same bytes, moves on), and the uninstall entry.
state() {
  local path
  for path in "$dir" "$dir"/* "$link"; do
    [ -e "$path" ] || continue
    if [ -f "$path" ]; then
      echo "$(stat -c '%n %s %z' "$path") $(sha256sum <"$path" | cut -c1-16)"
    else
      stat -c '%n %z' "$path"
    fi
  done
  entry || echo "no uninstall entry"
}
# run_status CMD...: runs a Windows program to its end and prints its exit status.
run_status() {
  local status=0
  wine_run 240 "$@" >>"$workdir/runs.log" 2>&1 || status=$?
  echo "$status"
}
quiet_uninstall() { script "$(value QuietUninstallString)"; }
# As people type it: the entry's UninstallString with /S.
typed_uninstall() { script '"C:\Program Files\Tarsomel\uninstall.exe" /S'; }
# The uninstaller's copy runs from the temporary folder as tarXXXX.tmp.
copy_ended() {
  local pid
  for pid in $(pgrep -f '\\Temp\\tar[0-9A-F]*\.tmp'); do
    grep -qzxF "WINEPREFIX=$WINEPREFIX" "/proc/$pid/environ" 2>/dev/null && return 1
  done
  return 0
}

wine_prefix
user_files >"$workdir/before"
[ "$(run_status "$setup" /S)" = 0 ] || fail "the first install failed: $(cat "$workdir/runs.log")"
[ -f "$dir/tarsomel.exe" ] || fail "the first install put no tarsomel.exe in place"
# As if an earlier version were installed: an install that wrote the entry
# would leave its own version there.
wine_run 60 reg add "$key" /v DisplayVersion /t REG_SZ /d 0.99 /f /reg:64 >/dev/null 2>&1 ||
  fail "cannot set the installed version"
launch "$wine" 'C:\Program Files\Tarsomel\tarsomel.exe'
window_of >/dev/null
state >"$workdir/installed"
grep -q '^"DisplayVersion"="0.99"$' "$workdir/installed" || fail "the entry does not say 0.99: $(cat "$workdir/installed")"

status=$(run_status "$setup" /S)
[ "$status" = "$in_use" ] || fail "the installer over the running program exited with $status, not $in_use"
state >"$workdir/now"
diff -u "$workdir/installed" "$workdir/now" || fail "the refused install changed the above"
pass "silent install over the running program: status $in_use, nothing changed"

status=$(quiet_uninstall)
[ "$status" = "$in_use" ] || fail "the quiet uninstall of the running program exited with $status, not $in_use"
state >"$workdir/now"
diff -u "$workdir/installed" "$workdir/now" || fail "the refused uninstall changed the above"
pass "silent uninstall as the uninstall entry gives it, of the running program: status $in_use, nothing changed"

status=$(typed_uninstall)
copy_ended || fail "uninstall.exe /S returned while its copy still ran"
[ "$status" = "$in_use" ] || fail "uninstall.exe /S of the running program exited with $status, not $in_use"
state >"$workdir/now"
diff -u "$workdir/installed" "$workdir/now" || fail "the refused uninstall (uninstall.exe /S) changed the above"
pass "uninstall.exe /S of the running program: status $in_use once its copy ended, nothing changed"

# Run by hand, each says so in Bulgarian once the teacher has gone through
# its pages, and Cancel quits with the same status, nothing changed.
asked="Тарсомел работи на този компютър"
last_return=-1
# Presses Return (the next page) now and then, until the question is up.
asked_by_hand() {
  "$wine" "$probe" dialogs 2>/dev/null | grep -qF "$asked" && return 0
  if [ "$SECONDS" -gt "$last_return" ]; then
    last_return=$SECONDS
    # The installer's window and the uninstaller's say Тарсомел in their captions.
    xdotool search --onlyvisible --name 'Тарсомел' windowfocus %1 key Return 2>/dev/null || true
  fi
  return 1
}
# picture WHAT: with TARSOMEL_PICTURE set to a folder, the installer's or
# uninstaller's window with its question, as docs/windows-WHAT-running.png
# shows it: the largest window named for Tarsomel.
picture() {
  [ -n "${TARSOMEL_PICTURE:-}" ] || return 0
  local id best=0 area WIDTH HEIGHT X Y
  for id in $(xdotool search --onlyvisible --name 'Тарсомел'); do
    eval "$(xdotool getwindowgeometry --shell "$id")"
    area=$((WIDTH * HEIGHT))
    [ "$area" -gt "$best" ] && best=$area && local crop="${WIDTH}x${HEIGHT}+${X}+${Y}"
  done
  [ "$best" -gt 0 ] || fail "no window to take a picture of"
  import -window root -crop "$crop" +repage "$TARSOMEL_PICTURE/windows-$1-running.png"
}
# by_hand WHAT LINE: runs LINE from a batch file (as script does) in the
# background, goes through its pages and answers Cancel to its question.
by_hand() {
  local what=$1 status=0
  printf '@%s\r\n@exit /b %%errorlevel%%\r\n' "$2" >"$drive/by_hand.cmd"
  "$wine" cmd /c 'C:\by_hand.cmd' >>"$workdir/runs.log" 2>&1 &
  local pid=$!
  wait_for 120 "the $what run by hand never asked to close Tarsomel" asked_by_hand
  picture "$what"
  "$wine" "$probe" cancel >/dev/null 2>&1 || fail "could not answer Cancel to the $what"
  wait_for 60 "the $what did not quit on Cancel" gone "$pid"
  wait "$pid" || status=$?
  [ "$status" = "$in_use" ] || fail "the $what cancelled by hand exited with $status, not $in_use"
  state >"$workdir/now"
  diff -u "$workdir/installed" "$workdir/now" || fail "the $what cancelled by hand changed the above"
  pass "the $what run by hand over the running program: asked in Bulgarian, cancelled with status $in_use, nothing changed"
}
probe="$build/tests/win32/probe.exe"
[ -f "$probe" ] || fail "no $probe: build the win64 preset with its Wine tests"
cp "$setup" "$drive/setup-copy.exe"
by_hand installer 'C:\setup-copy.exe'
rm -f "$drive/setup-copy.exe"
# The uninstaller as Apps starts it, the entry's UninstallString.
by_hand uninstaller "$(value UninstallString)"

wine_run 60 taskkill /IM tarsomel.exe >/dev/null 2>&1 || fail "taskkill could not ask the program to close"
wait_for 30 "the installed program did not end when asked" gone "$launched"

# Run in place, the uninstaller uninstall.exe runs could not delete its own
# file: refused.
status=$(script '"C:\Program Files\Tarsomel\uninstall.dat" /S _?=C:\Program Files\Tarsomel')
[ "$status" = 2 ] || fail "the uninstaller run in place exited with $status, not 2"
state >"$workdir/now"
diff -u "$workdir/installed" "$workdir/now" || fail "the uninstaller run in place changed the above"
pass "uninstall.dat run in place (_?=): status 2, nothing changed"

# Closed, the program can be replaced and removed; a copy run from another
# folder is no obstacle.
mkdir -p "$drive/portable"
cp "$exe" "$drive/portable/tarsomel.exe"
launch "$wine" 'C:\portable\tarsomel.exe'
window_of >/dev/null
status=$(run_status "$setup" /S)
[ "$status" = 0 ] || fail "the install with the program closed exited with $status"
[ "$(value DisplayVersion)" = "$version" ] || fail "the install did not write its version: $(value DisplayVersion)"
state >"$workdir/now"
written=$(grep '/tarsomel.exe ' "$workdir/now" || true)
[ -n "$written" ] && [ "$written" != "$(grep '/tarsomel.exe ' "$workdir/installed")" ] ||
  fail "the install did not write tarsomel.exe anew"
cmp -s "$exe" "$dir/tarsomel.exe" || fail "the installed tarsomel.exe differs from the built one"
pass "silent install with the program closed and a portable copy running: status 0, the new version in place"

status=$(typed_uninstall)
copy_ended || fail "uninstall.exe /S returned while its copy still ran"
[ "$status" = 0 ] || fail "uninstall.exe /S with the program closed exited with $status"
[ ! -e "$dir" ] || fail "the uninstall left Program Files\\Tarsomel: $(ls "$dir")"
[ ! -e "$link" ] || fail "the uninstall left the Start-menu entry"
key_absent || fail "the uninstall left the uninstall entry"
user_files >"$workdir/after"
diff -u "$workdir/before" "$workdir/after" || fail "the uninstall left files behind (above)"
pass "uninstall.exe /S with the program closed and a portable copy running: status 0 once all is removed, nothing left"
echo "$passed passed, 0 failed"
