// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Prints, as JSON, what the page's own files take from the main window's
// design: the caption (the page's title) and the window's colour (the
// installed app's background and theme).
// Run under node when the page is finished.
#include <cstdio>
#include <string>
#include <string_view>

#include "main_window.h"

namespace {

std::string Quoted(std::string_view text) {
  std::string out = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
      out += escaped;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

std::string Hex(const ui::Rgb& c) {
  char hex[8];
  std::snprintf(hex, sizeof hex, "#%02x%02x%02x", c.red, c.green, c.blue);
  return Quoted(hex);
}

}  // namespace

int main() {
  std::printf("{\"caption\": %s, \"windowColour\": %s}\n", Quoted(ui::WindowCaption()).c_str(),
              Hex(ui::kWindowColour).c_str());
  return 0;
}
