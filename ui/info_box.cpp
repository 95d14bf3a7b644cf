// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/info_box.h"

#include <QLabel>
#include <QPainter>

#include "ui/fonts.h"
#include "ui/frames.h"
#include "ui/pictures.h"
#include "ui/qt_util.h"

namespace quivalo::ui {

namespace {

// A label that sizes itself to its text, 13 pixels high.
QLabel* textLabel(QWidget* panel, const char* name, int left, int top, const QString& text,
                  bool bold) {
  auto* label = new QLabel(text, panel);
  label->setObjectName(QString::fromLatin1(name));
  label->setTextFormat(Qt::PlainText);
  if (bold) {
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
  }
  label->adjustSize();
  label->setGeometry(left, top, label->width(), 13);
  return label;
}

// The OK picture: a green tick, 16 x 16, drawn pixel-sharp at its own size
// and drawn again, smooth, for dense screens at twice the size, rather than
// enlarged into blocks.
QIcon okPicture() {
  QIcon icon;
  for (const int ratio : {1, 2}) {
    QPixmap tick(16 * ratio, 16 * ratio);
    tick.setDevicePixelRatio(ratio);
    tick.fill(Qt::transparent);
    QPainter p(&tick);
    p.setRenderHint(QPainter::Antialiasing, ratio > 1);
    p.setPen(QPen(QColor(0, 128, 0), 3, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawPolyline(QPolygon({QPoint(3, 8), QPoint(6, 11), QPoint(12, 4)}));
    p.end();
    icon.addPixmap(tick);
  }
  return icon;
}

}  // namespace

TInfo::TInfo(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
  setObjectName(QStringLiteral("Info"));
  setWindowTitle(QStringLiteral("Info..."));
  setAccessibleName(QStringLiteral("Info über Quivalo"));
  setModal(true);
  setFixedSize(kClientWidth, kClientHeight);
  setFont(pixelFont(QStringLiteral("Arial"), 10, false));
  setBackgroundRole(QPalette::Base);
  setAutoFillBackground(true);

  auto* panel = new DoubleBevelPanel(this);
  panel->setObjectName(QStringLiteral("Panel1"));
  panel->setAccessibleName(QStringLiteral("Über Quivalo"));
  panel->setGeometry(8, 8, 313, 163);
  panel->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11, false));

  auto* icon = new QLabel(panel);
  icon->setObjectName(QStringLiteral("ProgramIcon"));
  icon->setAccessibleName(QStringLiteral("Programmsymbol"));
  icon->setGeometry(8, 16, 33, 33);
  icon->setScaledContents(true);
  icon->setPixmap(Pictures::load(QStringLiteral("icon"), icon->devicePixelRatioF()));

  // The bold captions are read as they stand; each value beside one names its
  // caption too, so that it makes sense when a screen reader reaches it alone.
  textLabel(panel, "ProductName", 89, 16, QStringLiteral("Produktname"), true);
  textLabel(panel, "Label1", 169, 16, QStringLiteral("Quivalo !!!"), false)
      ->setAccessibleName(QStringLiteral("Produktname: Quivalo"));
  textLabel(panel, "Version", 89, 41, QStringLiteral("Version"), true);
  textLabel(panel, "Label2", 169, 41, QStringLiteral(QUIVALO_VERSION), false)
      ->setAccessibleName(QStringLiteral("Version: " QUIVALO_VERSION));
  textLabel(panel, "Copyright", 8, 94, QStringLiteral("Copyright"), true);
  textLabel(panel, "CopyrightText", 98, 94, QStringLiteral("© 2026 Quivalo-Entwickler"), false)
      ->setAccessibleName(QStringLiteral("Copyright: © 2026 Quivalo-Entwickler"));
  textLabel(panel, "Lizenz", 9, 119, QStringLiteral("Lizenz"), true);
  textLabel(panel, "LizenzText1", 98, 119, QStringLiteral("GNU GPL, Version 3 oder später"), false)
      ->setAccessibleName(QStringLiteral("Lizenz: GNU GPL, Version 3 oder später"));
  textLabel(panel, "LizenzText2", 98, 137, QStringLiteral("Freie Software ohne Gewähr"), false)
      ->setAccessibleName(QStringLiteral("Lizenz: Freie Software ohne Gewähr"));

  okButton_ = new PictureButton(QStringLiteral("&OK"), okPicture(), this);
  okButton_->setObjectName(QStringLiteral("OKButton"));
  okButton_->setAccessibleName(QStringLiteral("OK"));
  okButton_->setAccessibleDescription(QStringLiteral("Schließt die Info"));
  okButton_->setGeometry(104, 175, 89, 25);
  okButton_->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 12, true));
  okButton_->setDefault(true);
  connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
}

void TInfo::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  centreOnScreen(*this);
  okButton_->setFocus();
}

}  // namespace quivalo::ui
