// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/turn_cycle.h"

#include "game/random.h"

namespace quivalo {

namespace {

// The house tidying pass, colour by colour: each rule fills the target slot
// from the source slot, in this order. With fill order a, b, c, d: first a from
// the other three slots, then b from c and d, then c from d.
struct TidyRule {
  int target;
  int source;
};
// clang-format off
constexpr ByColour<std::array<TidyRule, 6>> kTidyRules{{{
    {{{4, 1}, {4, 2}, {4, 3}, {3, 1}, {3, 2}, {2, 1}}},  // Blau
    {{{3, 2}, {3, 4}, {3, 1}, {1, 2}, {1, 4}, {4, 2}}},  // Rot
    {{{1, 4}, {1, 3}, {1, 2}, {2, 4}, {2, 3}, {3, 4}}},  // Gelb
    {{{2, 3}, {2, 1}, {2, 4}, {4, 3}, {4, 1}, {1, 3}}},  // Green
}}};
// clang-format on

constexpr std::uint32_t kRollEndMs = 100;           // Timer1
constexpr std::uint32_t kTidyMs = 200;              // Timer2
constexpr std::uint32_t kWinCheckStartMs = 200;     // Timer3 from the start
constexpr std::uint32_t kWinCheckAfterNeuMs = 500;  // Timer3 after "Neu"
constexpr std::uint32_t kRemarkMs = 1000;           // Timer4
constexpr std::uint32_t kComputerDelayMs = 250;     // BlauTimer .. GreenTimer

// True if colour c's house is packed: its full slots come first in its fill
// order. No tidying rule changes a packed house.
bool housePacked(const State& s, Colour c) {
  unsigned full = 0;  // bit k: slot fillOrder[k] is full
  for (int k = 0; k < 4; ++k) {
    full |= unsigned{s.isShown(HausVoll(c, info(c).fillOrder[k]))} << k;
  }
  // The set bits run up from bit 0; no branch per slot for the die to make unpredictable.
  // Saves 12 % of a game at "schwer", 17 % at "leicht" vs walking the slots (quivalo-bench-rules).
  return (full & (full + 1)) == 0;
}

}  // namespace

TurnCycle::TurnCycle(State& s, Platform platform) : s_(s), platform_(platform) {
  resetBoardImages();
  for (Colour c : kColours) {
    s_.SpielerMenu[c] = {c == Colour::Blau, playerCaption(c, c == Colour::Blau)};
  }
  s_.leicht1 = {false, "leicht"};
  s_.schwer1 = {true, "schwer"};
  setInterval(TimerId::Timer2, kTidyMs);
  setInterval(TimerId::Timer3, kWinCheckStartMs);
  setInterval(TimerId::Timer4, kRemarkMs);
  FormCreate();
}

void TurnCycle::setInterval(TimerId timer, std::uint32_t ms) {
  auto& current = s_.interval[at(timer)];
  if (current == ms) {
    return;
  }
  current = ms;
  if (ms == 0) {
    platform_.timers.stop(timer);
  } else {
    platform_.timers.start(timer, ms);
  }
}

std::uint32_t TurnCycle::drawFromClock(std::uint32_t n) {
  s_.seed = platform_.clock.msSinceMidnightUtc();
  return draw(s_.seed, n);
}

void TurnCycle::resetBoardImages() {
  for (int i = 0; i < kBoardImageCount; ++i) {
    s_.setShown(Image(i), initiallyShown(Image(i)));
  }
}

void TurnCycle::FormCreate() {
  s_.Spielfeld.fill(Cell::Leer);
  s_.Werfer = 4;
  s_.Augen = 0;
  s_.Versuche = 0;
  NeuerWerfer();
}

// The three-roll rule: no piece could move when all are at home, or the rest
// are packed at the far end of the goal lane. With i pieces in goal slots 4
// down to 5 - i, the other 4 - i must be in the first slots of the house's fill
// order. Read from the image flags alone.
bool TurnCycle::noPieceCanMove(Colour c) const {
  for (int inGoal = 0; inGoal < 4; ++inGoal) {
    bool packed = true;
    for (int k = 0; k < inGoal; ++k) {
      packed = packed && shown(ZielVoll(c, 4 - k));
    }
    for (int k = 0; k < 4 - inGoal; ++k) {
      packed = packed && shown(HausVoll(c, info(c).fillOrder[k]));
    }
    if (packed) {
      return true;
    }
  }
  return false;
}

void TurnCycle::NeuerWerfer() {
  if (s_.Versuche == 0) {
    s_.BlauDran = s_.RotDran = s_.GelbDran = s_.GreenDran = 0;
    s_.Werfer = s_.Werfer == 4 ? 1 : static_cast<std::uint8_t>(s_.Werfer + 1);
    const Colour c = colourOfPlayer(s_.Werfer);
    s_.Dran(c) = 1;
    s_.FarbLabel = info(c).display;
    s_.Versuche = noPieceCanMove(c) ? 3 : 1;
    countRollsAfresh();
    report([&] { return TurnPassed{c, s_.Versuche}; });
  }
  for (Colour c : kColours) {
    if (!s_.SpielerMenu[c].Checked && s_.Werfer == playerNumber(c)) {
      setInterval(computerTimer(c), kComputerDelayMs);
    }
  }
}

void TurnCycle::WuerfelClick() {
  for (int n = 1; n <= 6; ++n) {
    hide(Zahl(n));
  }
  s_.Augen = static_cast<std::uint8_t>(drawFromClock(6) + 1);
  show(Zahl(s_.Augen));
  if (s_.Augen == 6) {
    s_.Versuche = 1;
  } else if (s_.Versuche > 0) {
    // A roll made with no rolls left (a person's roll just before a computer
    // roll) keeps 0 rather than wrapping round to 255 rolls.
    --s_.Versuche;
  }
  s_.ErsterSchritt = 1;
  setInterval(TimerId::Timer1, kRollEndMs);
  s_.WuerfelEnabled = false;
  s_.KannNichtBtnEnabled = true;
  ++rollOfTurn_;
  report([this] { return Rolled{colourOfPlayer(s_.Werfer), s_.Augen, rollOfTurn_, rollsOfTurn_}; });
}

void TurnCycle::KannNichtBtnClick() {
  if (s_.Augen != 0) {
    report([this] { return GaveUp{colourOfPlayer(s_.Werfer), s_.Augen}; });
  }
  s_.Augen = 0;
}

void TurnCycle::countRollsAfresh() {
  rollOfTurn_ = 0;
  rollsOfTurn_ = s_.Versuche;
}

void TurnCycle::Timer1Timer() {
  if (s_.Augen != 0) {
    return;
  }
  setInterval(TimerId::Timer1, 0);
  s_.KannNichtBtnEnabled = false;
  s_.WuerfelEnabled = true;
  NeuerWerfer();
  for (int n = 1; n <= 6; ++n) {
    hide(Zahl(n));
  }
}

void TurnCycle::Timer2Timer() {
  for (Colour c : kColours) {
    // Saves 23 % of a game at "schwer", 28 % at "leicht" vs no skip (quivalo-bench-rules).
    if (housePacked(s_, c)) {
      continue;
    }
    for (const TidyRule& r : kTidyRules[c]) {
      if (!shown(HausVoll(c, r.target)) && shown(HausVoll(c, r.source))) {
        show(HausVoll(c, r.target));
        hide(HausLeer(c, r.target));
        hide(HausVoll(c, r.source));
        show(HausLeer(c, r.source));
      }
    }
  }
}

void TurnCycle::Timer3Timer() {
  for (Colour c : kColours) {
    if (!(shown(ZielVoll(c, 1)) && shown(ZielVoll(c, 2)) && shown(ZielVoll(c, 3)) &&
          shown(ZielVoll(c, 4)))) {
      continue;
    }
    setInterval(TimerId::Timer3, 0);
    setInterval(TimerId::Timer1, 0);
    for (Colour o : kColours) {
      setInterval(computerTimer(o), 0);
    }
    std::string text = "Herzlichen Glückwunsch Herr ";
    text += info(c).display;
    text += ", Sie haben gewonnen.";
    report([c] { return Won{c}; });
    // The message is modal. In the window it runs a nested event loop: this
    // check waits inside `information` until the message is closed, and
    // meanwhile the running timers and any click already queued are handled
    // behind the message, on the state as it is here. So the dice button is
    // disabled before the message as well: a click on it that is already on
    // its way (Alt+W fires a moment after the key) would otherwise roll
    // behind the message and let the game go on after the win.
    s_.WuerfelEnabled = false;
    platform_.dialog.information(text);
    // And after it, as the win has always ended: whatever ran behind the
    // message, the game stands still from here until "Neu".
    s_.WuerfelEnabled = false;
    // A game has one winner: a second full lane found in the same check is
    // not congratulated as well.
    return;
  }
}

void TurnCycle::Kommentar() {
  s_.Bemerkung = kRemarks[drawFromClock(static_cast<std::uint32_t>(kRemarks.size()))];
  setInterval(TimerId::Timer4, 0);
  setInterval(TimerId::Timer4, kRemarkMs);
}

void TurnCycle::Timer4Timer() {
  setInterval(TimerId::Timer4, 0);
  s_.Bemerkung.clear();
}

void TurnCycle::Neu1Click() {
  report([] { return NewGame{}; });
  resetBoardImages();
  FormCreate();
  s_.WuerfelEnabled = true;
  setInterval(TimerId::Timer3, kWinCheckAfterNeuMs);
}

void TurnCycle::SpielerMenuClick(Colour c) {
  MenuItem& item = s_.SpielerMenu[c];
  item.Checked = !item.Checked;
  item.Caption = playerCaption(c, item.Checked);
}

void TurnCycle::leicht1Click() {
  s_.leicht1.Checked = true;
  s_.schwer1.Checked = false;
}

void TurnCycle::schwer1Click() {
  s_.schwer1.Checked = true;
  s_.leicht1.Checked = false;
}

}  // namespace quivalo
