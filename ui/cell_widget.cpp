// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/cell_widget.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCursor>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include "board/moves.h"
#include "ui/board_pixels.h"
#include "ui/frames.h"
#include "ui/pictures.h"
#include "ui/qt_util.h"

namespace quivalo::ui {

namespace {

QString colourName(Colour c) { return toQString(info(c).display); }

// What assistive technology sees of a cell: a button with a press action
// while its image takes a click, static text otherwise. Name and description
// are the widget's own, kept up to date by `setTopImage`; the tooltip, which
// says what the name says, is never read as a description.
class CellAccessible final : public QAccessibleWidget {
 public:
  explicit CellAccessible(CellWidget* cell) : QAccessibleWidget(cell, QAccessible::StaticText) {}

  QAccessible::Role role() const override {
    return cell()->takesClick() ? QAccessible::Button : QAccessible::StaticText;
  }

  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Description ? widget()->accessibleDescription()
                                         : QAccessibleWidget::text(t);
  }

  QStringList actionNames() const override {
    if (cell()->takesClick()) {
      return {pressAction()};
    }
    return QAccessibleWidget::actionNames();
  }

  void doAction(const QString& actionName) override {
    if (actionName == pressAction()) {
      if (cell()->takesClick()) {
        cell()->press();
      }
      return;
    }
    QAccessibleWidget::doAction(actionName);
  }

 private:
  CellWidget* cell() const { return static_cast<CellWidget*>(widget()); }
};

QAccessibleInterface* cellAccessibleFactory(const QString& key, QObject* object) {
  if (key == QLatin1StringView(CellWidget::staticMetaObject.className())) {
    if (auto* cell = qobject_cast<CellWidget*>(object)) {
      return new CellAccessible(cell);
    }
  }
  return nullptr;
}

}  // namespace

