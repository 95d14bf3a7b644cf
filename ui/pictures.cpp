// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/pictures.h"

#include <QPainter>
#include <utility>

#include "ui/board_pixels.h"

#include "assets/assets.h"

namespace quivalo::ui {

namespace {

QString resource(const QString& name) {
  return QStringLiteral(":/pictures/") + name + QStringLiteral(".png");
}

// The twice-size picture of that name, or null if there is none.
QPixmap twiceOrNull(const QString& name) {
  const QPixmap twice = Pictures::load(name, 2);
  return twice.devicePixelRatio() == 2 ? twice : QPixmap();
}

}  // namespace

QPixmap Pictures::load(const QString& name, qreal devicePixelRatio) {
  initAssets();
  if (devicePixelRatio > 1) {
    QPixmap twice(resource(name + QStringLiteral("@2x")));
    if (!twice.isNull()) {
      twice.setDevicePixelRatio(2);
      return twice;
    }
  }
  return QPixmap(resource(name));
}

// The twice-size pictures are drawn smooth; scaled smoothly onto the device
// pixels of the shown size they stay smooth at any ratio, where the small
// pictures enlarged would give jagged rings of uneven thickness.
const QPixmap& Pictures::Sizes::at(qreal devicePixelRatio) const {
  if (devicePixelRatio <= 1 || twice.isNull()) {
    return normal;
  }
  if (scaled.isNull() || scaled.devicePixelRatio() != devicePixelRatio) {
    scaled = twice.scaled((QSizeF(shown) * devicePixelRatio).toSize(), Qt::IgnoreAspectRatio,
                          Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(devicePixelRatio);
  }
  return scaled;
}

// Pictures are 25 x 25 and are stretched onto 24 x 24 images by dropping a
// row and a column, which keeps the crisp 16-colour look of the originals.
Pictures::Sizes Pictures::loadBoard(const QString& name) {
  Sizes sizes;
  sizes.normal = load(name, 1);
  if (!sizes.normal.isNull()) {
    sizes.normal =
        sizes.normal.scaled(kImageSize, kImageSize, Qt::IgnoreAspectRatio, Qt::FastTransformation);
  }
  sizes.twice = twiceOrNull(name);
  sizes.shown = {kImageSize, kImageSize};
  return sizes;
}

Pictures::Pictures() {
  feld_ = loadBoard(QStringLiteral("feld"));
  for (Colour c : kColours) {
    const QString colour = pictureWord(c);
    stein_[c] = loadBoard(QStringLiteral("stein_") + colour);
    leer_[c] = loadBoard(QStringLiteral("leer_") + colour);
    voll_[c] = loadBoard(QStringLiteral("voll_") + colour);
  }
  for (int n = 1; n <= 6; ++n) {
    const QString name = QStringLiteral("zahl%1").arg(n);
    const QPixmap normal = load(name, 1);
    zahl_[static_cast<std::size_t>(n - 1)] = {normal, twiceOrNull(name), normal.size(), {}};
  }
  for (qreal ratio : {1, 2}) {
    if (const QPixmap icon = load(QStringLiteral("icon"), ratio); !icon.isNull()) {
      icon_.addPixmap(icon);
    }
  }
}

const QPixmap& Pictures::board(Image image, qreal devicePixelRatio) const {
  const ImageParts parts = partsOf(image);
  const Colour c = parts.colour;
  switch (parts.kind) {
    case ImageKind::Feld:
      return feld_.at(devicePixelRatio);
    case ImageKind::Stein:
      return stein_[c].at(devicePixelRatio);
    case ImageKind::HausLeer:
    case ImageKind::ZielLeer:
      return leer_[c].at(devicePixelRatio);
    case ImageKind::HausVoll:
    case ImageKind::ZielVoll:
      return voll_[c].at(devicePixelRatio);
    case ImageKind::Zahl:
      break;
  }
  return dieFace(parts.number, devicePixelRatio);
}

const QPixmap& Pictures::dieFace(int n, qreal devicePixelRatio) const {
  return zahl_[static_cast<std::size_t>(n - 1)].at(devicePixelRatio);
}

ScreenPicture::ScreenPicture(Source source, QWidget* parent)
    : QLabel(parent), source_(std::move(source)) {
  setPixmap(source_(1));
}

void ScreenPicture::paintEvent(QPaintEvent* /*event*/) {
  const qreal ratio = devicePixelRatioF();
  const QSize pixels = (QSizeF(size()) * ratio).toSize();
  if (painted_.devicePixelRatio() != ratio || painted_.size() != pixels) {
    painted_ = source_(ratio);
    if (!painted_.isNull() && (painted_.devicePixelRatio() != ratio || painted_.size() != pixels)) {
      painted_ = painted_.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
      painted_.setDevicePixelRatio(ratio);
    }
  }
  if (!painted_.isNull()) {
    QPainter p(this);
    p.drawPixmap(0, 0, painted_);
  }
}

}  // namespace quivalo::ui
