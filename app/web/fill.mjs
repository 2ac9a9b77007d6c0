// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes `values` into a template's @NAME@ places: every place must have a
// value and every value a place, so that a misspelt name cannot pass.
export function fill(template, values, what) {
  const used = new Set();
  const filled = template.replace(/@([A-Za-z_]+)@/g, (place, name) => {
    if (!(name in values)) throw new Error(`${what}: no value for ${place}`);
    used.add(name);
    return values[name];
  });
  const unused = Object.keys(values).filter((name) => !used.has(name));
  if (unused.length) throw new Error(`${what}: no place for ${unused.join(', ')}`);
  return filled;
}

// Text for HTML, in an element or an attribute's quotes.
export const escape = (text) =>
  String(text).replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;').replace(/"/g, '&quot;');
