// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "accessibility.h"

#include <emscripten/emscripten.h>

// clang-format off
EM_JS(void, web_say, (int region, const char* first, int first_size, const char* rest, int rest_size), {
  var said = document.createElement('div');
  [UTF8ToString(first, first_size), UTF8ToString(rest, rest_size)].forEach(function(text) {
    if (!text) return;
    var part = document.createElement('p');
    part.textContent = text;
    said.appendChild(part);
  });
  // clang-format on
  Module['tarsomelElements'][region].replaceChildren(said);
});

namespace ui::web {

void Describe(Element element, Control control) {
  const Spoken spoken = SpokenAs(control);
  SetAttribute(element, "aria-label", spoken.name);
  static int described = 0;
  const std::string id = "t-description-" + std::to_string(described++);
  const Element description = Create("div", kBody);
  SetAttribute(description, "id", id);
  SetAttribute(description, "hidden", "");
  SetText(description, spoken.description);
  SetAttribute(element, "aria-describedby", id);
}

void SpeakRow(const RowParts& parts, const std::string& row) {
  SetText(parts.shown, row);
  const std::string spoken = SpokenRow(row);
  if (spoken == row) {
    RemoveAttribute(parts.shown, "aria-hidden");
    SetText(parts.spoken, "");
  } else {
    SetAttribute(parts.shown, "aria-hidden", "true");
    SetText(parts.spoken, spoken);
  }
}

Announcer::Announcer(Element parent) : region_(Create("div", parent)) {
  SetAttribute(region_, "role", "status");
  SetAttribute(region_, "aria-live", "polite");
  SetAttribute(region_, "class", "t-unseen");
}

void Announcer::Say(const Announcement& announcement) {
  web_say(region_, announcement.first.data(), static_cast<int>(announcement.first.size()), announcement.rest.data(),
          static_cast<int>(announcement.rest.size()));
}

}  // namespace ui::web
