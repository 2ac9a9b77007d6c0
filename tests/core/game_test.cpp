// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "quiz.h"
#include "rows.h"

namespace {

using quiz::CheckPair;
using quiz::ControlSet;
using quiz::FillLists;

using testing_support::kNames;
using testing_support::kShown;
using testing_support::Rows;

// A list box that writes every change to a shared log and, like a toolkit
// list may, raises Click after each change of rows or selection (but not
// after a row is rewritten in place).
class RecordingListBox final : public quiz::ListBox {
 public:
  RecordingListBox(int16_t index, std::vector<std::string>* log) : index_(index), log_(log) {}
  std::function<void(int16_t)> on_click;

  const std::string& List(int16_t i) const override { return list_.List(i); }
  void SetList(int16_t i, std::string text) override {
    Log("SetList", std::to_string(i) + "=" + text);
    list_.SetList(i, std::move(text));
  }
  int16_t ListIndex() const override { return list_.ListIndex(); }
  void SetListIndex(int16_t i) override {
    Log("SetListIndex", std::to_string(i));
    list_.SetListIndex(i);
    Click();
  }
  int16_t ListCount() const override { return list_.ListCount(); }
  void AddItem(std::string text) override {
    Log("AddItem", text);
    list_.AddItem(std::move(text));
    Click();
  }
  void Clear() override {
    Log("Clear", "");
    list_.Clear();
    Click();
  }

 private:
  void Log(const char* op, const std::string& arg) {
    log_->push_back("List1(" + std::to_string(index_) + ")." + op + "(" + arg + ")");
  }
  void Click() {
    if (on_click) on_click(index_);
  }

  int16_t index_;
  std::vector<std::string>* log_;
  quiz::MemoryListBox list_;
};

class RecordingTextBox final : public quiz::TextBox {
 public:
  explicit RecordingTextBox(std::vector<std::string>* log) : log_(log) {}
  const std::string& Text() const override { return box_.Text(); }
  void SetText(std::string text) override {
    log_->push_back("Text1(0).Text=" + text);
    box_.SetText(std::move(text));
  }

 private:
  std::vector<std::string>* log_;
  quiz::MemoryTextBox box_;
};

// Controls that log and raise Click into the same guard the window runs:
// check only when both visible lists have a selection.
class Recorded : public ::testing::Test {
 protected:
  Recorded()
      : lists_{RecordingListBox(0, &log), RecordingListBox(1, &log), RecordingListBox(2, &log),
               RecordingListBox(3, &log), RecordingListBox(4, &log), RecordingListBox(5, &log)},
        box_(&log),
        set({&lists_[0], &lists_[1], &lists_[2], &lists_[3], &lists_[4], &lists_[5]}, &box_) {
    quiz::LoadTables(set);
    for (auto& list : lists_) list.on_click = [this](int16_t) { Guard(); };
    FillLists(set);
    log.clear();
  }

  void Guard() {
    const int16_t names = set.List1(0).ListIndex();
    const int16_t temperatures = set.List1(1).ListIndex();
    if (names > -1 && temperatures > -1) {
      ++checks;
      CheckPair(set);
    }
  }

  // A pupil's pick: select the row, then the Click it raises runs the guard.
  void Pick(int16_t list, int16_t row) { set.List1(list).SetListIndex(row); }

  std::vector<std::string> log;
  int checks = 0;

 private:
  std::array<RecordingListBox, 6> lists_;
  RecordingTextBox box_;

 protected:
  ControlSet set;
};

TEST_F(Recorded, FillListsClearsBothThenAddsOneNameAndOneTemperaturePerStep) {
  Pick(0, 3);
  log.clear();
  FillLists(set);
  std::vector<std::string> expected = {"List1(0).Clear()", "List1(1).Clear()"};
  for (size_t k = 0; k < 10; ++k) {
    expected.push_back("List1(0).AddItem(" + kNames[k] + ")");
    expected.push_back("List1(1).AddItem(" + kShown[k] + ")");
  }
  EXPECT_EQ(log, expected);
  EXPECT_EQ(checks, 0);
}

TEST_F(Recorded, CheckPairWritesInOrderAndNeverRunsNested) {
  Pick(1, 1);  // "-259°C" first: one list selected, nothing happens
  EXPECT_EQ(checks, 0);
  EXPECT_TRUE(log.size() == 1);
  log.clear();
  Pick(0, 0);  // "Водород": the guard checks once
  const std::string line = "Вярно Водород температура на топене -259°C\r\n";
  const std::vector<std::string> expected = {
      "List1(0).SetListIndex(0)",  "Text1(0).Text=Вярно ",
      "Text1(0).Text=" + line,     "Text1(0).Text=" + line + std::string(quiz::kDescriptions[0]),
      "List1(0).SetList(0= )",     "List1(1).SetList(1=  )",
      "List1(0).SetListIndex(-1)", "List1(1).SetListIndex(-1)",
  };
  EXPECT_EQ(log, expected);
  // The Clicks raised by clearing the selections found a list without one.
  EXPECT_EQ(checks, 1);
}

TEST_F(Recorded, WrongVerdictIsWrittenInTwoSteps) {
  Pick(0, 0);
  log.clear();
  Pick(1, 0);
  const std::vector<std::string> expected = {
      "List1(1).SetListIndex(0)",
      "Text1(0).Text=Грешен отговор за ",
      "Text1(0).Text=Грешен отговор за Водород и температура на топене -272°C\r\n",
      "List1(0).SetList(0= )",
      "List1(1).SetList(0=  )",
      "List1(0).SetListIndex(-1)",
      "List1(1).SetListIndex(-1)",
  };
  EXPECT_EQ(log, expected);
}

// In-memory controls with the tables loaded and the lists filled.
class Game : public ::testing::Test {
 protected:
  Game() { FillLists(c.Set()); }

