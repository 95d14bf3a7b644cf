// SPDX-License-Identifier: GPL-3.0-or-later
// quivalo-soak: many whole games on the deterministic host, each from its own
// seed: players and strength at random, timer jitter, and a person at the
// window who, in three games of four, does anything at any moment (rolls,
// moves, "Kann nicht", clicks anywhere, menu commands), in the others only
// plays the person's own turns; "Neu" at chosen moments. The consistency
// check runs after every event.
//
//   quivalo-soak GAMES SEED [FIRST]      games FIRST to FIRST + GAMES - 1 of SEED
//
// Exits 1 on a violation or a game that stands still or does not end,
// printing the command that replays it, and 3 when one game does not finish
// within a minute (a handler that never returns).
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <iostream>
#include <string>

#include "board/geometry.h"
#include "computer/game.h"
#include "support/check.h"

namespace {

using namespace quivalo;

constexpr std::uint64_t kNever = UINT64_MAX;

// A fast, well-mixed generator (splitmix64) for the world around the game:
// timer delays and the person. The game's own die is `draw`.
struct Rng {
  std::uint64_t state;
  std::uint64_t next() {
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  std::uint64_t below(std::uint64_t n) { return next() % n; }
  bool chance(std::uint64_t perMille) { return below(1000) < perMille; }
};

class Soak final : public TimerTarget {
 public:
  explicit Soak(std::uint64_t seed)
      : rng_{seed}, host_([late = Rng{~seed}, most = rng_.below(41)]() mutable {
          return late.below(most + 1);  // each start and firing 0 to 40 ms late
        }) {
    host_.setTarget(this);
  }

  // One game; what went wrong, empty when all was well.
  std::string play();
  void onTimer(TimerId timer) override {
    game_.onTimer(timer);
    checked();
  }
  std::uint64_t events = 0;

 private:
  const State& s() const { return game_.state(); }
  bool won() const { return host_.dialogs().size() > dialogsAtNeu_; }
  bool computerArmed() const {
    return std::any_of(kColours.begin(), kColours.end(),
                       [this](Colour c) { return s().intervalOf(computerTimer(c)) != 0; });
  }
  void checked() {
    ++events;
    for (const std::string& line : checkWithHost(s(), host_, dialogsAtNeu_))
      failure_ += "\n    " + line;
  }
  void neu() {
    dialogsAtNeu_ = host_.dialogs().size();
    drawsAtNeu_ = host_.draws();
    game_.Neu1Click();
    checked();
  }
  void act(bool anything);

  Rng rng_;
  VirtualHost host_;
  Game game_{host_.platform()};
  std::size_t dialogsAtNeu_ = 0;
  std::uint64_t drawsAtNeu_ = 0;
  std::string failure_;
};

// One thing the person does; without `anything`, only a roll or a move, and
// only where no computer timer will play (a person's turn, or a computer
// colour's first turn that no timer was set for).
void Soak::act(bool anything) {
  const Colour mover = colourOfPlayer(s().Werfer);
  if (!anything && computerArmed()) return;
  const std::uint64_t r = rng_.below(anything ? 100 : 60);
  if (r < 30 && s().WuerfelEnabled) game_.WuerfelClick();
  if (r >= 30 && r < 60 && s().Augen != 0) {  // the mover's pieces clicked round from one
    const std::uint64_t from = rng_.below(47);
    for (std::uint64_t k = 0; k < 47 && s().Augen != 0; ++k) {
      const int j = int((from + k) % 47);
      game_.click(j < 4   ? HausVoll(mover, j + 1)
                  : j < 7 ? ZielVoll(mover, j - 3)
                          : Stein(mover, j - 6));
    }
    if (s().Augen != 0) game_.KannNichtBtnClick();
  }
  if (r >= 60 && r < 70 && s().KannNichtBtnEnabled) game_.KannNichtBtnClick();
  if (r >= 70 && r < 80) game_.click(Image(rng_.below(kBoardImageCount)));
  if (const auto top = topmostShown(s(), boardCells()[rng_.below(kCellCount)]);
      r >= 80 && r < 90 && top)
    game_.click(*top);
  if (r >= 90 && r < 95) game_.SpielerMenuClick(kColours[rng_.below(4)]);
  if (r >= 95) {
    // Called on the turn cycle, whose handlers they are: member pointers
    // converted to the whole game trip the vptr sanitizer.
    static constexpr std::array<void (TurnCycle::*)(), 5> kHandlers{
        &TurnCycle::leicht1Click, &TurnCycle::schwer1Click, &TurnCycle::Inhalt1Click,
        &TurnCycle::Suchen1Click, &TurnCycle::Hilfebenutzen1Click};
    TurnCycle& cycle = game_;
    (cycle.*kHandlers[rng_.below(5)])();
  }
  checked();
}

std::string Soak::play() {
  // Players, strength and clock set up as a person does, through the menu.
  for (Colour c : kColours)
    if (s().SpielerMenu[c].Checked != rng_.chance(300)) game_.SpielerMenuClick(c);
  rng_.chance(500) ? game_.leicht1Click() : game_.schwer1Click();
  host_.setTimeOfDay(std::uint32_t(rng_.below(VirtualHost::kDayMs)));
  if (rng_.chance(500)) neu();  // else the game the window opened with
  const bool anything = rng_.chance(750);
  const std::uint64_t gap = std::array<std::uint64_t, 3>{40, 400, 1500}[rng_.below(3)];
  // Three games in ten see a "Neu": at a random moment, in the middle of a
  // person's roll, or inside a computer chain (an armed computer timer).
  std::uint64_t neuAt = rng_.chance(300) ? rng_.below(200'000) : kNever;
  const std::uint64_t neuKind = rng_.below(3);
  // One game in five goes on for three seconds after its win, where it must
  // stand still whatever happens.
  const std::uint64_t afterWinMs = rng_.chance(200) ? 3'000 : 0;
  std::uint64_t wonAt = kNever, draws = 0, lastDrawAt = 0;
  while (failure_.empty()) {
    const std::uint64_t now = host_.now();
    wonAt = won() ? std::min(wonAt, now) : wonAt;
    if (won() && now >= wonAt + afterWinMs) return {};
    if (host_.draws() - drawsAtNeu_ > 20'000) return "no end within 20,000 rolls";
    if (host_.draws() != draws) draws = host_.draws(), lastDrawAt = now;
    if (!won() && now - lastDrawAt > 600'000) return "no roll for 10 min: the game stands still";
    host_.advance(rng_.below(gap + 1));
    const bool moment =
        neuKind == 0 || (neuKind == 1 ? s().Augen != 0 && !computerArmed() : computerArmed());
    if (!won() && host_.now() >= neuAt && moment) {
      neuAt = kNever;
      neu();
    } else {
      act(anything);
    }
  }
  return "at " + std::to_string(host_.now()) + " ms:" + failure_;
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
    Soak soak(seed * 0x9E3779B97F4A7C15ull ^ (g + 1) * 0xD1B54A32D192ED03ull);
    const std::string failure = soak.play();
    events += soak.events;
    if (!failure.empty() && ++failed <= 10) {
      std::cerr << "game " << g << ' ' << failure << "\n  replay: quivalo-soak 1 " << seed << ' '
                << g << '\n';
    }
  }
  std::cout << "quivalo-soak: seed " << seed << ", " << games << " games, " << failed << " failed, "
            << events << " events checked\n";
  return failed == 0 ? 0 : 1;
}
