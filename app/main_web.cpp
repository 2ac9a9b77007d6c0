// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Tarsomel's entry point in a browser: connects to the learning platform
// the page was opened from, if any, and takes over the window the page has
// drawn; the browser's event loop runs it from then on.
#include "lms.h"
#include "tarsomel_version.h"
#include "window.h"

// Lets anyone looking into the page's code tell which version it is.
[[gnu::used]] static const char kWhat[] = "@(#)Tarsomel " TARSOMEL_VERSION_STRING;

int main() {
  // Both live as long as the page: the runtime stays after main returns.
  // The platform first, so that the session starts with the page.
  static ui::web::LearningPlatform platform;
  static ui::web::Tarsomel tarsomel;
  tarsomel.Observe([](const ui::Outcome& outcome) { platform.Observe(outcome); });
  return 0;
}
