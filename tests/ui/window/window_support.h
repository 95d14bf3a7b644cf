// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers shared by the window tests: checking that the widgets show the
// game's state, and clicking a board image as the mouse would. Positions are
// set up through the state with the helpers of support/fixture.h.
#pragma once

#include <QLabel>
#include <QPushButton>
#include <QString>
#include <QTest>

#include "board/geometry.h"
#include "support/fixture.h"
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

// A click at a point of the client area, delivered to whatever widget lies
// there, as a real mouse click would be.
inline void clickClient(TMain& w, QPoint p, Qt::MouseButton button = Qt::LeftButton) {
  QWidget* target = w.client()->childAt(p);
  if (target == nullptr) {
    target = w.client();
  }
  QTest::mouseClick(target, button, Qt::NoModifier, target->mapFrom(w.client(), p));
}

// A left click on the middle of the board image of that name ("SteinBlau5").
inline void clickImage(TMain& w, const char* image) {
  clickClient(w, w.imageRect(QString::fromLatin1(image)).center());
}

// A roll of `pips` pending for colour c, as the widgets show it after a roll.
inline void rolled(quivalo::State& s, quivalo::Colour c, int pips) {
  quivalo::testing::giveTurn(s, c, pips);
  s.setShown(quivalo::Zahl(pips), true);
  s.WuerfelEnabled = false;
  s.KannNichtBtnEnabled = true;
}

}  // namespace window_test
