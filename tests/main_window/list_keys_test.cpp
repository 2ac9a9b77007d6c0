// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The list keys, one row per case: the list, the key, the state before and
// the state after. Seven rows are in sight, as in the window at 12 points.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "list_keys.h"
#include "rows.h"

namespace {

using ui::KeyPress;
using ui::ListKey;
using ui::ListState;

constexpr int16_t kInSight = 7;

quiz::MemoryListBox ListOf(const std::vector<std::string>& rows) {
  quiz::MemoryListBox list;
  for (const std::string& row : rows) list.AddItem(row);
  return list;
}

// The names with Водород and Силиций played.
std::vector<std::string> PlayedNames() {
  std::vector<std::string> rows = testing_support::kNames;
  rows[0] = " ";
  rows[7] = " ";
  return rows;
}

struct Row {
  const char* what;
  std::vector<std::string> rows;
  KeyPress press;
  ListState before, after;
};

KeyPress Plain(ListKey key) { return {key, false, 0}; }
KeyPress Ctrl(ListKey key) { return {key, true, 0}; }
KeyPress Typed(char32_t c) { return {ListKey::kCharacter, false, c}; }

const std::vector<std::string>& kNames = testing_support::kNames;
const std::vector<std::string>& kShown = testing_support::kShown;

const Row kRows[] = {
    // From a list with no mark, as filled anew or after a verdict.
    {"Down with no mark selects the first row", kNames, Plain(ListKey::kDown), {-1, -1}, {0, 0}},
    {"Up with no mark selects the first row", kNames, Plain(ListKey::kUp), {-1, -1}, {0, 0}},
    {"End with no mark selects the first row", kNames, Plain(ListKey::kEnd), {-1, -1}, {0, 0}},
    {"Page Down with no mark selects the first row", kNames, Plain(ListKey::kPageDown), {-1, -1}, {0, 0}},
    {"Ctrl+Down with no mark marks the first row alone", kNames, Ctrl(ListKey::kDown), {-1, -1}, {0, -1}},
    {"Space with no mark does nothing", kNames, Plain(ListKey::kSpace), {-1, -1}, {-1, -1}},
    // Arrows, Home, End and pages select where they land.
    {"Down selects the next row", kShown, Plain(ListKey::kDown), {3, 3}, {4, 4}},
    {"Up selects the row before", kShown, Plain(ListKey::kUp), {3, 3}, {2, 2}},
    {"Up on the first row stays there", kShown, Plain(ListKey::kUp), {0, 0}, {0, 0}},
    {"Down on the last row stays there", kShown, Plain(ListKey::kDown), {9, 9}, {9, 9}},
    {"Home selects the first row", kShown, Plain(ListKey::kHome), {6, 6}, {0, 0}},
    {"End selects the last row", kShown, Plain(ListKey::kEnd), {2, 2}, {9, 9}},
    {"Page Down moves the rows in sight less one", kShown, Plain(ListKey::kPageDown), {0, 0}, {6, 6}},
    {"Page Down stops at the last row", kShown, Plain(ListKey::kPageDown), {6, 6}, {9, 9}},
    {"Page Up moves the rows in sight less one", kShown, Plain(ListKey::kPageUp), {9, 9}, {3, 3}},
    {"Page Up stops at the first row", kShown, Plain(ListKey::kPageUp), {3, 3}, {0, 0}},
    {"Down from a mark without a selection selects", kShown, Plain(ListKey::kDown), {4, -1}, {5, 5}},
    {"an arrow lands on a played row too", PlayedNames(), Plain(ListKey::kDown), {6, 6}, {7, 7}},
    // Ctrl moves the mark alone; Space chooses the marked row.
    {"Ctrl+Down moves the mark and keeps the selection", kShown, Ctrl(ListKey::kDown), {2, 2}, {3, 2}},
    {"Ctrl+End marks the last row alone", kShown, Ctrl(ListKey::kEnd), {2, -1}, {9, -1}},
    {"Ctrl+Page Up marks alone", kShown, Ctrl(ListKey::kPageUp), {8, 8}, {2, 8}},
    {"Space selects the marked row", kShown, Plain(ListKey::kSpace), {3, 2}, {3, 3}},
    {"Space on the selected row keeps it", kShown, Plain(ListKey::kSpace), {3, 3}, {3, 3}},
    {"Ctrl+Space on the selected row keeps it", kShown, Ctrl(ListKey::kSpace), {3, 3}, {3, 3}},
    // A letter jumps to the next row that starts with it.
    {"a letter with no mark finds the first match", kNames, Typed(U'С'), {-1, -1}, {7, 7}},
    {"the same letter again finds the next match", kNames, Typed(U'С'), {7, 7}, {9, 9}},
    {"past the last match it goes round to the top", kNames, Typed(U'С'), {9, 9}, {7, 7}},
    {"a small letter finds a capital", kNames, Typed(U'в'), {4, 4}, {0, 0}},
    {"the only match is found from itself", kNames, Typed(U'Ж'), {5, 5}, {5, 5}},
    {"a letter never lands on a played row", PlayedNames(), Typed(U'С'), {-1, -1}, {9, 9}},
    {"a letter with nothing to find changes nothing", kNames, Typed(U'Ю'), {2, 4}, {2, 4}},
    {"a digit finds a temperature", kShown, Typed(U'3'), {0, 0}, {9, 9}},
    {"a minus finds the next temperature below zero", kShown, Typed(U'-'), {1, 1}, {2, 2}},
    {"a digit does not look past the blank that aligns a row", kShown, Typed(U'6'), {0, 0}, {0, 0}},
    {"a typed blank is no letter", kShown, Typed(U' '), {4, -1}, {4, -1}},
    {"a Latin letter folds to small too", {"Tarsomel", "x"}, Typed(U't'), {1, 1}, {0, 0}},
};

TEST(ListKeys, EachKeyFromEachState) {
  for (const Row& row : kRows) {
    const quiz::MemoryListBox list = ListOf(row.rows);
    const ListState got = ui::PressKey(list, row.before, row.press, kInSight);
    EXPECT_EQ(got.mark, row.after.mark) << row.what;
    EXPECT_EQ(got.selected, row.after.selected) << row.what;
  }
}

TEST(ListKeys, AnEmptyListAndATinyViewChangeNothingOrMoveByOne) {
  const quiz::MemoryListBox empty;
  EXPECT_EQ(ui::PressKey(empty, {-1, -1}, Plain(ListKey::kDown), kInSight), (ListState{-1, -1}));
  const quiz::MemoryListBox list = ListOf(kShown);
  // With one row or none in sight a page is still one row.
  EXPECT_EQ(ui::PressKey(list, {4, 4}, Plain(ListKey::kPageDown), 1), (ListState{5, 5}));
  EXPECT_EQ(ui::PressKey(list, {4, 4}, Plain(ListKey::kPageUp), 0), (ListState{3, 3}));
  EXPECT_EQ(ui::ClickRow(6), (ListState{6, 6}));
}

TEST(ListKeys, TheFirstCharacterOfTypedText) {
  EXPECT_EQ(ui::FirstCharacter("С"), U'С');
  EXPECT_EQ(ui::FirstCharacter("3500°C"), U'3');
  EXPECT_EQ(ui::FirstCharacter("°"), U'°');
  EXPECT_EQ(ui::FirstCharacter("€"), U'€');
  EXPECT_EQ(ui::FirstCharacter("\xF0\x9F\x98\x80"), U'\U0001F600');
  EXPECT_EQ(ui::FirstCharacter(""), std::nullopt);
  EXPECT_EQ(ui::FirstCharacter("\xD0"), std::nullopt);      // cut short
  EXPECT_EQ(ui::FirstCharacter("\xD0\x41"), std::nullopt);  // not a continuation
  EXPECT_EQ(ui::FirstCharacter("\x80"), std::nullopt);      // a continuation first
}

}  // namespace
