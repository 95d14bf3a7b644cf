// SPDX-License-Identifier: GPL-3.0-or-later
// Tidying every house from each of its states; and whole games on the
// deterministic host: random players, strengths and times of day, and a
// person who presses anything at any moment. After every event the position
// must hold together, and every game must end with exactly one winner's
// message. Replay one game with QUIVALO_GAME=N.
#include <gtest/gtest.h>

#include <bit>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "computer/game.h"
#include "support/virtual_host.h"

namespace quivalo {
namespace {

constexpr unsigned kSeed = 20261207;
#ifndef QUIVALO_GAMES
#define QUIVALO_GAMES 150
#endif
constexpr int kGames = QUIVALO_GAMES;
constexpr std::uint64_t kGameLimitMs = 4 * 3'600'000;  // a game still running after that never ends

// One pass packs every house, whatever its state, the empty pictures beneath
// its full slots included: the pieces at home then stand in the first slots
// of the colour's fill order, and only a slot that gained or lost a piece has
// its empty picture changed (hidden when it gained one, shown when it lost).
TEST(Tidying, PacksEveryHouseInOnePass) {
  VirtualHost host;
  Game game(host.platform());
  for (Colour c : kColours) {
    for (unsigned full = 0; full < 16; ++full) {
      for (unsigned beneath = full;; beneath = (beneath - 1) & full) {  // each subset of full
        const auto bit = [](unsigned set, int k) { return (set >> (k - 1) & 1) != 0; };
        game.setUp([&](State& s) {
          for (int k = 1; k <= 4; ++k) {
            s.setShown(HausVoll(c, k), bit(full, k));
            s.setShown(HausLeer(c, k), !bit(full, k) || bit(beneath, k));
          }
        });
        game.Timer2Timer();
        for (int rank = 0; rank < 4; ++rank) {
          const int k = info(c).fillOrder[std::size_t(rank)];
          const bool now = game.state().isShown(HausVoll(c, k));
          EXPECT_EQ(now, rank < std::popcount(full)) << info(c).word << " " << full;
          EXPECT_EQ(game.state().isShown(HausLeer(c, k)),
                    now == bit(full, k) ? !bit(full, k) || bit(beneath, k) : !now)
              << info(c).word << " " << full << " " << beneath << " slot " << k;
        }
        if (beneath == 0) break;
      }
    }
  }
}

// What is wrong with the state between two events, or nothing.
std::string broken(const State& s) {
  for (Colour c : kColours) {
    const ColourInfo& ci = info(c);
    int pieces = 0;
    for (int k = 1; k <= 4; ++k) {
      pieces += s.isShown(HausVoll(c, k));
      pieces += s.isShown(ZielVoll(c, k));
      if (s.isShown(ZielVoll(c, k)) != (s.cell(ci.goalCell1 + k - 1) == ci.code))
        return std::string(ci.word) + "'s goal slot " + std::to_string(k) + " and its cell differ";
    }
    for (int n = 1; n <= 40; ++n) {
      pieces += s.isShown(Stein(c, n));
      if (s.isShown(Stein(c, n)) != (s.cell(n) == ci.code))
        return "field " + std::to_string(n) + " and its cell differ for " + std::string(ci.word);
    }
    if (pieces != 4) return std::string(ci.word) + " has " + std::to_string(pieces) + " pieces";
  }
  int faces = 0;
  for (int n = 1; n <= 6; ++n) faces += s.isShown(Zahl(n));
  const int flags = s.BlauDran + s.RotDran + s.GelbDran + s.GreenDran;
  if (s.Werfer < 1 || s.Werfer > 4 || flags != 1 || s.Dran(colourOfPlayer(s.Werfer)) != 1 ||
      s.Versuche > 3 || s.Augen > 6 || s.ErsterSchritt > 1 || s.Ueberlagert != 0)
    return "turn bytes out of range";
  if (faces > 1) return std::to_string(faces) + " die faces shown";
  if (s.leicht1.Checked == s.schwer1.Checked) return "not exactly one strength mark";
  return {};
}

// Plays game `g` to its end; returns what went wrong, or nothing.
std::string play(int g) {
  std::mt19937 random(kSeed + unsigned(g));
  const auto chance = [&random](unsigned in) { return random() % in == 0; };
  VirtualHost host;
  Game game(host.platform());
  host.setTarget(&game);
  const State& s = game.state();
  for (Colour c : kColours) {
    if (chance(3)) game.SpielerMenuClick(c);
  }
  if (chance(2)) game.leicht1Click();
  host.setTimeOfDay(random() % VirtualHost::kDayMs);
  if (const std::string e = broken(s); !e.empty()) return e + " at the start";
  std::uint64_t wonAt = 0;
  while (host.now() < kGameLimitMs) {
    const std::uint64_t until = host.now() + random() % 300;
    while (host.fireNext(until)) {
      if (const std::string e = broken(s); !e.empty()) return e + " after a timer";
    }
    if (host.dialogs().size() > 1) return "two winners' messages";
    // After the win the game stands still: ten more seconds of presses.
    if (!host.dialogs().empty() && wonAt == 0) wonAt = host.now();
    if (wonAt != 0 && host.now() > wonAt + 10'000) break;
    // Mostly what a player does in turn, now and then anything at all.
    const unsigned press = random() % 1000;
    const Colour c = kColours[random() % 4];
    const bool person = s.SpielerMenu[colourOfPlayer(s.Werfer)].Checked;
    if (press < (person ? 300 : 10) && s.WuerfelEnabled) {
      game.WuerfelClick();
    } else if (press < 330 && s.KannNichtBtnEnabled) {
      game.KannNichtBtnClick();
    } else if (press < (person ? 900 : 400)) {
      // A click on a shown picture of the colour to move, or of any colour.
      const Colour who = chance(4) ? c : colourOfPlayer(s.Werfer);
      std::vector<Image> shown;
      for (int n = 1; n <= 40; ++n) shown.push_back(Stein(who, n));
      for (int k = 1; k <= 4; ++k) shown.push_back(HausVoll(who, k));
      for (int k = 1; k <= 4; ++k) shown.push_back(ZielVoll(who, k));
      std::erase_if(shown, [&s](Image i) { return !s.isShown(i); });
      if (!shown.empty()) game.click(shown[random() % shown.size()]);
    } else if (press < 904 && chance(500) && wonAt == 0) {
      game.Neu1Click();
    } else if (press < 908) {
      game.SpielerMenuClick(c);
    } else if (press < 910) {
      chance(2) ? game.leicht1Click() : game.schwer1Click();
    }
    if (const std::string e = broken(s); !e.empty()) return e + " after a press";
  }
  return host.dialogs().size() == 1 ? "" : "no winner after four hours";
}

TEST(WholeGames, HoldTogetherAndEndWithOneWinner) {
  const char* one = std::getenv("QUIVALO_GAME");
  const int first = one != nullptr ? std::atoi(one) : 0;
  for (int g = first; g < (one != nullptr ? first + 1 : kGames); ++g) {
    const std::string wrong = play(g);
    ASSERT_TRUE(wrong.empty()) << "game " << g << " (seed " << kSeed << "): " << wrong
                               << "; replay with QUIVALO_GAME=" << g;
  }
}

}  // namespace
}  // namespace quivalo
