// SPDX-License-Identifier: GPL-3.0-or-later
// Fonts by character height in pixels, as the window's layout is measured.
#pragma once

#include <QFont>
#include <QString>

namespace quivalo::ui {

// The font `family` at `pixels` character height. "MS Sans Serif" is not
// installed on most systems; it is drawn with Liberation Sans (or, failing
// that, DejaVu Sans), whose widths come closest to it, so that texts fit
// the places the layout gives them.
QFont pixelFont(const QString& family, int pixels, bool bold = false);

}  // namespace quivalo::ui
