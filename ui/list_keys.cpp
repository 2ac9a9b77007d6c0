// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "list_keys.h"

#include <algorithm>

namespace ui {

namespace {

// Small letters for the capitals of Latin and Cyrillic, the scripts the
// rows are written in; other characters stay as they are.
char32_t Folded(char32_t c) {
  if (c >= U'A' && c <= U'Z') return c + 0x20;
  if (c >= 0x410 && c <= 0x42F) return c + 0x20;  // А to Я
  if (c >= 0x400 && c <= 0x40F) return c + 0x50;  // Ѐ to Џ
  return c;
}

int16_t Clamped(int row, int16_t count) { return static_cast<int16_t>(std::clamp(row, 0, count - 1)); }

// The row a movement key takes the mark to.
int16_t Moved(ListKey key, int16_t mark, int16_t count, int16_t page) {
  if (mark < 0) return 0;
  switch (key) {
    case ListKey::kUp:
      return Clamped(mark - 1, count);
    case ListKey::kDown:
      return Clamped(mark + 1, count);
    case ListKey::kHome:
      return 0;
    case ListKey::kEnd:
      return static_cast<int16_t>(count - 1);
    case ListKey::kPageUp:
      return Clamped(mark - page, count);
    case ListKey::kPageDown:
      return Clamped(mark + page, count);
    case ListKey::kSpace:
    case ListKey::kCharacter:
      break;
  }
  return mark;
}

}  // namespace

std::optional<char32_t> FirstCharacter(std::string_view utf8) {
  if (utf8.empty()) return std::nullopt;
  const auto lead = static_cast<unsigned char>(utf8[0]);
  const size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
  if (length == 0 || utf8.size() < length) return std::nullopt;
  char32_t c = length == 1 ? lead : lead & (0x7F >> length);
  for (size_t k = 1; k < length; ++k) {
    const auto next = static_cast<unsigned char>(utf8[k]);
    if ((next & 0xC0) != 0x80) return std::nullopt;
    c = (c << 6) | (next & 0x3F);
  }
  return c;
}

ListState PressKey(const quiz::ListBox& rows, ListState state, KeyPress press, int16_t rows_in_sight) {
  const int16_t count = rows.ListCount();
  if (count == 0) return state;
  switch (press.key) {
    case ListKey::kSpace:
      if (state.mark >= 0) state.selected = state.mark;
      return state;
    case ListKey::kCharacter: {
      const char32_t wanted = Folded(press.character);
      if (wanted == U' ') return state;
      const int start = state.mark < 0 ? 0 : state.mark + 1;
      for (int k = 0; k < count; ++k) {
        const auto row = static_cast<int16_t>((start + k) % count);
        const std::optional<char32_t> first = FirstCharacter(rows.List(row));
        if (first && Folded(*first) == wanted) return {row, row};
      }
      return state;
    }
    default: {
      const int16_t page = std::max<int16_t>(1, static_cast<int16_t>(rows_in_sight - 1));
      state.mark = Moved(press.key, state.mark, count, page);
      if (!press.control) state.selected = state.mark;
      return state;
    }
  }
}

void MoveTo(KeyedList& list, const ListState& before, const ListState& after) {
  if (after.selected != before.selected && after.selected >= 0 && !list.ShowSelection(after.selected)) return;
  if (after.mark != before.mark && after.mark >= 0) list.ShowMark(after.mark);
}

void SetSelection(KeyedList& list, int16_t row) {
  if (row < 0) {
    list.ShowMark(-1);
    list.ShowSelection(-1);
  } else if (list.ShowSelection(row)) {
    list.ShowMark(row);
  }
}

}  // namespace ui
