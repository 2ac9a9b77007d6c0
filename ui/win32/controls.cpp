// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls.h"

#include <algorithm>

namespace ui::win32 {

std::wstring Wide(std::string_view utf8) {
  if (utf8.empty()) return {};
  const int size = static_cast<int>(utf8.size());
  const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), length);
  return wide;
}

std::string Utf8(std::wstring_view utf16) {
  if (utf16.empty()) return {};
  const int size = static_cast<int>(utf16.size());
  const int length = WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size, nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size, utf8.data(), length, nullptr, nullptr);
  return utf8;
}

void WindowListBox::ShowRow(int16_t i, const std::string& before) {
  // A list box cannot replace a row's text: the row is taken out and put
  // back, with the selection and the scroll position as they were.
  const LRESULT selected = SendMessageW(list_, LB_GETCURSEL, 0, 0);
  const LRESULT top = SendMessageW(list_, LB_GETTOPINDEX, 0, 0);
  SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
  const std::wstring row = Wide(List(i));
  SendMessageW(list_, LB_DELETESTRING, static_cast<WPARAM>(i), 0);
  SendMessageW(list_, LB_INSERTSTRING, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(row.c_str()));
  if (selected == i) SendMessageW(list_, LB_SETCURSEL, static_cast<WPARAM>(i), 0);
  SendMessageW(list_, LB_SETTOPINDEX, static_cast<WPARAM>(top), 0);
  SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list_, nullptr, TRUE);
  Speak(i, before);
}

int16_t WindowListBox::ListIndex() const {
  const LRESULT selected = SendMessageW(list_, LB_GETCURSEL, 0, 0);
  return selected == LB_ERR ? int16_t{-1} : static_cast<int16_t>(selected);
}

void WindowListBox::SetListIndex(int16_t i) {
  quiz::CheckSelection("ListIndex write", i, ListCount());
  // -1 as WPARAM clears the selection.
  SendMessageW(list_, LB_SETCURSEL, static_cast<WPARAM>(static_cast<int>(i)), 0);
  // A selected row is marked; a cleared selection forgets the mark.
  SetMark(i);
}

void WindowListBox::SetMark(int16_t row) {
  mark_ = row;
  if (SendMessageW(list_, LB_GETCURSEL, 0, 0) != LB_ERR || ListCount() == 0) return;
  // Where the list is scrolled to stays as it is.
  const LRESULT top = SendMessageW(list_, LB_GETTOPINDEX, 0, 0);
  SendMessageW(list_, LB_SETCARETINDEX, static_cast<WPARAM>(std::max<int16_t>(row, 0)), row < 0 ? TRUE : FALSE);
  if (row < 0) SendMessageW(list_, LB_SETTOPINDEX, static_cast<WPARAM>(top), 0);
}

void WindowListBox::ShowAddedRow() {
  const auto last = static_cast<int16_t>(ListCount() - 1);
  const std::wstring row = Wide(List(last));
  // Inserting at the end never sorts, whatever the control's style.
  SendMessageW(list_, LB_INSERTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(row.c_str()));
  Speak(last, {});
}

void WindowListBox::ShowCleared(const std::vector<std::string>& before) {
  for (size_t i = 0; i < before.size(); ++i) {
    if (SpokenRow(before[i]) != before[i]) spoken_.NameRow(list_, static_cast<int>(i), {});
  }
  // Emptying also scrolls the list back to its top, so a list filled anew
  // starts from its first row.
  SendMessageW(list_, LB_RESETCONTENT, 0, 0);
  mark_ = -1;
}

void WindowListBox::Speak(int16_t i, const std::string& before) {
  const std::string spoken = SpokenRow(List(i));
  if (spoken != List(i)) {
    spoken_.NameRow(list_, i, spoken);
  } else if (SpokenRow(before) != before) {
    spoken_.NameRow(list_, i, {});
  }
}

void EditMessageText::Show(const std::string& text) { SetWindowTextW(edit_, Wide(text).c_str()); }

void EditMessageText::Say(const Announcement& announcement) { announcer_.Say(announcement); }

}  // namespace ui::win32
