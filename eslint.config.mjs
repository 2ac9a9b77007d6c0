// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// How the tree's JavaScript is checked (test format.js): ESLint's
// recommended rules, with the globals of where each file runs.
import js from '@eslint/js';
import globals from 'globals';

export default [
  { ignores: ['build/**', 'node_modules/**'] },
  js.configs.recommended,
  {
    // Node scripts; the tests' and benchmarks' also hand functions to the page.
    files: ['**/*.mjs'],
    languageOptions: { ecmaVersion: 2023, sourceType: 'module', globals: { ...globals.node, ...globals.browser } },
  },
  {
    // Run in the page: the program's library and loader (emscripten's
    // runtime names are declared in each file), the site's installer, the
    // SCORM test's platform.
    files: ['ui/web/library.js', 'app/web/loader.js', 'app/web/install.js', 'tests/web/lms.js'],
    languageOptions: { ecmaVersion: 2023, sourceType: 'script', globals: globals.browser },
  },
  {
    files: ['app/web/sw.js'],
    languageOptions: { ecmaVersion: 2023, sourceType: 'script', globals: globals.serviceworker },
  },
];
