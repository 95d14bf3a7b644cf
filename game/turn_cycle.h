// SPDX-License-Identifier: GPL-3.0-or-later
// The turn cycle: the die and the order of play, house tidying and the winner
// check, remarks, new game and the player settings. One part of the game
// (computer/game.h); the move rules (board/) use its remark.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "game/platform.h"
#include "game/state.h"

namespace quivalo {

// The eleven remarks shown when a piece is knocked out.
inline constexpr std::array<std::string_view, 11> kRemarks{
    "Ätsch!",       "War wohl nix.",      "Und raus!", "Und weg!",
    "Tschüüüüüüs.", "Auf Wiedersehen.",   "Bis dann.", "Ab nach Hause!",
    "Sorry!",       "War keine Absicht!", "Ups ..."};

class TurnCycle {
 public:
  // Creates the game in `s` as the window does: creation values, Timer2,
  // Timer3 and Timer4 started, then FormCreate. The turn cycle works on `s`
  // for as long as it lives.
  TurnCycle(State& s, Platform platform);
  TurnCycle(const TurnCycle&) = delete;
  TurnCycle& operator=(const TurnCycle&) = delete;
  ~TurnCycle() = default;

  // Turn cycle.
  void FormCreate();
  void NeuerWerfer();
  void WuerfelClick();
  void KannNichtBtnClick();
  void Timer1Timer();

  // House tidying and winner check.
  void Timer2Timer();
  void Timer3Timer();

  // Remarks.
  void Kommentar();
  void Timer4Timer();

  // New game and settings.
  void Neu1Click();
  // SpielerMenu1Click .. SpielerMenu4Click: switches colour c between person
  // and computer.
  void SpielerMenuClick(Colour c);
  void leicht1Click();
  void schwer1Click();

  // Help menu.
  void Inhalt1Click() { platform_.help.help(HelpRequest::Contents); }
  void Suchen1Click() { platform_.help.help(HelpRequest::Search); }
  void Hilfebenutzen1Click() { platform_.help.help(HelpRequest::HelpOnHelp); }

  // Sets a timer's interval under the timer convention: 0 stops the timer, a
  // new non-zero interval starts a fresh period, the interval it already has
  // leaves it running undisturbed. The one place that keeps the convention;
  // the host is told only to start or stop.
  void setInterval(TimerId timer, std::uint32_t ms);

  // Counts the rolls of the turn afresh, as if the turn had just begun with
  // `Versuche` rolls: for a position set up by hand, whose turn began
  // nowhere. The count is only reported (Rolled), never read by a rule.
  void countRollsAfresh();

 private:
  bool shown(Image i) const { return s_.isShown(i); }
  void show(Image i) { s_.setShown(i, true); }
  void hide(Image i) { s_.setShown(i, false); }
  // Reseeds the generator from the clock and draws a value in 0..n-1.
  std::uint32_t drawFromClock(std::uint32_t n);
  bool noPieceCanMove(Colour c) const;
  void resetBoardImages();
  // Tells the game's follower, if there is one, of the event `make` builds.
  template <typename Make>
  void report(Make make) const {
    quivalo::report(platform_.events, make);
  }

  State& s_;
  Platform platform_;
  // The rolls of the current turn so far, and the rolls it began with.
  int rollOfTurn_ = 0;
  int rollsOfTurn_ = 0;
};

}  // namespace quivalo
