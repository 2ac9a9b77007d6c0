#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tarsomel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# What the Windows edition tells a screen reader, as far as Wine shows it.
# No Windows screen reader runs here, and Wine's annotation service
# (IAccPropServices) only logs what it is given; so the test reads that log:
# every control gets its Bulgarian name and description from the shared
# design, temperature rows are named in words and played rows "празен ред",
# and the announcer is a polite live region named, after each verdict and
# restart, with the shared announcement. Wine's own accessibility proxy is
# asked for what it does report (the message box's name from its unseen
# label, the button's caption), the announcer's text is read with the
# probe, and its live-region events are watched.
# Usage: accessibility.sh BUILD-DIR SPOKEN_FORMS
source "$(dirname "$0")/wine.sh"
spoken_forms=$2
# How the shared design says a row.
words() { "$spoken_forms" row "$1"; }
windows_edition "$1"
start_window WINEDEBUG=fixme+oleacc
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

# The announcer: a polite live region of no size that takes no focus.
announcer=$(probe handle announcer)
grep -a -q "AccPropServices_SetHwndProp ($announcer 4294967292 0 {c12bcd8e-2a8e-4950-8ae7-3625111d58eb} [0-9A-F]* {VT_I4: 1})" \
  "$workdir/program.log" || fail "the announcer was not made a polite live region"
read -r _ _ width height < <(probe box announcer)
[ "$width" = 0 ] && [ "$height" = 0 ] || fail "the announcer is ${width}x$height, not of no size"
text=$(probe handle text)
grep -a -q "AccPropServices_SetHwndProp ($text 4294967292 0 {c12bcd8e" "$workdir/program.log" &&
  fail "the message box is a live region too: a screen reader would read each verdict twice"
echo "live region: ok"

# Wine's proxy names the message box after its unseen label and the button
# after its caption, as Windows does without annotations.
probe accessible text | grep -q -x "name Съобщение" || fail "message box: $(probe accessible text)"
probe accessible command | grep -q -x "name Чисти" || fail "button: $(probe accessible command)"
echo "names through the accessibility proxy: ok"

# Rows are read as the design says: a temperature in words, a name as it is.
names=$(probe handle names)
temperatures=$(probe handle temperatures)
annotated "$temperatures" 1 "$name_guid" "$(words "-272°C")" || fail "-272°C is not read in words"
annotated "$temperatures" 6 "$name_guid" "$(words " 120°C")" || fail " 120°C is not read in words"
annotated "$names" 1 "$name_guid" "Водород" && fail "a name row was given a name other than its text"
echo "temperature rows in words: ok"

# Each verdict and the restart: one live-region event of the announcer, and
# the announcer's name (Wine's log shows its start) and text are the
# shared announcement, temperatures in words.
spawn "$workdir/live.log" "$wine" "$probe_exe" watch 600
wait_for 60 "the event watch did not start" grep -q watching "$workdir/live.log"
locate() { probe "$@"; }
unhex() { xxd -r -p; }
events=0
events_are() { [ "$(grep -c '^live announcer' "$workdir/live.log")" -eq "$1" ]; }
# announced WORDS [PARAGRAPH-START]: the next announcement says WORDS, then
# the paragraph when one is given.
announced() {
  events=$((events + 1))
  wait_for 10 "live-region event $events of the announcer was not raised" events_are "$events"
  local said expected=$1
  [ -n "${2:-}" ] && expected="$1. $2"
  said=$(probe text announcer | unhex)
  [[ "$said" == "$expected"* ]] && { [ -n "${2:-}" ] || [ "$said" = "$expected" ]; } ||
    fail "announced \"$said\", not \"$expected\""
  annotated "$announcer" 0 "$name_guid" "$said" || fail "the announcer's name is not \"$said\""
  grep -a -c "SetHwndPropStr ($announcer 4294967292 0 {$name_guid}" "$workdir/program.log" |
    grep -q -x "$events" || fail "the announcer was named more or less than once per announcement"
}
pick names 0
click_row temperatures 1
announced "$(words "-259°C"). Вярно Водород температура на топене $(words "-259°C")" "Водородът"
wait_for 10 "the played name is not read as '$played'" annotated "$names" 1 "$name_guid" "$played"
wait_for 10 "the played temperature is not read as '$played'" annotated "$temperatures" 2 "$name_guid" "$played"
echo "a right pair: announced in words, the played rows read as played"
pick temperatures 0
click_row names 2
announced "Кислород. Грешен отговор за Кислород и температура на топене $(words "-272°C")"
echo "a wrong pair: announced in words"
click_control command
announced "Отначало: двата списъка са попълнени отново, съобщението е изчистено."
echo "a restart: announced"
echo "1 passed, 0 failed"
