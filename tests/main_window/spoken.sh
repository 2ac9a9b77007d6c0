#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tarsomel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Every announcement the game can make, read by Debian's Bulgarian voice
# (espeak-ng) as a screen reader would have it read: no switch to another
# language, no figure left for the voice to guess at, and no number in the
# neuter or feminine before "градус"/"градуса" ("две градуса").
# Usage: spoken.sh SPOKEN_FORMS
source "$(dirname "$0")/../support/basics.sh"
spoken_forms=$1
command -v espeak-ng >/dev/null || fail "espeak-ng is not installed (Debian package espeak-ng)"

mapfile -t all < <("$spoken_forms" all)
[ "${#all[@]}" -gt 200 ] || fail "only ${#all[@]} announcements"
failures=0
for said in "${all[@]}"; do
  problem=""
  phonemes=$(espeak-ng -v bg -q -x <<<"$said")
  grep -q '([a-z-]*)' <<<"$phonemes" && problem="the voice switched language: $(grep -o '([a-z-]*)[^ ]*' <<<"$phonemes" | head -n 3 | tr '\n' ' ')"
  grep -q '[0-9]' <<<"$said" && problem="${problem:+$problem; }a figure is left in it"
  grep -q -E '(^|[[:space:]])(две|едно|една)[[:space:]]+градуса?([[:space:][:punct:]]|$)' <<<"$said" &&
    problem="${problem:+$problem; }a neuter or feminine number before градус"
  if [ -n "$problem" ]; then
    echo "\"$said\": $problem" >&2
    failures=$((failures + 1))
  fi
done
[ "$failures" -eq 0 ] || fail "$failures of ${#all[@]} announcements would be read wrong"
echo "${#all[@]} announcements, each read in Bulgarian words"
