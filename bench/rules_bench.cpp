// SPDX-License-Identifier: GPL-3.0-or-later
// The rules alone: complete four-computer games of the game on the bare
// deterministic host, with nothing else per event. Each iteration plays the
// same batch of games (the number after "games:" in the benchmark's name), so
// two builds compare on exactly the same games, and one iteration
// (--benchmark_min_time=0) is what callgrind counts (bench/compare.sh).
#include <benchmark/benchmark.h>

#include <cstdint>

#include "computer/game.h"
#include "game/virtual_host.h"

namespace quivalo {
namespace {

constexpr std::uint64_t kGameLimitMs = 3'600'000;  // a game that has no winner after an hour stops

// One game from "Neu" at the given time of day to its congratulation, all four
// colours played by the computer; returns the events (timer firings).
std::uint64_t playGame(bool schwer, std::uint32_t timeOfDay) {
  VirtualHost host;
  Game game(host.platform());
  host.setTarget(&game);
  for (Colour c : kColours) {
    if (game.state().SpielerMenu[c].Checked) {
      game.SpielerMenuClick(c);
    }
  }
  if (schwer) {
    game.schwer1Click();
  } else {
    game.leicht1Click();
  }
  host.setTimeOfDay(timeOfDay);
  game.Neu1Click();
  std::uint64_t events = 0;
  while (host.dialogs().empty() && host.fireNext(kGameLimitMs)) {
    ++events;
  }
  benchmark::DoNotOptimize(host.dialogs());
  return events;
}

// A batch of n games, at times of day 0, 7,919 ms, 15,838 ms and so on.
std::uint64_t playBatch(bool schwer, std::int64_t n) {
  std::uint64_t events = 0;
  for (std::int64_t i = 0; i < n; ++i) {
    events += playGame(schwer, static_cast<std::uint32_t>(i * 7'919));
  }
  return events;
}

void playGames(benchmark::State& state, bool schwer) {
  std::uint64_t events = 0;
  for (auto _ : state) {
    events += playBatch(schwer, state.range(0));
  }
  const auto games = static_cast<double>(state.iterations() * state.range(0));
  state.SetItemsProcessed(static_cast<std::int64_t>(games));
  state.counters["time/game"] =
      benchmark::Counter(games, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
  state.counters["events/game"] = static_cast<double>(events) / games;
}

void BM_RulesSchwer(benchmark::State& state) { playGames(state, true); }
void BM_RulesLeicht(benchmark::State& state) { playGames(state, false); }

BENCHMARK(BM_RulesSchwer)->ArgName("games")->Arg(200)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RulesLeicht)->ArgName("games")->Arg(200)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quivalo

BENCHMARK_MAIN();
