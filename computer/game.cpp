// SPDX-License-Identifier: GPL-3.0-or-later
#include "computer/game.h"

namespace quivalo {

void Game::Computer(Colour c) {
  const ColourInfo& ci = info(c);
  setInterval(TimerId::Timer1, 0);
  WuerfelClick();

  // Empty the start field while pieces still wait at home.
  if (s_.cell(ci.start) == ci.code && (!shown(HausLeer(c, 1)) || !shown(HausLeer(c, 2)) ||
                                       !shown(HausLeer(c, 3)) || !shown(HausLeer(c, 4)))) {
    SteinClick(c, ci.start);
  }

  // Hunt (strength "schwer"): the opponent with the lowest field number that a
  // piece exactly `Augen` fields behind it by field number can reach.
  if (s_.schwer1.Checked) {
    for (int i = 1; i <= 40 && s_.Augen != 0; ++i) {
      const Cell there = s_.cell(i);
      if (there == Cell::Leer || there == ci.code) {
        continue;
      }
      const int a = s_.Augen;
      if (i > a) {
        if (s_.cell(i - a) == ci.code) {
          SteinClick(c, i - a);
        }
      } else if (ci.crossesSeam && a <= 5 && s_.cell(i - a + 40) == ci.code) {
        SteinClick(c, i - a + 40);
      }
    }
  }

  // Goal approach: the first piece that would land in goal slot 4, 3, 2 or 1.
  if (const int a = s_.Augen; a != 0) {
    for (int t = 4; t >= 1; --t) {
      const int slot = t - a;
      if (slot >= 1) {
        if (s_.cell(ci.goalCell1 + slot - 1) == ci.code) {
          ZielVollClick(c, slot);
          break;
        }
      } else if (const int field = pathField(c, 40 + slot); s_.cell(field) == ci.code) {
        SteinClick(c, field);
        break;
      }
    }
  }

  // Leave the house with a six, offering only the first shown slot.
  if (s_.Augen == 6) {
    for (int k = 1; k <= 4; ++k) {
      if (shown(HausVoll(c, k))) {
        HausVollClick(c, HausVoll(c, k));
        break;
      }
    }
  }

  // Any piece, front first: path positions 40 down to 1.
  for (int p = 40; p >= 1 && s_.Augen != 0; --p) {
    if (const int field = pathField(c, p); s_.cell(field) == ci.code) {
      SteinClick(c, field);
    }
  }

  if (s_.Augen > 0) {
    KannNichtBtnClick();
  }
  Timer1Timer();
}

void Game::ComputerTimerTimer(Colour c) {
  setInterval(computerTimer(c), 0);
  Computer(c);
}

void Game::onTimer(TimerId timer) {
  switch (timer) {
    case TimerId::Timer1:
      Timer1Timer();
      break;
    case TimerId::Timer2:
      Timer2Timer();
      break;
    case TimerId::Timer3:
      Timer3Timer();
      break;
    case TimerId::Timer4:
      Timer4Timer();
      break;
    case TimerId::BlauTimer:
    case TimerId::RotTimer:
    case TimerId::GelbTimer:
    case TimerId::GreenTimer:
      ComputerTimerTimer(Colour(static_cast<int>(timer) - static_cast<int>(TimerId::BlauTimer)));
      break;
  }
}

}  // namespace quivalo
