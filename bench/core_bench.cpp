// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Speed and allocations of the quiz core on in-memory controls.
#include <benchmark/benchmark.h>

#include "count_allocations.h"
#include "quiz.h"

namespace {

struct Counted {
  Counted() {
    bench::allocations = 0;
    bench::counting = true;
  }
  ~Counted() { bench::counting = false; }
};

void BM_FillLists(benchmark::State& state) {
  quiz::MemoryControls c;
  long total = 0;
  for (auto _ : state) {
    Counted counted;
    quiz::FillLists(c.Set());
    total += bench::allocations;
  }
  state.counters["allocs/call"] = benchmark::Counter(double(total) / double(state.iterations()));
}
BENCHMARK(BM_FillLists);

// One check per iteration, right or wrong as the argument says; the lists
// are refilled, untimed, when every row has been played.
void BM_CheckPair(benchmark::State& state) {
  const bool right = state.range(0) == 1;
  quiz::MemoryControls c;
  quiz::FillLists(c.Set());
  // Name rows and the temperature rows that are right (or wrong) for them.
  const int16_t right_row[10] = {1, 0, 3, 9, 2, 8, 4, 7, 6, 5};
  int16_t next = 0;
  long total = 0;
  for (auto _ : state) {
    if (next == 10) {
      state.PauseTiming();
      quiz::FillLists(c.Set());
      next = 0;
      state.ResumeTiming();
    }
    c.List1(0).SetListIndex(next);
    c.List1(1).SetListIndex(right ? right_row[next] : static_cast<int16_t>((right_row[next] + 1) % 10));
    {
      Counted counted;
      quiz::CheckPair(c.Set());
      total += bench::allocations;
    }
    ++next;
  }
  state.counters["allocs/call"] = benchmark::Counter(double(total) / double(state.iterations()));
}
BENCHMARK(BM_CheckPair)->Arg(1)->Arg(0)->ArgName("right");

// A whole game: fill, then ten right pairs.
void BM_WholeGame(benchmark::State& state) {
  quiz::MemoryControls c;
  const int16_t right_row[10] = {1, 0, 3, 9, 2, 8, 4, 7, 6, 5};
  long total = 0;
  for (auto _ : state) {
    Counted counted;
    quiz::FillLists(c.Set());
    for (int16_t i = 0; i < 10; ++i) {
      c.List1(0).SetListIndex(i);
      c.List1(1).SetListIndex(right_row[i]);
      quiz::CheckPair(c.Set());
    }
    total += bench::allocations;
  }
  state.counters["allocs/game"] = benchmark::Counter(double(total) / double(state.iterations()));
}
BENCHMARK(BM_WholeGame);

}  // namespace

BENCHMARK_MAIN();
