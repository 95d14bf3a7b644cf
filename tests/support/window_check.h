// SPDX-License-Identifier: GPL-3.0-or-later
// What the window shows against the rules' state: the top image of every
// cell, the die, both buttons, the colour label and the remark line, the
// player items and strength marks, and the eight Qt timers running exactly as
// the rules set them. Header-only, so that the support library needs no Qt.
#pragma once

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QStringList>

#include "board/geometry.h"
#include "ui/cell_widget.h"
#include "ui/main_window.h"

namespace quivalo::testing {

// Every difference between the widgets and the state, joined; empty when the
// window shows the state exactly.
inline QString windowMismatch(TMain& w) {
  const State& s = w.game().state();
  QStringList out;
  auto expect = [&out](bool ok, const QString& what) {
    if (!ok) {
      out << what;
    }
  };
  auto text = [&w](const char* label) {
    return w.findChild<QLabel*>(QLatin1String(label))->text().toStdString();
  };
  for (const BoardCell& cell : boardCells()) {
    const QString name = ui::CellWidget::nameOf(cell);
    auto* widget = w.client()->findChild<ui::CellWidget*>(name);
    expect(widget != nullptr && widget->topImage() == topmostShown(s, cell),
           QStringLiteral("cell ") + name);
  }
  for (int n = 1; n <= 6; ++n) {
    auto* face = w.client()->findChild<QLabel*>(QStringLiteral("Zahl%1").arg(n));
    expect(face->isVisibleTo(w.client()) == s.isShown(Zahl(n)),
           QStringLiteral("die face %1").arg(n));
  }
  expect(w.findChild<QPushButton*>(QStringLiteral("Wuerfel"))->isEnabled() == s.WuerfelEnabled,
         QStringLiteral("Wuerfel enabled"));
  expect(w.findChild<QPushButton*>(QStringLiteral("KannNichtBtn"))->isEnabled() ==
             s.KannNichtBtnEnabled,
         QStringLiteral("KannNichtBtn enabled"));
  expect(text("FarbLabel") == s.FarbLabel, QStringLiteral("FarbLabel"));
  expect(text("Bemerkung") == s.Bemerkung, QStringLiteral("Bemerkung"));
  const std::array<const MenuItem*, 6> items{&s.SpielerMenu[0], &s.SpielerMenu[1],
                                             &s.SpielerMenu[2], &s.SpielerMenu[3],
                                             &s.leicht1,        &s.schwer1};
  const std::array<const char*, 6> names{"SpielerMenu1", "SpielerMenu2", "SpielerMenu3",
                                         "SpielerMenu4", "leicht1",      "schwer1"};
  for (std::size_t i = 0; i < items.size(); ++i) {
    const QAction* a = w.findChild<QAction*>(QLatin1String(names[i]));
    expect(a->isChecked() == items[i]->Checked &&
               a->text() == QString::fromStdString(items[i]->Caption),
           QLatin1String(names[i]));
  }
  for (int t = 0; t < kTimerCount; ++t) {
    const ui::ConventionTimer& timer = w.timer(TimerId(t));
    const std::uint32_t set = s.intervalOf(TimerId(t));
    expect(timer.interval() == set && timer.timer()->isActive() == (set != 0) &&
               (set == 0 || timer.timer()->interval() == int(set)),
           QString::fromStdString(std::string(timerName(TimerId(t)))));
  }
  return out.join(QStringLiteral("; "));
}

}  // namespace quivalo::testing
