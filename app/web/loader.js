// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs first in the program's script (emscripten's --pre-js). The one-file
// page carries the WebAssembly in a block of its own, as base64 text, which
// is decoded here and the block let go; the runtime then compiles it off
// the page's way, as it does the site's .wasm file, so that the page is
// painted before the program takes it over.
/* global Module */
{
  const block = document.getElementById('t-wasm');
  if (block) {
    const text = atob(block.textContent);
    const bytes = new Uint8Array(text.length);
    for (let i = 0; i < text.length; ++i) bytes[i] = text.charCodeAt(i);
    block.remove();
    Module.wasmBinary = bytes;
  }
}
