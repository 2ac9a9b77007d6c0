#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tarsomel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Plays the Windows edition under Wine at a given DPI, with real mouse
# clicks and keys, as play.sh in e2e does the Linux one: caption, size,
# layout and colours, right pairs in both orders, a wrong pair, played rows,
# a restart with the lists back at their top, keyboard play, the message
# copied through the clipboard, and the window closed. The program is looked
# at from outside with probe.exe (state, positions, clipboard, live-region
# events) and with screenshots; every wait is for a condition, bounded.
# Usage: play.sh BUILD-DIR DPI
source "$(dirname "$0")/wine.sh"
dpi=${2:-96}
windows_edition "$1" "$dpi"
start_window

probe() { wine_run 60 "$probe_exe" "$@"; }
# The shared click helpers look at the window through the probe.
locate() { probe "$@"; }
client=$(probe client "$dpi" | tr -d '\r')
unhex() { xxd -r -p; }
hex() { printf '%s' "$1" | od -An -tx1 | tr -d ' \n'; }
# The message box's exact text, CR LF and all, as hex.
box_hex() { probe text; }
box_is() { [ "$(box_hex)" = "$(hex "$1")" ]; }
box_starts() { [[ "$(box_hex)" == "$(hex "$1")"* ]]; }
box_text() { box_hex | unhex | tr '\r\n' '|~'; }
focus_is() { [ "$(probe focus)" = "$1" ]; }
rows_of() { probe rows "$1" | tr -d '\r'; }

names=$'[Водород]\n[Хелий]\n[Кислород]\n[Въглерод]\n[Неон]\n[Желязо]\n[Азот]\n[Силиций]\n[Магнезий]\n[Сяра]'
temperatures=$'[-272°C]\n[-259°C]\n[-249°C]\n[-219°C]\n[-210°C]\n[ 120°C]\n[ 650°C]\n[1414°C]\n[1538°C]\n[3500°C]'

# ---- What the window is -----------------------------------------------------
info=$(probe window | tr -d '\r')
grep -q -x "caption .*  $caption" <<<"$info" || fail "caption: $info"
[ "$(xdotool getwindowname "$win")" = "$(sed -n 's/^caption //p' <<<"$info")" ] || fail "the X window's name differs"
grep -q -x "client $client" <<<"$info" || fail "client area at $dpi dpi is not $client: $info"
grep -q -x "awareness per-monitor" <<<"$info" || fail "the manifest did not make the program DPI aware: $info"
grep -q -x "dpi $dpi" <<<"$info" || fail "the window is not at $dpi dpi: $info"
grep -q -x "minimize 1 maximize 0 sizing 0 sysmenu 1" <<<"$info" || fail "border and buttons: $info"
# The icon made from the source is the one the desktop shows, large and small.
xprop -notype -id "$win" 32c _NET_WM_ICON >"$workdir/icon.txt"
convert "$(dirname "$0")/../../ui/icons/tarsomel-32.png" "rgba:$workdir/icon.rgba"
/usr/bin/python3 "$(dirname "$0")/window_icon.py" "$workdir/icon.txt" "$workdir/icon.rgba" "$dpi" || fail "icon"
xdotool getwindowgeometry "$win" | grep -q "Geometry: ${client/ /x}" || fail "the X window is not ${client/ /x}"
probe layout >"$workdir/layout" || fail "controls not where the design puts them: $(cat "$workdir/layout")"
[ "$(rows_of names)" = "$names" ] || fail "names: $(rows_of names)"
[ "$(rows_of temperatures)" = "$temperatures" ] || fail "temperatures: $(rows_of temperatures)"
box_starts $'Най-често срещаните химически елементи в нашата галактика са: Водород, Хелий' ||
  fail "the task is not shown: $(box_text)"
focus_is text || fail "the focus does not start in the message box: $(probe focus)"
echo "window at $dpi dpi: ok"

