// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's side of the browser edition: what the C++ code calls in the
// browser. Linked in by emscripten (--js-library); each function is called
// from C++ by its name, and the C++ functions it calls back are exported
// with EMSCRIPTEN_KEEPALIVE.
/* global LibraryManager, mergeInto, Module, UTF8ToString, lengthBytesUTF8, stringToUTF8 */
mergeInto(LibraryManager.library, {
  // ---- The learning platform -------------------------------------------------
  // The SCORM 1.2 API an LMS offers as `API` on one of the page's windows.
  // It is kept on the module once found. Every call is guarded: a platform
  // that throws, or a parent window of another origin, must not stop the
  // quiz.
  tarsomel_lms_start: function () {
    const find = function (start) {
      let win = start;
      for (let tries = 0; win && tries < 500; ++tries) {
        try {
          if (win.API) return win.API;
        } catch (e) {
          // Another origin's window: look further up.
        }
        let parent = null;
        try {
          parent = win.parent;
        } catch (e) {
          return null;
        }
        if (!parent || parent === win) return null;
        win = parent;
      }
      return null;
    };
    let api = null;
    try {
      api = find(window) || (window.opener ? find(window.opener) : null);
    } catch (e) {
      return 0;
    }
    if (!api) return 0;
    try {
      if (String(api.LMSInitialize('')) !== 'true') return 0;
    } catch (e) {
      return 0;
    }
    Module.tarsomelLms = api;
    // Left: the session is finished; out of sight: saved.
    window.addEventListener('pagehide', function () {
      Module._tarsomel_lms_leave();
    });
    document.addEventListener('visibilitychange', function () {
      if (document.visibilityState === 'hidden') Module._tarsomel_lms_hidden();
    });
    return 1;
  },

  // The value of an element into `buffer`, as UTF-8; its length in bytes,
  // 0 when the call failed.
  tarsomel_lms_get: function (name, nameSize, buffer, bufferSize) {
    try {
      const value = Module.tarsomelLms.LMSGetValue(UTF8ToString(name, nameSize));
      const text = value === null || value === undefined ? '' : String(value);
      stringToUTF8(text, buffer, bufferSize);
      return Math.min(lengthBytesUTF8(text), bufferSize - 1);
    } catch (e) {
      return 0;
    }
  },

  tarsomel_lms_set: function (name, nameSize, value, valueSize) {
    try {
      const done = Module.tarsomelLms.LMSSetValue(UTF8ToString(name, nameSize), UTF8ToString(value, valueSize));
      return String(done) === 'true' ? 1 : 0;
    } catch (e) {
      return 0;
    }
  },

  tarsomel_lms_commit: function () {
    try {
      return String(Module.tarsomelLms.LMSCommit('')) === 'true' ? 1 : 0;
    } catch (e) {
      return 0;
    }
  },

  tarsomel_lms_finish: function () {
    try {
      return String(Module.tarsomelLms.LMSFinish('')) === 'true' ? 1 : 0;
    } catch (e) {
      return 0;
    }
  },

  // The local clock's time of day, in seconds since midnight.
  tarsomel_time_of_day: function () {
    const now = new Date();
    return now.getHours() * 3600 + now.getMinutes() * 60 + now.getSeconds() + now.getMilliseconds() / 1000;
  },
});
