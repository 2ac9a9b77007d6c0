// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer target over the quiz core and the window's handlers: the input
// bytes are a sequence of pupil actions on in-memory controls, played
// alongside the model of the game; any disagreement or broken invariant
// aborts. The same bytes, as text, go through the spoken form a screen
// reader is given, which must never read out of bounds.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "game_model.h"
#include "memory_main_window.h"
#include "quiz.h"

namespace {

void Require(bool ok, const char* what) {
  if (!ok) {
    std::fprintf(stderr, "broken: %s\n", what);
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string spoken = ui::SpokenText(std::string_view(reinterpret_cast<const char*>(data), size));
  Require(spoken.size() >= size / 2, "the spoken form keeps the text");
  testing_support::MemoryMainWindow c;
  const quiz::ControlSet& set = c.main_window.Controls();
  model::Game m;
  m.text = std::string(ui::kTaskStatement);
  for (size_t i = 0; i < size; ++i) {
    // 0-9 a name row, 10-19 a temperature row, 20 "Чисти".
    const int action = data[i] % 21;
    if (action == 20) {
      c.Restart();
      m.Restart();
    } else {
      const int list = action / 10;
      const auto row = static_cast<int16_t>(action % 10);
      c.Pick(static_cast<int16_t>(list), row);
      m.Pick(list, row);
    }
    Require(testing_support::Rows(c.names) == m.names, "names agree");
    Require(testing_support::Rows(c.temperatures) == m.temperatures, "temperatures agree");
    Require(c.names.ListIndex() == m.sel0 && c.temperatures.ListIndex() == m.sel1, "selections agree");
    Require(c.Text() == m.text, "message agrees");
    for (int16_t t = 2; t <= 5; ++t) Require(set.List1(t).ListCount() == 10, "tables keep ten rows");
    Require(set.List1(2).List(0) == "Водород" && set.List1(5).List(9) == "3500°C", "tables unchanged");
  }
  return 0;
}
