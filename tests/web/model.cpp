// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the browser tests compare the page with, from the design and the
// shared handlers themselves, run under node:
//   model design
//     the design as JSON: the client area and every control in CSS pixels at
//     zoom 1, the points whose colour the design fixes, captions, spoken
//     names, tab order, the task, the rows and how each is read, the
//     elements' symbols
//   model play [--sight N] MOVE...
//     the in-memory window playing the moves, as JSON, one state per move:
//     the message box's text, what a screen reader was told, the rows, the
//     selections and focus marks. A move is
//       c0:3          a click on row 3 of the names (c1: the temperatures)
//       k1:down       a key in the temperatures: up down home end pageup
//                     pagedown space, ^ before it for Ctrl (k0:^down), or
//                     a character (k0:=Х)
//       r             "Чисти"
//     N is the rows in sight, for Page Up and Page Down.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "design.h"
#include "list_keys.h"
#include "main_window.h"
#include "memory_main_window.h"
#include "page.h"
#include "rows.h"

namespace {

std::string Quoted(std::string_view text) { return ui::web::page::Json(text); }

std::string Array(const std::vector<std::string>& items) {
  std::string out = "[";
  for (size_t i = 0; i < items.size(); ++i) out += (i ? "," : "") + items[i];
  return out + "]";
}

std::vector<std::string> QuotedAll(const std::vector<std::string>& items) {
  std::vector<std::string> out;
  for (const std::string& item : items) out.push_back(Quoted(item));
  return out;
}

std::string Rect(const testing_support::Rect& r) {
  return "{\"left\":" + std::to_string(r.left) + ",\"top\":" + std::to_string(r.top) +
         ",\"width\":" + std::to_string(r.width) + ",\"height\":" + std::to_string(r.height) + "}";
}

std::string Rgb(const ui::Rgb& c) {
  return "[" + std::to_string(c.red) + "," + std::to_string(c.green) + "," + std::to_string(c.blue) + "]";
}

std::string ControlName(ui::Control control) {
  const ui::ByControl<std::string> names = {"text", "names", "temperatures", "command"};
  return names[control];
}

void Design() {
  std::vector<std::string> controls;
  for (const testing_support::Placed& p : testing_support::Controls()) {
    controls.push_back(Quoted(p.name) + ":" + Rect(testing_support::Pixels(p.twips)));
  }
  std::vector<std::string> points;
  for (const testing_support::Point& p : testing_support::ColourPoints()) {
    points.push_back("{\"name\":" + Quoted(p.name) + ",\"x\":" + std::to_string(p.x) + ",\"y\":" + std::to_string(p.y) +
                     "}");
  }
  std::vector<std::string> spoken, order;
  for (const ui::Control control : ui::kTabOrder) {
    const ui::Spoken s = ui::SpokenAs(control);
    spoken.push_back(Quoted(ControlName(control)) + ":{\"name\":" + Quoted(s.name) +
                     ",\"description\":" + Quoted(s.description) + "}");
    order.push_back(Quoted(ControlName(control)));
  }
  std::vector<std::string> spoken_rows;
  std::vector<std::string> all_rows = testing_support::kNames;
  all_rows.insert(all_rows.end(), testing_support::kShown.begin(), testing_support::kShown.end());
  all_rows.push_back(" ");
  all_rows.push_back("  ");
  for (const std::string& row : all_rows) spoken_rows.push_back(Quoted(row) + ":" + Quoted(ui::SpokenRow(row)));
  std::vector<std::string> labels;
  for (const std::string_view caption : ui::kLabelCaptions) labels.push_back(Quoted(caption));

  std::printf("{\"client\":%s,\n\"controls\":{%s},\n\"colourPoints\":%s,\n",
              Rect(testing_support::ClientPixels()).c_str(),
              Array(controls).substr(1, Array(controls).size() - 2).c_str(), Array(points).c_str());
  std::printf(
      "\"colours\":{\"window\":%s,\"label\":%s,\"command\":%s,\"commandPressed\":%s,\"commandEdge\":%s,"
      "\"commandPressedEdge\":%s,\"focus\":%s},\n",
      Rgb(ui::kWindowColour).c_str(), Rgb(ui::kLabelColour).c_str(), Rgb(ui::kCommandColour).c_str(),
      Rgb(ui::kCommandPressedColour).c_str(), Rgb(ui::kCommandEdgeColour).c_str(),
      Rgb(ui::kCommandPressedEdgeColour).c_str(), Rgb(ui::kFocusColour).c_str());
  std::printf("\"focusPixels\":%d,\"edgePixels\":%d,\n", ui::kFocusPixels, ui::kEdgePixels);
  std::printf("\"font\":{\"face\":%s,\"fallback\":%s,\"points\":%d},\n", Quoted(ui::kFontFace).c_str(),
              Quoted(ui::kFallbackFontFace).c_str(), ui::kFontPoints);
  std::printf("\"caption\":%s,\"labels\":%s,\"command\":%s,\n", Quoted(ui::WindowCaption()).c_str(),
              Array(labels).c_str(), Quoted(ui::kCommandCaption).c_str());
  std::printf("\"spoken\":{%s},\"tabOrder\":%s,\n", Array(spoken).substr(1, Array(spoken).size() - 2).c_str(),
              Array(order).c_str());
  std::printf("\"playedRowSpoken\":%s,\"restartSpoken\":%s,\n", Quoted(ui::kPlayedRowSpoken).c_str(),
              Quoted(ui::kRestartSpoken).c_str());
  std::printf("\"spokenRows\":{%s},\n", Array(spoken_rows).substr(1, Array(spoken_rows).size() - 2).c_str());
  std::printf("\"names\":%s,\"temperatures\":%s,\n", Array(QuotedAll(testing_support::kNames)).c_str(),
              Array(QuotedAll(testing_support::kShown)).c_str());
  std::vector<std::string> symbols;
  for (const std::string_view symbol : quiz::kSymbols) symbols.push_back(Quoted(symbol));
  std::printf("\"symbols\":%s,\n", Array(symbols).c_str());
  std::printf("\"cannotStart\":%s,\"notRecorded\":%s,\n", Quoted(ui::web::page::kCannotStart).c_str(),
              Quoted(ui::web::page::kNotRecorded).c_str());
  std::printf("\"task\":%s}\n", Quoted(ui::kTaskStatement).c_str());
}

// The in-memory window with the focus marks an edition's lists keep.
struct Played {
  testing_support::MemoryMainWindow window;
  ui::ListState names, temperatures;

