#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tarsomel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The Windows edition in a theme of light text on dark, as Windows' dark
# high-contrast themes set its colours: the labels and "Чисти" keep their
# own light colours, so their text must keep the design's dark colour, not
# take the theme's light one.
# Usage: theme.sh BUILD-DIR
source "$(dirname "$0")/wine.sh"
windows_edition "$1"
for colour in 'Window 0 0 0' 'WindowText 255 255 255' 'ButtonFace 0 0 0' 'ButtonText 255 255 255'; do
  read -r name rgb <<<"$colour"
  wine_run 60 reg add 'HKCU\Control Panel\Colors' /v "$name" /t REG_SZ /d "$rgb" /f >/dev/null 2>&1 ||
    fail "cannot set the theme's $name"
done
# Wine reads the colours as its session starts: a new one.
"$wineserver" -k
timeout 60 "$wineserver" -w || fail "Wine's server did not end"
"$wineserver" -p || fail "no wineserver"
start_window

probe() { wine_run 60 "$probe_exe" "$@"; }
colours=$(probe colours | tr -d '\r')
[ "$(sed -n 's/^system_text //p' <<<"$colours")" = 255,255,255 ] ||
  fail "the theme's text colour did not take: $colours"
IFS=, read -r r g b < <(sed -n 's/^text //p' <<<"$colours")
ink=$(printf '#%02X%02X%02X' "$r" "$g" "$b")
wait_for 30 "the window is not drawn" probe settled
# inked CONTROL: how many of the control's pixels, in the last screenshot,
# are in the design's text colour.
inked() {
  local x y w h
  read -r x y w h < <(probe box "$1" | tr -d '\r')
  convert "$workdir/shot.png" -crop "${w}x${h}+${x}+${y}" -depth 8 txt:- | grep -c -F " $ink " || true
}
all_inked() {
  import -window root "$workdir/shot.png"
  for control in label0 label1 label2 command; do
    [ "$(inked "$control")" -gt 0 ] || return 1
  done
}
wait_for 20 "in a light-text theme a label or the button shows no text in the design's colour $ink" all_inked
echo "ok: in a light-text theme the labels and the button show their text in the design's colour"
