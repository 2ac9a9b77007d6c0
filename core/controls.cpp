// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <stdexcept>
#include <string>

#include "quiz.h"

namespace quiz {

namespace {

[[noreturn]] void Fail(const char* operation, const std::string& what, int16_t count) {
  throw std::out_of_range(std::string(operation) + ": " + what + " (row count " + std::to_string(count) + ")");
}

}  // namespace

void CheckRow(const char* operation, int16_t i, int16_t count) {
  if (i < 0 || i >= count) {
    Fail(operation, "position " + std::to_string(i) + " is not a row", count);
  }
}

void CheckSelection(const char* operation, int16_t i, int16_t count) {
  if (i < -1 || i >= count) {
    Fail(operation, "position " + std::to_string(i) + " is neither -1 nor a row", count);
  }
}

void CheckRoomForRow(const char* operation, int16_t count) {
  if (count >= kMaxRows) {
    Fail(operation, "position " + std::to_string(static_cast<int>(count)) + " is past the last row a list can hold",
         count);
  }
}

const std::string& MemoryListBox::List(int16_t i) const {
  CheckRow("List read", i, ListCount());
  return rows_[static_cast<size_t>(i)];
}

void MemoryListBox::SetList(int16_t i, std::string text) {
  CheckRow("List write", i, ListCount());
  rows_[static_cast<size_t>(i)] = std::move(text);
}

void MemoryListBox::SetListIndex(int16_t i) {
  CheckSelection("ListIndex write", i, ListCount());
  selected_ = i;
}

void MemoryListBox::AddItem(std::string text) {
  CheckRoomForRow("AddItem", ListCount());
  rows_.push_back(std::move(text));
}

void MemoryListBox::Clear() {
  rows_.clear();
  selected_ = -1;
}

ControlSet::ControlSet(const std::array<ListBox*, kLists>& lists, TextBox* text) : lists_(lists), text_(text) {
  for (ListBox* list : lists_) {
    if (list == nullptr) throw std::invalid_argument("ControlSet: a list box is missing");
  }
  if (text_ == nullptr) throw std::invalid_argument("ControlSet: the message box is missing");
}

ListBox& ControlSet::List1(int16_t index) const {
  if (index < 0 || index >= kLists) {
    throw std::out_of_range("List1(" + std::to_string(index) + "): the array has members 0 to 5");
  }
  return *lists_[static_cast<size_t>(index)];
}

TextBox& ControlSet::Text1(int16_t index) const {
  if (index != 0) {
    throw std::out_of_range("Text1(" + std::to_string(index) + "): the array has member 0 only");
  }
  return *text_;
}

namespace {

std::array<ListBox*, ControlSet::kLists> Pointers(std::array<MemoryListBox, ControlSet::kLists>& lists) {
  std::array<ListBox*, ControlSet::kLists> out{};
  for (size_t i = 0; i < lists.size(); ++i) out[i] = &lists[i];
  return out;
}

}  // namespace

MemoryControls::MemoryControls() : set_(Pointers(lists_), &text_) { LoadTables(set_); }

}  // namespace quiz
