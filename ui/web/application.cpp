// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "application.h"

// In library.js.
extern "C" {
int tarsomel_find(const char* selector, int size);
int tarsomel_rows(int list, int count);
int tarsomel_create(const char* tag, int tag_size, int parent);
void tarsomel_set_attribute(int element, const char* name, int name_size, const char* value, int value_size);
void tarsomel_remove_attribute(int element, const char* name, int name_size);
void tarsomel_set_class(int element, const char* name, int size, int on);
void tarsomel_set_text(int element, const char* text, int size);
void tarsomel_focus_first(int element);
void tarsomel_fit_to_screen(int frame, int client, double width, double height);
}

namespace ui::web {

Element Find(std::string_view selector) { return tarsomel_find(selector.data(), static_cast<int>(selector.size())); }

Element Rows(Element list, int count) { return tarsomel_rows(list, count); }

Element Create(std::string_view tag, Element parent) {
  return tarsomel_create(tag.data(), static_cast<int>(tag.size()), parent);
}

void SetAttribute(Element element, std::string_view name, std::string_view value) {
  tarsomel_set_attribute(element, name.data(), static_cast<int>(name.size()), value.data(),
                         static_cast<int>(value.size()));
}

void RemoveAttribute(Element element, std::string_view name) {
  tarsomel_remove_attribute(element, name.data(), static_cast<int>(name.size()));
}

void SetClass(Element element, std::string_view name, bool on) {
  tarsomel_set_class(element, name.data(), static_cast<int>(name.size()), on ? 1 : 0);
}

void SetText(Element element, std::string_view text) {
  tarsomel_set_text(element, text.data(), static_cast<int>(text.size()));
}

void FocusFirst(Element element) { tarsomel_focus_first(element); }

void FitToScreen(Element frame, Element client) {
  tarsomel_fit_to_screen(frame, client, TwipsToPixels(kClientWidth), TwipsToPixels(kClientHeight));
}

}  // namespace ui::web
