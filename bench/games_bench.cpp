// SPDX-License-Identifier: GPL-3.0-or-later
// Complete four-computer games played through the event driver of the tests
// (tests/support/driver.h), as the soak plays them: the rules with the
// driver's own work after every event (the scripted person's look at the
// game, the event callback). The rules alone are measured in rules_bench.cpp,
// on the same batch of games.
#include <benchmark/benchmark.h>

#include "support/driver.h"

namespace quivalo {
namespace {

constexpr std::uint64_t kGameLimitMs = 3'600'000;  // a game that has no winner after an hour stops

// One game from "Neu" at the given time of day to its congratulation, all four
// colours played by the computer; its rolls and events (timer firings) are
// added up.
void playGame(bool schwer, std::uint32_t timeOfDay, std::uint64_t& rolls, std::uint64_t& events) {
  testing::Driver d(0, 1);
  d.setUp(0, !schwer, timeOfDay, true);
  d.afterEvent = [&rolls, &events](testing::Action a, int arg) {
    ++events;
    // Each firing of a computer timer is one computer roll.
    if (a == testing::Action::Timer && colourOf(TimerId(arg))) ++rolls;
  };
  while (!d.won() && d.step(kGameLimitMs)) {
  }
  benchmark::DoNotOptimize(d.host.dialogs());
}

// Each iteration plays the same batch of games, at times of day 0, 7,919 ms,
// 15,838 ms and so on (as rules_bench.cpp does).
void playGames(benchmark::State& state, bool schwer) {
  std::uint64_t rolls = 0;
  std::uint64_t events = 0;
  for (auto _ : state) {
    for (std::int64_t i = 0; i < state.range(0); ++i) {
      playGame(schwer, static_cast<std::uint32_t>(i * 7'919), rolls, events);
    }
  }
  const auto games = static_cast<double>(state.iterations() * state.range(0));
  state.SetItemsProcessed(static_cast<std::int64_t>(games));
  state.counters["time/game"] =
      benchmark::Counter(games, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
  state.counters["rolls/game"] = static_cast<double>(rolls) / games;
  state.counters["events/game"] = static_cast<double>(events) / games;
}

void BM_GameSchwer(benchmark::State& state) { playGames(state, true); }
void BM_GameLeicht(benchmark::State& state) { playGames(state, false); }

BENCHMARK(BM_GameSchwer)->ArgName("games")->Arg(200)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GameLeicht)->ArgName("games")->Arg(200)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quivalo

BENCHMARK_MAIN();
