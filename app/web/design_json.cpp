// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Prints, as JSON, what the page's own files take from the main window's
// design: the caption (the page's title), the window's colour (the
// installed app's background and theme), the markup the page draws the
// window with and the values of its stylesheet.
// Run under node when the page is finished.
#include <cstdio>
#include <string>

#include "main_window.h"
#include "page.h"

int main() {
  using ui::web::page::Json;
  const ui::Rgb& c = ui::kWindowColour;
  char colour[8];
  std::snprintf(colour, sizeof colour, "#%02x%02x%02x", c.red, c.green, c.blue);
  std::string style;
  for (const auto& [name, value] : ui::web::page::StyleValues()) {
    style += std::string(style.empty() ? "" : ", ") + Json(name) + ": " + Json(value);
  }
  std::printf("{\"caption\": %s, \"windowColour\": %s,\n\"style\": {%s},\n\"body\": %s}\n",
              Json(ui::WindowCaption()).c_str(), Json(colour).c_str(), style.c_str(),
              Json(ui::web::page::Body()).c_str());
  return 0;
}
