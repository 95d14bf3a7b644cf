// SPDX-License-Identifier: GPL-3.0-or-later
// The Verlauf: what happened in the game, one German line each, newest last:
// every roll with its colour and pips, a piece coming out of its house, a
// move from where to where, a knock-out, a roll given up, the winner, and a
// line where a new game begins. The lines are kept from the program's start,
// whether the Verlauf is open or not, for the running game and the one
// before it; nothing is kept between runs. Its window is a list beside the
// game that leaves the keys with the game.
#pragma once

#include <QStringList>
#include <QStringListModel>
#include <QWidget>

#include "game/platform.h"

class QListView;

namespace quivalo::ui {

// Follows the game and writes its lines into a list model.
class VerlaufLines final : public EventListener {
 public:
  VerlaufLines();

  // One line a row, newest last.
  QStringListModel& model() { return model_; }
  void happened(const Event& event) override;

 private:
  void add(const QString& line);

  QStringListModel model_;
  int gameStart_ = 0;       // the row of the running game's first line
  bool sixInTurn_ = false;  // a six has come in this turn: its rolls are no longer one of three
  // A piece knocked off a start field by a piece coming out is told after
  // the piece that came out, which the rules report second.
  QStringList knockedByComingOut_;
};

// The Verlauf's window: the lines as a list, the newest kept in view while
// the list is scrolled to its end. Showing it, and each line added, leave
// the keyboard with the game; Esc closes it.
class VerlaufWindow final : public QWidget {
  Q_OBJECT

 public:
  VerlaufWindow(QAbstractItemModel& lines, QWidget* parent);

 private:
  QListView* list_;
  bool followEnd_ = true;  // the end of the list is in view and stays so
};

}  // namespace quivalo::ui
