// SPDX-License-Identifier: GPL-3.0-or-later
// quivalo-soak: many whole games on the deterministic host, each from its own
// seed: scripted persons, computer colours at both strengths, timer jitter and
// interference at random moments (clicks, the buttons, menu commands, "Neu"),
// with the consistency check after every event.
//
//   quivalo-soak [--games N] [--seed S] [--game K] [--trace] [--max-rolls R]
//                [--hang-seconds H]
//
// Exits 1 on a violation or a game not ended within the roll cap, and 3 when
// one game does not finish within H seconds (a handler that never returns).
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <iostream>
#include <map>
#include <string>

#include "support/driver.h"

namespace {

using namespace quivalo;
using namespace quivalo::testing;

struct Options {
  std::uint64_t games = 1'000, seed = 1, game = 0, maxRolls = 20'000, hangSeconds = 60, trace = 0;
};

struct Report {
  bool complete = false;
  std::uint64_t events = 0;
  std::array<std::uint64_t, kActionNames.size()> actions{};
  std::string failure;  // empty when all was well
};

class Soak {
 public:
  Soak(std::uint64_t seed, std::uint64_t game, const Options& o)
      : o_(o),
        name_("game " + std::to_string(game) + " of seed " + std::to_string(seed)),
        replay_("quivalo-soak --seed " + std::to_string(seed) + " --game " + std::to_string(game)),
        rng_(seed * 0x9E3779B97F4A7C15ull ^ (game + 1) * 0xD1B54A32D192ED03ull),
        d_(static_cast<std::uint32_t>(rng_.below(41)), rng_.below(kNever)) {
    d_.afterEvent = [this](Action a, int arg) { afterEvent(a, arg); };
  }
  Report run();

 private:
  const State& s() const { return d_.s(); }
  std::uint64_t rolls() const { return d_.game.stats().rolls; }
  void at(std::uint64_t t, std::function<void()> f) { agenda_.emplace(t, std::move(f)); }
  void neu() {
    d_.apply(Action::Menu, 0);
    rollsAtNeu_ = rolls();
  }
  void interfere();
  void afterEvent(Action a, int arg);

