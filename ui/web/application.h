// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the program sets up around its window in a browser: the page's
// title, font and colours, the style rules the controls are drawn by, the
// client area fitted to the screen, and the few ways C++ reaches the page's
// elements (there is no toolkit: the layer makes the elements itself).
#pragma once

#include <string>
#include <string_view>

#include "main_window.h"

namespace ui::web {

// An element of the page, by the number the layer gave it; the body is 0.
using Element = int;
inline constexpr Element kBody = 0;

Element Create(std::string_view tag, Element parent);
void SetAttribute(Element element, std::string_view name, std::string_view value);
void RemoveAttribute(Element element, std::string_view name);
// One property of the element's own style, through the style object (the
// page's Content-Security-Policy allows no style attributes in markup).
void SetStyle(Element element, std::string_view property, std::string_view value);
// The element's text as a text node: nothing in it is taken as markup.
void SetText(Element element, std::string_view text);
void Focus(Element element);

// CSS for a colour and for a length in CSS pixels.
std::string Css(const Rgb& colour);
std::string Px(int pixels);

// Title, font, colours and the style rules of every control; once, before
// the window's elements are made. The rules go in through the style
// sheet's object model, which the Content-Security-Policy allows.
void PreparePage();

// The client area: `client` is the element of its size, `frame` the one
// around it that takes its room on the page. On a screen narrower or lower
// than the client area both scale down to fit, proportions kept; otherwise
// the client area keeps its size, centred. Again whenever the page's size
// changes (a phone turned, the browser's zoom).
void FitToScreen(Element frame, Element client);

// The scale FitToScreen picks for a page of `width` × `height` CSS pixels.
double FitScale(double width, double height);

}  // namespace ui::web
