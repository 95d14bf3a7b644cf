// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/cell_widget.h"

#include <qdrawutil.h>
#include <QMouseEvent>
#include <QPainter>

#include "ui/pictures.h"

namespace quivalo::ui {

CellWidget::CellWidget(const BoardCell& cell, const Pictures& pictures, QWidget* parent)
    : QWidget(parent), cell_(cell), pictures_(pictures) {
  setObjectName(nameOf(cell));
  setGeometry(cell.x(), cell.y(), kCellSize, kCellSize);
  // Every pixel is painted here: no background fill, no transparency.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::NoFocus);
}

QString CellWidget::nameOf(const BoardCell& cell) {
  switch (cell.kind) {
    case CellKind::Track:
      return QStringLiteral("Feld%1").arg(cell.number);
    case CellKind::House:
    case CellKind::Goal:
      break;
  }
  const std::string_view word = info(cell.colour).word;
  return (cell.kind == CellKind::House ? QStringLiteral("Haus") : QStringLiteral("Ziel")) +
         QString::fromLatin1(word.data(), static_cast<qsizetype>(word.size())) +
         QString::number(cell.number);
}

QRect CellWidget::imageArea() { return {kImageInset, kImageInset, kImageSize, kImageSize}; }

void CellWidget::setTopImage(std::optional<Image> image) {
  if (image == top_) {
    return;
  }
  top_ = image;
  update(imageArea());
}

void CellWidget::paintEvent(QPaintEvent* /*event*/) {
  QPainter p(this);
  const QBrush face = palette().button();
  qDrawShadePanel(&p, rect(), palette(), /*sunken=*/false, /*lineWidth=*/1, &face);
  if (top_) {
    const QPixmap& picture = pictures_.board(*top_);
    if (!picture.isNull()) {
      p.drawPixmap(imageArea(), picture);
    }
  }
}

void CellWidget::mousePressEvent(QMouseEvent* event) {
  pressed_ = event->button() == Qt::LeftButton && imageArea().contains(event->position().toPoint());
}

void CellWidget::mouseReleaseEvent(QMouseEvent* event) {
  const bool click = pressed_ && event->button() == Qt::LeftButton &&
                     imageArea().contains(event->position().toPoint());
  pressed_ = false;
  if (click) {
    Q_EMIT clicked();
  }
}

}  // namespace quivalo::ui
