// SPDX-License-Identifier: GPL-3.0-or-later
#include "soak/window_checks.h"

#include "game/invariants.h"

namespace quivalo::soak {

std::vector<std::string> checkAll(const State& s, const VirtualHost& host,
                                  std::size_t congratulationsSinceNeu) {
  std::vector<std::string> bad = checkInvariants(s);
  const bool won = congratulationsSinceNeu > 0;
  // A pending roll can always be given up, and Timer1 waits to close it
  // (after a win the win check has stopped Timer1).
  if (s.Augen != 0 && !s.KannNichtBtnEnabled) {
    bad.push_back("a roll is pending but KannNichtBtn is disabled");
  }
  if (s.Augen != 0 && !won && s.intervalOf(TimerId::Timer1) == 0) {
    bad.push_back("a roll is pending but Timer1 is stopped");
  }
  for (int t = 0; t < kTimerCount; ++t) {
    if (host.interval(TimerId(t)) != s.intervalOf(TimerId(t))) {
      bad.push_back(std::string(timerName(TimerId(t))) + " runs with another interval than set");
    }
  }
  if (s.Werfer >= 1 && s.Werfer <= 4 && s.FarbLabel != info(colourOfPlayer(s.Werfer)).display) {
    bad.push_back("FarbLabel shows " + s.FarbLabel + " for Werfer " + std::to_string(s.Werfer));
  }
  for (Colour c : kColours) {
    const MenuItem& m = s.SpielerMenu[static_cast<std::size_t>(index(c))];
    if (m.Caption != playerCaption(c, m.Checked)) {
      bad.push_back("caption " + m.Caption + " does not match its mark");
    }
  }
  if (s.leicht1.Checked == s.schwer1.Checked) {
    bad.push_back("leicht1 and schwer1 carry the same mark");
  }
  if (congratulationsSinceNeu > 1) {
    bad.push_back("a second congratulation");
  }
  if (won) {
    bool live = s.WuerfelEnabled || s.intervalOf(TimerId::Timer3) != 0 ||
                s.intervalOf(TimerId::Timer1) != 0;
    for (Colour c : kColours) {
      live = live || s.intervalOf(computerTimer(c)) != 0;
    }
    if (live) {
      bad.push_back("after the win the dice button or a game timer is still live");
    }
  }
  return bad;
}

}  // namespace quivalo::soak
