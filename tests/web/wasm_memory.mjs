// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's WebAssembly memory, which the program keeps out of the page's
// global names: an init script (page.addInitScript(keepWasmMemories)) notes
// every memory an instance made in the page exports, and wasmMemoryBytes
// reads their size.
export function keepWasmMemories() {
  const kept = [];
  Object.defineProperty(window, 'tarsomelWasmMemories', { value: kept });
  const note = (instance) => {
    for (const value of Object.values(instance.exports)) if (value instanceof WebAssembly.Memory) kept.push(value);
    return instance;
  };
  const Instance = WebAssembly.Instance;
  WebAssembly.Instance = function (module, imports) {
    return note(new Instance(module, imports));
  };
  WebAssembly.Instance.prototype = Instance.prototype;
  for (const name of ['instantiate', 'instantiateStreaming']) {
    const original = WebAssembly[name];
    WebAssembly[name] = function (...args) {
      return original.apply(this, args).then((result) => {
        note(result instanceof Instance ? result : result.instance);
        return result;
      });
    };
  }
}

export const wasmMemoryBytes = (page) =>
  page.evaluate(() => window.tarsomelWasmMemories.reduce((sum, memory) => sum + memory.buffer.byteLength, 0));