CellWidget::CellWidget(const BoardCell& cell, const Pictures& pictures, QWidget* parent)
    : QWidget(parent), cell_(cell), pictures_(pictures) {
  // Before anything asks for this cell's interface: the factory is consulted
  // only when an interface is first made, and the answer is cached.
  static const bool factoryInstalled = [] {
    QAccessible::installFactory(&cellAccessibleFactory);
    return true;
  }();
  Q_UNUSED(factoryInstalled);

  setObjectName(nameOf(cell));
  setGeometry(cellRect(cell));
  // Every pixel is painted here: no background fill, no transparency.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::NoFocus);
  updateAccessibleTexts();
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

QString CellWidget::accessibleNameOf(const BoardCell& cell, std::optional<Image> top,
                                     const CellMarks& marks) {
  QString content = QStringLiteral("leer");
  if (top) {
    const ImageParts parts = partsOf(*top);
    switch (parts.kind) {
      case ImageKind::Stein:
      case ImageKind::HausVoll:
      case ImageKind::ZielVoll:
        content = colourName(parts.colour);
        break;
      case ImageKind::Feld:
      case ImageKind::HausLeer:
      case ImageKind::ZielLeer:
      case ImageKind::Zahl:
        break;
    }
  }
  QString name;
  switch (cell.kind) {
    case CellKind::Track:
      name = QStringLiteral("Feld ") + QString::number(cell.number);
      break;
    case CellKind::House:
    case CellKind::Goal:
      name = (cell.kind == CellKind::House ? QStringLiteral("Haus ") : QStringLiteral("Ziel ")) +
             colourName(cell.colour) + QStringLiteral(", Platz ") + QString::number(cell.number);
      break;
  }
  name += QStringLiteral(": ") + content;
  if (marks.movable) {
    name += QStringLiteral(", kann ziehen");
  }
  // Every colour that left the cell, then every colour that reached it.
  for (const auto& [colours, words] : {std::pair{marks.left, " zog zuletzt von hier"},
                                       std::pair{marks.reached, " zog zuletzt hierher"}}) {
    for (Colour c : kColours) {
      if ((colours & (1U << index(c))) != 0) {
        name += QStringLiteral(", ") + colourName(c) + QString::fromUtf8(words);
      }
    }
  }
  return name;
}

QString CellWidget::accessibleDescriptionOf(std::optional<Image> top) {
  if (!top || !Moves::clickable(*top)) {
    return {};
  }
  const ImageParts parts = partsOf(*top);
  const QString colour = colourName(parts.colour);
  switch (parts.kind) {
    case ImageKind::Stein:
      return QStringLiteral("Klick zieht diese Figur, wenn ") + colour +
             QStringLiteral(" gewürfelt hat und sie ziehen kann");
    case ImageKind::HausVoll:
      return QStringLiteral("Klick setzt eine Figur auf das Startfeld, wenn ") + colour +
             QStringLiteral(" eine Sechs gewürfelt hat und dort keine eigene Figur steht");
    case ImageKind::ZielVoll:
      return QStringLiteral("Klick zieht diese Figur im Ziel weiter, wenn ") + colour +
             QStringLiteral(" gewürfelt hat und sie ziehen kann");
    case ImageKind::Feld:
    case ImageKind::HausLeer:
    case ImageKind::ZielLeer:
    case ImageKind::Zahl:
      break;
  }
  return {};
}

bool CellWidget::takesClick() const { return top_ && Moves::clickable(*top_); }

void CellWidget::press() { Q_EMIT clicked(); }

void CellWidget::setMarks(const CellMarks& marks) {
  if (marks == marks_) {
    return;
  }
  marks_ = marks;
  update();
  updateAccessibleTexts();
}

void CellWidget::setTopImage(std::optional<Image> image) {
  if (image == top_) {
    return;
  }
  top_ = image;
  update(imageArea());
  updateAccessibleTexts();
}

// Each setter sends its change event to assistive technology even when the
// text stays the same, so only real changes are set. The description goes
// first: a screen reader that reacts to the new name finds it already right.
// The tooltip shows the name to the eye; one that is showing over this cell
// takes the new text at once.
void CellWidget::updateAccessibleTexts() {
  if (QString description = accessibleDescriptionOf(top_); description != accessibleDescription()) {
    setAccessibleDescription(description);
  }
  if (QString name = accessibleNameOf(cell_, top_, marks_); name != accessibleName()) {
    setAccessibleName(name);
    setToolTip(name);
    if (QToolTip::isVisible() && underMouse()) {
      QToolTip::showText(QCursor::pos(), name, this);
    }
  }
}

void CellWidget::paintEvent(QPaintEvent* /*event*/) {
  QPainter p(this);
  paintRaisedPanel(p, *this);
  if (top_) {
    const QPixmap& picture = pictures_.board(*top_, devicePixelRatioF());
    if (!picture.isNull()) {
      p.drawPixmap(imageArea(), picture);
    }
  }
  if (marks_ != CellMarks{}) {
    paintMarks(p);
  }
}

// In logical pixels, so that the marks grow with the screen's scale as the
// pictures do; each is a shape, black and white, so that it reads whatever
// the colours around it and whoever tells colours apart poorly:
// - a piece that can move: a black corner with a white inner edge at each
//   corner of the cell, outside the piece's disc;
// - a cell a last move left: a small copy of the mover's piece in its middle;
// - a cell a last move reached: a white dot ringed in black in its middle.
// The corners are whole pixels at any scale; round shapes are smoothed on
// dense screens only, and at a scale of 1 stay pixel-sharp like the pictures.
void CellWidget::paintMarks(QPainter& p) const {
  if (marks_.movable) {
    constexpr int kArm = 9;    // length of each arm of a corner
    constexpr int kThick = 3;  // the black; the white inner edge is one pixel
    const int far = kCellSize - 1;
    for (const bool right : {false, true}) {
      for (const bool bottom : {false, true}) {
        // A rectangle given for the top left corner, mirrored to this one.
        const auto fill = [&](int x, int y, int w, int h, const QColor& colour) {
          p.fillRect(right ? far - x - w + 1 : x, bottom ? far - y - h + 1 : y, w, h, colour);
        };
        fill(0, 0, kArm, kThick, Qt::black);
        fill(0, 0, kThick, kArm, Qt::black);
        fill(kThick, kThick, kArm - kThick, 1, Qt::white);
        fill(kThick, kThick, 1, kArm - kThick, Qt::white);
      }
    }
  }
  const qreal ratio = devicePixelRatioF();
  p.setRenderHint(QPainter::Antialiasing, ratio > 1);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  for (Colour c : kColours) {
    if ((marks_.left & (1U << index(c))) != 0) {
      p.drawPixmap(QRect(8, 8, 12, 12), pictures_.board(Stein(c, 1), ratio));
    }
  }
  if (marks_.reached != 0) {
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(QRectF(9, 9, 10, 10));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(11, 11, 6, 6));
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
