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

// The bevelled panel with the program icon, name, version and the two
// notice rows.
void addPanel(QWidget* box) {
  auto* panel = new DoubleBevelPanel(box);
  panel->setObjectName(QStringLiteral("Panel1"));
  panel->setAccessibleName(QStringLiteral("Über Quivalo"));
  panel->setGeometry(8, 8, 313, 163);
  panel->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11, false));

  auto* icon = new ScreenPicture(
      [](qreal ratio) { return Pictures::load(QStringLiteral("icon"), ratio); }, panel);
  icon->setObjectName(QStringLiteral("ProgramIcon"));
  icon->setAccessibleName(QStringLiteral("Programmsymbol"));
  icon->setGeometry(8, 16, 33, 33);  // the 32 x 32 icon, stretched

  // The bold captions are read as they stand; each value beside one names its
  // caption too, so that it makes sense when a screen reader reaches it alone.
  textLabel(panel, "ProductName", 89, 16, QStringLiteral("Produktname"), true);
  textLabel(panel, "Label1", 169, 16, QStringLiteral(QUIVALO_TITLE), false)
      ->setAccessibleName(QStringLiteral("Produktname: Quivalo"));
  textLabel(panel, "Version", 89, 41, QStringLiteral("Version"), true);
  textLabel(panel, "Label2", 169, 41, QStringLiteral(QUIVALO_VERSION), false)
      ->setAccessibleName(QStringLiteral("Version: " QUIVALO_VERSION));
  textLabel(panel, "Copyright", 8, 94, QStringLiteral("Copyright"), true);
  textLabel(panel, "CopyrightText", 98, 94, QStringLiteral("© " QUIVALO_COPYRIGHT), false)
      ->setAccessibleName(QStringLiteral("Copyright: © " QUIVALO_COPYRIGHT));
  textLabel(panel, "Lizenz", 9, 119, QStringLiteral("Lizenz"), true);
  textLabel(panel, "LizenzText1", 98, 119, QStringLiteral("GNU GPL, Version 3 oder später"), false)
      ->setAccessibleName(QStringLiteral("Lizenz: GNU GPL, Version 3 oder später"));
  textLabel(panel, "LizenzText2", 98, 137, QStringLiteral("Freie Software ohne Gewähr"), false)
      ->setAccessibleName(QStringLiteral("Lizenz: Freie Software ohne Gewähr"));
}

// The OK button below the panel, which confirms and closes the box.
QPushButton* addOkButton(QDialog* box) {
  auto* ok = new PictureButton(QStringLiteral("&OK"), okPicture(), box);
  ok->setObjectName(QStringLiteral("OKButton"));
  ok->setAccessibleName(QStringLiteral("OK"));
  ok->setAccessibleDescription(QStringLiteral("Schließt die Info"));
  ok->setGeometry(104, 175, 89, 25);
  ok->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 12, true));
  ok->setDefault(true);
  QObject::connect(ok, &QPushButton::clicked, box, &QDialog::accept);
  return ok;
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
  addPanel(this);
  okButton_ = addOkButton(this);
}

void TInfo::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  centreOnScreen(*this);
  okButton_->setFocus();
}

}  // namespace quivalo::ui
