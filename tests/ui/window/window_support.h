// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers shared by the window tests: checking that the widgets show the
// game's state, finding parts by name, showing the window and clicking a
// board image as the mouse would. Positions are set up through the state
// with the helpers of support/fixture.h.
#pragma once

#include <QtTest>
#include <QtWidgets>

#include "board/geometry.h"
#include "support/fixture.h"
#include "ui/cell_widget.h"
#include "ui/main_window.h"

namespace window_test {

// The part of that name and type below `parent`, or null.
template <typename T = QWidget>
T* named(const QObject& parent, const char* name) {
  return parent.findChild<T*>(QString::fromLatin1(name));
}

// The first difference between the widgets and the game's state, or an empty
// string if the window shows the state exactly.
inline QString mirrorMismatch(TMain& w) {
  const quivalo::State& s = w.game().state();
  for (const quivalo::BoardCell& cell : quivalo::boardCells()) {
    const QString name = quivalo::ui::CellWidget::nameOf(cell);
    auto* widget = w.client()->findChild<quivalo::ui::CellWidget*>(name);
    if (widget == nullptr || widget->topImage() != quivalo::topmostShown(s, cell)) return name;
  }
  for (int n = 1; n <= 6; ++n) {
    QWidget* face = w.client()->findChild<QWidget*>(QStringLiteral("Zahl%1").arg(n));
    if (face->isVisibleTo(w.client()) != s.isShown(quivalo::Zahl(n))) return face->objectName();
  }
  const bool same = named(w, "Wuerfel")->isEnabled() == s.WuerfelEnabled &&
                    named(w, "KannNichtBtn")->isEnabled() == s.KannNichtBtnEnabled &&
                    named<QLabel>(w, "FarbLabel")->text() == QString::fromStdString(s.FarbLabel) &&
                    named<QLabel>(w, "Bemerkung")->text() == QString::fromStdString(s.Bemerkung);
  return same ? QString() : QStringLiteral("buttons or captions");
}

inline bool showActive(TMain& w) {
  w.show();
  w.activateWindow();
  return QTest::qWaitForWindowActive(&w);
}

// A click on the middle of the board image of that name ("SteinBlau5"),
// delivered to whatever widget lies there, as a real mouse click would be.
inline void clickImage(TMain& w, const QString& image, Qt::MouseButton button = Qt::LeftButton) {
  const QPoint p = w.imageRect(image).center();
  QWidget* target = w.client()->childAt(p);
  QTest::mouseClick(target, button, Qt::NoModifier, target->mapFrom(w.client(), p));
}

// A roll of `pips` pending for colour c, as the widgets show it after a roll.
inline void rolled(quivalo::State& s, quivalo::Colour c, int pips) {
  quivalo::testing::giveTurn(s, c, pips);
  s.setShown(quivalo::Zahl(pips), true);
  s.WuerfelEnabled = false;
  s.KannNichtBtnEnabled = true;
}

}  // namespace window_test
