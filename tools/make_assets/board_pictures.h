// SPDX-License-Identifier: GPL-3.0-or-later
// The thirteen 25 x 25 board pictures: a black one-pixel circle that touches
// the four edges, with one colour inside it and one in the four corners.
#pragma once

#include <QImage>
#include <QRgb>

namespace quivalo::assets {

inline constexpr int kBoardPictureSize = 25;

// A board picture with `inside` within the circle and `corners` outside it.
QImage boardPicture(QRgb inside, QRgb corners);
// The same picture at twice the size (50 x 50), drawn as a smooth disc in a
// black ring twice as wide.
QImage largeBoardPicture(QRgb inside, QRgb corners);

}  // namespace quivalo::assets
