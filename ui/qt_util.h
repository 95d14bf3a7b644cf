// SPDX-License-Identifier: GPL-3.0-or-later
// Small Qt helpers the window's files share.
#pragma once

#include <QString>
#include <QWidget>

#include <string_view>

namespace quivalo::ui {

// The rules' UTF-8 text as a QString.
inline QString toQString(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// Moves a top-level window (frame included) to the middle of its screen's
// available area. Called from its showEvent, when the frame is known.
void centreOnScreen(QWidget& window);

}  // namespace quivalo::ui
