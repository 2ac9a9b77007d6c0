// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls.h"

#include <emscripten/emscripten.h>

#include <algorithm>
#include <utility>

// clang-format off
EM_JS(void, web_detach, (int element), { Module['tarsomelElements'][element].remove(); });

EM_JS(void, web_append, (int parent, int element), {
  var elements = Module['tarsomelElements'];
  elements[parent].appendChild(elements[element]);
});

EM_JS(void, web_set_flag, (int element, const char* name, int size, int on),
      { Module['tarsomelElements'][element].classList.toggle(UTF8ToString(name, size), !!on); });

EM_JS(int, web_rows_in_sight, (int list), {
  var element = Module['tarsomelElements'][list];
  var row = element.firstElementChild;
  return row && row.offsetHeight > 0 ? Math.floor(element.clientHeight / row.offsetHeight) : 1;
});

EM_JS(void, web_scroll_to, (int list, int row), {
  // Only the list scrolls, never the page around it.
  var elements = Module['tarsomelElements'];
  var box = elements[list];
  var shown = elements[row];
  if (shown.offsetTop < box.scrollTop) {
    box.scrollTop = shown.offsetTop;
  } else if (shown.offsetTop + shown.offsetHeight > box.scrollTop + box.clientHeight) {
    box.scrollTop = shown.offsetTop + shown.offsetHeight - box.clientHeight;
  }
});

EM_JS(void, web_scroll_top, (int element), { Module['tarsomelElements'][element].scrollTop = 0; });

EM_JS(void, web_refuse_edits, (int box), {
  // Read-only already refuses these; said again for every way text could
  // come in or go out of the box other than being copied.
  var element = Module['tarsomelElements'][box];
  ['beforeinput', 'paste', 'cut', 'drop', 'compositionstart'].forEach(function(kind) {
    element.addEventListener(kind, function(event) { event.preventDefault(); });
  });
});

EM_JS(void, web_show_text, (int box, const char* text, int size, int scrolled), {
  var element = Module['tarsomelElements'][box];
  element.value = UTF8ToString(text, size);
  // Setting the value leaves the caret, and the view, at its end.
  element.setSelectionRange(0, 0);
  if (scrolled) element.scrollTop = 0;
});
// clang-format on

namespace ui::web {

namespace {

// The class of the row with the focus mark, which the style rules draw.
constexpr std::string_view kMarkClass = "t-mark";

void SetFlag(Element element, std::string_view name, bool on) {
  web_set_flag(element, name.data(), static_cast<int>(name.size()), on ? 1 : 0);
}

}  // namespace

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

WebListBox::WebListBox(Element list, std::string id, std::function<void()> changed)
    : list_(list), id_(std::move(id)), changed_(std::move(changed)) {
  SetAttribute(list_, "id", id_);
  SetAttribute(list_, "role", "listbox");
  SetAttribute(list_, "tabindex", "0");
  SetAttribute(list_, "class", "t-list");
}

bool WebListBox::Select(int16_t selected) {
  if (selected == state_.selected) return true;
  if (state_.selected >= 0) SetAttribute(rows_[static_cast<size_t>(state_.selected)].row, "aria-selected", "false");
  state_.selected = selected;
  if (selected >= 0) SetAttribute(rows_[static_cast<size_t>(selected)].row, "aria-selected", "true");
  changed_();
  return state_.selected == selected;
}

void WebListBox::Mark(int16_t mark) {
  if (state_.mark >= 0 && static_cast<size_t>(state_.mark) < rows_.size()) {
    SetFlag(rows_[static_cast<size_t>(state_.mark)].row, kMarkClass, false);
  }
  state_.mark = mark;
  if (mark < 0) {
    RemoveAttribute(list_, "aria-activedescendant");
    return;
  }
  const Element row = rows_[static_cast<size_t>(mark)].row;
  SetFlag(row, kMarkClass, true);
  SetAttribute(list_, "aria-activedescendant", id_ + "-" + std::to_string(mark));
  web_scroll_to(list_, row);
}

void WebListBox::SetListIndex(int16_t i) {
  quiz::CheckSelection("ListIndex write", i, ListCount());
  // The mark goes with a cleared selection, so that the next arrow starts
  // at the top; a selected row is marked.
  if (i < 0) Mark(-1);
  Select(i);
  if (i >= 0 && state_.selected == i) Mark(i);
}

void WebListBox::Click(int16_t row) {
  if (row < 0 || row >= ListCount()) return;
  const ListState after = ClickRow(row);
  if (Select(after.selected)) Mark(after.mark);
}

void WebListBox::Press(const KeyPress& press) {
  const ListState before = state_;
  const ListState after = PressKey(*this, before, press, static_cast<int16_t>(web_rows_in_sight(list_)));
  // The selection first: choosing a row reports a Click, and when that
  // completes a pair the quiz judges it and clears the list, mark and all.
  // The mark then stays away, so that a screen reader is not sent to a row
  // the verdict has just blanked: the announcement says which row it was.
  if (after.selected != before.selected && after.selected >= 0 && !Select(after.selected)) return;
  if (after.mark != state_.mark && after.mark >= 0) Mark(after.mark);
}

void WebListBox::ShowRow(int16_t i, const std::string& /*before*/) {
  SpeakRow(rows_[static_cast<size_t>(i)].parts, List(i));
}

void WebListBox::ShowAddedRow() {
  const auto i = static_cast<size_t>(ListCount() - 1);
  if (i < rows_.size()) {
    web_append(list_, rows_[i].row);
  } else {
    Row row;
    row.row = Create("div", list_);
    SetAttribute(row.row, "id", id_ + "-" + std::to_string(i));
    SetAttribute(row.row, "role", "option");
    SetAttribute(row.row, "class", "t-row");
    row.parts.shown = Create("span", row.row);
    row.parts.spoken = Create("span", row.row);
    SetAttribute(row.parts.spoken, "class", "t-unseen");
    rows_.push_back(row);
  }
  SetAttribute(rows_[i].row, "aria-selected", "false");
  SpeakRow(rows_[i].parts, List(static_cast<int16_t>(i)));
}

void WebListBox::ShowCleared(const std::vector<std::string>& before) {
  Mark(-1);
  for (size_t i = 0; i < before.size() && i < rows_.size(); ++i) web_detach(rows_[i].row);
  // A list filled anew starts from its top, whatever was scrolled before.
  // An empty list has nothing scrolled, and setting the offset would make
  // the browser lay out the page at once, in the middle of building it.
  if (!before.empty()) web_scroll_top(list_);
  Select(-1);
}

Element CreateMessageBox(Element parent) {
  const Element box = Create("textarea", parent);
  SetAttribute(box, "readonly", "");
  SetAttribute(box, "class", "t-text");
  SetAttribute(box, "spellcheck", "false");
  SetAttribute(box, "autocomplete", "off");
  web_refuse_edits(box);
  return box;
}

void WebTextBox::Show(const std::string& text) {
  std::string shown;
  shown.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    shown += text[i];
  }
  // The first text is shown in a box never scrolled.
  web_show_text(box_, shown.data(), static_cast<int>(shown.size()), shown_ ? 1 : 0);
  shown_ = true;
}

void WebTextBox::Say(const Announcement& announcement) { announcer_.Say(announcement); }

}  // namespace ui::web
