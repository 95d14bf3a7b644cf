// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers shared by the window tests: checking that the widgets show the
// game's state, clicking a client-area point as the mouse would, and setting
// up positions through the state.
#pragma once

#include <QLabel>
#include <QPushButton>
#include <QString>
#include <QTest>

#include "board/geometry.h"
#include "ui/cell_widget.h"
#include "ui/main_window.h"

namespace window_test {

// The first difference between the widgets and the game's state, or an empty
// string if the window shows the state exactly.
inline QString mirrorMismatch(TMain& w) {
  const quivalo::State& s = w.game().state();
  for (const quivalo::BoardCell& cell : quivalo::boardCells()) {
    const QString name = quivalo::ui::CellWidget::nameOf(cell);
    auto* widget = w.client()->findChild<quivalo::ui::CellWidget*>(name);
    if (widget == nullptr) {
      return QStringLiteral("no cell widget ") + name;
    }
    if (widget->topImage() != quivalo::topmostShown(s, cell)) {
      return QStringLiteral("cell ") + name + QStringLiteral(" shows another image");
    }
  }
  for (int n = 1; n <= 6; ++n) {
    auto* face = w.client()->findChild<QLabel*>(QStringLiteral("Zahl%1").arg(n));
    if (face->isVisibleTo(w.client()) != s.isShown(quivalo::Zahl(n))) {
      return QStringLiteral("die face %1").arg(n);
    }
  }
  if (w.findChild<QPushButton*>(QStringLiteral("Wuerfel"))->isEnabled() != s.WuerfelEnabled) {
    return QStringLiteral("Wuerfel enabled state");
  }
  if (w.findChild<QPushButton*>(QStringLiteral("KannNichtBtn"))->isEnabled() !=
      s.KannNichtBtnEnabled) {
    return QStringLiteral("KannNichtBtn enabled state");
  }
  if (w.findChild<QLabel*>(QStringLiteral("FarbLabel"))->text() !=
      QString::fromStdString(s.FarbLabel)) {
    return QStringLiteral("FarbLabel caption");
  }
  if (w.findChild<QLabel*>(QStringLiteral("Bemerkung"))->text() !=
      QString::fromStdString(s.Bemerkung)) {
    return QStringLiteral("Bemerkung caption");
  }
  return {};
}

// A left click at a point of the client area, delivered to whatever widget
// lies there, as a real mouse click would be.
inline void clickClient(TMain& w, QPoint p, Qt::MouseButton button = Qt::LeftButton) {
  QWidget* target = w.client()->childAt(p);
  if (target == nullptr) {
    target = w.client();
  }
  QTest::mouseClick(target, button, Qt::NoModifier, target->mapFrom(w.client(), p));
}

// The pixel centre of a cell, in the client area.
inline QPoint cellCentre(int x, int y) { return {x + 14, y + 14}; }

// Gives the turn to colour c without a turn change.
inline void giveTurn(quivalo::State& s, quivalo::Colour c) {
  s.BlauDran = s.RotDran = s.GelbDran = s.GreenDran = 0;
  s.Dran(c) = 1;
  s.Werfer = quivalo::playerNumber(c);
}

// Takes the piece that a packed house would give up last out of c's house.
inline void takeFromHouse(quivalo::State& s, quivalo::Colour c) {
  const int slot = quivalo::info(c).fillOrder[3];
  s.setShown(quivalo::HausVoll(c, slot), false);
  s.setShown(quivalo::HausLeer(c, slot), true);
}

}  // namespace window_test
