# SPDX-FileCopyrightText: 2026 Tarsomel developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Checks the icon an X window shows against the icon's source.

Usage: window_icon.py XPROP-OUTPUT RGBA-FILE SIZE
XPROP-OUTPUT is `xprop -notype -id WINDOW 32c _NET_WM_ICON`; RGBA-FILE holds
the source icon at SIZE x SIZE as 8-bit RGBA. Exits 0 when the window has an
image of that size with the same pixels (transparent ones compared as
transparent) and also a 16 x 16 one, as the small icon of a title bar.
"""
import sys

listing, rgba_path, size = sys.argv[1], sys.argv[2], int(sys.argv[3])
text = open(listing, encoding="ascii").read()
if "=" not in text:
    sys.exit(f"the window has no icon: {text.strip()}")
values = [int(v) for v in text.split("=", 1)[1].replace(",", " ").split()]
images = {}
at = 0
while at + 2 <= len(values):
    width, height = values[at], values[at + 1]
    images[(width, height)] = values[at + 2 : at + 2 + width * height]
    at += 2 + width * height

raw = open(rgba_path, "rb").read()
source = []
for k in range(0, len(raw), 4):
    r, g, b, a = raw[k : k + 4]
    source.append((a << 24 | r << 16 | g << 8 | b) if a else 0)
shown = [v if v >> 24 else 0 for v in images.get((size, size), [])]
if shown != source:
    sys.exit(f"the window's {size} x {size} icon is not the program's (sizes shown: {sorted(images)})")
if (16, 16) not in images:
    sys.exit(f"no small icon (sizes shown: {sorted(images)})")
