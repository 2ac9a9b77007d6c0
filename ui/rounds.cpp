// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rounds.h"

#include <algorithm>

namespace ui {

std::optional<Rounds::Finished> Rounds::Observe(const Outcome& outcome) {
  if (outcome.kind == Outcome::Kind::kRestart) {
    played_ = {};
    right_ = 0;
    finished_ = false;
    return std::nullopt;
  }
  if (finished_) return std::nullopt;
  const int16_t row = outcome.pair.name_row;
  if (row >= 0 && row < quiz::kElements) played_[static_cast<size_t>(row)] = true;
  if (outcome.pair.right) ++right_;
  if (!std::all_of(played_.begin(), played_.end(), [](bool played) { return played; })) return std::nullopt;
  finished_ = true;
  best_ = std::max(best_, right_);
  return Finished{right_, best_};
}

std::optional<int16_t> Rounds::Best() const {
  if (best_ < 0) return std::nullopt;
  return best_;
}

}  // namespace ui
