// SPDX-License-Identifier: GPL-3.0-or-later
// The six 50 x 50 die faces: black pips on light grey.
#pragma once

#include <QImage>

namespace quivalo::assets {

inline constexpr int kDieFaceSize = 50;

// The face with `pips` pips (1 to 6).
QImage dieFace(int pips);
// The same face at twice the size (100 x 100), its pips smooth discs.
QImage largeDieFace(int pips);

}  // namespace quivalo::assets
