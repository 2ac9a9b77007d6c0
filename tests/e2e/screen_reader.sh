#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tarsomel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# A blind pupil's game: the real program under Debian's screen reader Orca,
# played with the keyboard alone, in a private desktop session with
# speech-dispatcher on its dummy output (no sound card needed). What Orca
# says after each key is read from its debug log ("SPEECH OUTPUT" lines) and
# checked: the rows, the verdict once and whole with the row that brought
# it, the played rows, the restart, and never a sign or unit the Bulgarian
# voice cannot read.
# Usage: screen_reader.sh PROGRAM SPOKEN_FORMS
source "$(dirname "$0")/../support/session.sh"
program=$1
spoken_forms=$2
source "$(dirname "$0")/../support/orca.sh"
# How the shared design says a row.
words() { "$spoken_forms" row "$1"; }

settle 0 "ORCA: Starting registry"
from=$(size)
launch "$program"
win=$(window_of)
xdotool windowfocus --sync "$win"
settle "$from" "SPEECH OUTPUT: 'Съобщение"
said=$(spoken_since "$from")
echo "start: $(tr '\n' '|' <<<"$said")"
grep -q -F "Съобщение" <<<"$said" || fail "the message box was not named at start"

step="Tab into the names"; press Tab
heard "Химически елемент."
not_heard "Вярно"
step="Down"; press Down
heard "Водород."
step="Down"; press Down
heard "Хелий."
step="Tab to the temperatures"; press Tab
heard "Точка на топене."
# The key that completes a right pair: the row, the verdict once, the paragraph.
# Temperatures are heard in words, sign and unit included: the synthesiser
# would drop the minus and the degree sign and read C as a Latin letter.
helium=$(words "-272°C")
[ "$helium" = "минус двеста седемдесет и два градуса Целзий" ] || fail "-272°C is said as \"$helium\""
step="Down (-272°C, right for helium)"; press Down
heard_once "Вярно Хелий температура на топене $helium"
heard "notification $helium. Вярно Хелий температура на топене $helium."
heard_once "Името на хелия идва от гръцката дума „хелиос“"
step="Down (a played row)"; press Down
heard "празен ред."
not_heard "Вярно"
not_heard "Грешен"
step="Down (a marked temperature row)"; press Down
heard "$(words "-259°C")."
step="Down"; press Down
heard "$(words "-249°C")."
step="Shift+Tab back to the names"; press shift+Tab
heard "Химически елемент."
# The key that completes a wrong pair: the row and the verdict, once.
step="Down (Водород, wrong with -249°C)"; press Down
heard "notification Водород. Грешен отговор за Водород и температура на топене $(words "-249°C")."
heard_once "Грешен отговор"
step="Down (a played name row, alone)"; press Down
heard "празен ред."
not_heard "Грешен"
step="Tab"; press Tab
step="Tab to the button"; press Tab
heard "Чисти push button."
step="Space on Чисти"; press space
heard "notification Отначало: двата списъка са попълнени отново, съобщението е изчистено."
step="Shift+Tab twice, Down"; press shift+Tab shift+Tab Down
heard "Водород."
not_heard "празен ред"
# Carbon's right pair: its paragraph says why 3500 °C is a conventional value,
# in words too.
step="Down three times"; press Down Down Down
heard "Въглерод."
step="Tab"; press Tab
# From a list with no mark every key lands on the first row: the mark goes
# there first, then to the last row, and Space selects it.
step="Ctrl+End twice, Space (3500°C, right for carbon)"; press ctrl+End ctrl+End space
heard_once "Вярно Въглерод температура на топене $(words "3500°C")"
heard_part "Стойността $(words "3500°C") в теста е условна"
# Whatever was announced, the voice got words: no degree sign, no percent.
never_heard "°C"
never_heard "%"

kill -0 "$launched" || fail "the program has gone"
kill -0 "$orca" || fail "Orca has gone: $(tail -n 5 "$workdir/orca.out")"
echo "1 passed, 0 failed"
