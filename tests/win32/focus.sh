#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tarsomel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The keyboard focus comes back to the control that had it when the Windows
# edition is minimised and restored, or left for another window and
# activated again, under a window manager as on a desktop: after each, keys
# act on that control (an arrow selects its next row, Space presses the
# button) and the control shows its focus mark. A keyboard-only pupil is
# otherwise stuck with the focus on the window itself.
# Usage: focus.sh BUILD-DIR
source "$(dirname "$0")/wine.sh"
windows_edition "$1"
window_manager
start_window

probe() { wine_run 60 "$probe_exe" "$@" | tr -d '\r'; }
focus_is() { [ "$(probe focus)" = "$1" ]; }
selected_is() { [ "$(probe selected "$1")" = "$2" ]; }
unhex() { xxd -r -p; }
box_text() { probe text | unhex | tr '\r\n' '|~'; }
box_is() { [ "$(probe text)" = "$(printf '%s' "$1" | od -An -tx1 | tr -d ' \n')" ]; }
key() { xdotool key "$@"; }

# The points whose colour the design fixes, from the window's corner, which
# the window manager may move: the screenshot is taken by X's measure.
corner() { xdotool getwindowgeometry --shell "$win" | sed -n 's/^[XY]=//p' | paste -sd ' '; }
declare -A point
read -r x0 y0 <<<"$(corner)"
while read -r name x y; do point[$name]="$((x - x0)) $((y - y0))"; done < <(probe points)
focus_colour=$(probe colours | sed -n 's/^focus //p')
# has_mark POINT: whether a fresh screenshot shows the focus colour there.
has_mark() {
  import -window root "$workdir/shot.png"
  read -r x0 y0 <<<"$(corner)"
  read -r x y <<<"${point[$1]}"
  x=$((x0 + x)) y=$((y0 + y))
  [ "$(convert "$workdir/shot.png" -crop "1x1+$x+$y" -depth 8 \
    -format '%[fx:int(255*r+.5)],%[fx:int(255*g+.5)],%[fx:int(255*b+.5)]' info:)" = "$focus_colour" ]
}

# away_and_back HOW: minimises and restores the window, or activates
# another window and then this one again; in between the program has
# lost the focus altogether, so that it must give it back itself.
other=""
away_and_back() {
  if [ "$1" = minimise ]; then
    xdotool windowminimize --sync "$win"
  else
    if [ -z "$other" ]; then
      spawn "$workdir/other.log" xmessage -title "другият прозорец" -geometry 300x100+600+500 "другият прозорец"
      other=$(window_of "другият прозорец")
    fi
    xdotool windowactivate --sync "$other"
  fi
  wait_for 10 "the program kept the focus after the $1: $(probe focus)" focus_is none
  xdotool windowactivate --sync "$win"
}

key Tab
wait_for 10 "Tab does not reach the names" focus_is names
key Down
wait_for 10 "Down selected no name" selected_is names 0

away_and_back minimise
wait_for 10 "after minimise and restore the focus is not on the names: $(probe focus)" focus_is names
wait_for 10 "after minimise and restore the names show no focus mark" has_mark names_edge
key Down
wait_for 10 "after minimise and restore Down did not select the next name" selected_is names 1
echo "minimise and restore, names: ok"

away_and_back switch
wait_for 10 "back from another window the focus is not on the names: $(probe focus)" focus_is names
key Down
wait_for 10 "back from another window Down did not select the next name" selected_is names 2
echo "another window and back, names: ok"

key Tab
wait_for 10 "Tab does not reach the temperatures" focus_is temperatures
away_and_back minimise
wait_for 10 "after minimise and restore the focus is not on the temperatures: $(probe focus)" focus_is temperatures
key Down                                     # -272°C with Кислород
wait_for 10 "after minimise and restore Down did not play the pair: $(box_text)" \
  box_is $'Грешен отговор за Кислород и температура на топене -272°C\r\n'
echo "minimise and restore, temperatures: ok"

key Tab
wait_for 10 "Tab does not reach the button" focus_is command
away_and_back switch
wait_for 10 "back from another window the focus is not on the button: $(probe focus)" focus_is command
wait_for 10 "back from another window the button shows no focus mark" has_mark command_focus
key space
wait_for 10 "back from another window Space did not press the button: $(box_text)" box_is ""
echo "another window and back, button: ok"

probe close >/dev/null
wait_for 30 "the program did not end when its window was closed" gone "$launched"
echo "1 passed, 0 failed"
