// SPDX-License-Identifier: GPL-3.0-or-later
// The colours the pictures are drawn in. The board pictures use the classic
// sixteen-colour VGA palette, which holds every tone the board needs; the die
// faces use two entries only; the icon trades one VGA entry for transparency.
#pragma once

#include <QImage>
#include <QList>
#include <QRgb>

#include "game/state.h"

namespace quivalo::assets {

inline constexpr QRgb kBlack = qRgb(0, 0, 0);
inline constexpr QRgb kMaroon = qRgb(128, 0, 0);
inline constexpr QRgb kDarkGreen = qRgb(0, 128, 0);
inline constexpr QRgb kOlive = qRgb(128, 128, 0);
inline constexpr QRgb kNavy = qRgb(0, 0, 128);
inline constexpr QRgb kPurple = qRgb(128, 0, 128);
inline constexpr QRgb kTeal = qRgb(0, 128, 128);
inline constexpr QRgb kLightGrey = qRgb(192, 192, 192);
inline constexpr QRgb kDarkGrey = qRgb(128, 128, 128);
inline constexpr QRgb kRed = qRgb(255, 0, 0);
inline constexpr QRgb kGreen = qRgb(0, 255, 0);
inline constexpr QRgb kYellow = qRgb(255, 255, 0);
inline constexpr QRgb kBlue = qRgb(0, 0, 255);
inline constexpr QRgb kFuchsia = qRgb(255, 0, 255);
inline constexpr QRgb kAqua = qRgb(0, 255, 255);
inline constexpr QRgb kWhite = qRgb(255, 255, 255);
inline constexpr QRgb kTransparent = qRgba(0, 0, 0, 0);

// The colour tones of Blau, Rot, Gelb and Grün.
inline constexpr ByColour<QRgb> kTones{{kBlue, kRed, kYellow, kGreen}};

// The sixteen VGA colours in their usual order.
inline QList<QRgb> vgaPalette() {
  return {kBlack,    kMaroon, kDarkGreen, kOlive,  kNavy, kPurple,  kTeal, kLightGrey,
          kDarkGrey, kRed,    kGreen,     kYellow, kBlue, kFuchsia, kAqua, kWhite};
}

// An indexed picture of the given size and colour table, filled with `fill`,
// which must be one of the table's colours.
QImage indexedImage(int width, int height, const QList<QRgb>& table, QRgb fill);

// Sets a pixel of an indexed picture to a colour of its table.
void setColour(QImage& image, int x, int y, QRgb colour);

// The pictures for screens of twice the density are drawn as smooth shapes
// at twice the size; their edges take in-between tones, so they are full
// colour rather than indexed.
inline constexpr int kLargeScale = 2;

// A full-colour picture of the given size, filled with `fill`.
QImage largeImage(int width, int height, QRgb fill);

}  // namespace quivalo::assets
