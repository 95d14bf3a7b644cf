// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/verlauf.h"

#include <QListView>
#include <QScrollBar>
#include <QShortcut>
#include <QVBoxLayout>

#include "ui/qt_util.h"

using namespace Qt::StringLiterals;

namespace quivalo::ui {

namespace {

QString name(Colour c) { return toQString(info(c).display); }

}  // namespace

VerlaufLines::VerlaufLines() { add(u"Neues Spiel."_s); }

void VerlaufLines::add(const QString& line) {
  const int row = model_.rowCount();
  model_.insertRows(row, 1);
  model_.setData(model_.index(row), line);
}

// The lines' words, all in this one place.
void VerlaufLines::happened(const Event& event) {
  std::visit(
      Overloaded{
          [this](const Rolled& e) {
            QString line = u"%1 würfelt eine %2"_s.arg(name(e.colour)).arg(e.pips);
            if (e.rolls == 3 && !sixInTurn_) {
              line += u" (Wurf %1 von 3)"_s.arg(e.roll);
            }
            sixInTurn_ = sixInTurn_ || e.pips == 6;
            add(line + u'.');
          },
          [this](const CameOut& e) {
            add(u"%1 holt eine Figur aus dem Haus auf Feld %2."_s.arg(name(e.colour))
                    .arg(info(e.colour).start));
            for (const QString& line : std::as_const(knockedByComingOut_)) {
              add(line);
            }
            knockedByComingOut_.clear();
          },
          [this](const Moved& e) {
            const QString who = name(e.colour);
            if (e.from.area == Place::Area::Goal) {
              add(u"%1 zieht im Ziel von Platz %2 auf Platz %3."_s.arg(who)
                      .arg(e.from.number)
                      .arg(e.to.number));
            } else if (e.to.area == Place::Area::Goal) {
              add(u"%1 zieht von Feld %2 ins Ziel auf Platz %3."_s.arg(who)
                      .arg(e.from.number)
                      .arg(e.to.number));
            } else {
              add(u"%1 zieht von Feld %2 auf Feld %3."_s.arg(who)
                      .arg(e.from.number)
                      .arg(e.to.number));
            }
          },
          [this](const KnockedOut& e) {
            const QString line =
                u"%1 wirft %2 auf Feld %3 raus."_s.arg(name(e.by), name(e.colour)).arg(e.field);
            // A colour's own start field is reached only by coming out.
            if (e.field == info(e.by).start) {
              knockedByComingOut_ << line;
            } else {
              add(line);
            }
          },
          [this](const GaveUp& e) { add(u"%1 gibt die %2 ab."_s.arg(name(e.colour)).arg(e.pips)); },
          [this](const TurnPassed&) { sixInTurn_ = false; },
          [this](const Won& e) { add(u"%1 hat gewonnen."_s.arg(name(e.colour))); },
          [this](const NewGame&) {
            // The game before the one that ends now goes.
            model_.removeRows(0, gameStart_);
            gameStart_ = model_.rowCount();
            add(u"Neues Spiel."_s);
          }},
      event);
}

VerlaufWindow::VerlaufWindow(QAbstractItemModel& lines, QWidget* parent)
    : QWidget(parent), list_(new QListView(this)) {
  setObjectName(u"VerlaufWindow"_s);
  setWindowFlag(Qt::Window);
  setWindowTitle(u"Verlauf – Quivalo"_s);
  setAttribute(Qt::WA_QuitOnClose, false);  // an open Verlauf never keeps the program running
  setAttribute(Qt::WA_ShowWithoutActivating);
  list_->setObjectName(u"VerlaufList"_s);
  list_->setAccessibleName(u"Verlauf"_s);
  list_->setModel(&lines);
  list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list_->setSelectionMode(QAbstractItemView::NoSelection);
  list_->setUniformItemSizes(true);  // one line a row: quick to lay out however long the list
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_);
  // Wide enough for the longest lines. While the end of the list is in
  // view, it stays in view whatever comes: a new line, a wider line that
  // brings the scroll bar along the bottom, a smaller window.
  const int longest =
      list_->fontMetrics().horizontalAdvance(u"Gelb holt eine Figur aus dem Haus auf Feld 21."_s);
  resize(longest + 60, 400);
  QScrollBar* bar = list_->verticalScrollBar();
  connect(bar, &QScrollBar::valueChanged, this,
          [this, bar](int at) { followEnd_ = at == bar->maximum(); });
  connect(bar, &QScrollBar::rangeChanged, this, [this, bar](int /*min*/, int max) {
    if (followEnd_) {
      bar->setValue(max);
    }
  });
  connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this, &QWidget::close);
}

}  // namespace quivalo::ui
