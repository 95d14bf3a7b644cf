// SPDX-License-Identifier: GPL-3.0-or-later
#include "computer/headless.h"

#include <algorithm>
#include <vector>

#include "game/random.h"

namespace quivalo {

namespace {

// True when colour c, played by a person, waits at the dice button.
bool personToRoll(const Game& g, Colour c) {
  const State& s = g.state();
  return s.Dran(c) == 1 && s.WuerfelEnabled && s.Augen == 0 && s.intervalOf(TimerId::Timer1) == 0;
}

}  // namespace

std::vector<Image> moveImages(Colour c) {
  std::vector<Image> images;
  images.reserve(4 + 3 + 40);
  for (int k = 1; k <= 4; ++k) {
    images.push_back(HausVoll(c, k));
  }
  for (int k = 1; k <= 3; ++k) {
    images.push_back(ZielVoll(c, k));
  }
  for (int f = 1; f <= 40; ++f) {
    images.push_back(Stein(c, f));
  }
  return images;
}

bool personMove(Game& game, Colour c, std::uint64_t& rng) {
  std::vector<Image> candidates = moveImages(c);
  for (std::size_t i = candidates.size(); i > 1; --i) {
    std::swap(candidates[i - 1], candidates[splitmix64(rng) % i]);
  }
  for (Image i : candidates) {
    if (game.state().Augen == 0) {
      return true;
    }
    game.click(i);
  }
  if (game.state().Augen == 0) {
    return true;
  }
  game.KannNichtBtnClick();
  return false;
}

std::optional<Colour> winnerOf(std::string_view text) {
  for (Colour c : kColours) {
    const std::string needle = "Herr " + std::string(info(c).display) + ",";
    if (text.find(needle) != std::string_view::npos) {
      return c;
    }
  }
  return std::nullopt;
}

HeadlessResult playHeadless(const HeadlessOptions& o) {
  VirtualHost host(o.maxJitterMs, o.seed);
  Game game(host.platform());
  host.setTarget(&game);
  std::uint64_t rng = o.seed ^ 0x5DEECE66Dull;

  for (Colour c : kColours) {
    const bool person = o.players[static_cast<std::size_t>(index(c))] == PlayerKind::Person;
    if (game.state().SpielerMenu[static_cast<std::size_t>(index(c))].Checked != person) {
      game.SpielerMenuClick(c);
    }
  }
  if (o.schwer) {
    game.schwer1Click();
  } else {
    game.leicht1Click();
  }
  host.setTimeOfDay(o.startTimeOfDay);
  game.Neu1Click();

  HeadlessResult result;
  auto event = [&] {
    ++result.events;
    if (o.afterEvent) {
      o.afterEvent(game, host);
    }
  };
  const bool computersOnly = std::all_of(o.players.begin(), o.players.end(),
                                         [](PlayerKind k) { return k == PlayerKind::Computer; });
  if (computersOnly && !o.afterEvent) {
    // Nobody to script and nothing to watch: just let the timers run.
    while (host.dialogs().empty() && game.stats().rolls < o.maxRolls && host.fireNext(UINT64_MAX)) {
      ++result.events;
    }
  }
  std::uint64_t personDue = 0;
  bool personWaiting = false;
  while (host.dialogs().empty() && game.stats().rolls < o.maxRolls) {
    const Colour mover = colourOfPlayer(game.state().Werfer);
    const bool person = o.players[static_cast<std::size_t>(index(mover))] == PlayerKind::Person;
    if (person && personToRoll(game, mover)) {
      if (!personWaiting) {
        personWaiting = true;
        personDue = host.now() + o.personDelayMs + splitmix64(rng) % (o.personDelayMs + 1ull);
      }
      if (host.nextDue() > personDue) {
        host.advance(personDue - host.now());
        personWaiting = false;
        game.WuerfelClick();
        event();
        personMove(game, mover, rng);
        event();
        continue;
      }
    } else {
      personWaiting = false;
    }
    if (!host.fireNext(UINT64_MAX)) {
      break;  // nothing runs any more: only a person could go on
    }
    event();
  }
  if (!host.dialogs().empty()) {
    result.winner = winnerOf(host.dialogs().front());
  }
  result.rolls = game.stats().rolls;
  result.knockOuts = game.stats().knockOuts;
  result.virtualMs = host.now();
  return result;
}

}  // namespace quivalo
