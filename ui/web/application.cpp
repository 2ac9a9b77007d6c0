// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "application.h"

#include <emscripten/emscripten.h>

#include <algorithm>

// ---- The page's elements, reached from C++ -----------------------------------
// The elements live in one array on the module, by number; text crosses as
// UTF-8 with its length, so that nothing needs to end in a NUL.

// clang-format off
EM_JS(void, web_start_elements, (), { Module['tarsomelElements'] = [document.body]; });

EM_JS(int, web_create, (const char* tag, int tag_size, int parent), {
  var elements = Module['tarsomelElements'];
  var element = document.createElement(UTF8ToString(tag, tag_size));
  elements[parent].appendChild(element);
  elements.push(element);
  return elements.length - 1;
});

EM_JS(void, web_set_attribute, (int element, const char* name, int name_size, const char* value, int value_size), {
  Module['tarsomelElements'][element].setAttribute(UTF8ToString(name, name_size), UTF8ToString(value, value_size));
});

EM_JS(void, web_remove_attribute, (int element, const char* name, int name_size),
      { Module['tarsomelElements'][element].removeAttribute(UTF8ToString(name, name_size)); });

EM_JS(void, web_set_style, (int element, const char* name, int name_size, const char* value, int value_size), {
  Module['tarsomelElements'][element].style.setProperty(UTF8ToString(name, name_size), UTF8ToString(value, value_size));
});

EM_JS(void, web_set_text, (int element, const char* text, int size),
      { Module['tarsomelElements'][element].textContent = UTF8ToString(text, size); });

EM_JS(void, web_focus, (int element), { Module['tarsomelElements'][element].focus(); });

EM_JS(void, web_set_title, (const char* text, int size), { document.title = UTF8ToString(text, size); });

EM_JS(void, web_add_rules, (const char* rules, int size), {
  // One rule per line.
  var style = document.createElement('style');
  document.head.appendChild(style);
  UTF8ToString(rules, size).split('\n').forEach(function(rule) {
    if (rule) style.sheet.insertRule(rule, style.sheet.cssRules.length);
  });
});

EM_JS(void, web_listen_fit, (), {
  // The page's size changes with a turned phone and with the browser's zoom.
  // The root's client size is the layout viewport's, without scroll bars.
  var root = document.documentElement;
  var width = -1;
  var height = -1;
  var fit = function() {
    // A new fit can bring or take away the page's scroll bar, which changes
    // the room again with no event of its own: fitted until it holds.
    for (var tries = 0; tries < 3 && (root.clientWidth != width || root.clientHeight != height); ++tries) {
      width = root.clientWidth;
      height = root.clientHeight;
      Module['_tarsomel_fit'](width, height);
    }
  };
  // A turned phone's browser may tell of it before its layout viewport has
  // settled, or through the visual viewport alone: again on the next frame.
  var changed = function() {
    fit();
    requestAnimationFrame(fit);
  };
  window.addEventListener('resize', changed);
  if (window.visualViewport) window.visualViewport.addEventListener('resize', changed);
  fit();
});
// clang-format on

