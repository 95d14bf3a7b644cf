// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/check.h"

namespace quivalo {

namespace {

// Pieces of colour c on the board: full house slots, track images, full goal slots.
int pieceCount(const State& s, Colour c) {
  int n = 0;
  for (int k = 1; k <= 4; ++k) n += int(s.isShown(HausVoll(c, k))) + int(s.isShown(ZielVoll(c, k)));
  for (int f = 1; f <= 40; ++f) n += int(s.isShown(Stein(c, f)));
  return n;
}

// The congratulation names a colour whose goal lane is full.
bool namesAWinner(const State& s, std::string_view congratulation) {
  for (Colour c : kColours) {
    if (congratulation.find("Herr " + std::string(info(c).display) + ",") != std::string_view::npos)
      return s.isShown(ZielVoll(c, 1)) && s.isShown(ZielVoll(c, 2)) && s.isShown(ZielVoll(c, 3)) &&
             s.isShown(ZielVoll(c, 4));
  }
  return false;
}

}  // namespace

std::vector<std::string> checkInvariants(const State& s) {
  std::vector<std::string> bad;
  // What is wrong and where (a field, a cell, a player); built only on a
  // violation, as the check runs after every event.
  auto expect = [&bad](bool ok, const char* what, int where) {
    if (!ok) bad.push_back(std::string(what) + ' ' + std::to_string(where));
  };
  for (std::size_t i = 1; i < s.Spielfeld.size(); ++i)
    expect(s.Spielfeld[i] <= Cell::Rot, "no cell code in Spielfeld", int(i));
  for (int f = 1; f <= 40; ++f) {
    int pieces = 0;
    for (Colour c : kColours) {
      pieces += int(s.isShown(Stein(c, f)));
      expect(s.isShown(Stein(c, f)) == (s.cell(f) == info(c).code),
             "Spielfeld disagrees with the piece images of field", f);
    }
    expect(pieces <= 1, "pieces of two colours on field", f);
    expect(pieces > 0 || s.isShown(Feld(f)), "nothing shown on field", f);
  }
  for (Colour c : kColours) {
    const int p = playerNumber(c);
    expect(pieceCount(s, c) == 4, "not four pieces of player", p);
    for (int k = 1; k <= 4; ++k) {
      const int cell = info(c).goalCell1 + k - 1;
      const bool full = s.isShown(ZielVoll(c, k));
      expect(s.cell(cell) == (full ? info(c).code : Cell::Leer),
             "Spielfeld disagrees with the goal image of cell", cell);
      expect(full || s.isShown(ZielLeer(c, k)), "nothing shown in the goal slot of cell", cell);
      expect(s.isShown(HausVoll(c, k)) || s.isShown(HausLeer(c, k)),
             "nothing shown in a house slot of player", p);
    }
    expect(s.Dran(c) == (p == s.Werfer ? 1 : 0), "Dran disagrees with Werfer for player", p);
    const MenuItem& item = s.SpielerMenu[c];
    expect(item.Caption == playerCaption(c, item.Checked), "caption against mark of player", p);
  }
  expect(s.Werfer >= 1 && s.Werfer <= 4, "Werfer out of range:", s.Werfer);
  expect(s.Werfer < 1 || s.Werfer > 4 || s.FarbLabel == info(colourOfPlayer(s.Werfer)).display,
         "FarbLabel disagrees with Werfer", s.Werfer);
  expect(s.Augen <= 6, "Augen out of range:", s.Augen);
  expect(s.Versuche <= 3, "Versuche out of range:", s.Versuche);
  expect(s.ErsterSchritt <= 1 && s.Ueberlagert == 0, "a move left half done, Augen", s.Augen);
  int faces = 0;
  for (int n = 1; n <= 6; ++n) faces += int(s.isShown(Zahl(n)));
  expect(faces <= 1, "die faces shown:", faces);
  expect(s.leicht1.Checked != s.schwer1.Checked, "leicht1 and schwer1 marked alike", 0);
  expect(s.Augen == 0 || s.KannNichtBtnEnabled, "KannNichtBtn disabled with Augen", s.Augen);
  // The win check (Timer3) runs throughout a game and stops only at its win.
  bool live = s.WuerfelEnabled || s.intervalOf(TimerId::Timer1) != 0;
  for (Colour c : kColours) live = live || s.intervalOf(computerTimer(c)) != 0;
  expect(s.intervalOf(TimerId::Timer3) != 0 || !live, "after the win still live, Werfer", s.Werfer);
  return bad;
}

std::vector<std::string> checkWithHost(const State& s, const VirtualHost& host,
                                       std::size_t dialogsAtNeu) {
  std::vector<std::string> bad = checkInvariants(s);
  // Positions set up by hand have no Timer1 on the host, so this is checked here.
  if (s.Augen != 0 && s.intervalOf(TimerId::Timer3) != 0 && s.intervalOf(TimerId::Timer1) == 0) {
    bad.push_back("a roll is pending but Timer1 is stopped");
  }
  for (TimerId t : kTimers) {
    if (host.interval(t) != s.intervalOf(t)) {
      bad.push_back(std::string(timerName(t)) + " runs with another interval than set");
    }
  }
  const auto& said = host.dialogs();
  if (said.size() > dialogsAtNeu + 1) bad.push_back("a second congratulation");
  if (said.size() > dialogsAtNeu && !namesAWinner(s, said.back())) {
    bad.push_back("the congratulation names no colour with a full goal lane: " + said.back());
  }
  return bad;
}

}  // namespace quivalo
