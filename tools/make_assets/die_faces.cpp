// SPDX-License-Identifier: GPL-3.0-or-later
#include "die_faces.h"

#include <QPainter>
#include <array>
#include <stdexcept>
#include <vector>

#include "palette.h"

namespace quivalo::assets {

namespace {

// Pips stand in three columns and three rows; each is a 12 x 12 box whose
// left (or top) pixel is given here: pixels 3-14, 19-30 and 35-46.
constexpr int kPipBox = 12;
constexpr std::array<int, 3> kPipStart{3, 19, 35};
enum Place : int { First = 0, Middle = 1, Last = 2 };

struct Pip {
  Place column;
  Place row;
};

// The pips of each face, as (column, row) places.
const std::array<std::vector<Pip>, 6>& facePips() {
  static const std::array<std::vector<Pip>, 6> pips{{
      {{Middle, Middle}},
      {{Last, First}, {First, Last}},
      {{Last, First}, {Middle, Middle}, {First, Last}},
      {{First, First}, {Last, First}, {First, Last}, {Last, Last}},
      {{First, First}, {Last, First}, {Middle, Middle}, {First, Last}, {Last, Last}},
      {{First, First}, {First, Middle}, {First, Last}, {Last, First}, {Last, Middle}, {Last, Last}},
  }};
  return pips;
}

// The disc of a pip: pixel (i, j) of the 12 x 12 box is black when its centre
// (i + 0.5, j + 0.5) lies within 6 pixels of the box centre (6, 6). In whole
// numbers: (2i - 11)^2 + (2j - 11)^2 <= 144. The disc touches all four sides
// of its box, is symmetric both ways and under a quarter turn, and its rows
// are 4, 8, 10, 10, 12, 12, 12, 12, 10, 10, 8, 4 pixels wide.
constexpr bool inDisc(int i, int j) {
  const int u = 2 * i - (kPipBox - 1);
  const int v = 2 * j - (kPipBox - 1);
  return u * u + v * v <= kPipBox * kPipBox;
}

const std::vector<Pip>& pipsOf(int pips) {
  if (pips < 1 || pips > 6) {
    throw std::out_of_range("a die face has 1 to 6 pips");
  }
  return facePips()[static_cast<std::size_t>(pips - 1)];
}

}  // namespace

QImage dieFace(int pips) {
  QImage image = indexedImage(kDieFaceSize, kDieFaceSize, {kLightGrey, kBlack}, kLightGrey);
  for (const Pip& pip : pipsOf(pips)) {
    const int left = kPipStart[static_cast<std::size_t>(pip.column)];
    const int top = kPipStart[static_cast<std::size_t>(pip.row)];
    for (int j = 0; j < kPipBox; ++j) {
      for (int i = 0; i < kPipBox; ++i) {
        if (inDisc(i, j)) {
          setColour(image, left + i, top + j, kBlack);
        }
      }
    }
  }
  return image;
}

QImage largeDieFace(int pips) {
  constexpr int size = kLargeScale * kDieFaceSize;
  QImage image = largeImage(size, size, kLightGrey);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(kBlack));
  p.scale(kLargeScale, kLargeScale);
  for (const Pip& pip : pipsOf(pips)) {
    p.drawEllipse(QRectF(kPipStart[static_cast<std::size_t>(pip.column)],
                         kPipStart[static_cast<std::size_t>(pip.row)], kPipBox, kPipBox));
  }
  p.end();
  return image.convertToFormat(QImage::Format_RGB32);
}

}  // namespace quivalo::assets
