// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "quiz.h"

namespace {

using quiz::MemoryListBox;

MemoryListBox Rows(std::initializer_list<const char*> rows) {
  MemoryListBox list;
  for (const char* row : rows) list.AddItem(row);
  return list;
}

TEST(MemoryListBox, ClearDropsRowsAndSelection) {
  MemoryListBox list = Rows({"a", "b", "c"});
  list.SetListIndex(2);
  list.Clear();
  EXPECT_EQ(list.ListCount(), 0);
  EXPECT_EQ(list.ListIndex(), -1);
  // Adding after a clear starts at position 0 again.
  list.AddItem("d");
  EXPECT_EQ(list.ListCount(), 1);
  EXPECT_EQ(list.List(0), "d");
  EXPECT_EQ(list.ListIndex(), -1);
}

TEST(MemoryListBox, WriteInPlaceKeepsCountOrderAndSelection) {
  MemoryListBox list = Rows({"b", "a", "c"});
  list.SetListIndex(1);
  list.SetList(1, " ");
  EXPECT_EQ(list.ListCount(), 3);
  EXPECT_EQ(list.List(0), "b");  // never sorted
  EXPECT_EQ(list.List(1), " ");
  EXPECT_EQ(list.List(2), "c");
  EXPECT_EQ(list.ListIndex(), 1);
  // AddItem leaves the selection where it was.
  list.AddItem("0");
  EXPECT_EQ(list.ListIndex(), 1);
  EXPECT_EQ(list.List(3), "0");
  list.SetListIndex(-1);
  EXPECT_EQ(list.ListIndex(), -1);
}

TEST(MemoryTextBox, KeepsLineBreaksAndEveryByte) {
  quiz::MemoryTextBox box;
  const std::string text = "ред 1\r\nред 2\r\n\r\n  -272°C\r\n";
  box.SetText(text);
  EXPECT_EQ(box.Text(), text);
  box.SetText("");
  EXPECT_EQ(box.Text(), "");
}

// Positions outside the contract fail loudly, with a message a developer can
// act on, instead of reading past the rows.
TEST(MemoryListBox, PositionsOutsideTheRowsThrow) {
  MemoryListBox list = Rows({"a", "b"});
  const auto message = [](auto&& call) -> std::string {
    try {
      call();
    } catch (const std::out_of_range& e) {
      return e.what();
    }
    return "no exception";
  };
  EXPECT_EQ(message([&] { (void)list.List(2); }), "List read: position 2 is not a row (row count 2)");
  EXPECT_EQ(message([&] { (void)list.List(-1); }), "List read: position -1 is not a row (row count 2)");
  EXPECT_EQ(message([&] { list.SetList(5, "x"); }), "List write: position 5 is not a row (row count 2)");
  EXPECT_EQ(message([&] { list.SetListIndex(2); }),
            "ListIndex write: position 2 is neither -1 nor a row (row count 2)");
  EXPECT_EQ(message([&] { list.SetListIndex(-2); }),
            "ListIndex write: position -2 is neither -1 nor a row (row count 2)");
  // A failed call changes nothing.
  EXPECT_EQ(list.ListCount(), 2);
  EXPECT_EQ(list.ListIndex(), -1);

  MemoryListBox empty;
  EXPECT_THROW((void)empty.List(0), std::out_of_range);
  EXPECT_THROW(empty.SetListIndex(0), std::out_of_range);
  EXPECT_NO_THROW(empty.SetListIndex(-1));
}

TEST(MemoryListBox, HoldsAtMost32767Rows) {
  MemoryListBox list;
  for (int i = 0; i < quiz::kMaxRows; ++i) list.AddItem("");
  EXPECT_EQ(list.ListCount(), 32767);
  list.SetListIndex(32766);
  EXPECT_EQ(list.ListIndex(), 32766);
  try {
    list.AddItem("one too many");
    FAIL() << "AddItem past the last row did not throw";
  } catch (const std::out_of_range& e) {
    EXPECT_STREQ(e.what(), "AddItem: position 32767 is past the last row a list can hold (row count 32767)");
  }
  EXPECT_EQ(list.ListCount(), 32767);
}

TEST(ControlSet, ReachesTheControlsItWasGivenByIndex) {
  quiz::MemoryControls controls;
  const quiz::ControlSet& set = controls.Set();
  for (int16_t i = 0; i < quiz::ControlSet::kLists; ++i) {
    EXPECT_EQ(&set.List1(i), &controls.List1(i));
  }
  EXPECT_EQ(&set.Text1(0), &controls.Text1());
  EXPECT_THROW(set.List1(6), std::out_of_range);
  EXPECT_THROW(set.List1(-1), std::out_of_range);
  EXPECT_THROW(set.Text1(1), std::out_of_range);

  // It owns nothing: writes through it land in the caller's controls.
  set.Text1(0).SetText("x");
  EXPECT_EQ(controls.Text1().Text(), "x");

  MemoryListBox list;
  quiz::MemoryTextBox box;
  EXPECT_THROW(quiz::ControlSet({&list, &list, &list, &list, &list, nullptr}, &box), std::invalid_argument);
  EXPECT_THROW(quiz::ControlSet({&list, &list, &list, &list, &list, &list}, nullptr), std::invalid_argument);
}

}  // namespace
