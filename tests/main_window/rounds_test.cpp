// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The game in rounds, as a learning platform is told it, fed by the shared
// handlers over in-memory controls; what is right is told by the separate
// model of the game.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <random>
#include <vector>

#include "game_model.h"
#include "memory_main_window.h"
#include "rounds.h"

namespace {

using model::RightRow;
using testing_support::MemoryMainWindow;

// The window and the rounds together, as an edition feeds them: the
// window's outcomes, every pair judged and every restart.
struct Played {
  Played() {
    window.main_window.Observe([this](const ui::Outcome& outcome) {
      ++outcomes;
      if (auto result = rounds.Observe(outcome)) finished.push_back(*result);
    });
  }
  Played(const Played&) = delete;
  Played& operator=(const Played&) = delete;

  MemoryMainWindow window;
  model::Game game;
  ui::Rounds rounds;
  std::vector<ui::Rounds::Finished> finished;
  int outcomes = 0;
  int right = 0;  // right pairs in the round, by the model

  void Pick(int16_t list, int16_t row) {
    const size_t said = window.message.said.size();
    window.Pick(list, row);
    game.Pick(list, row);
    if (window.message.said.size() == said) return;
    if (game.text.starts_with("Вярно")) ++right;
  }
  void Pair(int16_t name, int16_t temperature) {
    Pick(0, name);
    Pick(1, temperature);
  }
  void Restart() {
    window.Restart();
    game.Restart();
    right = 0;
  }
};

TEST(Rounds, NoResultBeforeEveryNameIsPlayed) {
  Played p;
  for (int16_t name = 0; name < 9; ++name) p.Pair(name, RightRow(name));
  EXPECT_TRUE(p.finished.empty());
  EXPECT_EQ(p.rounds.Best(), std::nullopt);
}

TEST(Rounds, ARoundOfRightPairsScoresTen) {
  Played p;
  for (int16_t name = 9; name >= 0; --name) p.Pair(name, RightRow(name));
  ASSERT_EQ(p.finished.size(), 1u);
  EXPECT_EQ(p.finished[0], (ui::Rounds::Finished{ui::Rounds::kMaxScore, ui::Rounds::kMaxScore}));
  EXPECT_EQ(p.rounds.Best(), ui::Rounds::kMaxScore);
}

TEST(Rounds, ARoundOfWrongPairsScoresNothing) {
  Played p;
  // Each name with the temperature row after its right one: never right.
  for (int16_t name = 0; name < 10; ++name) {
    int16_t row = 0;
    while (row == RightRow(name) || p.window.temperatures.List(row) == "  ") ++row;
    p.Pair(name, row);
  }
  ASSERT_EQ(p.finished.size(), 1u);
  EXPECT_EQ(p.finished[0].score, ui::Rounds::kMinScore);
  EXPECT_EQ(p.rounds.Best(), 0);
}

TEST(Rounds, ARestartDropsTheRoundAndTheBestFinishedOneStays) {
  Played p;
  for (int16_t name = 0; name < 4; ++name) p.Pair(name, RightRow(name));
  p.Restart();
  EXPECT_TRUE(p.finished.empty());
  for (int16_t name = 0; name < 10; ++name) p.Pair(name, RightRow(name));
  ASSERT_EQ(p.finished.size(), 1u);
  EXPECT_EQ(p.finished[0].score, 10);
  p.Restart();
  // A worse round: the first and last names right, the others wrong.
  p.Pair(0, RightRow(0));
  for (int16_t name = 1; name < 9; ++name) {
    int16_t row = 0;
    while (row == RightRow(name) || row == RightRow(9) || p.window.temperatures.List(row) == "  ") ++row;
    p.Pair(name, row);
  }
  p.Pair(9, RightRow(9));
  ASSERT_EQ(p.finished.size(), 2u);
  EXPECT_EQ(p.finished[1].score, 2);
  EXPECT_EQ(p.finished[1].score, p.right);
  EXPECT_EQ(p.finished[1].best, 10);
  EXPECT_EQ(p.rounds.Best(), 10);
}

TEST(Rounds, PairsAfterAFinishedRoundCountForNothing) {
  Played p;
  for (int16_t name = 0; name < 10; ++name) p.Pair(name, RightRow(name));
  ASSERT_EQ(p.finished.size(), 1u);
  p.Pair(3, 4);  // two played rows, judged wrong
  EXPECT_EQ(p.finished.size(), 1u);
  EXPECT_EQ(p.rounds.Best(), 10);
}

TEST(Rounds, APlayedNameRowPickedAgainEndsNoRound) {
  Played p;
  p.Pair(0, RightRow(0));
  p.Pair(0, 3);  // the blank name row with another temperature: wrong
  for (int16_t name = 1; name < 10; ++name) p.Pair(name, RightRow(name));
  ASSERT_EQ(p.finished.size(), 1u);
  EXPECT_EQ(p.finished[0].score, p.right);
}

// Random rounds: the score is always the model's count of right pairs, and
// the best is the best of the rounds finished so far.
TEST(Rounds, RandomGamesScoreAsTheModelCounts) {
  std::mt19937 random(17);
  Played p;
  int best = -1;
  for (int move = 0; move < 20000; ++move) {
    const auto pick = static_cast<int16_t>(random() % 21);
    const size_t finished = p.finished.size();
    if (pick == 20) {
      p.Restart();
    } else {
      p.Pick(static_cast<int16_t>(pick / 10), static_cast<int16_t>(pick % 10));
    }
    if (p.finished.size() != finished) {
      best = std::max(best, p.right);
      ASSERT_EQ(p.finished.back().score, p.right) << "move " << move;
      ASSERT_EQ(p.finished.back().best, best) << "move " << move;
    }
  }
  EXPECT_GT(p.finished.size(), 20u);
  ASSERT_TRUE(p.rounds.Best().has_value());
  EXPECT_EQ(*p.rounds.Best(), best);
}

}  // namespace
