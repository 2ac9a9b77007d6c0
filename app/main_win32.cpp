// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Tarsomel's entry point on Windows: opens the window and runs the message
// loop until the window is closed.
#include <windows.h>

#include "application.h"
#include "resource.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show_command) {
  return ui::win32::Run(instance, TARSOMEL_ICON, show_command);
}
