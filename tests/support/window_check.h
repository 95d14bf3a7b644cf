// SPDX-License-Identifier: GPL-3.0-or-later
// What the window shows against the rules' state: the top image and the
// tooltip of every cell, the die, both buttons, the colour label and the
// remark line, the player items and strength marks, and the eight Qt timers
// running exactly as the rules set them; and the few steps every window test
// takes. Header-only, so that the support library needs no Qt.
#pragma once

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QTest>

#include "board/geometry.h"
#include "ui/cell_widget.h"
#include "ui/main_window.h"

namespace quivalo::testing {

using ui::TInfo;
using ui::TMain;

// The part of that name and type below `parent`, or null.
template <typename T = QWidget>
T* named(const QObject& parent, const char* name) {
  return parent.findChild<T*>(QLatin1String(name));
}

inline bool showActive(TMain& w) {
  w.show();
  w.activateWindow();
  return QTest::qWaitForWindowActive(&w);
}

// A click at a point of the client area, through the window system as a
// person's click comes.
inline void clickAt(TMain& w, QPoint p, Qt::MouseButton button = Qt::LeftButton) {
  QTest::mouseClick(w.windowHandle(), button, Qt::NoModifier, w.client()->mapTo(&w, p));
}

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
  auto text = [&w](const char* label) { return named<QLabel>(w, label)->text().toStdString(); };
  for (const BoardCell& cell : boardCells()) {
    const QString name = ui::CellWidget::nameOf(cell);
    auto* widget = w.client()->findChild<ui::CellWidget*>(name);
    expect(widget != nullptr && widget->topImage() == topmostShown(s, cell) &&
               widget->toolTip() == ui::CellWidget::accessibleNameOf(cell, topmostShown(s, cell)),
           QStringLiteral("cell ") + name);
  }
  for (int n = 1; n <= 6; ++n) {
    auto* face = w.client()->findChild<QLabel*>(QStringLiteral("Zahl%1").arg(n));
    expect(face->isVisibleTo(w.client()) == s.isShown(Zahl(n)),
           QStringLiteral("die face %1").arg(n));
  }
  expect(named(w, "Wuerfel")->isEnabled() == s.WuerfelEnabled, QStringLiteral("Wuerfel enabled"));
  expect(named(w, "KannNichtBtn")->isEnabled() == s.KannNichtBtnEnabled,
         QStringLiteral("KannNichtBtn enabled"));
  expect(text("FarbLabel") == s.FarbLabel, QStringLiteral("FarbLabel"));
  expect(text("Bemerkung") == s.Bemerkung, QStringLiteral("Bemerkung"));
  const std::array<std::pair<const char*, const MenuItem*>, 6> items{
      {{"SpielerMenu1", &s.SpielerMenu[0]},
       {"SpielerMenu2", &s.SpielerMenu[1]},
       {"SpielerMenu3", &s.SpielerMenu[2]},
       {"SpielerMenu4", &s.SpielerMenu[3]},
       {"leicht1", &s.leicht1},
       {"schwer1", &s.schwer1}}};
  for (const auto& [name, item] : items) {
    const QAction* a = named<QAction>(w, name);
    expect(a->isChecked() == item->Checked && a->text() == QString::fromStdString(item->Caption),
           QLatin1String(name));
  }
  for (TimerId t : kTimers) {
    const QTimer* timer = w.timer(t);
    const std::uint32_t set = s.intervalOf(t);
    expect(timer->isActive() == (set != 0) && (set == 0 || timer->interval() == int(set)) &&
               timer->timerType() == Qt::PreciseTimer,
           QString::fromStdString(std::string(timerName(t))));
  }
  return out.join(QStringLiteral("; "));
}

}  // namespace quivalo::testing
