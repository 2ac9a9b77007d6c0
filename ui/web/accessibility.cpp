// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "accessibility.h"

#include "page.h"

// In library.js.
extern "C" void tarsomel_say(int region, const char* first, int first_size, const char* rest, int rest_size);

namespace ui::web {

void SpeakRow(const RowParts& parts, const std::string& row) {
  SetText(parts.shown, row);
  const std::string spoken = page::SpokenPart(row);
  if (spoken.empty()) {
    RemoveAttribute(parts.shown, "aria-hidden");
  } else {
    SetAttribute(parts.shown, "aria-hidden", "true");
  }
  SetText(parts.spoken, spoken);
}

void Announcer::Say(const Announcement& announcement) {
  tarsomel_say(region_, announcement.first.data(), static_cast<int>(announcement.first.size()),
               announcement.rest.data(), static_cast<int>(announcement.rest.size()));
}

}  // namespace ui::web