# Colours, from screenshots at the points the design fixes.
declare -A point colour
while read -r name x y; do point[$name]="$x $y"; done < <(probe points | tr -d '\r')
while read -r name rgb; do colour[$name]=$rgb; done < <(probe colours | tr -d '\r')
shot() { import -window root "$workdir/shot.png"; }
pixel() { convert "$workdir/shot.png" -crop "1x1+$1+$2" -depth 8 -format '%[fx:int(255*r+.5)],%[fx:int(255*g+.5)],%[fx:int(255*b+.5)]' info:; }
# colour_at POINT COLOUR: whether a fresh screenshot shows COLOUR there.
colour_at() {
  shot
  read -r x y <<<"${point[$1]}"
  [ "$(pixel "$x" "$y")" = "${colour[$2]}" ]
}
see() {
  wait_for 10 "$1 is not ${colour[$2]} (it is $(shot; read -r x y <<<"${point[$1]}"; pixel "$x" "$y"))" colour_at "$1" "$2"
}
see window window
see label0 label
see label1 label
see label2 label
see command command
see text_edge focus
colour_at names_edge focus && fail "the names list shows a focus mark without the focus"
colour_at command_focus focus && fail "the button shows a focus mark without the focus"
echo "colours: ok"

# ---- Mouse play ---------------------------------------------------------------
# Live-region events from here on: one per verdict or restart.
spawn "$workdir/live.log" "$wine" "$probe_exe" watch 600
wait_for 60 "the event watch did not start" grep -q watching "$workdir/live.log"
announced=0
announcements_at_least() { [ "$(grep -c '^live announcer' "$workdir/live.log")" -ge "$1" ]; }
announced_once() {
  announced=$((announced + 1))
  wait_for 10 "announcement $announced of the message box was not raised" announcements_at_least "$announced"
}

judged() {
  wait_for 10 "no verdict '$1': $(box_text)" box_starts "$1"
  announced_once
  selected_is names -1 && selected_is temperatures -1 || fail "a selection stayed after the verdict"
}
pick names 0                       # Водород
click_row temperatures 1           # -259°C: the pair is judged
judged $'Вярно Водород температура на топене -259°C\r\nВодородът е най-лекият'
[ "$(probe rows names | sed -n 1p | tr -d '\r')" = "[ ]" ] || fail "the played name is not blanked"
[ "$(probe rows temperatures | sed -n 2p | tr -d '\r')" = "[  ]" ] || fail "the played temperature is not blanked"
copy_box text >/dev/null
# Windows' clipboard holds the text exactly; Wine hands it to X with LF.
[ "$(probe clipboard)" = "$(box_hex)" ] || fail "the clipboard differs from the message box"
[ "$(xclip -o -selection clipboard)" = "$(box_hex | unhex | tr -d '\r')" ] || fail "X got other text than the box's"
echo "right pair by mouse, blanked, copied: ok"

# Sulfur is scrolled out of sight at first: the wheel brings it in.
pick temperatures 5                #  120°C
click_row names 9                  # Сяра
judged $'Вярно Сяра температура на топене  120°C\r\n'
echo "right pair in the other order, scrolled: ok"

pick names 2                       # Кислород
click_row temperatures 0           # -272°C
judged $'Грешен отговор за Кислород и температура на топене -272°C\r\n'
box_is $'Грешен отговор за Кислород и температура на топене -272°C\r\n' || fail "wrong pair: $(box_text)"
echo "wrong pair: ok"

# A played name has no melting point: wrong with any temperature.
pick names 0
click_row temperatures 3           # -219°C, oxygen's
judged $'Грешен отговор за   и температура на топене -219°C\r\n'
box_is $'Грешен отговор за   и температура на топене -219°C\r\n' || fail "played name: $(box_text)"
pick names 0
click_row temperatures 1
judged $'Грешен отговор за   и температура на топене   \r\n'
box_is $'Грешен отговор за   и температура на топене   \r\n' || fail "played rows: $(box_text)"
echo "played rows: ok"

