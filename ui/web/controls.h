// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's elements behind the quiz's list-box and text-box contract: the
// lists as WAI-ARIA list boxes the layer draws itself (a <select> collapses
// the rows' blanks, selects on Ctrl+arrow and turns into a picker on
// phones), the message box as a read-only text area.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "accessibility.h"
#include "application.h"
#include "list_keys.h"
#include "main_window.h"

namespace ui::web {

// The list key a browser's key is, if it is one: `key` is the key event's
// key value ("ArrowDown", " ", "ж"), `control` whether Ctrl was held and
// `other` whether Alt or Meta was.
std::optional<KeyPress> ListKeyOf(std::string_view key, bool control, bool other);

// A list box over a role=listbox element. The rows, the focus mark and the
// selection are kept here and shown by the element; every change of the
// selection, the quiz's own included, is reported through `changed`.
class WebListBox final : public ShownListBox {
 public:
  // `id` names the list's element and rows in the page.
  WebListBox(Element list, std::string id, std::function<void()> changed);

  int16_t ListIndex() const override { return state_.selected; }
  void SetListIndex(int16_t i) override;
  ListState State() const { return state_; }

  // The pupil clicked or tapped row `row`.
  void Click(int16_t row);
  // The pupil pressed a list key.
  void Press(const KeyPress& press);

 protected:
  void ShowRow(int16_t i, const std::string& before) override;
  void ShowAddedRow() override;
  void ShowCleared(const std::vector<std::string>& before) override;

 private:
  struct Row {
    Element row;
    RowParts parts;
  };
  // Moves to `after`; false when the selection it made was undone by the
  // handler it reported to (a judged pair clears both lists).
  bool Select(int16_t selected);
  void Mark(int16_t mark);

  Element list_;
  std::string id_;
  std::function<void()> changed_;
  std::vector<Row> rows_;  // the row elements, kept for the next fill
  ListState state_;
};

// The message box: a read-only text area, focusable, selectable and
// copyable, which refuses every edit.
Element CreateMessageBox(Element parent);

// The text box over the message box. The text area gives its text back with
// LF line breaks, so the exact string is kept by the shared message text and
// the element only shows it, from its first line.
class WebTextBox final : public MessageText {
 public:
  WebTextBox(Element box, Announcer& announcer) : box_(box), announcer_(announcer) {}

 protected:
  void Show(const std::string& text) override;
  void Say(const Announcement& announcement) override;

 private:
  Element box_;
  bool shown_ = false;  // a text was shown before
  Announcer& announcer_;
};

}  // namespace ui::web
