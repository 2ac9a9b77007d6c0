#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tarsomel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# A storm of seeded random pupil input on the Windows edition under Wine, in
# real X events: clicks, double clicks, drags, right-click menus, the wheel,
# keys, typing and pastes. After every event storm.py compares what the
# program shows with what an independent model of the game allows; it
# prints the seed on failure, so that a storm can be played again.
# Usage: storm.sh BUILD-DIR EVENTS SEED
source "$(dirname "$0")/wine.sh"
events=$2 seed=$3
windows_edition "$1"
start_window

/usr/bin/python3 "$(dirname "$0")/storm.py" --wine "$wine" --probe "$probe_exe" --pid "$launched" \
  --events "$events" --seed "$seed" || {
  status=$?
  # What the screen showed (a crash dialog, say) and what Wine said.
  shot="${TMPDIR:-/tmp}/tarsomel-storm-$seed.png"
  import -window root "$shot" 2>/dev/null && echo "the screen at the failure: $shot" >&2
  tail -n 20 "$workdir/program.log" >&2
  exit "$status"
}
