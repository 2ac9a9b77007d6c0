// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs first in the program's script (emscripten's --pre-js). The one-file
// page carries the WebAssembly in a block of its own, as text: a character
// a byte, the byte its value's low eight bits (finish_page.mjs). It is read,
// the block let go, and compiled at once: the page is drawn already, and the
// few milliseconds this takes let the program take it over before the
// browser's first frame, as a compilation off the page's thread would not.
// The site's page loads the .wasm file the runtime's own way.
/* global Module */
{
  const block = document.getElementById('t-wasm');
  if (block) {
    Module.instantiateWasm = (imports, receive) => {
      const text = block.textContent;
      block.remove();
      const bytes = new Uint8Array(text.length);
      for (let i = 0; i < text.length; ++i) bytes[i] = text.charCodeAt(i) & 0xff;
      const instance = new WebAssembly.Instance(new WebAssembly.Module(bytes), imports);
      receive(instance);
      return instance.exports;
    };
  }
}
