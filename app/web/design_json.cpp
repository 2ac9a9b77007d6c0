// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Prints, as JSON, what the page's own files take from the main window's
// design and the quiz: the caption (the page's title), the window's colour
// (the installed app's background and theme), the markup the page draws
// the window with and the values of its stylesheet; and, for the teacher's
// guide, the version, the element tables, the tab order and what each list
// key does (from the shared list keys, played on the names list).
// Run under node when the pages are finished.
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "list_keys.h"
#include "main_window.h"
#include "page.h"
#include "quiz.h"
#include "tarsomel_version.h"

namespace {

using ui::web::page::Json;

template <typename Items, typename Write>
std::string Array(const Items& items, Write write) {
  std::string out = "[";
  for (const auto& item : items) out += (out.size() > 1 ? ", " : "") + write(item);
  return out + "]";
}

std::string Strings(const std::array<std::string_view, quiz::kElements>& rows) {
  return Array(rows, [](std::string_view row) { return Json(row); });
}

// What each list key does to the names list, from a row in the middle of
// it with nothing selected, and from a list that has no mark: the rows the
// mark and the selection are on after it.
std::string Keys() {
  quiz::MemoryListBox names;
  for (const std::string_view name : quiz::kNames) names.AddItem(std::string(name));
  constexpr int16_t kSight = 4;
  const ui::ListState middle{5, -1};
  struct Key {
    std::string_view name;
    ui::KeyPress press;
  };
  const std::vector<Key> keys = {
      {"up", {ui::ListKey::kUp}},
      {"down", {ui::ListKey::kDown}},
      {"home", {ui::ListKey::kHome}},
      {"end", {ui::ListKey::kEnd}},
      {"pageup", {ui::ListKey::kPageUp}},
      {"pagedown", {ui::ListKey::kPageDown}},
      {"space", {ui::ListKey::kSpace}},
      {"letter", {ui::ListKey::kCharacter, false, U'С'}},
      {"^up", {ui::ListKey::kUp, true}},
      {"^down", {ui::ListKey::kDown, true}},
      {"^home", {ui::ListKey::kHome, true}},
      {"^end", {ui::ListKey::kEnd, true}},
      {"^pageup", {ui::ListKey::kPageUp, true}},
      {"^pagedown", {ui::ListKey::kPageDown, true}},
  };
  return Array(keys,
               [&](const Key& key) {
                 const ui::ListState after = ui::PressKey(names, middle, key.press, kSight);
                 const ui::ListState unmarked = ui::PressKey(names, {}, key.press, kSight);
                 return "{\"key\": " + Json(key.name) + ", \"mark\": " + std::to_string(after.mark) +
                        ", \"selected\": " + std::to_string(after.selected) +
                        ", \"fromNone\": " + std::to_string(unmarked.mark) +
                        ", \"fromNoneSelected\": " + std::to_string(unmarked.selected) + "}";
               }) +
         ", \"keysFrom\": {\"mark\": " + std::to_string(middle.mark) +
         ", \"selected\": " + std::to_string(middle.selected) + ", \"sight\": " + std::to_string(kSight) +
         ", \"letter\": " + Json("С") + "}";
}

}  // namespace

int main() {
  const ui::Rgb& c = ui::kWindowColour;
  char colour[8];
  std::snprintf(colour, sizeof colour, "#%02x%02x%02x", c.red, c.green, c.blue);
  std::string style;
  for (const auto& [name, value] : ui::web::page::StyleValues()) {
    style += std::string(style.empty() ? "" : ", ") + Json(name) + ": " + Json(value);
  }
  const std::vector<ui::Control> order(ui::kTabOrder.begin(), ui::kTabOrder.end());
  std::printf("{\"caption\": %s, \"windowColour\": %s, \"version\": %s,\n", Json(ui::WindowCaption()).c_str(),
              Json(colour).c_str(), Json(TARSOMEL_VERSION_STRING).c_str());
  std::printf("\"names\": %s,\n\"keyTemperatures\": %s,\n\"shownTemperatures\": %s,\n\"symbols\": %s,\n",
              Strings(quiz::kNames).c_str(), Strings(quiz::kKeyTemperatures).c_str(),
              Strings(quiz::kShownTemperatures).c_str(), Strings(quiz::kSymbols).c_str());
  std::printf("\"tabOrder\": %s,\n\"keys\": %s,\n",
              Array(order, [](ui::Control control) { return Json(ui::SpokenAs(control).name); }).c_str(),
              Keys().c_str());
  std::printf("\"style\": {%s},\n\"body\": %s}\n", style.c_str(), Json(ui::web::page::Body()).c_str());
  return 0;
}
