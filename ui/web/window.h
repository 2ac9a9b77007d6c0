// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window Tarsomel in a browser: the main window's controls as the
// page's elements, handing their events to the shared handlers.
//
// What this edition does, and where it differs from the others:
// - The page draws the window before any script runs: its markup and
//   stylesheet are written from the design when the program is built
//   (ui/web/page.h); the program finds the elements and takes them over,
//   changing only what the quiz changes. With scripts off the page shows
//   the quiz as at the start, with a line saying it needs JavaScript.
// - The lists are the layer's own (role=listbox), with the shared keys of
//   ui/list_keys.h, as on Linux; a tap selects as a click does.
// - The client area scales down to a small screen, proportions kept, and
//   otherwise keeps its size, centred (the browser's zoom enlarges it).
// - Screen readers get the design's names from the markup and each verdict
//   from a polite live region.
// - Opened from a learning platform (SCORM 1.2), it reports the game to it
//   (ui/web/lms.h); the desktop editions have no such thing.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>

#include "accessibility.h"
#include "application.h"
#include "controls.h"
#include "main_window.h"

namespace ui::web {

class Tarsomel {
 public:
  // Takes over the window the page drew: the lists filled, the task shown,
  // the focus in the message box unless the pupil has put it elsewhere.
  Tarsomel();
  Tarsomel(const Tarsomel&) = delete;
  Tarsomel& operator=(const Tarsomel&) = delete;

  const quiz::ControlSet& Controls() const { return main_window_->Controls(); }
  void Observe(std::function<void(const Outcome&)> observer) { main_window_->Observe(std::move(observer)); }
  WebListBox& List(int16_t index) { return *visible_.at(static_cast<size_t>(index)); }

  // Event handlers; after each the page shows what the lists hold.
  void Form_Load();
  void List1_Click(int16_t Index) { main_window_->List1_Click(Index); }
  void Command1_Click(int16_t Index);
  // After a pupil's click or key in a list.
  void Settle();

 private:
  Element frame_ = -1;
  Element text_ = -1;
  Element command_ = -1;

  std::unique_ptr<Announcer> announcer_;
  std::array<std::unique_ptr<WebListBox>, 2> visible_;
  std::unique_ptr<WebTextBox> message_;
  std::unique_ptr<MainWindow> main_window_;
};

}  // namespace ui::web
