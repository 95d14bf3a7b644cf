// SPDX-License-Identifier: GPL-3.0-or-later
#include "board_pictures.h"

#include <QPainter>
#include <array>

#include "palette.h"

namespace quivalo::assets {

namespace {

// The outline, rows 0 to 15 from the top: the left-hand run of black columns
// [first, last]; the right-hand run is its mirror image 24 - last .. 24 - first.
// Row 0 reads 9..12 + 12..15, that is 9 to 15; row 1 reads 7, 8 and 16, 17.
struct Run {
  int first;
  int last;
};
constexpr std::array<Run, 16> kOutlineLeft{{
    {9, 12},  // row 0: 9..15
    {7, 8},   // row 1
    {5, 6},   // row 2
    {4, 4},   // row 3
    {3, 3},   // row 4
    {2, 2},   // row 5
    {2, 2},   // row 6
    {1, 1},   // row 7
    {1, 1},   // row 8
    {0, 0},   // rows 9 to 15
    {0, 0},
    {0, 0},
    {0, 0},
    {0, 0},
    {0, 0},
    {0, 0},
}};

constexpr int kLast = kBoardPictureSize - 1;

// Rows 16 to 24 mirror rows 8 down to 0.
constexpr Run runOfRow(int y) {
  return kOutlineLeft[static_cast<std::size_t>(y <= 15 ? y : kLast - y)];
}

}  // namespace

QImage boardPicture(QRgb inside, QRgb corners) {
  QImage image = indexedImage(kBoardPictureSize, kBoardPictureSize, vgaPalette(), corners);
  for (int y = 0; y < kBoardPictureSize; ++y) {
    const Run run = runOfRow(y);
    for (int x = 0; x < kBoardPictureSize; ++x) {
      const int fromEdge = x <= kLast / 2 ? x : kLast - x;  // distance to the nearer side
      if (fromEdge >= run.first && fromEdge <= run.last) {
        setColour(image, x, y, kBlack);
      } else if (fromEdge > run.last) {
        setColour(image, x, y, inside);
      }
    }
  }
  return image;
}

QImage largeBoardPicture(QRgb inside, QRgb corners) {
  constexpr int size = kLargeScale * kBoardPictureSize;
  constexpr double ring = kLargeScale;  // the outline is one small pixel wide
  QImage image = largeImage(size, size, corners);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(kBlack), ring));
  p.setBrush(QColor(inside));
  // The ring's outer edge touches the four sides, as the small outline does.
  p.drawEllipse(QRectF(ring / 2, ring / 2, size - ring, size - ring));
  p.end();
  return image.convertToFormat(QImage::Format_RGB32);
}

}  // namespace quivalo::assets
