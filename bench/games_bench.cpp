// SPDX-License-Identifier: GPL-3.0-or-later
// Complete four-computer games on the deterministic host, with the full timer
// traffic: every computer roll, every tidying pass and every win check.
#include <benchmark/benchmark.h>

#include "support/driver.h"

namespace quivalo {
namespace {

// One game from "Neu" at the given time of day to its congratulation (or
// 100,000 rolls), all four colours played by the computer; its rolls and
// events (timer firings) are added up.
void playGame(bool schwer, std::uint32_t timeOfDay, std::uint64_t& rolls, std::uint64_t& events) {
  testing::Driver d(0, 1);
  d.setUp(0, !schwer, timeOfDay, true);
  d.afterEvent = [&events](testing::Action, int) { ++events; };
  while (!d.won() && d.game.stats().rolls < 100'000 && d.step()) {
  }
  benchmark::DoNotOptimize(d.host.dialogs());
  rolls += d.game.stats().rolls;
}

void playGames(benchmark::State& state, bool schwer) {
  std::uint32_t start = 0;
  std::uint64_t rolls = 0;
  std::uint64_t events = 0;
  std::int64_t games = 0;
  for (auto _ : state) {
    playGame(schwer, start, rolls, events);
    start = (start + 7'919) % VirtualHost::kDayMs;
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
