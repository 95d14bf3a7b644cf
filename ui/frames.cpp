// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/frames.h"

#include <qdrawutil.h>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace quivalo::ui {

LeftLineBevel::LeftLineBevel(QWidget* parent) : QWidget(parent) {}

void LeftLineBevel::paintEvent(QPaintEvent* /*event*/) {
  QPainter p(this);
  p.setPen(palette().color(QPalette::Dark));
  p.drawLine(0, 0, 0, height() - 1);
  p.setPen(palette().color(QPalette::Light));
  p.drawLine(1, 0, 1, height() - 1);
}

RaisedPanel::RaisedPanel(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void paintRaisedPanel(QPainter& p, const QWidget& w) {
  const QBrush face = w.palette().button();
  qDrawShadePanel(&p, w.rect(), w.palette(), /*sunken=*/false, /*lineWidth=*/1, &face);
}

void RaisedPanel::paintEvent(QPaintEvent* /*event*/) {
  QPainter p(this);
  paintRaisedPanel(p, *this);
}

DoubleBevelPanel::DoubleBevelPanel(QWidget* parent) : QWidget(parent) {}

void DoubleBevelPanel::paintEvent(QPaintEvent* /*event*/) {
  QPainter p(this);
  qDrawShadePanel(&p, rect(), palette(), /*sunken=*/true, /*lineWidth=*/1);
  qDrawShadePanel(&p, rect().adjusted(1, 1, -1, -1), palette(), /*sunken=*/false,
                  /*lineWidth=*/1);
}

KeyFrame::KeyFrame(QWidget* parent) : QFocusFrame(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  hide();
}

void KeyFrame::frame(const QRect& cell) {
  setGeometry(cell.adjusted(-kWidth, -kWidth, kWidth, kWidth));
  raise();  // above the cell, whose rim the inner frame covers
  show();
}

// Whole pixels at any scale: each frame is a ring of filled rectangles.
void KeyFrame::paintEvent(QPaintEvent* /*event*/) {
  QPainter p(this);
  const auto ring = [&p](const QRect& r, const QColor& colour) {
    p.fillRect(r.left(), r.top(), r.width(), kWidth, colour);
    p.fillRect(r.left(), r.bottom() - kWidth + 1, r.width(), kWidth, colour);
    p.fillRect(r.left(), r.top() + kWidth, kWidth, r.height() - 2 * kWidth, colour);
    p.fillRect(r.right() - kWidth + 1, r.top() + kWidth, kWidth, r.height() - 2 * kWidth, colour);
  };
  ring(rect(), kOuter);
  ring(rect().adjusted(kWidth, kWidth, -kWidth, -kWidth), kInner);
}

PictureButton::PictureButton(const QString& text, const QIcon& icon, QWidget* parent)
    : QPushButton(text, parent) {
  setIcon(icon);
}

void PictureButton::paintEvent(QPaintEvent* /*event*/) {
  QStylePainter p(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  // The style draws the bevel and the focus frame only; picture and caption
  // are placed here.
  option.text.clear();
  option.icon = QIcon();
  p.drawControl(QStyle::CE_PushButton, option);

  const int shift =
      isDown() ? style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this) : 0;
  const QSize size = iconSize();
  const QPixmap picture =
      icon().pixmap(size, devicePixelRatio(), isEnabled() ? QIcon::Normal : QIcon::Disabled);
  const int pictureWidth = picture.isNull() ? 0 : size.width();
  if (!picture.isNull()) {
    p.drawPixmap(kPictureMargin + shift, (height() - size.height()) / 2 + shift, picture);
  }
  const QRect captionArea(kPictureMargin + pictureWidth + shift, shift,
                          width() - kPictureMargin - pictureWidth, height());
  p.drawItemText(captionArea, Qt::AlignCenter | Qt::TextShowMnemonic, palette(), isEnabled(),
                 text(), QPalette::ButtonText);
}

}  // namespace quivalo::ui