namespace ui::web {

Element Create(std::string_view tag, Element parent) {
  return web_create(tag.data(), static_cast<int>(tag.size()), parent);
}

void SetAttribute(Element element, std::string_view name, std::string_view value) {
  web_set_attribute(element, name.data(), static_cast<int>(name.size()), value.data(), static_cast<int>(value.size()));
}

void RemoveAttribute(Element element, std::string_view name) {
  web_remove_attribute(element, name.data(), static_cast<int>(name.size()));
}

void SetStyle(Element element, std::string_view property, std::string_view value) {
  web_set_style(element, property.data(), static_cast<int>(property.size()), value.data(),
                static_cast<int>(value.size()));
}

void SetText(Element element, std::string_view text) {
  web_set_text(element, text.data(), static_cast<int>(text.size()));
}

void Focus(Element element) { web_focus(element); }

std::string Css(const Rgb& c) {
  return "rgb(" + std::to_string(c.red) + "," + std::to_string(c.green) + "," + std::to_string(c.blue) + ")";
}

std::string Px(int pixels) { return std::to_string(pixels) + "px"; }

namespace {

// The design's face, its metric match with Cyrillic, then whatever serif
// face the platform has.
std::string FontFamily() {
  return "\"" + std::string(kFontFace) + "\",\"" + std::string(kFallbackFontFace) + "\",serif";
}

// Every rule the window's elements are drawn by, one a line.
std::string Rules() {
  const std::string window = Css(kWindowColour);
  const std::string focus = Css(kFocusColour);
  const std::string focus_edge = Px(kFocusPixels) + " solid " + focus;
  // Lists and the message box sunk into the window, as on the desktop; the
  // focus mark takes the place of that edge.
  const std::string sunken = Px(kFocusPixels) + " inset " + window;
  std::string r;
  r += "html{background:" + window + "}\n";
  r += "body{margin:0;background:" + window + ";font-family:" + FontFamily() +
       ";font-size:" + std::to_string(kFontPoints) +
       "pt;display:flex;align-items:center;justify-content:center;min-height:100vh;" + "overflow-x:hidden}\n";
  r += ".t-frame{position:relative;flex:none;overflow:hidden}\n";
  r += ".t-client{position:absolute;left:0;top:0;transform-origin:0 0;background:" + window + "}\n";
  r += ".t-client>*{position:absolute;box-sizing:border-box;margin:0;font:inherit;color:#000}\n";
  // Seen by assistive technology only.
  r += ".t-unseen{position:absolute;width:1px;height:1px;overflow:hidden;clip-path:inset(50%);"
       "white-space:nowrap}\n";
  r += ".t-label{display:flex;align-items:center;justify-content:center;white-space:pre;overflow:hidden;"
       "background:" +
       Css(kLabelColour) + "}\n";
  r += ".t-list{overflow-x:hidden;overflow-y:auto;background:#fff;border:" + sunken +
       ";cursor:default;user-select:none;-webkit-user-select:none;touch-action:manipulation;outline:none}\n";
  r += ".t-list:focus{border:" + focus_edge + "}\n";
  // The rows keep every blank they have.
  r += ".t-row{white-space:pre;padding:0 2px;overflow:hidden}\n";
  r += ".t-row[aria-selected=true]{background:" + focus + ";color:#fff}\n";
  r += ".t-list:focus .t-mark{outline:1px dotted " + focus + ";outline-offset:-1px}\n";
  r += ".t-list:focus .t-mark[aria-selected=true]{outline-color:#fff}\n";
  r += ".t-text{resize:none;overflow-x:hidden;overflow-y:scroll;background:#fff;border:" + sunken +
       ";padding:1px 2px;outline:none;border-radius:0;white-space:pre-wrap}\n";
  r += ".t-text:focus{border:" + focus_edge + "}\n";
  for (const bool pressed : {false, true}) {
    const CommandLook look = LookOfCommand(pressed, false);
    r += std::string(pressed ? ".t-command:active" : ".t-command") + "{background:" + Css(look.face) +
         ";border:" + Px(kEdgePixels) + " solid " + Css(look.edge) +
         ";border-radius:0;padding:0;outline:none;touch-action:manipulation;white-space:pre}\n";
  }
  // Inside the outline.
  r += ".t-command:focus{box-shadow:inset 0 0 0 " + Px(kFocusPixels) + " " + focus + "}\n";
  return r;
}

}  // namespace

void PreparePage() {
  web_start_elements();
  const std::string title = WindowCaption();
  web_set_title(title.data(), static_cast<int>(title.size()));
  const std::string rules = Rules();
  web_add_rules(rules.data(), static_cast<int>(rules.size()));
}

double FitScale(double width, double height) {
  const double client_width = TwipsToPixels(kClientWidth);
  const double client_height = TwipsToPixels(kClientHeight);
  return std::min({1.0, width / client_width, height / client_height});
}

namespace {

Element fitted_frame = -1;
Element fitted_client = -1;

}  // namespace

void FitToScreen(Element frame, Element client) {
  fitted_frame = frame;
  fitted_client = client;
  SetStyle(client, "width", Px(TwipsToPixels(kClientWidth)));
  SetStyle(client, "height", Px(TwipsToPixels(kClientHeight)));
  web_listen_fit();
}

}  // namespace ui::web

// The page's size, in CSS pixels, changed.
extern "C" EMSCRIPTEN_KEEPALIVE void tarsomel_fit(double width, double height) {
  using namespace ui::web;
  if (fitted_frame < 0) return;
  const double scale = FitScale(width, height);
  SetStyle(fitted_client, "transform", scale < 1 ? "scale(" + std::to_string(scale) + ")" : "none");
  SetStyle(fitted_frame, "width", std::to_string(ui::TwipsToPixels(ui::kClientWidth) * scale) + "px");
  SetStyle(fitted_frame, "height", std::to_string(ui::TwipsToPixels(ui::kClientHeight) * scale) + "px");
}
