// SPDX-License-Identifier: GPL-3.0-or-later
// quivalo-soak: plays many complete games on the deterministic host with
// random interference and checks the game's consistency after every event.
//
//   quivalo-soak [--games N] [--seed S] [--game K] [--trace] [--max-rolls R]
//                [--hang-seconds H] [--progress]
//
// Exits 1 on any violation, on a game that did not end within the roll cap,
// and 3 (from the watchdog) when one event does not finish within H seconds,
// which means a handler never returns.
#include <algorithm>
#include <array>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>

#include "game/state.h"
#include "soak/soak_game.h"

namespace {

using namespace quivalo;
using namespace quivalo::soak;

struct Options {
  std::uint64_t games = 1'000;
  std::uint64_t seed = 1;
  std::uint64_t first = 0;
  bool single = false;
  bool trace = false;
  bool progress = false;
  std::uint64_t hangSeconds = 60;
  Limits limits;
};

[[noreturn]] void usage(int status) {
  std::cerr << "usage: quivalo-soak [--games N] [--seed S] [--game K] [--trace]\n"
               "                    [--max-rolls R] [--hang-seconds H] [--progress]\n"
               "  --games N        games to play (default 1000)\n"
               "  --seed S         seed of the whole run (default 1)\n"
               "  --game K         play only game K of the run (to replay a failure)\n"
               "  --trace          print every event\n"
               "  --max-rolls R    cut a game off after R rolls (default 20000)\n"
               "  --hang-seconds H abort when one event takes longer (default 60)\n"
               "  --progress       print a line every 10% of the games\n";
  std::exit(status);
}

std::uint64_t number(std::string_view text) {
  std::uint64_t v = 0;
  if (text.empty()) {
    usage(2);
  }
  for (char ch : text) {
    if (ch == ',' || ch == '_') {
      continue;  // 1,000,000 reads as it is written
    }
    if (ch < '0' || ch > '9') {
      usage(2);
    }
    v = v * 10 + static_cast<std::uint64_t>(ch - '0');
  }
  return v;
}

Options parse(int argc, char** argv) {
  Options o;
  for (int i = 1; i < argc; ++i) {
    const std::string_view a = argv[i];
    auto value = [&]() -> std::uint64_t {
      if (i + 1 >= argc) {
        usage(2);
      }
      return number(argv[++i]);
    };
    if (a == "--games") {
      o.games = value();
    } else if (a == "--seed") {
      o.seed = value();
    } else if (a == "--game") {
      o.first = value();
      o.single = true;
    } else if (a == "--trace") {
      o.trace = true;
    } else if (a == "--progress") {
      o.progress = true;
    } else if (a == "--max-rolls") {
      o.limits.maxRolls = value();
    } else if (a == "--hang-seconds") {
      o.hangSeconds = std::max<std::uint64_t>(1, value());
    } else if (a == "--help" || a == "-h") {
      usage(0);
    } else {
      usage(2);
    }
  }
  if (o.single) {
    o.games = 1;
  }
  return o;
}

// Aborts the run when the event counter stands still for too long: a handler
// that never returns would otherwise hang the soak without a word.
class Watchdog {
 public:
  Watchdog(const Progress& progress, const std::atomic<std::uint64_t>& game, std::uint64_t seed,
           std::uint64_t seconds)
      : thread_([this, &progress, &game, seed, seconds] {
          std::unique_lock lock(mutex_);
          std::uint64_t last = progress.events.load();
          auto since = std::chrono::steady_clock::now();
          while (!stop_) {
            wake_.wait_for(lock, std::chrono::milliseconds(500));
            const std::uint64_t now = progress.events.load();
            if (now != last) {
              last = now;
              since = std::chrono::steady_clock::now();
            } else if (std::chrono::steady_clock::now() - since > std::chrono::seconds(seconds)) {
              std::fprintf(stderr,
                           "quivalo-soak: no event finished within %llu s in game %llu of seed "
                           "%llu: a handler does not return\n",
                           static_cast<unsigned long long>(seconds),
                           static_cast<unsigned long long>(game.load()),
                           static_cast<unsigned long long>(seed));
              std::_Exit(3);
            }
          }
        }) {}
  Watchdog(const Watchdog&) = delete;
  Watchdog& operator=(const Watchdog&) = delete;
  ~Watchdog() {
    {
      std::lock_guard lock(mutex_);
      stop_ = true;
    }
    wake_.notify_one();
    thread_.join();
  }

