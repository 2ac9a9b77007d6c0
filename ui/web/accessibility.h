// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader is told about the page beyond what its markup says
// (every control's role, name and description, written from the design):
// how a row is read when the quiz changes it, and the announcer.
#pragma once

#include <string>

#include "application.h"
#include "main_window.h"

namespace ui::web {

// A row's two parts: what it shows and what a screen reader reads.
struct RowParts {
  Element shown, spoken;
};

// Shows `row` with its blanks; where the design reads it otherwise (a
// played row as "празен ред", a temperature in words) the words are the
// row's content for assistive technology, visually hidden, and the shown
// text is hidden from it. An aria-label would not do: it would no longer
// contain the visible text, which checkers rightly report.
void SpeakRow(const RowParts& parts, const std::string& row);

// Tells a screen reader something wherever the keyboard focus is: the
// page's polite live region, which draws nothing and is never focused.
class Announcer {
 public:
  explicit Announcer(Element region) : region_(region) {}
  void Say(const Announcement& announcement);

 private:
  Element region_;
};

}  // namespace ui::web
