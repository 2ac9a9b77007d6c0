// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Long random games played through the window's handlers on in-memory
// controls and, side by side, on a small model of the game written from the
// rules alone.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "game_model.h"
#include "memory_main_window.h"
#include "quiz.h"

namespace {

void ExpectSame(const testing_support::MemoryMainWindow& c, const model::Game& m, int step) {
  ASSERT_EQ(testing_support::Rows(c.names), m.names) << "step " << step;
  ASSERT_EQ(testing_support::Rows(c.temperatures), m.temperatures) << "step " << step;
  ASSERT_EQ(c.names.ListIndex(), m.sel0) << "step " << step;
  ASSERT_EQ(c.temperatures.ListIndex(), m.sel1) << "step " << step;
  ASSERT_EQ(c.Text(), m.text) << "step " << step;
}

TEST(Model, RandomGamesAgreeWithTheModel) {
  for (unsigned seed : {1u, 2u, 3u, 2026u}) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    testing_support::MemoryMainWindow c;
    model::Game m;
    m.text = std::string(ui::kTaskStatement);  // the first fill leaves the task statement in the box
    int verdicts_shown = 0;
    int rights = 0;
    for (int step = 0; step < 20000; ++step) {
      const unsigned action = random() % 41;
      const int shown_before = c.message.shown;
      const std::string text_before = m.text;
      bool acted = true;
      if (action == 40) {
        c.Restart();
        m.Restart();
      } else {
        const auto list = static_cast<int16_t>(action / 20);
        const auto row = static_cast<int16_t>((action % 20) / 2);
        c.Pick(list, row);
        m.Pick(list, row);
        acted = m.sel0 < 0 && m.sel1 < 0;  // the pick completed a pair
      }
      ExpectSame(c, m, step);
      // Each verdict and each restart reaches the screen once, and nothing else does.
      ASSERT_EQ(c.message.shown - shown_before, acted ? 1 : 0) << "step " << step << " after " << text_before;
      verdicts_shown += c.message.shown - shown_before;
      if (m.text.starts_with("Вярно")) ++rights;
    }
    EXPECT_GT(rights, 0);  // the games did reach right answers
    EXPECT_GT(verdicts_shown, 1000);
  }
}

}  // namespace
