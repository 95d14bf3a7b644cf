// SPDX-License-Identifier: GPL-3.0-or-later
#include "computer/game.h"

namespace quivalo {

Game::Game(Platform platform)
    : turns_(state_, platform),
      moves_(state_, turns_, platform.events),
      computer_(state_, moves_) {}

void Game::setUp(const std::function<void(State&)>& edit) {
  edit(state_);
  turns_.countRollsAfresh();
}

void Game::Computer(Colour c) {
  turns_.setInterval(TimerId::Timer1, 0);
  turns_.WuerfelClick();
  computer_.move(c, state_.schwer1.Checked);
  if (state_.Augen > 0) {
    turns_.KannNichtBtnClick();
  }
  turns_.Timer1Timer();
}

void Game::ComputerTimerTimer(Colour c) {
  turns_.setInterval(computerTimer(c), 0);
  Computer(c);
}

void Game::onTimer(TimerId timer) {
  switch (timer) {
    case TimerId::Timer1:
      turns_.Timer1Timer();
      break;
    case TimerId::Timer2:
      turns_.Timer2Timer();
      break;
    case TimerId::Timer3:
      turns_.Timer3Timer();
      break;
    case TimerId::Timer4:
      turns_.Timer4Timer();
      break;
    case TimerId::BlauTimer:
    case TimerId::RotTimer:
    case TimerId::GelbTimer:
    case TimerId::GreenTimer:
      if (const auto c = colourOf(timer)) ComputerTimerTimer(*c);
      break;
  }
}

}  // namespace quivalo
