#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tarsomel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Plays the built program in a private desktop session with real mouse
# clicks and keys: a right pair, a played pair, a restart and the same pair
# again, reading the message box back through the clipboard. Every position
# is taken from the window itself, through the accessibility bus; every wait
# is for a condition, bounded. Also types dead-key and Compose sequences into
# the message box, which must refuse them.
source "$(dirname "$0")/../support/session.sh"
program=$1
names="Химически елемент"
temperatures="Точка на топене"
box="Съобщение"
button="Чисти"

start_accessibility
# The toolkit's own compose support, as on a desktop without an input method.
export QT_IM_MODULE=compose
launch "$program"
win=$(window_of)
xdotool windowactivate --sync "$win" 2>/dev/null || xdotool windowfocus --sync "$win"

# The window as a screen reader sees it.
locate() { /usr/bin/python3 "$(dirname "$0")/atspi.py" "$@"; }
box_text() { locate text "$box"; }
box_starts() { [[ "$(box_text)" == "$1"* ]]; }
box_empty() { [ -z "$(box_text)" ]; }
box_selection_is() { [ "$(locate selection "$box")" = "$1" ]; }
box_selection_is_not() { [ "$(locate selection "$box")" != "$1" ]; }
first_row_visible() { locate row "$temperatures" 0 >/dev/null; }
first_line() { printf '%s\n' "$1" | head -n1; }

pick "$names" 0                   # Водород
click_row "$temperatures" 1       # -259°C: the pair is judged
wait_for 10 "no verdict after a right pair: $(box_text)" box_starts "Вярно Водород"
text=$(copy_box "$box")
[ "$(first_line "$text")" = "Вярно Водород температура на топене -259°C" ] || fail "verdict was: $text"
printf '%s\n' "$text" | sed -n 2p | grep -q '^Водородът е най-лекият' || fail "no description after the verdict: $text"
echo "right pair by mouse: ok"

# Sulfur is scrolled out of sight at first: the wheel brings it in.
click_row "$temperatures" 5       #  120°C
wait_for 10 "120°C was not selected" selected_is "$temperatures" 5
click_row "$names" 9              # Сяра
wait_for 10 "no verdict for sulfur: $(box_text)" box_starts "Вярно Сяра"
echo "right pair in the other order, scrolled: ok"

# The same hydrogen rows again are now two played rows.
pick "$names" 0
click_row "$temperatures" 1
wait_for 10 "no verdict for played rows" box_starts "Грешен"
[ "$(copy_box "$box")" = "Грешен отговор за   и температура на топене   " ] || fail "played rows gave: $(box_text)"
echo "played rows: ok"

# Dead keys and Compose write nothing into the message box.
before=$(box_text)
click_control "$box"
wait_for 10 "the click did not clear the box's selection" box_selection_is 0
xdotool key dead_acute e dead_grave a Multi_key apostrophe e Multi_key quotedbl u
xdotool type --delay 20 'xyz'
xdotool key BackSpace Delete ctrl+v ctrl+x ctrl+z
# A key the box does take: Ctrl+A selects its text; once that shows, every
# key sent before it has been handled too.
xdotool key ctrl+a
wait_for 10 "Ctrl+A selected nothing" box_selection_is_not 0
[ "$(box_text)" = "$before" ] || fail "the message box was written to: $(box_text)"
echo "dead keys, compose, typing, paste, cut, undo: refused"

# Restart: "Чисти" by mouse, with the temperatures scrolled to their end.
pick "$temperatures" 9
click_control "$button"
wait_for 10 "the box was not emptied by the restart" box_empty
wait_for 10 "after the restart the first temperature is scrolled out of sight" first_row_visible
pick "$names" 0
click_row "$temperatures" 1
wait_for 10 "the restart did not restore the rows: $(box_text)" box_starts "Вярно Водород"
echo "restart: ok"

kill -0 "$launched" || fail "the program has gone"
echo "1 passed, 0 failed"
