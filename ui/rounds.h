// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The game in rounds, as a learning platform (an LMS) is told it: a round
// runs from the start, or from "Чисти", until every name row has been
// played once; its score is the right pairs in it, 0 to 10. The best
// finished round is the pupil's result. No toolkit, no platform here: fed
// with the main window's outcomes.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "main_window.h"
#include "quiz.h"

namespace ui {

class Rounds {
 public:
  static constexpr int16_t kMinScore = 0;
  static constexpr int16_t kMaxScore = quiz::kElements;

  struct Finished {
    int16_t score;  // right pairs in the round just finished
    int16_t best;   // the best finished round so far, this one included
    bool operator==(const Finished&) const = default;
  };

  // A pair judged or a restart. Gives the round's result when this pair
  // finished it; pairs after that, until a restart, count for nothing. A
  // restart drops an unfinished round.
  std::optional<Finished> Observe(const Outcome& outcome);

  // The best finished round, if any round was finished.
  std::optional<int16_t> Best() const;

 private:
  std::array<bool, quiz::kElements> played_{};  // name rows played this round
  int16_t right_ = 0;
  bool finished_ = false;
  int16_t best_ = -1;
};

}  // namespace ui
