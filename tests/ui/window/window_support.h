// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers shared by the window tests: finding parts by name, showing the
// window and clicking a board image as the mouse would. Positions are set up
// through the state with support/position.h; support/window_check.h checks
// that the widgets show the state.
#pragma once

#include <QtTest>
#include <QtWidgets>

#include "support/position.h"
#include "support/window_check.h"
#include "ui/cell_widget.h"
#include "ui/main_window.h"

namespace window_test {

// The part of that name and type below `parent`, or null.
template <typename T = QWidget>
T* named(const QObject& parent, const char* name) {
  return parent.findChild<T*>(QString::fromLatin1(name));
}

inline bool showActive(TMain& w) {
  w.show();
  w.activateWindow();
  return QTest::qWaitForWindowActive(&w);
}

// A click at a point of the client area, delivered to whatever widget lies
// there, as a real mouse click would be.
inline void clickAt(TMain& w, QPoint p, Qt::MouseButton button = Qt::LeftButton) {
  QWidget* target = w.client()->childAt(p);
  if (target == nullptr) target = w.client();
  QTest::mouseClick(target, button, Qt::NoModifier, target->mapFrom(w.client(), p));
}

}  // namespace window_test
