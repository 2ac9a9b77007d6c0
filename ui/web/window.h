// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window Tarsomel in a browser: the main window's controls as the
// page's elements, handing their events to the shared handlers.
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
  // Makes the page: the client area with its controls laid out, the task
  // shown, the lists filled and the focus in the message box.
  Tarsomel();
  Tarsomel(const Tarsomel&) = delete;
  Tarsomel& operator=(const Tarsomel&) = delete;

  const quiz::ControlSet& Controls() const { return main_window_->Controls(); }
  void Observe(std::function<void(const Outcome&)> observer) { main_window_->Observe(std::move(observer)); }
  WebListBox& List(int16_t index) { return *visible_.at(static_cast<size_t>(index)); }

  // Event handlers.
  void Form_Load() { main_window_->Form_Load(); }
  void List1_Click(int16_t Index) { main_window_->List1_Click(Index); }
  void Command1_Click(int16_t Index) { main_window_->Command1_Click(Index); }

 private:
  Element frame_ = -1;
  Element client_ = -1;
  std::array<Element, 3> labels_{};
  std::array<Element, 2> lists_{};
  Element command_ = -1;
  Element text_ = -1;

  std::unique_ptr<Announcer> announcer_;
  std::array<std::unique_ptr<WebListBox>, 2> visible_;
  std::unique_ptr<WebTextBox> message_;
  std::unique_ptr<MainWindow> main_window_;
};

}  // namespace ui::web