  const Options& o_;
  std::string name_, replay_;
  Rng rng_;
  Driver d_;
  Report report_;
  std::multimap<std::uint64_t, std::function<void()>> agenda_;  // the soak's own moments
  std::uint64_t meanGapMs_ = 0;                                 // of the interference; 0 for none
  bool neuMidRoll_ = false;  // "Neu" soon after the next person's roll
  bool neuInChain_ = false;  // "Neu" within the next armed computer timer's 250 ms
  std::uint64_t rollsAtNeu_ = 0, lastRolls_ = 0, lastRollAt_ = 0;
  std::deque<std::string> recent_;
};

Report Soak::run() {
  d_.personMinMs = rng_.between(20, 400);
  d_.personMaxMs = d_.personMinMs + rng_.between(0, 1'200);
  meanGapMs_ = std::array<std::uint64_t, 4>{0, 500, 2'000, 8'000}[rng_.below(4)];
  for (int i = 0; i < 4; ++i) {  // players and strength as a person sets them up
    if (s().SpielerMenu[static_cast<std::size_t>(i)].Checked != rng_.chance(300)) {
      d_.apply(Action::Menu, 1 + i);
    }
  }
  d_.apply(Action::Menu, rng_.chance(500) ? 5 : 6);
  d_.host.setTimeOfDay(static_cast<std::uint32_t>(rng_.below(VirtualHost::kDayMs)));
  if (rng_.chance(500)) {
    neu();  // else the game the window opened with
  }
  // Three games in ten see one or two "Neu" before their end: at a random
  // moment, in the middle of a person's roll, or inside a computer chain.
  for (int i = rng_.chance(700) ? 0 : rng_.chance(750) ? 1 : 2; i > 0; --i) {
    at(rng_.below(200'000), [this] {
      const std::uint64_t kind = rng_.below(3);
      kind == 0 ? neu() : void((kind == 1 ? neuMidRoll_ : neuInChain_) = true);
    });
  }
  if (meanGapMs_ != 0) {
    at(0, [this] { interfere(); });
  }
  // One game in five goes on for three seconds after its win, where it must
  // stand still whatever happens (a "Neu" then brings a fresh game).
  const std::uint64_t afterWinMs = rng_.chance(200) ? 3'000 : 0;
  std::uint64_t wonAt = kNever;
  while (report_.failure.empty() && rolls() - rollsAtNeu_ <= o_.maxRolls) {
    wonAt = d_.won() ? std::min(wonAt, d_.host.now()) : wonAt;
    if (d_.won() && d_.host.now() >= wonAt + afterWinMs) {
      break;
    }
    const std::uint64_t next = agenda_.empty() ? kNever : agenda_.begin()->first;
    if (d_.step(next)) {
      continue;
    }
    if (next == kNever) {
      report_.failure = name_ + ": nothing is left to happen: no timer runs and nobody can act\n";
      break;
    }
    const auto f = std::move(agenda_.begin()->second);
    agenda_.erase(agenda_.begin());
    f();
  }
  report_.complete = wonAt != kNever;
  return report_;
}

// Interference at exponentially spread moments, unrelated to the game.
void Soak::interfere() {
  const std::uint64_t r = rng_.below(1000);
  if (r < 250) {
    d_.apply(Action::ClickImage, static_cast<int>(rng_.below(kBoardImageCount)));
  } else if (r < 450) {
    d_.apply(Action::ClickCell, static_cast<int>(rng_.below(72)));
  } else if (r < 600) {
    // The dice button, also during a computer colour's 250 ms, where the roll
    // counts against that colour; a person may move or give up soon after.
    d_.apply(Action::Roll);
    if (const std::uint64_t f = rng_.below(10); f < 6) {
      at(d_.host.now() + rng_.below(301), [this, f] {
        if (s().Augen != 0) {
          d_.apply(f < 4 ? Action::Move : Action::KannNicht, static_cast<int>(rng_.below(47)));
        }
      });
    }
  } else if (r < 700) {
    d_.apply(Action::KannNicht);
  } else {
    // Player items, leicht and schwer, the help commands.
    d_.apply(Action::Menu, static_cast<int>(r < 800 ? 1 + rng_.below(4) : 5 + rng_.below(5)));
  }
  const double u = (static_cast<double>(rng_.below(1u << 30)) + 1.0) / double(1u << 30);
  at(d_.host.now() + static_cast<std::uint64_t>(-std::log(u) * double(meanGapMs_)),
     [this] { interfere(); });
}

void Soak::afterEvent(Action a, int arg) {
  ++report_.events;
  ++report_.actions[static_cast<std::size_t>(a)];
  recent_.push_back("t=" + std::to_string(d_.host.now()) + ' ' + describe(a, arg) + " | Werfer " +
                    std::to_string(s().Werfer) + " Versuche " + std::to_string(s().Versuche) +
                    " Augen " + std::to_string(s().Augen) + " rolls " + std::to_string(rolls()));
  if (o_.trace != 0) {
    std::cout << recent_.back() << '\n';
  }
  if (recent_.size() > 16) {
    recent_.pop_front();
  }
  if (!report_.failure.empty()) {
    return;
  }
  std::vector<std::string> bad = d_.check();
  if (rolls() != lastRolls_) {
    lastRolls_ = rolls();
    lastRollAt_ = d_.host.now();
  }
  if (!d_.won() && d_.host.now() - lastRollAt_ > 10 * 60'000) {
    bad.push_back("no roll for ten minutes: the game stands still");
  }
  if (!bad.empty()) {
    std::string& out = report_.failure;
    out = name_ + ", event " + std::to_string(report_.events) + ":\n";
    for (const std::string& line : bad) {
      out += "    " + line + '\n';
    }
    out += "  last events:\n";
    for (const std::string& line : recent_) {
      out += "    " + line + '\n';
    }
    out += "  replay: " + replay_ + " --trace\n";
  } else if (neuMidRoll_ && a == Action::Roll && s().Augen != 0 && !d_.computerArmed()) {
    neuMidRoll_ = false;
    at(d_.host.now() + rng_.below(d_.personMaxMs + 1), [this] { neu(); });
  } else if (neuInChain_ && d_.computerArmed()) {
    neuInChain_ = false;
    at(d_.host.now() + rng_.below(250), [this] { neu(); });
  }
}

}  // namespace

int main(int argc, char** argv) {
  Options o;
  const std::map<std::string, std::uint64_t*> numbers{{"--games", &o.games},
                                                      {"--seed", &o.seed},
                                                      {"--game", &o.game},
                                                      {"--max-rolls", &o.maxRolls},
                                                      {"--hang-seconds", &o.hangSeconds}};
  for (int i = 1; i < argc; ++i) {
    if (std::string(argv[i]) == "--trace") {
      o.trace = 1;
    } else if (numbers.count(argv[i]) != 0 && i + 1 < argc) {
      *numbers.at(argv[i]) = std::strtoull(argv[i + 1], nullptr, 10);
      o.games = std::string(argv[i++]) == "--game" ? 1 : o.games;
    } else {
      std::cerr << "usage: quivalo-soak [--games N] [--seed S] [--game K] [--trace]\n"
                   "                    [--max-rolls R] [--hang-seconds H]\n";
      return 2;
    }
  }
  // A game takes milliseconds: one still running after H seconds has a
  // handler that never returns.
  std::signal(SIGALRM, [](int) {
    const char text[] = "quivalo-soak: a game did not finish: a handler does not return\n";
    (void)!write(2, text, sizeof text - 1);
    std::_Exit(3);
  });
  const auto started = std::chrono::steady_clock::now();
  std::uint64_t complete = 0, failed = 0, events = 0;
  std::array<std::uint64_t, kActionNames.size()> actions{};
  for (std::uint64_t g = o.game; g < o.game + o.games; ++g) {
    alarm(static_cast<unsigned>(o.hangSeconds));
    const Report r = Soak(o.seed, g, o).run();
    events += r.events;
    for (std::size_t a = 0; a < actions.size(); ++a) {
      actions[a] += r.actions[a];
    }
    complete += r.complete && r.failure.empty() ? 1 : 0;
    if (!r.failure.empty() || !r.complete) {
      std::cerr << (++failed > 10 ? ""
                    : !r.failure.empty()
                        ? "VIOLATION in " + r.failure
                        : "game " + std::to_string(g) + " did not end within the roll cap\n");
    }
  }
  std::printf(
      "quivalo-soak: seed %llu, %llu games: %llu complete, %llu failed; %llu events checked:",
      static_cast<unsigned long long>(o.seed), static_cast<unsigned long long>(o.games),
      static_cast<unsigned long long>(complete), static_cast<unsigned long long>(failed),
      static_cast<unsigned long long>(events));
  for (std::size_t a = 0; a < actions.size(); ++a) {
    std::printf(" %s %llu", kActionNames[a].data(), static_cast<unsigned long long>(actions[a]));
  }
  std::printf("; %.1f s\n",
              std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count());
  return failed == 0 ? 0 : 1;
}