  // Both selections made, then the check, as the window does it.
  void Play(int16_t name_row, int16_t temperature_row) {
    c.List1(0).SetListIndex(name_row);
    c.List1(1).SetListIndex(temperature_row);
    CheckPair(c.Set());
  }
  const std::string& Box() { return c.Text1().Text(); }

  quiz::MemoryControls c;
};

TEST_F(Game, FillListsGivesTheExactRowsNoneSelected) {
  EXPECT_EQ(Rows(c.List1(0)), kNames);
  EXPECT_EQ(Rows(c.List1(1)), kShown);
  EXPECT_EQ(c.List1(0).ListIndex(), -1);
  EXPECT_EQ(c.List1(1).ListIndex(), -1);
  FillLists(c.Set());
  EXPECT_EQ(Rows(c.List1(0)), kNames);  // ten, not twenty
  EXPECT_EQ(Rows(c.List1(1)), kShown);
}

TEST_F(Game, FillListsRestoresPlayedRowsAndDropsSelections) {
  Play(0, 1);
  Play(9, 9);
  c.List1(0).SetListIndex(4);
  c.List1(1).SetListIndex(2);
  c.Text1().SetText("left alone");
  FillLists(c.Set());
  EXPECT_EQ(Rows(c.List1(0)), kNames);
  EXPECT_EQ(Rows(c.List1(1)), kShown);
  EXPECT_EQ(c.List1(0).ListIndex(), -1);
  EXPECT_EQ(c.List1(1).ListIndex(), -1);
  EXPECT_EQ(Box(), "left alone");
}

TEST_F(Game, NoGameChangesTheTables) {
  quiz::MemoryControls fresh;
  for (int16_t row = 0; row < 10; ++row) Play(row, static_cast<int16_t>(9 - row));
  FillLists(c.Set());
  Play(0, 1);
  for (int16_t i = 2; i <= 5; ++i) {
    EXPECT_EQ(Rows(c.List1(i)), Rows(fresh.List1(i))) << "List1(" << i << ")";
    EXPECT_EQ(c.List1(i).ListIndex(), -1);
  }
}

TEST_F(Game, FillListsWithNoNamesLeavesBothListsEmpty) {
  c.List1(2).Clear();
  FillLists(c.Set());
  EXPECT_EQ(c.List1(0).ListCount(), 0);
  EXPECT_EQ(c.List1(1).ListCount(), 0);
}

TEST_F(Game, RightPairShowsTheVerdictAndTheDescription) {
  Play(0, 1);
  EXPECT_EQ(Box(), "Вярно Водород температура на топене -259°C\r\n" + std::string(quiz::kDescriptions[0]));
  EXPECT_EQ(c.List1(0).List(0), " ");
  EXPECT_EQ(c.List1(1).List(1), "  ");
  EXPECT_EQ(c.List1(0).ListIndex(), -1);
  EXPECT_EQ(c.List1(1).ListIndex(), -1);
  // Every other row is still in play.
  for (int16_t i = 1; i < 10; ++i) EXPECT_EQ(c.List1(0).List(i), kNames[static_cast<size_t>(i)]);
}

TEST_F(Game, WrongPairShowsTheVerdictAlone) {
  Play(0, 0);
  EXPECT_EQ(
      Box(),
      "\xD0\x93\xD1\x80\xD0\xB5\xD1\x88\xD0\xB5\xD0\xBD \xD0\xBE\xD1\x82\xD0\xB3\xD0\xBE\xD0\xB2\xD0\xBE\xD1\x80 "
      "\xD0\xB7\xD0\xB0 \xD0\x92\xD0\xBE\xD0\xB4\xD0\xBE\xD1\x80\xD0\xBE\xD0\xB4 \xD0\xB8 \xD1\x82\xD0\xB5\xD0\xBC"
      "\xD0\xBF\xD0\xB5\xD1\x80\xD0\xB0\xD1\x82\xD1\x83\xD1\x80\xD0\xB0 \xD0\xBD\xD0\xB0 \xD1\x82\xD0\xBE\xD0\xBF"
      "\xD0\xB5\xD0\xBD\xD0\xB5 -272\xC2\xB0"
      "C\r\n");
  EXPECT_EQ(c.List1(0).List(0), " ");
  EXPECT_EQ(c.List1(1).List(0), "  ");
  EXPECT_EQ(c.List1(0).ListIndex(), -1);
  EXPECT_EQ(c.List1(1).ListIndex(), -1);
}

TEST_F(Game, EveryElementHasItsRightTemperature) {
  for (size_t i = 0; i < 10; ++i) {
    FillLists(c.Set());
    const auto row = static_cast<int16_t>(
        std::find(kShown.begin(), kShown.end(), std::string(quiz::kKeyTemperatures[i])) - kShown.begin());
    Play(static_cast<int16_t>(i), row);
    EXPECT_EQ(Box(), "Вярно " + kNames[i] + " температура на топене " + kShown[static_cast<size_t>(row)] + "\r\n" +
                         std::string(quiz::kDescriptions[i]));
  }
}

TEST_F(Game, SulfurKeepsTheBlankOfItsTemperature) {
  Play(9, 5);
  EXPECT_EQ(Box(), "Вярно Сяра температура на топене  120°C\r\n" + std::string(quiz::kDescriptions[9]));
  EXPECT_EQ(c.List1(0).List(9), " ");
  EXPECT_EQ(c.List1(1).List(5), "  ");
}

TEST_F(Game, IronsDescriptionKeepsItsTwoTrailingBlanks) {
  Play(5, 8);
  EXPECT_TRUE(Box().ends_with(".  "));
  EXPECT_EQ(Box().substr(0, Box().find("\r\n")), "Вярно Желязо температура на топене 1538°C");
}

TEST_F(Game, WrongPairStillTakesBothRowsOutOfPlay) {
  Play(1, 1);  // Хелий / -259°C
  EXPECT_EQ(Box(), "Грешен отговор за Хелий и температура на топене -259°C\r\n");
  EXPECT_EQ(c.List1(0).List(1), " ");
  EXPECT_EQ(c.List1(1).List(1), "  ");
  // Hydrogen can no longer be answered right: its temperature is gone.
  Play(0, 0);
  EXPECT_EQ(Box(), "Грешен отговор за Водород и температура на топене -272°C\r\n");
}

TEST_F(Game, PlayedTemperatureRowIsAlwaysWrong) {
  Play(2, 3);  // Кислород / -219°C: right, row 3 is now "  "
  Play(1, 3);
  EXPECT_EQ(Box(), "Грешен отговор за Хелий и температура на топене   \r\n");
  EXPECT_EQ(c.List1(0).List(1), " ");
  EXPECT_EQ(c.List1(1).List(3), "  ");
}

// A played name row has no melting point: it is judged wrong even beside
// hydrogen's temperature, and shows no element's description.
TEST_F(Game, PlayedNameRowIsAlwaysWrong) {
  Play(9, 0);  // Сяра / -272°C: wrong, name row 9 is now " ", -259°C still in play
  ASSERT_EQ(c.List1(1).List(1), "-259°C");
  Play(9, 1);
  EXPECT_EQ(Box(), "Грешен отговор за   и температура на топене -259°C\r\n");
  EXPECT_EQ(c.List1(0).List(9), " ");
  EXPECT_EQ(c.List1(1).List(1), "  ");
  EXPECT_EQ(c.List1(0).ListIndex(), -1);
  EXPECT_EQ(c.List1(1).ListIndex(), -1);

  Play(0, 2);  // Водород / -249°C: wrong
  Play(0, 3);  // played name, any temperature
  EXPECT_EQ(Box(), "Грешен отговор за   и температура на топене -219°C\r\n");
  Play(0, 0);  // played name with a played temperature
  EXPECT_EQ(Box(), "Грешен отговор за   и температура на топене   \r\n");
}

TEST_F(Game, TheBoxHoldsOnlyTheLatestVerdict) {
  c.Text1().SetText("Най-често срещаните\r\n");
  Play(4, 2);  // Неон / -249°C: right
  EXPECT_TRUE(Box().starts_with("Вярно Неон"));
  Play(3, 0);
  EXPECT_EQ(Box(), "Грешен отговор за Въглерод и температура на топене -272°C\r\n");
  Play(6, 4);
  EXPECT_EQ(Box(), "Вярно Азот температура на топене -210°C\r\n" + std::string(quiz::kDescriptions[6]));
}

TEST_F(Game, TenChecksPlayEveryRow) {
  for (int16_t row = 0; row < 10; ++row) Play(row, row);
  EXPECT_EQ(Rows(c.List1(0)), std::vector<std::string>(10, " "));
  EXPECT_EQ(Rows(c.List1(1)), std::vector<std::string>(10, "  "));
}

}  // namespace
