// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the main window's design makes of a window at a given DPI, computed
// from the design itself: where each control is, in pixels of the client
// area, and points whose colour the design fixes. The edition tests compare
// a real window with these; one test pins the design's own numbers.
#pragma once

#include <string>
#include <vector>

#include "main_window.h"

namespace testing_support {

struct Rect {
  int left, top, width, height;
  bool operator==(const Rect&) const = default;
};

inline Rect Pixels(const ui::Twips& t, int dpi = 96) {
  return {ui::TwipsToPixels(t.left, dpi), ui::TwipsToPixels(t.top, dpi), ui::TwipsToPixels(t.width, dpi),
          ui::TwipsToPixels(t.height, dpi)};
}

inline Rect ClientPixels(int dpi = 96) {
  return {0, 0, ui::TwipsToPixels(ui::kClientWidth, dpi), ui::TwipsToPixels(ui::kClientHeight, dpi)};
}

// Every visible control by the name the tests use for it.
struct Placed {
  std::string name;
  ui::Twips twips;
};
inline std::vector<Placed> Controls() {
  return {{"label0", ui::kLabel1[0]}, {"label1", ui::kLabel1[1]},      {"label2", ui::kLabel1[2]},
          {"names", ui::kList1[0]},   {"temperatures", ui::kList1[1]}, {"command", ui::kCommand1},
          {"text", ui::kText1}};
}

struct Point {
  std::string name;
  int x, y;
};

// Points in the client area whose colour the design fixes:
//   window, between_lists   the window's colour
//   label0 to label2        the labels' colour, beside their centred captions
//   command, command_right  the button's face, beside its centred caption
//   command_edge            the button's outline
//   command_focus           where the button's focus mark goes, inside the outline
//   names_edge, temperatures_edge, text_edge
//                           the edges of lists and message box, where their focus marks go
//   names_inside, text_middle
//                           inside a list, right of its rows' text, and
//                           inside the message box
inline std::vector<Point> ColourPoints(int dpi = 96) {
  const auto px = [dpi](int twips) { return ui::TwipsToPixels(twips, dpi); };
  const auto middle_y = [&](const ui::Twips& t) { return px(t.top) + px(t.height) / 2; };
  const int edge = ui::LinePixels(ui::kEdgePixels, dpi);
  const int focus = ui::LinePixels(ui::kFocusPixels, dpi);
  const ui::Twips& b = ui::kCommand1;
  std::vector<Point> points = {
      {"window", px(ui::kLabel1[0].left) / 2, px(ui::kLabel1[0].height) / 2},
      {"between_lists", (px(ui::kCommand1.left + ui::kCommand1.width) + px(ui::kList1[1].left)) / 2,
       px(ui::kList1[1].top) + px(ui::kList1[1].height) * 2 / 3},
      {"command", px(b.left) + edge + focus + 2, middle_y(b)},
      {"command_right", px(b.left + b.width) - edge - focus - 3, middle_y(b)},
      {"command_edge", px(b.left), middle_y(b)},
      {"command_focus", px(b.left) + edge, middle_y(b)},
      {"names_edge", px(ui::kList1[0].left), middle_y(ui::kList1[0])},
      {"temperatures_edge", px(ui::kList1[1].left), middle_y(ui::kList1[1])},
      {"text_edge", px(ui::kText1.left), middle_y(ui::kText1)},
      {"names_inside", px(ui::kList1[0].left) + px(ui::kList1[0].width) * 3 / 4, middle_y(ui::kList1[0])},
      {"text_middle", px(ui::kText1.left) + px(ui::kText1.width) / 2, middle_y(ui::kText1)},
  };
  for (int i = 0; i < 3; ++i) {
    const ui::Twips& t = ui::kLabel1[static_cast<size_t>(i)];
    points.push_back({"label" + std::to_string(i), px(t.left) + 2, middle_y(t)});
  }
  return points;
}

inline Point ColourPoint(const std::string& name, int dpi = 96) {
  for (const Point& p : ColourPoints(dpi)) {
    if (p.name == name) return p;
  }
  return {name, -1, -1};
}

}  // namespace testing_support
