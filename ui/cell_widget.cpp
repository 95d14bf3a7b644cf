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

QString CellWidget::accessibleNameOf(const BoardCell& cell, std::optional<Image> top) {
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
  switch (cell.kind) {
    case CellKind::Track:
      return QStringLiteral("Feld ") + QString::number(cell.number) + QStringLiteral(": ") +
             content;
    case CellKind::House:
    case CellKind::Goal:
      break;
  }
  return (cell.kind == CellKind::House ? QStringLiteral("Haus ") : QStringLiteral("Ziel ")) +
         colourName(cell.colour) + QStringLiteral(", Platz ") + QString::number(cell.number) +
         QStringLiteral(": ") + content;
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
  if (QString name = accessibleNameOf(cell_, top_); name != accessibleName()) {
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
