// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Shared by the tests: the rows the pupil sees, taken from the core's tables,
// and a list's rows read back through the contract.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "quiz.h"

namespace testing_support {

inline std::vector<std::string> FromTable(const std::array<std::string_view, quiz::kElements>& table) {
  return {table.begin(), table.end()};
}

// The visible lists right after a fill.
inline const std::vector<std::string> kNames = FromTable(quiz::kNames);
inline const std::vector<std::string> kShown = FromTable(quiz::kShownTemperatures);

inline std::vector<std::string> Rows(const quiz::ListBox& list) {
  std::vector<std::string> rows;
  for (int16_t i = 0; i < list.ListCount(); ++i) rows.push_back(list.List(i));
  return rows;
}

}  // namespace testing_support
