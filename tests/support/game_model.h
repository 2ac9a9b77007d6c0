// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The game as the rules state it, written apart from the quiz code, for tests
// that play long random games on both and compare. The rows come from the
// core's tables; which temperature melts which element is restated here.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "quiz.h"
#include "rows.h"

namespace model {

using testing_support::kNames;
using testing_support::kShown;

// The verdict for the name chosen at `row` and the chosen temperature.
inline std::string Verdict(const std::string& name, const std::string& temperature, int row) {
  static const std::map<std::string, std::string> melts = {
      {"Водород", "-259°C"}, {"Хелий", "-272°C"}, {"Кислород", "-219°C"}, {"Въглерод", "3500°C"}, {"Неон", "-249°C"},
      {"Желязо", "1538°C"},  {"Азот", "-210°C"},  {"Силиций", "1414°C"},  {"Магнезий", " 650°C"}, {"Сяра", " 120°C"}};
  const auto melt = melts.find(name);
  if (melt != melts.end() && melt->second == temperature) {
    return "Вярно " + name + " температура на топене " + temperature + "\r\n" +
           std::string(quiz::kDescriptions[static_cast<size_t>(row)]);
  }
  return "Грешен отговор за " + name + " и температура на топене " + temperature + "\r\n";
}

struct Game {
  std::vector<std::string> names = kNames, temperatures = kShown;
  int sel0 = -1, sel1 = -1;
  std::string text;

  // The "Чисти" button.
  void Restart() {
    names = kNames;
    temperatures = kShown;
    sel0 = sel1 = -1;
    text.clear();
  }

  // The pupil selects a row; with a row selected in each list the pair is
  // judged and both rows are played.
  void Pick(int list, int row) {
    (list == 0 ? sel0 : sel1) = row;
    if (sel0 < 0 || sel1 < 0) return;
    text = Verdict(names[static_cast<size_t>(sel0)], temperatures[static_cast<size_t>(sel1)], sel0);
    names[static_cast<size_t>(sel0)] = " ";
    temperatures[static_cast<size_t>(sel1)] = "  ";
    sel0 = sel1 = -1;
  }
};

// The temperature row that is right for name row `name`, found by trying
// each on the model.
inline int16_t RightRow(int16_t name) {
  for (int16_t row = 0; row < quiz::kElements; ++row) {
    Game game;
    game.Pick(0, name);
    game.Pick(1, row);
    if (game.text.starts_with("Вярно")) return row;
  }
  return -1;
}

}  // namespace model
