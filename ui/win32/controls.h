// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Win32 controls behind the quiz's list-box and text-box contract. The quiz
// speaks UTF-8; the controls are given UTF-16 here and nowhere else.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "accessibility.h"
#include "main_window.h"
#include "quiz.h"

namespace ui::win32 {

std::wstring Wide(std::string_view utf8);
std::string Utf8(std::wstring_view utf16);

// The list box over a LISTBOX control. It keeps the rows as the exact
// strings it was given and mirrors them into the control; none of its
// changes makes the control report a selection change.
class WindowListBox final : public ShownListBox {
 public:
  WindowListBox(HWND list, Annotations& spoken) : list_(list), spoken_(spoken) {}

  int16_t ListIndex() const override;
  void SetListIndex(int16_t i) override;

  // The row with the focus mark while nothing is selected (-1: none), as
  // the shared list keys move it: a single-selection list box's caret
  // stays where a cleared selection was, which the rules forget.
  int16_t Mark() const { return mark_; }
  // Puts the mark (and the list box's caret) on `row`, -1 for none: the
  // caret then goes to the first row, where the first key will land.
  void SetMark(int16_t row);

 protected:
  void ShowRow(int16_t i, const std::string& before) override;
  void ShowAddedRow() override;
  void ShowCleared(const std::vector<std::string>& before) override;

 private:
  // A row is read as the design says (a played row as such, a temperature
  // in words) where that differs from what it shows; `before` was its text.
  void Speak(int16_t i, const std::string& before);

  HWND list_;
  Annotations& spoken_;
  int16_t mark_ = -1;
};

// The message box over a read-only multi-line EDIT control. The shared
// message text keeps the exact string; the control shows it, and the
// announcer tells each verdict or restart once.
class EditMessageText final : public MessageText {
 public:
  EditMessageText(HWND edit, Announcer& announcer) : edit_(edit), announcer_(announcer) {}

 protected:
  void Show(const std::string& text) override;
  void Say(const Announcement& announcement) override;

 private:
  HWND edit_;
  Announcer& announcer_;
};

}  // namespace ui::win32
