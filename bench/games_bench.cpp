// SPDX-License-Identifier: GPL-3.0-or-later
// Complete four-computer games on the deterministic host, with the full timer
// traffic: every computer roll, every tidying pass and every win check.
#include <benchmark/benchmark.h>

#include "support/driver.h"

namespace quivalo {
namespace {

void playGames(benchmark::State& state, bool schwer) {
  std::uint32_t start = 0;
  std::uint64_t rolls = 0;
  std::uint64_t events = 0;
  std::int64_t games = 0;
  HeadlessOptions o;
  o.schwer = schwer;
  for (auto _ : state) {
    o.startTimeOfDay = start;
    start = (start + 7'919) % VirtualHost::kDayMs;
    const HeadlessResult r = playHeadless(o);
    benchmark::DoNotOptimize(r.winner);
    rolls += r.rolls;
    events += r.events;
    ++games;
  }
  state.SetItemsProcessed(games);
  state.counters["games/s"] =
      benchmark::Counter(static_cast<double>(games), benchmark::Counter::kIsRate);
  state.counters["rolls/s"] =
      benchmark::Counter(static_cast<double>(rolls), benchmark::Counter::kIsRate);
  state.counters["rolls/game"] = static_cast<double>(rolls) / static_cast<double>(games);
  state.counters["events/game"] = static_cast<double>(events) / static_cast<double>(games);
}

void BM_GameSchwer(benchmark::State& state) { playGames(state, true); }
void BM_GameLeicht(benchmark::State& state) { playGames(state, false); }

BENCHMARK(BM_GameSchwer)->Unit(benchmark::kMicrosecond)->MinTime(2.0);
BENCHMARK(BM_GameLeicht)->Unit(benchmark::kMicrosecond)->MinTime(2.0);

}  // namespace
}  // namespace quivalo

BENCHMARK_MAIN();
