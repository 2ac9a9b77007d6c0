// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls.h"

#include <utility>

#include "page.h"

// In library.js.
extern "C" {
void tarsomel_detach(int element);
void tarsomel_append(int parent, int element);
int tarsomel_rows_in_sight(int list);
void tarsomel_scroll_to(int list, int row);
void tarsomel_scroll_top(int element);
void tarsomel_refuse_edits(int box);
void tarsomel_show_text(int box, const char* text, int size);
}

namespace ui::web {

std::optional<KeyPress> ListKeyOf(std::string_view key, bool control, bool other) {
  if (other) return std::nullopt;
  static constexpr std::pair<std::string_view, ListKey> kNamed[] = {
      {"ArrowUp", ListKey::kUp}, {"ArrowDown", ListKey::kDown}, {"Home", ListKey::kHome},
      {"End", ListKey::kEnd},    {"PageUp", ListKey::kPageUp},  {"PageDown", ListKey::kPageDown},
      {" ", ListKey::kSpace},    {"Spacebar", ListKey::kSpace},
  };
  for (const auto& [name, list_key] : kNamed) {
    if (key == name) return KeyPress{list_key, control};
  }
  if (control) return std::nullopt;
  // A printable key's value is the one character it types; a named key's
  // is a longer word.
  const std::optional<char32_t> typed = FirstCharacter(key);
  if (!typed || *typed < 0x20 || *typed == 0x7F) return std::nullopt;
  const size_t length = *typed < 0x80 ? 1 : *typed < 0x800 ? 2 : *typed < 0x10000 ? 3 : 4;
  if (key.size() != length) return std::nullopt;
  return KeyPress{ListKey::kCharacter, false, *typed};
}

WebListBox::WebListBox(std::string_view id, const std::vector<std::string>& drawn, std::function<void()> changed)
    : list_(Find("#" + std::string(id))), id_(id), changed_(std::move(changed)) {
  // The rows as the page drew them, in order (ui/web/page.cpp).
  const Element first = Rows(list_, static_cast<int>(drawn.size()));
  for (size_t i = 0; i < drawn.size(); ++i) {
    const auto row = static_cast<Element>(first + 3 * i);
    rows_.push_back({row, {row + 1, row + 2}, drawn[i]});
  }
  in_page_ = rows_.size();
}

bool WebListBox::ShowSelection(int16_t selected) {
  if (selected == state_.selected) return true;
  if (state_.selected >= 0) SetAttribute(rows_[static_cast<size_t>(state_.selected)].row, "aria-selected", "false");
  state_.selected = selected;
  if (selected >= 0) SetAttribute(rows_[static_cast<size_t>(selected)].row, "aria-selected", "true");
  changed_();
  return state_.selected == selected;
}

void WebListBox::ShowMark(int16_t mark) {
  if (state_.mark >= 0 && static_cast<size_t>(state_.mark) < rows_.size()) {
    SetClass(rows_[static_cast<size_t>(state_.mark)].row, page::kMarkClass, false);
  }
  state_.mark = mark;
  if (mark < 0) {
    RemoveAttribute(list_, "aria-activedescendant");
    return;
  }
  const Element row = rows_[static_cast<size_t>(mark)].row;
  SetClass(row, page::kMarkClass, true);
  SetAttribute(list_, "aria-activedescendant", page::RowId(id_, mark));
  tarsomel_scroll_to(list_, row);
}

void WebListBox::SetListIndex(int16_t i) {
  quiz::CheckSelection("ListIndex write", i, ListCount());
  SetSelection(*this, i);
}

void WebListBox::Click(int16_t row) {
  if (row < 0 || row >= ListCount()) return;
  MoveTo(*this, state_, ClickRow(row));
}

void WebListBox::Press(const KeyPress& press) {
  MoveTo(*this, state_, PressKey(*this, state_, press, static_cast<int16_t>(tarsomel_rows_in_sight(list_))));
}

void WebListBox::Show(size_t i) {
  Row& row = rows_[i];
  const std::string& text = List(static_cast<int16_t>(i));
  if (row.shown == text) return;
  SpeakRow(row.parts, text);
  row.shown = text;
}

void WebListBox::ShowRow(int16_t i, const std::string& /*before*/) { Show(static_cast<size_t>(i)); }

void WebListBox::ShowAddedRow() {
  const auto i = static_cast<size_t>(ListCount() - 1);
  if (i >= rows_.size()) {
    Row row;
    row.row = Create("div", list_);
    SetAttribute(row.row, "id", page::RowId(id_, static_cast<int>(i)));
    SetAttribute(row.row, "role", "option");
    SetAttribute(row.row, "class", page::kRowClass);
    SetAttribute(row.row, "aria-selected", "false");
    row.parts.shown = Create("span", row.row);
    row.parts.spoken = Create("span", row.row);
    SetAttribute(row.parts.spoken, "class", page::kUnseenClass);
    rows_.push_back(row);
    in_page_ = rows_.size();
  } else if (i >= in_page_) {
    tarsomel_append(list_, rows_[i].row);
    in_page_ = i + 1;
  }
  // A row the page shows already is written only where it differs.
  Show(i);
}

void WebListBox::ShowCleared(const std::vector<std::string>& before) {
  // The row elements stay in the page for the fill that follows, which
  // writes only what differs; Settle takes away any it leaves over.
  ShowMark(-1);
  // A list filled anew starts from its top, whatever was scrolled before.
  if (!before.empty()) tarsomel_scroll_top(list_);
  ShowSelection(-1);
}

void WebListBox::Settle() {
  while (in_page_ > static_cast<size_t>(ListCount())) tarsomel_detach(rows_[--in_page_].row);
}

WebTextBox::WebTextBox(Element box, std::string_view drawn, Announcer& announcer)
    : box_(box), drawn_(drawn), announcer_(announcer) {
  tarsomel_refuse_edits(box_);
}

void WebTextBox::Show(const std::string& text) {
  // The text the page was drawn with, the task, is not written again.
  const bool drawn = !shown_ && text == drawn_;
  shown_ = true;
  drawn_.clear();
  if (drawn) return;
  std::string shown;
  shown.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    shown += text[i];
  }
  tarsomel_show_text(box_, shown.data(), static_cast<int>(shown.size()));
}

}  // namespace ui::web
