// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rounds.h"

#include <algorithm>

#include "main_window.h"

namespace ui {

std::optional<Rounds::Finished> Rounds::Judged(std::string_view verdict, const quiz::ListBox& names) {
  if (finished_) return std::nullopt;
  if (verdict.starts_with(quiz::kRightVerdict)) ++right_;
  for (int16_t i = 0; i < names.ListCount(); ++i) {
    if (!IsBlankRow(names.List(i))) return std::nullopt;
  }
  finished_ = true;
  best_ = std::max(best_, right_);
  return Finished{right_, best_};
}

void Rounds::Restart() {
  right_ = 0;
  finished_ = false;
}

std::optional<int16_t> Rounds::Best() const {
  if (best_ < 0) return std::nullopt;
  return best_;
}

}  // namespace ui
