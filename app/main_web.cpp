// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Tarsomel's entry point in a browser: prepares the page, connects to the
// learning platform it was opened from, if any, and makes the window; the
// browser's event loop runs it from then on.
#include <emscripten/emscripten.h>

#include "application.h"
#include "lms.h"
#include "tarsomel_version.h"
#include "window.h"

// Lets anyone looking into the page's code tell which version it is.
[[gnu::used]] static const char kWhat[] = "@(#)Tarsomel " TARSOMEL_VERSION_STRING;

// The one-file page carries its WebAssembly as base64 text, which the
// runtime keeps in a variable; once compiled it is needed no more.
// clang-format off
EM_JS(void, web_forget_binary, (), {
  if (typeof wasmBinaryFile == "string" && wasmBinaryFile.startsWith("data:")) wasmBinaryFile = "";
});
// clang-format on

int main() {
  ui::web::PreparePage();
  // Both live as long as the page: the runtime stays after main returns.
  // The platform first, so that the session starts with the page.
  static ui::web::LearningPlatform platform;
  static ui::web::Tarsomel tarsomel;
  tarsomel.Observe([](const ui::Outcome& outcome) { platform.Observe(outcome); });
  web_forget_binary();
  return 0;
}
