// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs first in the program's script (emscripten's --pre-js). The one-file
// page carries the WebAssembly in a block of its own, as text: a character
// a byte, the byte its value's low eight bits (finish_page.mjs). It is read
// and compiled only once the page's parsing is done, in a task of its own,
// so that the browser can paint the quiz the page has drawn first; the
// block is then let go. The site's page loads the .wasm file the runtime's
// own way.
/* global Module */
{
  const block = document.getElementById('t-wasm');
  if (block) {
    Module.instantiateWasm = (imports, receive) => {
      setTimeout(() => {
        const text = block.textContent;
        block.remove();
        const bytes = new Uint8Array(text.length);
        for (let i = 0; i < text.length; ++i) bytes[i] = text.charCodeAt(i) & 0xff;
        WebAssembly.instantiate(bytes, imports).then(
          (result) => receive(result.instance),
          // The quiz stays as the page drew it, not playable: say why.
          (error) => console.error(`Tarsomel: the program could not start: ${error}`),
        );
      });
      return {};
    };
  }
}
