// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The game in rounds, as a learning platform (an LMS) is told it: a round
// runs from the start, or from "Чисти", until every name row has been
// played once; its score is the right pairs in it, 0 to 10. The best
// finished round is the pupil's result. No toolkit, no platform here: an
// edition that reports to one feeds this the handlers' verdicts.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

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

  // A pair was judged: `verdict` is what the message box now says, `names`
  // the names list after the judged row was blanked. Gives the round's
  // result when this pair finished it; pairs after that, until a restart,
  // count for nothing.
  std::optional<Finished> Judged(std::string_view verdict, const quiz::ListBox& names);
  // "Чисти": a new round; an unfinished one is dropped.
  void Restart();

  // The best finished round, if any round was finished.
  std::optional<int16_t> Best() const;

 private:
  int16_t right_ = 0;
  bool finished_ = false;
  int16_t best_ = -1;
};

}  // namespace ui