 private:
  std::mutex mutex_;
  std::condition_variable wake_;
  bool stop_ = false;
  std::thread thread_;
};

}  // namespace

int main(int argc, char** argv) {
  const Options o = parse(argc, argv);
  Progress progress;
  std::atomic<std::uint64_t> current{o.first};

  std::uint64_t played = 0;
  std::uint64_t complete = 0;
  std::uint64_t events = 0;
  std::uint64_t violations = 0;
  std::uint64_t cutOff = 0;
  std::uint64_t restarts = 0;
  std::uint64_t afterWin = 0;
  std::uint64_t longest = 0;
  std::uint64_t longestGame = 0;
  std::uint64_t virtualMs = 0;
  std::array<std::uint64_t, 4> wins{};
  std::array<std::uint64_t, kActionCount> actions{};
  constexpr std::uint64_t kShownFailures = 10;

  const auto started = std::chrono::steady_clock::now();
  {
    Watchdog watchdog(progress, current, o.seed, o.hangSeconds);
    for (std::uint64_t g = o.first; g < o.first + o.games; ++g) {
      current.store(g);
      const GameReport r =
          playSoakGame(o.seed, g, o.limits, progress, o.trace ? &std::cout : nullptr);
      ++played;
      events += r.events;
      virtualMs += r.virtualMs;
      restarts += r.restarts;
      afterWin += r.afterWinChecked ? 1 : 0;
      for (std::size_t a = 0; a < kActionCount; ++a) {
        actions[a] += r.actions[a];
      }
      if (!r.violations.empty()) {
        if (violations < kShownFailures) {
          for (const std::string& v : r.violations) {
            std::cerr << "VIOLATION " << v;
          }
        }
        violations += r.violations.size();
      } else if (r.complete) {
        ++complete;
        ++wins[static_cast<std::size_t>(r.winner)];
        if (r.rolls > longest) {
          longest = r.rolls;
          longestGame = g;
        }
      } else {
        if (cutOff < kShownFailures) {
          std::cerr << "game " << g << " of seed " << o.seed << " did not end within "
                    << o.limits.maxRolls << " rolls (replay: quivalo-soak --seed " << o.seed
                    << " --game " << g << " --trace)\n";
        }
        ++cutOff;
      }
      if (o.progress && o.games >= 10 && (g - o.first + 1) % (o.games / 10) == 0) {
        std::cerr << "  " << (g - o.first + 1) << " games, " << violations << " violations\n";
      }
    }
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();

  std::printf("quivalo-soak: seed %llu, games %llu to %llu\n",
              static_cast<unsigned long long>(o.seed), static_cast<unsigned long long>(o.first),
              static_cast<unsigned long long>(o.first + o.games - 1));
  std::printf("  games played:          %llu\n", static_cast<unsigned long long>(played));
  std::printf("  complete games:        %llu (won by Blau %llu, Rot %llu, Gelb %llu, Gruen %llu)\n",
              static_cast<unsigned long long>(complete), static_cast<unsigned long long>(wins[0]),
              static_cast<unsigned long long>(wins[1]), static_cast<unsigned long long>(wins[2]),
              static_cast<unsigned long long>(wins[3]));
  std::printf("  not ended within cap:  %llu\n", static_cast<unsigned long long>(cutOff));
  std::printf("  events checked:        %llu\n", static_cast<unsigned long long>(events));
  std::printf("  violations:            %llu\n", static_cast<unsigned long long>(violations));
  std::printf("  longest game:          %llu rolls (game %llu)\n",
              static_cast<unsigned long long>(longest),
              static_cast<unsigned long long>(longestGame));
  std::printf("  'Neu' before the end:  %llu; games checked after their win: %llu\n",
              static_cast<unsigned long long>(restarts), static_cast<unsigned long long>(afterWin));
  std::printf("  virtual time played:   %.1f h\n", static_cast<double>(virtualMs) / 3'600'000.0);
  std::printf("  actions:");
  for (std::size_t a = 0; a < kActionCount; ++a) {
    std::printf("%s %s %llu", a == 0 ? "" : ",", actionName(Action(a)),
                static_cast<unsigned long long>(actions[a]));
  }
  std::printf("\n  time taken:            %.1f s\n", seconds);
  return violations == 0 && cutOff == 0 ? 0 : 1;
}
