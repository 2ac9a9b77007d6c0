// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs first in the program's script (emscripten's --pre-js). The one-file
// page carries the WebAssembly in a block of its own, as text: a character
// a byte, the byte its value's low eight bits (finish_page.mjs). It is read
// by the browser's own calls where it has them (a loop of the script's own
// takes some milliseconds of the first frame), the block let go, and
// compiled at once: the page is drawn already, and the few milliseconds this
// takes let the program take it over before the browser's first frame, as a
// compilation off the page's thread would not. The site's page names its
// .wasm file in a preload link, so that it comes beside the script rather
// than after it (WebKit does not hand a preload to a fetch: there it comes
// twice, the second time when it did before); once it has come it is
// compiled at once too, whatever type the server gives the file (the
// runtime's streaming compilation wants application/wasm, and otherwise
// asks for the file again).
/* global Module, abort */
// A program that could not start, or whose runtime aborted, says so on the
// page (the line is hidden in the page's markup) instead of leaving a quiz
// that answers nothing. Its text is put in anew as it is shown, so that
// screen readers that miss an alert merely shown still read it.
const cannotStart = () => {
  const line = document.getElementById('t-cannot-start');
  if (!line) return;
  line.hidden = false;
  line.replaceChildren(line.textContent);
};
Module.onAbort = cannotStart;
// main returns and the page goes on: the runtime's way of saying so is to
// throw, which costs the start a millisecond. Only an error is thrown.
Module.quit = (status, toThrow) => {
  if (status === 0) return;
  cannotStart();
  throw toThrow;
};
{
  const block = document.getElementById('t-wasm');
  if (block) {
    Module.instantiateWasm = (imports, receive) => {
      let instance;
      try {
        const text = block.textContent;
        block.remove();
        let bytes;
        if (Uint8Array.fromBase64) {
          // The three moved characters put back, the text is Latin-1, which
          // btoa takes as bytes.
          const latin1 = text.replaceAll('\u0100', '\0').replaceAll('\u010d', '\r').replaceAll('\u013c', '<');
          bytes = Uint8Array.fromBase64(btoa(latin1));
        } else {
          bytes = new Uint8Array(text.length);
          for (let i = 0; i < text.length; ++i) bytes[i] = text.charCodeAt(i) & 0xff;
        }
        instance = new WebAssembly.Instance(new WebAssembly.Module(bytes), imports);
      } catch (error) {
        // Not read (a page served in another character set) or not compiled
        // (a browser whose policy forbids it): the runtime would only wait.
        abort(error);
      }
      receive(instance);
      return instance.exports;
    };
  }
  const preloaded = document.querySelector('link[rel=preload][as=fetch][type="application/wasm"]');
  if (!block && preloaded) {
    Module.instantiateWasm = (imports, receive) => {
      // The same request as the link's, so that the browser hands over what
      // it has fetched already.
      // Only a failure to fetch or compile is the runtime's abort; one in
      // the program's own start keeps its own error, as the runtime's own
      // loading leaves it.
      fetch(preloaded.href, { credentials: 'same-origin' })
        .then((response) => {
          if (!response.ok) throw new Error(`${preloaded.href}: ${response.status}`);
          return response.arrayBuffer();
        })
        .then((bytes) => new WebAssembly.Instance(new WebAssembly.Module(bytes), imports))
        .then(receive, abort);
      return {};
    };
  }
}
