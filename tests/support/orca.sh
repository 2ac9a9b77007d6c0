#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tarsomel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Sourced after session.sh by a screen-reader test: the accessibility bus,
# speech-dispatcher on its dummy output (no sound card), Debian's Orca with
# settings of its own (speech on, braille and sounds off) writing a debug
# log, and how to read that log: `press` presses keys and keeps what Orca
# said after them in `said`; `heard` (a whole utterance), `heard_part`,
# `heard_once` and `not_heard` check it, and `never_heard` checks all it
# said since the first key.
e2e_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/../e2e" && pwd)
start_accessibility

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
wait_for 20 "speech-dispatcher did not start: $(cat "$workdir/speechd.out" 2>/dev/null)" test -S "$XDG_RUNTIME_DIR/speechd.sock"

cat >"$workdir/orca/user-settings.conf" <<'CONF'
{"general": {"startingProfile": ["Default", "default"], "activeProfile": ["Default", "default"],
  "profile": ["Default", "default"], "enableSpeech": true, "speechServerFactory": "speechdispatcherfactory",
  "enableBraille": false, "enableSound": false},
 "profiles": {"default": {"profile": ["Default", "default"], "pronunciations": {}, "keybindings": {}}},
 "pronunciations": {}, "keybindings": {}}
CONF
log="$workdir/orca-debug.log"
GSETTINGS_BACKEND=memory NO_AT_BRIDGE=1 spawn "$workdir/orca.out" \
  /usr/bin/python3 "$e2e_dir/orca_launch.py" --user-prefs="$workdir/orca" --debug-file="$log"
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
  while [ $((($(date +%s%N) - last_change) / 1000000)) -lt 700 ]; do
    [ "$SECONDS" -lt "$deadline" ] || fail "Orca never fell silent"
    sleep 0.05
    if [ "$(size)" != "$last_size" ]; then
      last_size=$(size)
      last_change=$(date +%s%N)
    fi
  done
}
spoken_since() { /usr/bin/python3 "$e2e_dir/orca_speech.py" "$log" "$1" "$(size)" | sed -n 's/^[^ ]* SAY //p'; }

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
heard_part() { grep -q -F -- "$1" <<<"$said" || fail "after '$step' Orca did not say \"$1\"; it said: $said"; }
heard_once() {
  local count
  count=$(grep -c -F -- "$1" <<<"$said" || true)
  [ "$count" -eq 1 ] || fail "after '$step' \"$1\" was said $count times: $said"
}
not_heard() { ! grep -q -F -- "$1" <<<"$said" || fail "after '$step' Orca said \"$1\": $said"; }
# never_heard TEXT: nothing Orca said after any key held TEXT.
never_heard() {
  ! grep -F -- "$1" "$transcript" || fail "Orca said \"$1\" (above), which the voice cannot read"
}
