// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the two lists of the main window do with the pupil's keys, written
// once for every edition that draws its own lists. A list has a focus mark
// (the row the keyboard is on) and a selection (the row chosen), either of
// which may be none. The rules:
//   - nothing the pupil does takes a selection away; only the quiz does;
//   - an arrow, Home, End, Page Up or Page Down moves the mark and selects
//     the row it lands on at once; from a list with no mark every one of
//     them lands on the first row;
//   - with Ctrl they move the mark alone, and Space selects the marked row;
//   - a letter or digit moves to the next row after the mark that starts
//     with it (either case), going round to the top, and selects it; a
//     played row, which shows only blanks, starts with nothing;
//   - Page Down and Page Up move by one page: the rows in sight less one.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "quiz.h"

namespace ui {

struct ListState {
  int16_t mark = -1;      // the row with the focus mark, -1 for none
  int16_t selected = -1;  // the selected row, -1 for none

  bool operator==(const ListState&) const = default;
};

enum class ListKey { kUp, kDown, kHome, kEnd, kPageUp, kPageDown, kSpace, kCharacter };

struct KeyPress {
  ListKey key;
  bool control = false;
  char32_t character = 0;  // for kCharacter: the character typed
};

// The list after `press`, given its rows and how many rows are in sight.
ListState PressKey(const quiz::ListBox& rows, ListState state, KeyPress press, int16_t rows_in_sight);

// A click or tap on a row marks and selects it, whatever was before.
constexpr ListState ClickRow(int16_t row) { return {row, row}; }

// An edition's list as these rules move it: its selection, which it
// reports as a Click, and its focus mark.
class KeyedList {
 public:
  virtual ~KeyedList() = default;
  // Selects `row` (-1: none) and reports the change; whether the row is
  // still selected once the handler it reported to has run.
  virtual bool ShowSelection(int16_t row) = 0;
  // Puts the focus mark on `row` (-1: none).
  virtual void ShowMark(int16_t row) = 0;

 protected:
  KeyedList() = default;
  KeyedList(const KeyedList&) = default;
  KeyedList& operator=(const KeyedList&) = default;
};

// Moves `list` from `before` to `after`, as PressKey or ClickRow gave it.
// The selection first: choosing a row reports a Click, and when that
// completes a pair the quiz judges it and clears the list, mark and all.
// If the handler so undid the selection, the mark stays away, so that a
// screen reader is not sent to a row the verdict has just blanked: the
// announcement says which row it was.
void MoveTo(KeyedList& list, const ListState& before, const ListState& after);

// The quiz writes a list's selection (ListIndex): a cleared selection
// forgets the mark too, so that the next arrow starts at the top; a
// selected row is marked.
void SetSelection(KeyedList& list, int16_t row);

// The first character of UTF-8 text, or nothing when it is empty or not
// valid UTF-8; for turning a toolkit's typed text into a KeyPress.
std::optional<char32_t> FirstCharacter(std::string_view utf8);

}  // namespace ui
