// Long random games played on the in-memory controls and, side by side, on a
// small model of the game written from the rules alone.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "game_model.h"
#include "quiz.h"

namespace {

void ExpectSame(quiz::MemoryControls& c, const model::Game& m, int step) {
  for (int16_t list = 0; list < 2; ++list) {
    const auto& rows = list == 0 ? m.names : m.temperatures;
    ASSERT_EQ(c.List1(list).ListCount(), static_cast<int16_t>(rows.size())) << "step " << step;
    for (int16_t i = 0; i < c.List1(list).ListCount(); ++i) {
      ASSERT_EQ(c.List1(list).List(i), rows[static_cast<size_t>(i)]) << "step " << step << " list " << list;
    }
  }
  ASSERT_EQ(c.List1(0).ListIndex(), m.sel0) << "step " << step;
  ASSERT_EQ(c.List1(1).ListIndex(), m.sel1) << "step " << step;
  ASSERT_EQ(c.Text1().Text(), m.text) << "step " << step;
}

TEST(Model, RandomGamesAgreeWithTheModel) {
  for (unsigned seed : {1u, 2u, 3u, 2026u}) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    quiz::MemoryControls c;
    const quiz::ControlSet& set = c.Set();
    model::Game m;
    c.Text1().SetText("task");
    quiz::FillLists(set);
    m.text = "task";  // the first fill leaves the task statement in the box
    int rights = 0;
    for (int step = 0; step < 20000; ++step) {
      const unsigned action = random() % 41;
      if (action == 40) {
        // The restart button: refill, then empty the box.
        quiz::FillLists(set);
        set.Text1(0).SetText("");
        m.Restart();
      } else {
        const auto list = static_cast<int16_t>(action / 20);
        const auto row = static_cast<int16_t>((action % 20) / 2);
        set.List1(list).SetListIndex(row);
        // The window's guard: both selections read, then tested.
        const int16_t sel0 = set.List1(0).ListIndex();
        const int16_t sel1 = set.List1(1).ListIndex();
        if (sel0 > -1 && sel1 > -1) quiz::CheckPair(set);
        m.Pick(list, row);
      }
      ExpectSame(c, m, step);
      if (m.text.starts_with("Вярно")) ++rights;
    }
    EXPECT_GT(rights, 0);  // the games did reach right answers
  }
}

}  // namespace
