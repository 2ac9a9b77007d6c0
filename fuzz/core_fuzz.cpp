// libFuzzer target over the quiz core: the input bytes are a sequence of
// pupil actions on in-memory controls, played alongside the model of the
// game; any disagreement or broken invariant aborts.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "game_model.h"
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
  quiz::MemoryControls c;
  const quiz::ControlSet& set = c.Set();
  quiz::FillLists(set);
  model::Game m;
  for (size_t i = 0; i < size; ++i) {
    // 0-9 a name row, 10-19 a temperature row, 20 "Чисти".
    const int action = data[i] % 21;
    if (action == 20) {
      quiz::FillLists(set);
      set.Text1(0).SetText("");
      m.Restart();
    } else {
      const int list = action / 10;
      const auto row = static_cast<int16_t>(action % 10);
      set.List1(static_cast<int16_t>(list)).SetListIndex(row);
      if (set.List1(0).ListIndex() > -1 && set.List1(1).ListIndex() > -1) quiz::CheckPair(set);
      m.Pick(list, row);
    }
    for (int16_t l = 0; l < 2; ++l) {
      const auto& rows = l == 0 ? m.names : m.temperatures;
      Require(c.List1(l).ListCount() == 10, "a visible list has ten rows");
      for (int16_t r = 0; r < 10; ++r) Require(c.List1(l).List(r) == rows[static_cast<size_t>(r)], "rows agree");
    }
    Require(c.List1(0).ListIndex() == m.sel0 && c.List1(1).ListIndex() == m.sel1, "selections agree");
    Require(c.Text1().Text() == m.text, "message agrees");
    for (int16_t t = 2; t <= 5; ++t) Require(c.List1(t).ListCount() == 10, "tables keep ten rows");
    Require(c.List1(2).List(0) == "Водород" && c.List1(5).List(9) == "3500°C", "tables unchanged");
  }
  return 0;
}
