// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt_util.h"

#include <QScreen>

namespace quivalo::ui {

void centreOnScreen(QWidget& window) {
  if (const QScreen* s = window.screen()) {
    QRect frame = window.frameGeometry();
    frame.moveCenter(s->availableGeometry().center());
    window.move(frame.topLeft());
  }
}

}  // namespace quivalo::ui
