// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the program has around its window in a browser: the page has drawn
// the window already (its markup and stylesheet are written from the
// design when the program is built, ui/web/page.h), so the layer finds the
// elements it works with and reaches them through these few calls
// (ui/web/library.js); and the client area fitted to the screen.
#pragma once

#include <string>
#include <string_view>

#include "main_window.h"

namespace ui::web {

// An element of the page, by the number the layer gave it.
using Element = int;

// The first element the selector finds; the page not having it is an
// error of the build, thrown in the page.
Element Find(std::string_view selector);
// The first `count` children of `list`, each with its own two children:
// the elements first + 3 i, first + 3 i + 1 and first + 3 i + 2 for child i.
Element Rows(Element list, int count);
// A new element at the end of `parent`'s children.
Element Create(std::string_view tag, Element parent);
void SetAttribute(Element element, std::string_view name, std::string_view value);
void RemoveAttribute(Element element, std::string_view name);
// Adds or takes away one of the element's classes.
void SetClass(Element element, std::string_view name, bool on);
// The element's text as a text node: nothing in it is taken as markup.
void SetText(Element element, std::string_view text);
// Gives the element the focus, unless the pupil has put it somewhere.
void FocusFirst(Element element);

// The client area, `client`, inside `frame`, which takes its room on the
// page: on a screen narrower or lower than the client area both scale down
// to fit, proportions kept; otherwise they keep the size the page drew them
// with. Again whenever the page's size changes (a phone turned, the
// browser's zoom).
void FitToScreen(Element frame, Element client);

}  // namespace ui::web
