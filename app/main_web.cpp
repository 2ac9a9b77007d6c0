// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Tarsomel's entry point in a browser: prepares the page and makes the
// window; the browser's event loop runs it from then on.
#include "application.h"
#include "tarsomel_version.h"
#include "window.h"

// Lets anyone looking into the page's code tell which version it is.
[[gnu::used]] static const char kWhat[] = "@(#)Tarsomel " TARSOMEL_VERSION_STRING;

int main() {
  ui::web::PreparePage();
  // Lives as long as the page: the runtime stays after main returns.
  static ui::web::Tarsomel window;
  return 0;
}
