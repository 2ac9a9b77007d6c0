#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tarsomel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# A blind pupil's game: the real program under Debian's screen reader Orca,
# played with the keyboard alone, in a private desktop session with
# speech-dispatcher on its dummy output (no sound card needed). What Orca
# says after each key is read from its debug log ("SPEECH OUTPUT" lines) and
# checked: the rows, the verdict once and whole with the row that brought
# it, the played rows, the restart.
source "$(dirname "$0")/../support/session.sh"
program=$1
here=$(cd "$(dirname "$0")" && pwd)
start_accessibility

# Speech: speech-dispatcher with the dummy module, playing into libao's null
# driver, on a private socket.
mkdir -p "$workdir/speechd" "$workdir/speechd-logs" "$workdir/orca"
cat >"$workdir/speechd/speechd.conf" <<'CONF'
LogLevel 3
DefaultModule dummy
AddModule "dummy" "sd_dummy" ""
AudioOutputMethod "libao"
CONF
echo "default_driver=null" >"$HOME/.libao"
export SPEECHD_ADDRESS="unix_socket:$XDG_RUNTIME_DIR/speechd.sock"
spawn "$workdir/speechd.out" speech-dispatcher -s -t 0 -C "$workdir/speechd" -c unix_socket \
  -S "$XDG_RUNTIME_DIR/speechd.sock" -L "$workdir/speechd-logs"
wait_for 20 "speech-dispatcher did not start: $(cat "$workdir/speechd.out")" test -S "$XDG_RUNTIME_DIR/speechd.sock"

# Orca with settings of its own: speech on, braille and sounds off, so it
# asks nothing at start.
cat >"$workdir/orca/user-settings.conf" <<'CONF'
{"general": {"startingProfile": ["Default", "default"], "activeProfile": ["Default", "default"],
  "profile": ["Default", "default"], "enableSpeech": true, "speechServerFactory": "speechdispatcherfactory",
  "enableBraille": false, "enableSound": false},
 "profiles": {"default": {"profile": ["Default", "default"], "pronunciations": {}, "keybindings": {}}},
 "pronunciations": {}, "keybindings": {}}
CONF
log="$workdir/orca-debug.log"
GSETTINGS_BACKEND=memory NO_AT_BRIDGE=1 spawn "$workdir/orca.out" \
  /usr/bin/python3 "$here/orca_launch.py" --user-prefs="$workdir/orca" --debug-file="$log"
orca=$spawned

size() { stat -c %s "$log" 2>/dev/null || echo 0; }
logged_since() { tail -c +$(($1 + 1)) "$log" 2>/dev/null | grep -q -E "$2"; }
# settle FROM PATTERN: waits until Orca has logged PATTERN after byte FROM and
# then written nothing for 0.7 s: it has said all it will say.
settle() {
  local from=$1 pattern=$2
  wait_for 30 "Orca never logged /$pattern/" logged_since "$from" "$pattern"
  local last_size last_change
  last_size=$(size)
  last_change=$(date +%s%N)
  local deadline=$((SECONDS + 30))
  while [ $(( ($(date +%s%N) - last_change) / 1000000 )) -lt 700 ]; do
    [ "$SECONDS" -lt "$deadline" ] || fail "Orca never fell silent"
    sleep 0.05
    if [ "$(size)" != "$last_size" ]; then last_size=$(size); last_change=$(date +%s%N); fi
  done
}
spoken_since() { /usr/bin/python3 "$here/orca_speech.py" "$log" "$1" "$(size)" | sed -n 's/^[^ ]* SAY //p'; }

settle 0 "ORCA: Starting registry"
from=$(size)
launch "$program"
win=$(window_of)
xdotool windowfocus --sync "$win"
settle "$from" "SPEECH OUTPUT: 'Съобщение"
said=$(spoken_since "$from")
echo "start: $(tr '\n' '|' <<<"$said")"
grep -q -F "Съобщение" <<<"$said" || fail "the message box was not named at start"

transcript="$workdir/transcript"
: >"$transcript"
# press KEYS...: presses the keys as the pupil would and keeps what Orca said.
press() {
  from=$(size)
  xdotool key --delay 60 "$@"
  settle "$from" "ATSPI_KEY_RELEASED_EVENT"
  said=$(spoken_since "$from")
  printf '%s → %s\n' "$*" "$(tr '\n' '|' <<<"$said")" | tee -a "$transcript"
}
heard() { grep -q -F -x -- "$1" <<<"$said" || fail "after '$step' Orca did not say \"$1\"; it said: $said"; }
heard_once() {
  local count
  count=$(grep -c -F -- "$1" <<<"$said" || true)
  [ "$count" -eq 1 ] || fail "after '$step' \"$1\" was said $count times: $said"
}
not_heard() { ! grep -q -F -- "$1" <<<"$said" || fail "after '$step' Orca said \"$1\": $said"; }

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
step="Down (-272°C, right for helium)"; press Down
heard_once "Вярно Хелий температура на топене минус 272 градуса Целзий"
heard "notification минус 272 градуса Целзий. Вярно Хелий температура на топене минус 272 градуса Целзий."
heard_once "Името на хелия идва от гръцката дума „хелиос“"
not_heard "°C"
step="Down (a played row)"; press Down
heard "празен ред."
not_heard "Вярно"
not_heard "Грешен"
step="Down (a marked temperature row)"; press Down
heard "минус 259 градуса Целзий."
not_heard "°C"
step="Down"; press Down
heard "минус 249 градуса Целзий."
step="Shift+Tab back to the names"; press shift+Tab
heard "Химически елемент."
# The key that completes a wrong pair: the row and the verdict, once.
step="Down (Водород, wrong with -249°C)"; press Down
heard "notification Водород. Грешен отговор за Водород и температура на топене минус 249 градуса Целзий."
heard_once "Грешен отговор"
not_heard "°C"
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

kill -0 "$launched" || fail "the program has gone"
kill -0 "$orca" || fail "Orca has gone: $(tail -n 5 "$workdir/orca.out")"
echo "1 passed, 0 failed"