# Restart: "Чисти" by mouse, with the temperatures scrolled to their end.
# Held down, the button shows its pressed colour.
pick temperatures 9
read -r x y <<<"${point[command]}"
xdotool mousemove "$x" "$y" mousedown 1
see command pressed
see command_edge pressed_edge
xdotool mouseup 1
wait_for 10 "the restart did not empty the box: $(box_text)" box_is ""
announced_once
[ "$(probe top temperatures)" = 0 ] || fail "after the restart the temperatures are not at their top"
[ "$(rows_of names)" = "$names" ] && [ "$(rows_of temperatures)" = "$temperatures" ] || fail "rows not restored"
selected_is names -1 && selected_is temperatures -1 || fail "a selection stayed after the restart"
see text_middle textbox
see command_focus focus
echo "restart by mouse, pressed colour: ok"

# ---- Keyboard play ------------------------------------------------------------
key() { xdotool key "$@"; }
key Tab
wait_for 10 "Tab from the button does not reach the message box" focus_is text
key Tab
wait_for 10 "Tab does not reach the names" focus_is names
selected_is names -1 || fail "focus entering the names selected a row"
see names_edge focus
key Tab
wait_for 10 "Tab does not reach the temperatures" focus_is temperatures
# From no selection the first arrow key selects the row with the focus
# mark, which a list filled anew has on its first row.
key Down
wait_for 10 "Down selected no temperature" selected_is temperatures 0
key Down
wait_for 10 "Down did not move to the next temperature" selected_is temperatures 1
key shift+Tab
wait_for 10 "Shift+Tab does not go back to the names" focus_is names
key Down
judged $'Вярно Водород температура на топене -259°C\r\n'
echo "arrows and Tab: ok"

# A typed character jumps to a row that starts with it; Space does not.
key Tab
wait_for 10 "Tab does not reach the temperatures" focus_is temperatures
key 3
wait_for 10 "typing 3 did not jump to 3500°C" selected_is temperatures 9
# Up after Space shows where Space left the selection: a jump to the
# first row starting with a blank would end on another row.
key space Up
wait_for 10 "Space moved the selection, or Up did not" selected_is temperatures 8
key End
wait_for 10 "End did not select the last temperature" selected_is temperatures 9
key shift+Tab
wait_for 10 "Shift+Tab does not go back to the names" focus_is names
# Wine takes X keys through its US table and gives no Cyrillic letters from
# them; the letter comes as the WM_CHAR a Bulgarian layout would give.
probe char names 'В'
judged $'Вярно Въглерод температура на топене 3500°C\r\n'
echo "typed characters: ok"

# Enter and Space press the button when it has the focus.
key Tab Tab
wait_for 10 "Tab does not reach the button" focus_is command
see command_focus focus
key Return
wait_for 10 "Enter did not restart" box_is ""
announced_once
[ "$(rows_of names)" = "$names" ] || fail "Enter did not restore the rows"
key shift+Tab
wait_for 10 "Shift+Tab does not reach the temperatures" focus_is temperatures
key Home
wait_for 10 "Home selected nothing" selected_is temperatures 0
key shift+Tab
wait_for 10 "Shift+Tab does not go back to the names" focus_is names
probe char names 'С'
judged $'Грешен отговор за Силиций и температура на топене -272°C\r\n'
key Tab Tab
wait_for 10 "Tab does not reach the button" focus_is command
key space
wait_for 10 "Space did not restart" box_is ""
announced_once
echo "Enter and Space on the button: ok"

