// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/pictures.h"

#include "ui/board_pixels.h"

#include "assets/assets.h"

namespace quivalo::ui {

namespace {

constexpr std::array<const char*, 4> kColourFile{"blau", "rot", "gelb", "green"};

// Pictures are 25 x 25 and are stretched onto 24 x 24 images by dropping a
// row and a column, which keeps the crisp 16-colour look of the originals.
QPixmap loadScaled(const QString& file) {
  QPixmap p(file);
  if (p.isNull()) {
    return p;
  }
  return p.scaled(kImageSize, kImageSize, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

}  // namespace

void loadPictureResources() {
  static const bool loaded = [] {
    initAssets();
    return true;
  }();
  (void)loaded;
}

QString Pictures::path(const char* name) {
  return QStringLiteral(":/pictures/") + QString::fromLatin1(name) + QStringLiteral(".png");
}

Pictures::Pictures() {
  loadPictureResources();
  feld_ = loadScaled(path("feld"));
  for (std::size_t c = 0; c < 4; ++c) {
    const QString colour = QString::fromLatin1(kColourFile[c]);
    stein_[c] = loadScaled(QStringLiteral(":/pictures/stein_%1.png").arg(colour));
    leer_[c] = loadScaled(QStringLiteral(":/pictures/leer_%1.png").arg(colour));
    voll_[c] = loadScaled(QStringLiteral(":/pictures/voll_%1.png").arg(colour));
  }
  for (int n = 1; n <= 6; ++n) {
    zahl_[static_cast<std::size_t>(n - 1)] =
        QPixmap(QStringLiteral(":/pictures/zahl%1.png").arg(n));
  }
  icon_ = QPixmap(path("icon"));
}

const QPixmap& Pictures::board(Image image) const {
  const ImageParts parts = partsOf(image);
  const auto c = static_cast<std::size_t>(index(parts.colour));
  switch (parts.kind) {
    case ImageKind::Feld:
      return feld_;
    case ImageKind::Stein:
      return stein_[c];
    case ImageKind::HausLeer:
    case ImageKind::ZielLeer:
      return leer_[c];
    case ImageKind::HausVoll:
    case ImageKind::ZielVoll:
      return voll_[c];
    case ImageKind::Zahl:
      break;
  }
  return zahl_[static_cast<std::size_t>(parts.number - 1)];
}

const QPixmap& Pictures::dieFace(int n) const { return zahl_[static_cast<std::size_t>(n - 1)]; }

}  // namespace quivalo::ui
