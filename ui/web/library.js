// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's side of the browser edition: everything the C++ code asks of
// the browser. Linked in by emscripten (--js-library); each function is
// called from C++ by its name, and the C++ functions it calls back are
// exported with EMSCRIPTEN_KEEPALIVE. The page draws the window itself
// (its markup is written from the design when the program is built): the
// layer finds the elements it works with and keeps them in one array, by
// number; text crosses as UTF-8 with its length.
//
// An element is looked up the first time it is used, not when the program
// is given its number: a script that holds an element of a kind holds that
// kind's whole interface (the message box's, the button's: some kilobytes
// each), and until the pupil plays, the page stays as drawn. So the button's
// clicks and the edits the message box refuses are heard on the document.
/* global LibraryManager, mergeInto, Module, UTF8ToString, lengthBytesUTF8, stringToUTF8, stackAlloc, stackSave, stackRestore, tarsomelElements, tarsomelElement */
mergeInto(LibraryManager.library, {
  // ---- The page's elements ---------------------------------------------------
  // Each an element, or the function that looks it up by its number.
  $tarsomelElements: [],

  $tarsomelElement__deps: ['$tarsomelElements'],
  $tarsomelElement: function (number) {
    let element = tarsomelElements[number];
    if (typeof element === 'function') element = tarsomelElements[number] = element(number);
    return element;
  },

  tarsomel_find__deps: ['$tarsomelElements'],
  tarsomel_find: function (selector, size) {
    const wanted = UTF8ToString(selector, size);
    tarsomelElements.push(function () {
      const element = document.querySelector(wanted);
      if (!element) throw new Error(`the page has no ${wanted}`);
      return element;
    });
    return tarsomelElements.length - 1;
  },

  // A list's drawn rows and the two parts of each (what it shows, what a
  // screen reader reads), three elements a row from the number returned,
  // in one call.
  tarsomel_rows__deps: ['$tarsomelElements', '$tarsomelElement'],
  tarsomel_rows: function (list, count) {
    const first = tarsomelElements.length;
    // The list's rows all at once, the first time one of them is used.
    const lookUp = function (number) {
      const rows = tarsomelElement(list).children;
      for (let i = 0; i < count; ++i) {
        tarsomelElements[first + 3 * i] = rows[i];
        tarsomelElements[first + 3 * i + 1] = rows[i].children[0];
        tarsomelElements[first + 3 * i + 2] = rows[i].children[1];
      }
      return tarsomelElements[number];
    };
    for (let i = 0; i < 3 * count; ++i) tarsomelElements.push(lookUp);
    return first;
  },

  tarsomel_create__deps: ['$tarsomelElements', '$tarsomelElement'],
  tarsomel_create: function (tag, tagSize, parent) {
    const element = document.createElement(UTF8ToString(tag, tagSize));
    tarsomelElement(parent).appendChild(element);
    tarsomelElements.push(element);
    return tarsomelElements.length - 1;
  },

  tarsomel_set_attribute__deps: ['$tarsomelElement'],
  tarsomel_set_attribute: function (element, name, nameSize, value, valueSize) {
    tarsomelElement(element).setAttribute(UTF8ToString(name, nameSize), UTF8ToString(value, valueSize));
  },

  tarsomel_remove_attribute__deps: ['$tarsomelElement'],
  tarsomel_remove_attribute: function (element, name, nameSize) {
    tarsomelElement(element).removeAttribute(UTF8ToString(name, nameSize));
  },

  tarsomel_set_class__deps: ['$tarsomelElement'],
  tarsomel_set_class: function (element, name, size, on) {
    tarsomelElement(element).classList.toggle(UTF8ToString(name, size), !!on);
  },

  // The element's text as a text node: nothing in it is taken as markup.
  tarsomel_set_text__deps: ['$tarsomelElement'],
  tarsomel_set_text: function (element, text, size) {
    tarsomelElement(element).textContent = UTF8ToString(text, size);
  },

  tarsomel_detach__deps: ['$tarsomelElement'],
  tarsomel_detach: function (element) {
    tarsomelElement(element).remove();
  },

  tarsomel_append__deps: ['$tarsomelElement'],
  tarsomel_append: function (parent, element) {
    tarsomelElement(parent).appendChild(tarsomelElement(element));
  },

  // The page's markup gives the element the focus (autofocus) when the
  // browser first draws it; where it did not (a frame of another site, say),
  // the element is focused then, unless the pupil has put the focus
  // somewhere already. Asked for now, the focus would make the browser lay
  // the page out at once, before its first frame. (Asked of the root, not
  // of document.activeElement, which would hand over the focused element.)
  tarsomel_focus_first__deps: ['$tarsomelElement'],
  tarsomel_focus_first: function (element) {
    requestAnimationFrame(function () {
      if (!document.documentElement.matches(':focus-within')) tarsomelElement(element).focus();
    });
  },

  // ---- The client area fitted to the screen ----------------------------------
  // On a screen narrower or lower than the client area (`width` × `height`
  // CSS pixels) the client area is scaled down to fit, proportions kept,
  // and the frame takes the scaled size; otherwise both keep the size the
  // page drew them with. Again whenever the page's size changes: a turned
  // phone, the browser's zoom. The root's client size is the layout
  // viewport's, without scroll bars.
  tarsomel_fit_to_screen__deps: ['$tarsomelElement'],
  tarsomel_fit_to_screen: function (frameElement, clientElement, width, height) {
    const frame = tarsomelElement(frameElement);
    const client = tarsomelElement(clientElement);
    const root = document.documentElement;
    let roomWidth = -1;
    let roomHeight = -1;
    const apply = function () {
      const scale = Math.min(1, roomWidth / width, roomHeight / height);
      const transform = scale < 1 ? `scale(${scale})` : '';
      // Written only when changed: the page as drawn stays as it is.
      if (client.style.transform !== transform) client.style.transform = transform;
      const frameWidth = `${width * scale}px`;
      const frameHeight = `${height * scale}px`;
      if (frame.style.width !== frameWidth) frame.style.width = frameWidth;
      if (frame.style.height !== frameHeight) frame.style.height = frameHeight;
    };
    const fit = function () {
      // A new fit can bring or take away the page's scroll bar, which
      // changes the room again with no event of its own: fitted until it
      // holds.
      for (let tries = 0; tries < 3 && (root.clientWidth !== roomWidth || root.clientHeight !== roomHeight); ++tries) {
        roomWidth = root.clientWidth;
        roomHeight = root.clientHeight;
        apply();
      }
    };
    // A turned phone's browser may tell of it before its layout viewport
    // has settled, or through the visual viewport alone: again on the next
    // frame.
    const changed = function () {
      fit();
      requestAnimationFrame(fit);
    };
    window.addEventListener('resize', changed);
    if (window.visualViewport) window.visualViewport.addEventListener('resize', changed);
    // The first fit in the first frame, before it is drawn: asking for the
    // room now would lay the page out at once, in the middle of its parsing.
    requestAnimationFrame(fit);
  },

  // ---- The pupil's clicks, taps and keys -------------------------------------
  tarsomel_listen_list__deps: ['$tarsomelElement'],
  tarsomel_listen_list: function (list, index) {
    const element = tarsomelElement(list);
    element.addEventListener('click', function (event) {
      const row = event.target.closest('[role=option]');
      if (!row || row.parentElement !== element) return;
      Module._tarsomel_row_clicked(index, Array.prototype.indexOf.call(element.children, row));
    });
    element.addEventListener('keydown', function (event) {
      if (event.isComposing) return;
      const key = event.key || '';
      const size = lengthBytesUTF8(key) + 1;
      // A browser event is outside any call of the program: nothing else
      // would give the key's bytes back to the stack.
      const stack = stackSave();
      try {
        const text = stackAlloc(size);
        stringToUTF8(key, text, size);
        if (Module._tarsomel_list_key(index, text, event.ctrlKey, event.altKey || event.metaKey))
          event.preventDefault();
      } finally {
        stackRestore(stack);
      }
    });
  },

  tarsomel_listen_command__deps: ['$tarsomelElement'],
  tarsomel_listen_command: function (command) {
    document.addEventListener('click', function (event) {
      if (tarsomelElement(command).contains(event.target)) Module._tarsomel_command();
    });
  },

  // ---- The lists -------------------------------------------------------------
  tarsomel_rows_in_sight__deps: ['$tarsomelElement'],
  tarsomel_rows_in_sight: function (list) {
    const element = tarsomelElement(list);
    const row = element.firstElementChild;
    return row && row.offsetHeight > 0 ? Math.floor(element.clientHeight / row.offsetHeight) : 1;
  },

  // Only the list scrolls, never the page around it.
  tarsomel_scroll_to__deps: ['$tarsomelElement'],
  tarsomel_scroll_to: function (list, row) {
    const box = tarsomelElement(list);
    const shown = tarsomelElement(row);
    if (shown.offsetTop < box.scrollTop) {
      box.scrollTop = shown.offsetTop;
    } else if (shown.offsetTop + shown.offsetHeight > box.scrollTop + box.clientHeight) {
      box.scrollTop = shown.offsetTop + shown.offsetHeight - box.clientHeight;
    }
  },

  // To the top, unless it is there: asking for the offset would make the
  // browser lay the page out at once.
  tarsomel_scroll_top__deps: ['$tarsomelElement'],
  tarsomel_scroll_top: function (element) {
    if (tarsomelElement(element).scrollTop !== 0) tarsomelElement(element).scrollTop = 0;
  },

  // ---- The message box -------------------------------------------------------
  // Read-only already refuses these; said again for every way text could
  // come in or go out of the box other than being copied.
  tarsomel_refuse_edits__deps: ['$tarsomelElement'],
  tarsomel_refuse_edits: function (box) {
    for (const kind of ['beforeinput', 'paste', 'cut', 'drop', 'compositionstart']) {
      document.addEventListener(kind, function (event) {
        if (event.target === tarsomelElement(box)) event.preventDefault();
      });
    }
  },

  tarsomel_show_text__deps: ['$tarsomelElement'],
  tarsomel_show_text: function (box, text, size) {
    const element = tarsomelElement(box);
    element.value = UTF8ToString(text, size);
    // Setting the value leaves the caret, and the view, at its end: a new
    // text is shown from its first line.
    element.setSelectionRange(0, 0);
    element.scrollTop = 0;
  },

  // ---- The announcer ---------------------------------------------------------
  // Each announcement replaces the last as new content, so that the same
  // words twice in a row (two restarts) are read twice.
  tarsomel_say__deps: ['$tarsomelElement'],
  tarsomel_say: function (region, first, firstSize, rest, restSize) {
    const said = document.createElement('div');
    for (const text of [UTF8ToString(first, firstSize), UTF8ToString(rest, restSize)]) {
      if (!text) continue;
      const part = document.createElement('p');
      part.textContent = text;
      said.appendChild(part);
    }
    tarsomelElement(region).replaceChildren(said);
  },

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
        } catch {
          // Another origin's window: look further up.
        }
        let parent = null;
        try {
          parent = win.parent;
        } catch {
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
    } catch {
      return 0;
    }
    if (!api) return 0;
    // A platform that will not start a session keeps nothing: 2, so that
    // the pupil is told.
    try {
      if (String(api.LMSInitialize('')) !== 'true') return 2;
    } catch {
      return 2;
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
      // The bytes written: a character cut at the buffer's end is left out.
      return stringToUTF8(text, buffer, bufferSize);
    } catch {
      return 0;
    }
  },

  tarsomel_lms_set: function (name, nameSize, value, valueSize) {
    try {
      const done = Module.tarsomelLms.LMSSetValue(UTF8ToString(name, nameSize), UTF8ToString(value, valueSize));
      return String(done) === 'true' ? 1 : 0;
    } catch {
      return 0;
    }
  },

  tarsomel_lms_commit: function () {
    try {
      return String(Module.tarsomelLms.LMSCommit('')) === 'true' ? 1 : 0;
    } catch {
      return 0;
    }
  },

  tarsomel_lms_finish: function () {
    try {
      return String(Module.tarsomelLms.LMSFinish('')) === 'true' ? 1 : 0;
    } catch {
      return 0;
    }
  },

  // The local clock's time of day, in seconds since midnight.
  tarsomel_time_of_day: function () {
    const now = new Date();
    return now.getHours() * 3600 + now.getMinutes() * 60 + now.getSeconds() + now.getMilliseconds() / 1000;
  },
});
