// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window.h"

#include <emscripten/emscripten.h>

#include <string>

// The pupil's clicks, taps and keys, handed to the window below.
// clang-format off
EM_JS(void, web_listen_list, (int list, int index), {
  var element = Module['tarsomelElements'][list];
  element.addEventListener('click', function(event) {
    var row = event.target.closest('[role=option]');
    if (!row || row.parentElement != element) return;
    Module['_tarsomel_row_clicked'](index, Array.prototype.indexOf.call(element.children, row));
  });
  element.addEventListener('keydown', function(event) {
    if (event.isComposing) return;
    var key = event.key || "";
    var size = lengthBytesUTF8(key) + 1;
    var text = stackAlloc(size);
    stringToUTF8(key, text, size);
    if (Module['_tarsomel_list_key'](index, text, event.ctrlKey, event.altKey || event.metaKey)) {
      event.preventDefault();
    }
  });
});

EM_JS(void, web_listen_command, (int command), {
  Module['tarsomelElements'][command].addEventListener('click', function() { Module['_tarsomel_command'](); });
});
// clang-format on

namespace ui::web {

namespace {

Tarsomel* the_window = nullptr;

void Place(Element element, const Twips& t) {
  SetStyle(element, "left", Px(TwipsToPixels(t.left)));
  SetStyle(element, "top", Px(TwipsToPixels(t.top)));
  SetStyle(element, "width", Px(TwipsToPixels(t.width)));
  SetStyle(element, "height", Px(TwipsToPixels(t.height)));
}

}  // namespace

Tarsomel::Tarsomel() {
  the_window = this;
  // The page's one landmark holds the client area.
  frame_ = Create("main", kBody);
  SetAttribute(frame_, "class", "t-frame");
  client_ = Create("div", frame_);
  SetAttribute(client_, "class", "t-client");
  FitToScreen(frame_, client_);

  for (size_t i = 0; i < labels_.size(); ++i) {
    // The first caption names the program: the page's heading.
    labels_[i] = Create(i == 0 ? "h1" : "div", client_);
    SetAttribute(labels_[i], "class", "t-label");
    SetText(labels_[i], kLabelCaptions[i]);
    Place(labels_[i], kLabel1[i]);
  }

  // The focusable controls go into the page in the design's tab order,
  // which is the order Tab visits them in.
  const ByControl<std::function<Element()>> makers = {[this] {
                                                        text_ = CreateMessageBox(client_);
                                                        return text_;
                                                      },
                                                      [this] {
                                                        lists_[0] = Create("div", client_);
                                                        return lists_[0];
                                                      },
                                                      [this] {
                                                        lists_[1] = Create("div", client_);
                                                        return lists_[1];
                                                      },
                                                      [this] {
                                                        command_ = Create("button", client_);
                                                        SetAttribute(command_, "type", "button");
                                                        SetAttribute(command_, "class", "t-command");
                                                        SetText(command_, kCommandCaption);
                                                        return command_;
                                                      }};
  for (const Control control : kTabOrder) Describe(makers[control](), control);

  Place(text_, kText1);
  Place(command_, kCommand1);
  for (size_t i = 0; i < lists_.size(); ++i) {
    const auto index = static_cast<int16_t>(i);
    Place(lists_[i], kList1[i]);
    // Every change of selection is a Click, the quiz's own included.
    visible_[i] = std::make_unique<WebListBox>(lists_[i], i == 0 ? "t-names" : "t-temperatures",
                                               [this, index] { List1_Click(index); });
    web_listen_list(lists_[i], static_cast<int>(i));
  }
  web_listen_command(command_);

  announcer_ = std::make_unique<Announcer>(client_);
  message_ = std::make_unique<WebTextBox>(text_, *announcer_);
  // The tables are loaded and the task is shown when the main window is made.
  main_window_ = std::make_unique<MainWindow>(*visible_[0], *visible_[1], *message_);
  Form_Load();
  Focus(text_);
}

}  // namespace ui::web

// ---- What the page's listeners call --------------------------------------------

extern "C" {

EMSCRIPTEN_KEEPALIVE void tarsomel_row_clicked(int list, int row) {
  if (ui::web::the_window == nullptr || list < 0 || list > 1) return;
  ui::web::the_window->List(static_cast<int16_t>(list)).Click(static_cast<int16_t>(row));
}

EMSCRIPTEN_KEEPALIVE int tarsomel_list_key(int list, const char* key, int control, int other) {
  if (ui::web::the_window == nullptr || list < 0 || list > 1) return 0;
  const std::optional<ui::KeyPress> press = ui::web::ListKeyOf(key, control != 0, other != 0);
  if (!press) return 0;
  ui::web::the_window->List(static_cast<int16_t>(list)).Press(*press);
  return 1;
}

EMSCRIPTEN_KEEPALIVE void tarsomel_command() {
  if (ui::web::the_window != nullptr) ui::web::the_window->Command1_Click(0);
}

}  // extern "C"
