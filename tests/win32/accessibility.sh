#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tarsomel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# What the Windows edition tells a screen reader, as far as Wine shows it.
# No Windows screen reader runs here, and Wine's annotation service
# (IAccPropServices) only logs what it is given; so the test reads that log:
# every control gets its Bulgarian name and description from the shared
# design, the message box is made a polite live region, and a played row is
# named "празен ред". Wine's own accessibility proxy is asked for what it
# does report (the message box's name from its unseen label, the button's
# caption), and the live-region event is watched for after a verdict.
# Usage: accessibility.sh BUILD-DIR
source "$(dirname "$0")/wine.sh"
build=$1
exe="$build/app/tarsomel.exe"
probe_exe="$build/tests/win32/probe.exe"
[ -f "$exe" ] && [ -f "$probe_exe" ] || fail "no $exe or $probe_exe: build the win64 preset first"

wine_run 180 reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 96 /f >/dev/null 2>&1 ||
  fail "cannot set up the Wine prefix"
WINEDEBUG=fixme+oleacc launch "$wine" "$exe"
win=$(window_of)
xdotool windowfocus --sync "$win"
probe() { wine_run 60 "$probe_exe" "$@" | tr -d '\r'; }

# annotated HANDLE CHILD PROPERTY-GUID TEXT: whether the program gave the
# annotation service TEXT for that element (Wine's log cuts long texts).
annotated() {
  /usr/bin/python3 - "$workdir/program.log" "$@" <<'PY'
import re, sys
log, handle, child, prop, text = sys.argv[1:]
pattern = re.compile(r'AccPropServices_SetHwndPropStr \((\w+) \d+ (\d+) \{([^}]+)\} L"(.*?)"(\.\.\.)?\)$')
def unescape(s):
    return re.sub(r'\\([0-9a-fA-F]{4})|\\(.)', lambda m: chr(int(m.group(1), 16)) if m.group(1) else m.group(2), s)
for line in open(log, encoding='utf-8', errors='replace'):
    m = pattern.search(line.rstrip('\n'))
    if not m or m.group(1) != handle or m.group(2) != child or m.group(3) != prop:
        continue
    said = unescape(m.group(4))
    if said == text or (m.group(5) and text.startswith(said)):
        sys.exit(0)
sys.exit(1)
PY
}
name_guid=608d3df8-8128-4aa7-a428-f55e49267291
description_guid=4d48dfe4-bd3f-491f-a648-492d6f20c588

while IFS=$'\t' read -r control name description; do
  [ "$control" = played ] && { played=$name; continue; }
  handle=$(probe handle "$control")
  wait_for 10 "$control was not named '$name'" annotated "$handle" 0 "$name_guid" "$name"
  annotated "$handle" 0 "$description_guid" "$description" || fail "$control was not described as '$description'"
done < <(probe spoken)
echo "names and descriptions: ok"

text=$(probe handle text)
grep -a -q "AccPropServices_SetHwndProp ($text 4294967292 0 {c12bcd8e-2a8e-4950-8ae7-3625111d58eb} [0-9A-F]* {VT_I4: 1})" \
  "$workdir/program.log" || fail "the message box was not made a polite live region"
echo "live region: ok"

# Wine's proxy names the message box after its unseen label and the button
# after its caption, as Windows does without annotations.
probe accessible text | grep -q -x "name Съобщение" || fail "message box: $(probe accessible text)"
probe accessible command | grep -q -x "name Чисти" || fail "button: $(probe accessible command)"
echo "names through the accessibility proxy: ok"

# A pair played: both rows are named as played, and the verdict raises one
# live-region event.
spawn "$workdir/live.log" "$wine" "$probe_exe" watch 600
wait_for 60 "the event watch did not start" grep -q watching "$workdir/live.log"
locate() { probe "$@"; }
pick names 0
click_row temperatures 1
wait_for 10 "no live-region event after the verdict" grep -q "^live text" "$workdir/live.log"
names=$(probe handle names)
temperatures=$(probe handle temperatures)
wait_for 10 "the played name is not read as '$played'" annotated "$names" 1 "$name_guid" "$played"
wait_for 10 "the played temperature is not read as '$played'" annotated "$temperatures" 2 "$name_guid" "$played"
echo "played rows and the verdict's announcement: ok"
echo "1 passed, 0 failed"
