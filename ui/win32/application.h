// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the program sets up around its window on Windows: COM for the
// accessibility annotations, the window class with the program's icon, the
// face the window is drawn in, and the message loop.
#pragma once

#include <windows.h>

#include <string>

namespace ui::win32 {

// Registers the window class with the program's icon, large (title bar and
// task switcher) and small; once per process.
bool RegisterWindowClass(HINSTANCE instance, HICON icon, HICON small_icon);

// The design's face when it has Cyrillic; otherwise its fallback, drawn to
// the same measures (Wine has no Times New Roman); failing both, an empty
// name lets GDI pick any face with Cyrillic.
std::wstring CyrillicFace(HDC dc);

// Opens the window with the program's icon (resource `icon_id`) and runs the
// message loop until it is closed; returns the program's exit status.
int Run(HINSTANCE instance, int icon_id, int show_command);

}  // namespace ui::win32
