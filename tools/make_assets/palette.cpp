// SPDX-License-Identifier: GPL-3.0-or-later
#include "palette.h"

#include <stdexcept>

namespace quivalo::assets {

namespace {

int indexOf(const QImage& image, QRgb colour) {
  const QList<QRgb> table = image.colorTable();
  const auto found = table.indexOf(colour);
  if (found < 0) {
    throw std::logic_error("colour not in the picture's colour table");
  }
  return static_cast<int>(found);
}

}  // namespace

QImage indexedImage(int width, int height, const QList<QRgb>& table, QRgb fill) {
  QImage image(width, height, QImage::Format_Indexed8);
  image.setColorTable(table);
  image.fill(static_cast<uint>(indexOf(image, fill)));
  return image;
}

QImage largeImage(int width, int height, QRgb fill) {
  QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
  image.fill(fill);
  return image;
}

void setColour(QImage& image, int x, int y, QRgb colour) {
  image.setPixel(x, y, static_cast<uint>(indexOf(image, colour)));
}

}  // namespace quivalo::assets
