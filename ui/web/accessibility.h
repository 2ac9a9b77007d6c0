// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader is told about the page: the controls' names and
// descriptions from the main window's design, how a row is read, and the
// announcer.
#pragma once

#include <string>

#include "application.h"
#include "main_window.h"

namespace ui::web {

// The control's name and description as the design gives them; the
// description is a hidden element the control refers to.
void Describe(Element element, Control control);

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

// Tells a screen reader something wherever the keyboard focus is: a polite
// live region that draws nothing and is never focused. Each announcement
// replaces the last as new content, so that the same words twice in a row
// (two restarts) are read twice.
class Announcer {
 public:
  explicit Announcer(Element parent);
  void Say(const Announcement& announcement);

 private:
  Element region_;
};

}  // namespace ui::web