  quiz::MemoryListBox& List(int16_t list) { return list == 0 ? window.names : window.temperatures; }
  ui::ListState& State(int16_t list) { return list == 0 ? names : temperatures; }

  void Select(int16_t list, int16_t row) {
    const int16_t names_before = window.names.ListIndex();
    const int16_t temperatures_before = window.temperatures.ListIndex();
    window.Pick(list, row);
    // The pair was judged: both selections cleared, both marks gone.
    if (window.names.ListIndex() < 0 && window.temperatures.ListIndex() < 0 &&
        (names_before >= 0 || temperatures_before >= 0)) {
      names = temperatures = {};
      return;
    }
    State(list) = {row, row};
  }

  void Key(int16_t list, ui::KeyPress press, int16_t sight) {
    const ui::ListState before = State(list);
    const ui::ListState after = ui::PressKey(List(list), before, press, sight);
    if (after.selected != before.selected && after.selected >= 0) {
      Select(list, after.selected);
      if (List(list).ListIndex() != after.selected) return;
    }
    State(list).mark = after.mark;
  }

  void Restart() {
    window.Restart();
    names = temperatures = {};
  }
};

std::optional<ui::KeyPress> KeyOf(std::string_view name) {
  ui::KeyPress press{ui::ListKey::kSpace};
  if (name.starts_with("^")) {
    press.control = true;
    name.remove_prefix(1);
  }
  if (name.starts_with("=")) {
    const std::optional<char32_t> c = ui::FirstCharacter(name.substr(1));
    if (!c) return std::nullopt;
    press.key = ui::ListKey::kCharacter;
    press.character = *c;
    return press;
  }
  const std::pair<std::string_view, ui::ListKey> keys[] = {
      {"up", ui::ListKey::kUp},      {"down", ui::ListKey::kDown},     {"home", ui::ListKey::kHome},
      {"end", ui::ListKey::kEnd},    {"pageup", ui::ListKey::kPageUp}, {"pagedown", ui::ListKey::kPageDown},
      {"space", ui::ListKey::kSpace}};
  for (const auto& [key_name, key] : keys) {
    if (name == key_name) {
      press.key = key;
      return press;
    }
  }
  return std::nullopt;
}

std::string State(Played& p, size_t said_before) {
  std::string said = "null";
  if (p.window.message.said.size() > said_before) {
    const ui::Announcement& a = p.window.message.said.back();
    said = "{\"first\":" + Quoted(a.first) + ",\"rest\":" + Quoted(a.rest) +
           ",\"count\":" + std::to_string(p.window.message.said.size() - said_before) + "}";
  }
  return "{\"text\":" + Quoted(p.window.Text()) + ",\"said\":" + said +
         ",\"names\":" + Array(QuotedAll(testing_support::Rows(p.window.names))) +
         ",\"temperatures\":" + Array(QuotedAll(testing_support::Rows(p.window.temperatures))) + ",\"selected\":[" +
         std::to_string(p.window.names.ListIndex()) + "," + std::to_string(p.window.temperatures.ListIndex()) +
         "],\"marks\":[" + std::to_string(p.names.mark) + "," + std::to_string(p.temperatures.mark) + "]}";
}

int Play(int argc, char** argv) {
  Played p;
  int16_t sight = 1;
  std::vector<std::string> states;
  for (int i = 2; i < argc; ++i) {
    const std::string_view move = argv[i];
    if (move == "--sight" && i + 1 < argc) {
      sight = static_cast<int16_t>(std::atoi(argv[++i]));
      continue;
    }
    const size_t said = p.window.message.said.size();
    if (move == "r") {
      p.Restart();
    } else if (move.size() >= 4 && (move[0] == 'c' || move[0] == 'k') && (move[1] == '0' || move[1] == '1') &&
               move[2] == ':') {
      const auto list = static_cast<int16_t>(move[1] - '0');
      if (move[0] == 'c') {
        p.Select(list, static_cast<int16_t>(std::atoi(std::string(move.substr(3)).c_str())));
      } else {
        const std::optional<ui::KeyPress> press = KeyOf(move.substr(3));
        if (!press) {
          std::fprintf(stderr, "model: no such key: %s\n", argv[i]);
          return 2;
        }
        p.Key(list, *press, sight);
      }
    } else {
      std::fprintf(stderr, "model: no such move: %s\n", argv[i]);
      return 2;
    }
    states.push_back(State(p, said));
  }
  std::printf("%s\n", Array(states).c_str());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 2 && std::strcmp(argv[1], "design") == 0) {
    Design();
    return 0;
  }
  if (argc >= 2 && std::strcmp(argv[1], "play") == 0) return Play(argc, argv);
  std::fprintf(stderr, "usage: model design | model play [--sight N] MOVE...\n");
  return 2;
}
