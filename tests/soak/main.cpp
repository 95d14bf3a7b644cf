// SPDX-License-Identifier: GPL-3.0-or-later
// quivalo-soak: many whole games on the deterministic host, each from its own
// seed: scripted persons, computer colours at both strengths, timer jitter and
// interference at random moments (clicks, the buttons, menu commands, "Neu"),
// with the consistency check after every event.
//
//   quivalo-soak GAMES SEED [FIRST]      games FIRST to FIRST + GAMES - 1 of SEED
//
// Exits 1 on a violation or a game not ended within 20,000 rolls, printing
// the command that replays it, and 3 when one game does not finish within a
// minute (a handler that never returns).
#include <unistd.h>

#include <cmath>
#include <csignal>
#include <cstdlib>
#include <iostream>
#include <map>
#include <string>

#include "support/driver.h"

namespace {

using namespace quivalo;
using namespace quivalo::testing;

// One game; what went wrong, empty when all was well.
std::string soak(std::uint64_t seed, std::uint64_t game, std::uint64_t& events) {
  Rng rng(seed * 0x9E3779B97F4A7C15ull ^ (game + 1) * 0xD1B54A32D192ED03ull);
  Driver d(static_cast<std::uint32_t>(rng.below(41)), rng.below(kNever));
  auto rolls = [&d] { return d.host.draws(); };  // each roll draws; so does each remark
  std::multimap<std::uint64_t, std::function<void()>> agenda;  // the soak's own moments
  auto at = [&agenda](std::uint64_t t, std::function<void()> f) { agenda.emplace(t, f); };
  std::uint64_t rollsAtNeu = 0, lastRolls = 0, lastRollAt = 0;
  auto neu = [&] {
    d.apply(Action::Menu, 0);
    rollsAtNeu = rolls();
  };
  d.personMinMs = rng.between(20, 400);
  d.personMaxMs = d.personMinMs + rng.between(0, 1'200);
  const std::uint64_t meanGapMs = std::array<std::uint64_t, 4>{0, 500, 2'000, 8'000}[rng.below(4)];
  unsigned persons = 0;  // players and strength as a person sets them up
  for (unsigned i = 0; i < 4; ++i) persons |= unsigned(rng.chance(300)) << i;
  const bool leicht = rng.chance(500);
  const auto timeOfDay = static_cast<std::uint32_t>(rng.below(VirtualHost::kDayMs));
  d.setUp(persons, leicht, timeOfDay, rng.chance(500));  // else the game the window opened with

  // Three games in ten see one or two "Neu" before their end: at a random
  // moment, in the middle of a person's roll, or inside a computer chain.
  bool neuMidRoll = false, neuInChain = false;
  for (int i = rng.chance(700) ? 0 : rng.chance(750) ? 1 : 2; i > 0; --i) {
    at(rng.below(200'000), [&] {
      const std::uint64_t kind = rng.below(3);
      kind == 0 ? neu() : void((kind == 1 ? neuMidRoll : neuInChain) = true);
    });
  }
  // Interference at exponentially spread moments, unrelated to the game:
  // clicks, the dice button (also in a computer colour's 250 ms, where the
  // roll counts against that colour) with a move or "Kann nicht" soon after,
  // "Kann nicht", the player items, leicht and schwer, the help commands.
  std::function<void()> interfere = [&] {
    const std::uint64_t r = rng.below(1000);
    const auto arg = static_cast<int>(rng.below(r < 250 ? kBoardImageCount : 72));
    if (r < 450) d.apply(r < 250 ? Action::ClickImage : Action::ClickCell, arg);
    if (r >= 450 && r < 600) {
      d.apply(Action::Roll);
      const auto then = r < 510 ? Action::Move : r < 540 ? Action::KannNicht : Action::Timer;
      at(d.host.now() + rng.below(301), [&d, then, arg] {
        if (d.s().Augen != 0 && then != Action::Timer) d.apply(then, arg);
      });
    }
    if (r >= 600 && r < 700) d.apply(Action::KannNicht);
    if (r >= 700) d.apply(Action::Menu, int(r < 800 ? 1 + rng.below(4) : 5 + rng.below(5)));
    const double u = (static_cast<double>(rng.below(1u << 30)) + 1.0) / double(1u << 30);
    at(d.host.now() + static_cast<std::uint64_t>(-std::log(u) * double(meanGapMs)), interfere);
  };
  if (meanGapMs != 0) at(0, interfere);

  std::string failure;
  d.afterEvent = [&](Action a, int) {
    ++events;
    if (!failure.empty()) return;
    if (rolls() != lastRolls) {
      lastRolls = rolls();
      lastRollAt = d.host.now();
    }
    std::vector<std::string> bad = d.check();
    if (!d.won() && d.host.now() - lastRollAt > 10 * 60'000) bad.push_back("no roll for 10 min");
    for (const std::string& line : bad) failure += "\n    " + line;
    if (!failure.empty()) {
      failure = "at " + std::to_string(d.host.now()) + " ms:" + failure;
    } else if (neuMidRoll && a == Action::Roll && d.s().Augen != 0 && !d.computerArmed()) {
      neuMidRoll = false;
      at(d.host.now() + rng.below(d.personMaxMs + 1), neu);
    } else if (neuInChain && d.computerArmed()) {
      neuInChain = false;
      at(d.host.now() + rng.below(250), neu);
    }
  };
  // One game in five goes on for three seconds after its win, where it must
  // stand still whatever happens (a "Neu" then brings a fresh game).
  const std::uint64_t afterWinMs = rng.chance(200) ? 3'000 : 0;
  std::uint64_t wonAt = kNever;
  while (failure.empty()) {
    if (rolls() - rollsAtNeu > 20'000) return "no end within 20,000 rolls";
    wonAt = d.won() ? std::min(wonAt, d.host.now()) : wonAt;
    if (d.won() && d.host.now() >= wonAt + afterWinMs) return {};
    const std::uint64_t next = agenda.empty() ? kNever : agenda.begin()->first;
    if (d.step(next)) continue;
    if (next == kNever) return "nothing is left to happen: no timer runs and nobody can act";
    const auto f = std::move(agenda.begin()->second);
    agenda.erase(agenda.begin());
    f();
  }
  return failure;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3 || argc > 4) {
    std::cerr << "usage: quivalo-soak GAMES SEED [FIRST]\n";
    return 2;
  }
  const std::uint64_t games = std::strtoull(argv[1], nullptr, 10);
  const std::uint64_t seed = std::strtoull(argv[2], nullptr, 10);
  const std::uint64_t first = argc == 4 ? std::strtoull(argv[3], nullptr, 10) : 0;
  // A game takes milliseconds: one still running after a minute has a handler
  // that never returns.
  std::signal(SIGALRM, [](int) {
    const char text[] = "quivalo-soak: a game did not finish: a handler does not return\n";
    (void)!write(2, text, sizeof text - 1);
    std::_Exit(3);
  });
  std::uint64_t failed = 0, events = 0;
  for (std::uint64_t g = first; g < first + games; ++g) {
    alarm(60);
    const std::string failure = soak(seed, g, events);
    if (!failure.empty() && ++failed <= 10) {
      std::cerr << "game " << g << ' ' << failure << "\n  replay: quivalo-soak 1 " << seed << ' '
                << g << '\n';
    }
  }
  std::cout << "quivalo-soak: seed " << seed << ", " << games << " games, " << failed << " failed, "
            << events << " events checked\n";
  return failed == 0 ? 0 : 1;
}
