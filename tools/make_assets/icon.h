// SPDX-License-Identifier: GPL-3.0-or-later
// The 32 x 32 program icon: on a transparent ground, a miniature board at the
// top left, a green piece lying on its side at the top right, a die at the
// bottom left and a yellow piece standing at the bottom right.
#pragma once

#include <QImage>

namespace quivalo::assets {

inline constexpr int kIconSize = 32;

// The icon, sixteen colour-table entries, one of them transparent.
QImage programIcon();
// The same icon at twice the size (64 x 64), its shapes drawn smooth.
QImage largeProgramIcon();

}  // namespace quivalo::assets
