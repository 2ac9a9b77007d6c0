// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window.h"

#include <emscripten/emscripten.h>

#include <string>

#include "page.h"

// In library.js.
extern "C" {
void tarsomel_listen_list(int list, int index);
void tarsomel_listen_command(int command);
}

namespace ui::web {

namespace {

// The one window of the page, for its listeners.
Tarsomel* the_window = nullptr;

}  // namespace

Tarsomel::Tarsomel() {
  the_window = this;
  frame_ = Find(page::kFrame);
  FitToScreen(frame_, Find(page::kClient));
  text_ = Find(page::kText);
  command_ = Find(page::kCommand);

  const std::array<std::string_view, 2> ids = {page::kNamesId, page::kTemperaturesId};
  for (size_t i = 0; i < visible_.size(); ++i) {
    const auto index = static_cast<int16_t>(i);
    // Every change of selection is a Click, the quiz's own included.
    visible_[i] = std::make_unique<WebListBox>(ids[i], page::DrawnRows(ids[i]), [this, index] { List1_Click(index); });
    tarsomel_listen_list(Find("#" + std::string(ids[i])), static_cast<int>(i));
  }
  tarsomel_listen_command(command_);

  announcer_ = std::make_unique<Announcer>(Find(page::kLive));
  message_ = std::make_unique<WebTextBox>(text_, kTaskStatement, *announcer_);
  // The tables are loaded and the task is shown when the main window is made.
  main_window_ = std::make_unique<MainWindow>(*visible_[0], *visible_[1], *message_);
  Form_Load();
  FocusFirst(text_);
  SetAttribute(frame_, page::kReady, "");
}

void Tarsomel::Form_Load() {
  main_window_->Form_Load();
  Settle();
}

void Tarsomel::Command1_Click(int16_t Index) {
  main_window_->Command1_Click(Index);
  Settle();
}

void Tarsomel::Settle() {
  for (const auto& list : visible_) list->Settle();
}

}  // namespace ui::web

// ---- What the page's listeners call --------------------------------------------

extern "C" {

EMSCRIPTEN_KEEPALIVE void tarsomel_row_clicked(int list, int row) {
  if (ui::web::the_window == nullptr || list < 0 || list > 1) return;
  ui::web::the_window->List(static_cast<int16_t>(list)).Click(static_cast<int16_t>(row));
  ui::web::the_window->Settle();
}

EMSCRIPTEN_KEEPALIVE int tarsomel_list_key(int list, const char* key, int control, int other) {
  if (ui::web::the_window == nullptr || list < 0 || list > 1) return 0;
  const std::optional<ui::KeyPress> press = ui::web::ListKeyOf(key, control != 0, other != 0);
  if (!press) return 0;
  ui::web::the_window->List(static_cast<int16_t>(list)).Press(*press);
  ui::web::the_window->Settle();
  return 1;
}

EMSCRIPTEN_KEEPALIVE void tarsomel_command() {
  if (ui::web::the_window != nullptr) ui::web::the_window->Command1_Click(0);
}

}  // extern "C"
