// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's elements behind the quiz's list-box and text-box contract: the
// lists as WAI-ARIA list boxes the page draws itself (a <select> collapses
// the rows' blanks, selects on Ctrl+arrow and turns into a picker on
// phones), the message box as a read-only text area. Both start from what
// the page drew, and change the page only where the quiz changes them.
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

// A list box over a role=listbox element of the page. The rows, the focus
// mark and the selection are kept here and shown by the element; every
// change of the selection, the quiz's own included, is reported through
// `changed`.
class WebListBox final : public ShownListBox, private KeyedList {
 public:
  // `id` is the list's element's, whose rows the page drew as `drawn`.
  WebListBox(std::string_view id, const std::vector<std::string>& drawn, std::function<void()> changed);

  int16_t ListIndex() const override { return state_.selected; }
  void SetListIndex(int16_t i) override;
  ListState State() const { return state_; }

  // The pupil clicked or tapped row `row`.
  void Click(int16_t row);
  // The pupil pressed a list key.
  void Press(const KeyPress& press);
  // After a handler: the page shows the rows the list holds and no more (a
  // fill with fewer rows than before leaves the rest to go).
  void Settle();

 protected:
  void ShowRow(int16_t i, const std::string& before) override;
  void ShowAddedRow() override;
  void ShowCleared(const std::vector<std::string>& before) override;

 private:
  struct Row {
    Element row;
    RowParts parts;
    std::string shown;  // the text the page shows in it
  };
  bool ShowSelection(int16_t row) override;
  void ShowMark(int16_t row) override;
  // Row i of the page shows List(i).
  void Show(size_t i);

  Element list_;
  std::string id_;
  std::function<void()> changed_;
  std::vector<Row> rows_;  // the page's row elements, kept for the next fill
  size_t in_page_ = 0;     // how many of them are in the list's element
  ListState state_;
};

// The text box over the page's message box, a read-only text area:
// focusable, selectable and copyable, it refuses every edit. The text area
// gives its text back with LF line breaks, so the exact string is kept by
// the shared message text and the element only shows it, from its first
// line. `drawn` is the text the page drew it with.
class WebTextBox final : public MessageText {
 public:
  WebTextBox(Element box, std::string_view drawn, Announcer& announcer);

 protected:
  void Show(const std::string& text) override;
  void Say(const Announcement& announcement) override { announcer_.Say(announcement); }

 private:
  Element box_;
  std::string drawn_;  // until the first text is shown
  bool shown_ = false;
  Announcer& announcer_;
};

}  // namespace ui::web
