#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tarsomel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Sourced by the installer tests, after wine.sh: where the installer puts
# things in the private prefix, the uninstall entry as it reads, what the
# prefix holds, and commands run as a deployment script runs them.
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tarsomel'
drive="$WINEPREFIX/drive_c"
dir="$drive/Program Files/Tarsomel"
link="$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/Тарсомел.lnk"

# The uninstall entry as "name=value" lines (a .reg export is UTF-16).
entry() {
  rm -f "$drive/entry.reg"
  wine_run 60 reg export "$key" 'C:\entry.reg' /reg:64 >/dev/null 2>&1 || return 1
  iconv -f UTF-16 -t UTF-8 "$drive/entry.reg" | tr -d '\r' | grep '^"'
}
# value NAME: a string value of the entry, as Windows holds it.
value() { entry | sed -n "s/^\"$1\"=\"\(.*\)\"\$/\1/p" | sed 's/\\\\/\\/g; s/\\"/"/g'; }
key_absent() { ! wine_run 60 reg query "$key" /reg:64 >/dev/null 2>&1; }

# What the prefix holds outside Wine's own system folder and the temporary
# folders, so that an uninstall can be shown to leave nothing.
user_files() {
  (cd "$drive" && find "Program Files" "Program Files (x86)" ProgramData users -path '*/Temp' -prune -o -print | sort)
}

# script LINE: runs LINE from a batch file, as a deployment script would
# (the command line exactly as written, where Wine would quote an argument
# with blanks), and prints the exit status the script sees, %ERRORLEVEL%:
# Unix gets only its low byte (3010 would be 194).
script() {
  rm -f "$drive/status.txt"
  # (The blank before ">": "2>" would redirect standard error.)
  printf '@%s\r\n@echo %%errorlevel%% >C:\\status.txt\r\n' "$1" >"$drive/script.cmd"
  wine_run 240 cmd /c 'C:\script.cmd' >>"$workdir/script.log" 2>&1 || true
  [ -s "$drive/status.txt" ] || fail "the script '$1' ended without a status: $(tail -n 5 "$workdir/script.log")"
  tr -d '\r\n ' <"$drive/status.txt"
}