# The list keys give what the shared rules give for the list as it is: the
# first key in a list filled anew, pages of the rows in sight less one, the
# ends, and a letter after a verdict. Where Windows' own list box differs
# (Ctrl with an arrow and Space where a row is selected, Left and Right,
# letters typed quickly), the
# top of ui/win32/window.h and docs/windows.md say so.
as_the_rules_say() {
  local list=$1 key=$2 expected
  expected=$(probe expect "$list" "$key" | tr -d '\r')
  key "$key"
  wait_for 10 "$key in $list did not select row $expected as the list keys say (it selected $(probe selected "$list"))" \
    selected_is "$list" "$expected"
}
key shift+Tab
wait_for 10 "Shift+Tab does not reach the temperatures" focus_is temperatures
for k in Next Next Next Prior Prior Down Down Up End Home Next; do as_the_rules_say temperatures "$k"; done
key shift+Tab
wait_for 10 "Shift+Tab does not go back to the names" focus_is names
# From a list with no selection End too lands on the first row.
[ "$(probe expect names End | tr -d '\r')" = 0 ] || fail "the list keys do not take End to the first name"
key End
judged $'Грешен отговор за Водород и температура на топене  650°C\r\n'
for k in Down Next; do as_the_rules_say names "$k"; done
echo "list keys as the shared rules say: ok"

# In a list with nothing selected the keys follow the shared rules, as in
# the other editions: Ctrl with an arrow, Home, End or a page key moves the
# focus mark alone, Space chooses the marked row, and where there is no mark
# (a list filled anew, or after a verdict) Space chooses nothing and the
# first key lands on the first row. So a pupil on the keyboard finds the
# second row of a pair without answering.
key Tab Tab
wait_for 10 "Tab does not reach the button" focus_is command
key Return
wait_for 10 "Enter did not restart" box_is ""
announced_once
key shift+Tab
wait_for 10 "Shift+Tab does not reach the temperatures" focus_is temperatures
caret_is() { [ "$(probe caret "$1" | tr -d '\r')" = "$2" ]; }
key space ctrl+Down
wait_for 10 "Ctrl+Down in a list filled anew did not mark its first row" caret_is temperatures 0
selected_is temperatures -1 || fail "Space or Ctrl+Down in a list filled anew chose a temperature"
key ctrl+End ctrl+Up
wait_for 10 "Ctrl+End and Ctrl+Up did not mark 1538°C" caret_is temperatures 8
selected_is temperatures -1 || fail "Ctrl+End or Ctrl+Up chose a temperature"
key space
wait_for 10 "Space did not choose the marked temperature, 1538°C" selected_is temperatures 8
key shift+Tab
wait_for 10 "Shift+Tab does not go back to the names" focus_is names
key ctrl+Next ctrl+Home ctrl+Down ctrl+Down ctrl+Down ctrl+Down ctrl+Down
wait_for 10 "Ctrl with Page Down, Home and Down did not mark Желязо" caret_is names 5
# A screen reader is told of the row the mark reached.
wait_for 10 "no focus event on the marked name" grep -q '^focus names 5' "$workdir/live.log"
box_is "" && selected_is names -1 || fail "Ctrl with Page Down, Home or Down chose a name: $(box_text)"
key space
judged $'Вярно Желязо температура на топене 1538°C\r\n'
# The verdict forgot the mark: Space chooses nothing, Ctrl+Down marks the
# first row again, and End after Ctrl moves chooses the last.
key space ctrl+Down
wait_for 10 "after the verdict Ctrl+Down did not mark the first name" caret_is names 0
selected_is names -1 || fail "Space after the verdict chose a name"
box_starts $'Вярно Желязо' || fail "Space after the verdict gave a verdict: $(box_text)"
key ctrl+Down End
wait_for 10 "End after Ctrl+Down did not choose the last name" selected_is names 9
echo "Ctrl moves the mark, Space chooses: ok"

# Every verdict and restart was announced once, and nothing more.
[ "$(grep -c '^live announcer' "$workdir/live.log")" -eq "$announced" ] ||
  fail "$(grep -c '^live announcer' "$workdir/live.log") announcements for $announced texts"

# Closing the window ends the program.
probe close
wait_for 30 "the program did not end when its window was closed" gone "$launched"
echo "1 passed, 0 failed"
