// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/check.h"

#include "support/driver.h"

namespace quivalo {

int pieceCount(const State& s, Colour c) {
  int n = 0;
  for (int k = 1; k <= 4; ++k) {
    n += int(s.isShown(HausVoll(c, k))) + int(s.isShown(ZielVoll(c, k)));
  }
  for (int f = 1; f <= 40; ++f) {
    n += int(s.isShown(Stein(c, f)));
  }
  return n;
}

std::vector<std::string> checkInvariants(const State& s) {
  std::vector<std::string> bad;
  // The message is made only for a violation: the check runs after every event.
  auto expect = [&bad](bool ok, auto what) {
    if (!ok) {
      bad.push_back(what());
    }
  };
  auto cellText = [&s](int n) {
    return "Spielfeld[" + std::to_string(n) + "] = " + std::string(cellName(s.cell(n)));
  };
  for (std::size_t i = 1; i < s.Spielfeld.size(); ++i) {
    expect(s.Spielfeld[i] <= Cell::Rot,
           [&] { return "Spielfeld[" + std::to_string(i) + "] holds no cell code"; });
  }
  for (int f = 1; f <= 40; ++f) {
    int pieces = 0;
    for (Colour c : kColours) {
      const bool piece = s.isShown(Stein(c, f));
      pieces += int(piece);
      expect(piece == (s.cell(f) == info(c).code),
             [&] { return cellText(f) + " disagrees with " + imageName(Stein(c, f)); });
    }
    expect(pieces <= 1,
           [&] { return "field " + std::to_string(f) + " shows pieces of two colours"; });
    expect(pieces > 0 || s.isShown(Feld(f)),
           [&] { return "field " + std::to_string(f) + " shows nothing"; });
  }
  for (Colour c : kColours) {
    const std::size_t i = static_cast<std::size_t>(index(c));
    expect(pieceCount(s, c) == 4, [&] {
      return std::string(info(c).word) + " has " + std::to_string(pieceCount(s, c)) + " pieces";
    });
    for (int k = 1; k <= 4; ++k) {
      const int cell = info(c).goalCell1 + k - 1;
      const bool full = s.isShown(ZielVoll(c, k));
      expect(s.cell(cell) == (full ? info(c).code : Cell::Leer),
             [&] { return cellText(cell) + " disagrees with " + imageName(ZielVoll(c, k)); });
      expect(full || s.isShown(ZielLeer(c, k)),
             [&] { return imageName(ZielLeer(c, k)) + " and its full image hidden"; });
      expect(s.isShown(HausVoll(c, k)) || s.isShown(HausLeer(c, k)),
             [&] { return imageName(HausLeer(c, k)) + " and its full image hidden"; });
    }
    expect(s.Dran(c) == (playerNumber(c) == s.Werfer ? 1 : 0), [&] {
      return std::string(info(c).word) + "Dran = " + std::to_string(s.Dran(c)) +
             " with Werfer = " + std::to_string(s.Werfer);
    });
    expect(s.SpielerMenu[i].Caption == playerCaption(c, s.SpielerMenu[i].Checked),
           [&] { return "caption " + s.SpielerMenu[i].Caption + " does not match its mark"; });
  }
  expect(s.Werfer >= 1 && s.Werfer <= 4, [&] { return "Werfer = " + std::to_string(s.Werfer); });
  expect(
      s.Werfer < 1 || s.Werfer > 4 || s.FarbLabel == info(colourOfPlayer(s.Werfer)).display,
      [&] { return "FarbLabel shows " + s.FarbLabel + " for Werfer " + std::to_string(s.Werfer); });
  expect(s.Augen <= 6 && s.Versuche <= 3 && s.ErsterSchritt <= 1 && s.Ueberlagert == 0, [&] {
    return "turn bytes out of range: Augen " + std::to_string(s.Augen) + ", Versuche " +
           std::to_string(s.Versuche) + ", ErsterSchritt " + std::to_string(s.ErsterSchritt) +
           ", Ueberlagert " + std::to_string(s.Ueberlagert);
  });
  int faces = 0;
  for (int n = 1; n <= 6; ++n) {
    faces += int(s.isShown(Zahl(n)));
  }
  expect(faces <= 1, [&] { return std::to_string(faces) + " die faces shown"; });
  expect(s.leicht1.Checked != s.schwer1.Checked,
         [&] { return "leicht1 and schwer1 carry the same mark"; });
  // The win check (Timer3) runs throughout a game and stops only at its win.
  const bool won = s.intervalOf(TimerId::Timer3) == 0;
  expect(s.Augen == 0 || s.KannNichtBtnEnabled,
         [&] { return "a roll is pending but KannNichtBtn is disabled"; });
  bool live = s.WuerfelEnabled || s.intervalOf(TimerId::Timer1) != 0;
  for (Colour c : kColours) {
    live = live || s.intervalOf(computerTimer(c)) != 0;
  }
  expect(!won || !live,
         [&] { return "after the win the dice button or a game timer is still live"; });
  return bad;
}

std::vector<std::string> checkWithHost(const State& s, const VirtualHost& host,
                                       std::size_t dialogsAtNeu) {
  std::vector<std::string> bad = checkInvariants(s);
  // A pending roll ends through Timer1, which only the win stops; positions
  // set up by hand have no Timer1 on the host, so this is checked here.
  if (s.Augen != 0 && s.intervalOf(TimerId::Timer3) != 0 && s.intervalOf(TimerId::Timer1) == 0) {
    bad.push_back("a roll is pending but Timer1 is stopped");
  }
  for (int t = 0; t < kTimerCount; ++t) {
    if (host.interval(TimerId(t)) != s.intervalOf(TimerId(t))) {
      bad.push_back(std::string(timerName(TimerId(t))) + " runs with another interval than set");
    }
  }
  const auto& dialogs = host.dialogs();
  if (dialogs.size() > dialogsAtNeu + 1) {
    bad.push_back("a second congratulation");
  } else if (dialogs.size() == dialogsAtNeu + 1) {
    const auto winner = testing::winnerOf(dialogs.back());
    int full = 0;
    for (int k = 1; winner && k <= 4; ++k) {
      full += int(s.isShown(ZielVoll(*winner, k)));
    }
    if (full != 4) {
      bad.push_back("the congratulation names no colour with a full goal lane: " + dialogs.back());
    }
  }
  return bad;
}

}  // namespace quivalo
