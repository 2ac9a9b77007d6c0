#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tarsomel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# A blind pupil's game in the browser: the one-file page in Chromium (its
# accessibility switched on, as for a screen reader) under Debian's Orca, in
# a private desktop session, played with the keyboard alone. What Orca says
# after each key is read from its debug log and checked against the design
# (tests/web/model.cpp): the lists' names, the rows, temperatures in words,
# each verdict once, the played rows, the restart, and never a sign or unit
# the Bulgarian voice cannot read.
source "$(dirname "$0")/../support/session.sh"
build=$1
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../support/orca.sh"

# The words to listen for, from the design and the in-memory window.
model() { node --no-experimental-fetch "$build/tests/web/web_model.js" "$@"; }
json() { python3 -c 'import json, sys; d = json.load(sys.stdin); print(eval(sys.argv[1], {"d": d}))' "$1"; }
design=$(model design)
spoken() { json "$1" <<<"$design"; }
names=$(spoken 'd["spoken"]["names"]["name"]')
temperatures=$(spoken 'd["spoken"]["temperatures"]["name"]')
played=$(spoken 'd["playedRowSpoken"]')
restart=$(spoken 'd["restartSpoken"]')
row_words() { spoken "d[\"spokenRows\"][d[\"$1\"][$2]]"; }
# The game: Хелий (Down, Down), its temperature (Down: right), then
# Водород with a wrong one; the announcements the in-memory window makes.
game=$(model play --sight 7 k0:down k0:down k1:down k1:down k1:down k1:down k0:down r)
said_after() { json "d[$1]['said']['first']" <<<"$game"; }
right=$(said_after 2)
wrong=$(said_after 6)
paragraph=$(json "d[2]['said']['rest']" <<<"$game")

settle 0 "ORCA: Starting registry"
from=$(size)
profile="$workdir/chromium-profile"
launch chromium --no-sandbox --disable-gpu --disable-background-networking --disable-component-update \
  --disable-sync --no-first-run --disable-quic --disable-default-apps --no-default-browser-check \
  --disable-features=Translate \
  --force-renderer-accessibility --user-data-dir="$profile" --window-size=800,600 --lang=bg \
  "file://$(realpath "$build/tarsomel.html")"
win=$(window_of)
xdotool windowfocus --sync "$win" || true
settle "$from" "SPEECH OUTPUT: '.*Съобщение"
said=$(spoken_since "$from")
echo "start: $(tr '\n' '|' <<<"$said")"

step="Tab into the names"; press Tab
heard_part "$names"
step="Down"; press Down
heard_part "$(row_words names 0)"
step="Down"; press Down
heard_part "$(row_words names 1)"
step="Tab to the temperatures"; press Tab
heard_part "$temperatures"
# The key that completes a right pair: the row and the verdict once, in
# words, then the paragraph.
helium=$(row_words temperatures 0)
[ "$helium" = "минус двеста седемдесет и два градуса Целзий" ] || fail "-272°C is said as \"$helium\""
grep -q -F "Вярно Хелий температура на топене $helium" <<<"$right" || fail "helium's verdict is \"$right\""
step="Down (right for the name chosen)"; press Down
heard_once "$right"
heard_part "$(cut -c1-40 <<<"$paragraph")"
step="Down (a played row)"; press Down
heard_part "$played"
not_heard "Вярно"
not_heard "Грешен"
step="Down"; press Down
heard_part "$(row_words temperatures 1)"
step="Down"; press Down
heard_part "$(row_words temperatures 2)"
step="Shift+Tab back to the names"; press shift+Tab
heard_part "$names"
# The key that completes a wrong pair: the row and the verdict, once.
step="Down (wrong with the temperature chosen)"; press Down
heard_once "$wrong"
step="Tab"; press Tab
step="Tab to the button"; press Tab
heard_part "Чисти"
step="Space on Чисти"; press space
heard_once "$restart"
step="Shift+Tab twice, Down"; press shift+Tab shift+Tab Down
heard_part "$(row_words names 0)"
not_heard "$played"
# Whatever was announced, the voice got words: no degree sign, no percent.
never_heard "°C"
never_heard "%"

kill -0 "$launched" || fail "Chromium has gone"
kill -0 "$orca" || fail "Orca has gone: $(tail -n 5 "$workdir/orca.out")"
echo "1 passed, 0 failed"
