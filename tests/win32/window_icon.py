# SPDX-FileCopyrightText: 2026 Tarsomel developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Checks the icon an X window shows against the icon's source.

Usage: window_icon.py XPROP-OUTPUT RGBA-FILE DPI
XPROP-OUTPUT is `xprop -notype -id WINDOW 32c _NET_WM_ICON`; RGBA-FILE holds
the 32 x 32 source icon as 8-bit RGBA. At DPI the window must show a large
icon of 32 and a small one of 16 pixels scaled to that DPI, as Windows sizes
them, and the large one must be the source: pixel for pixel at 96 dpi, or
each pixel taken from the source pixel under it at other sizes.
"""
import sys

listing, rgba_path, dpi = sys.argv[1], sys.argv[2], int(sys.argv[3])
large, small = 32 * dpi // 96, 16 * dpi // 96
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
if (large, large) not in images or (small, small) not in images:
    sys.exit(f"no {large} and {small} pixel icons at {dpi} dpi (sizes shown: {sorted(images)})")

raw = open(rgba_path, "rb").read()
source = []
for k in range(0, len(raw), 4):
    r, g, b, a = raw[k : k + 4]
    source.append((a << 24 | r << 16 | g << 8 | b) if a else 0)
shown = [v if v >> 24 else 0 for v in images[(large, large)]]
expected = [source[(y * 32 // large) * 32 + x * 32 // large] for y in range(large) for x in range(large)]
differing = sum(1 for a, b in zip(shown, expected) if a != b)
if differing:
    sys.exit(f"{differing} of the window's {large} x {large} icon pixels are not the program's icon")
