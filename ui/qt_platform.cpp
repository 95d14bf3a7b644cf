// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt_platform.h"

#include "ui/qt_util.h"

#include <QDateTime>
#include <QMessageBox>
#include <QShowEvent>

#include <utility>

namespace quivalo::ui {

namespace {

// A QMessageBox that places itself in the middle of its screen rather than
// over its parent window.
class ScreenCentredMessageBox final : public QMessageBox {
 public:
  using QMessageBox::QMessageBox;

 protected:
  void showEvent(QShowEvent* event) override {
    QMessageBox::showEvent(event);
    centreOnScreen(*this);
  }
};

}  // namespace

std::uint32_t SystemClock::msSinceMidnightUtc() {
  return static_cast<std::uint32_t>(QDateTime::currentDateTimeUtc().time().msecsSinceStartOfDay());
}

QtTimers::QtTimers(QObject* parent) {
  for (TimerId t : kTimers) {
    QTimer*& timer = timers_[at(t)];
    timer = new QTimer(parent);
    timer->setObjectName(toQString(timerName(t)));
    timer->setTimerType(Qt::PreciseTimer);
  }
}

void QtTimers::start(TimerId timer, std::uint32_t ms) {
  (*this)[timer]->start(static_cast<int>(ms));
}

void QtTimers::stop(TimerId timer) { (*this)[timer]->stop(); }

MessageBoxDialog::MessageBoxDialog(QWidget* parent, std::function<void()> beforeShow)
    : parent_(parent), beforeShow_(std::move(beforeShow)) {}

void MessageBoxDialog::information(std::string_view text) {
  if (beforeShow_) {
    beforeShow_();
  }
  ScreenCentredMessageBox box(QMessageBox::Information, QStringLiteral("Information"),
                              toQString(text), QMessageBox::Ok, parent_);
  box.setObjectName(QStringLiteral("InformationBox"));
  box.setDefaultButton(QMessageBox::Ok);
  box.setEscapeButton(QMessageBox::Ok);
  // A nested event loop: the rules' handler that asked (the win check) waits
  // here while timers and queued clicks go on being handled behind the box.
  box.exec();
}

}  // namespace quivalo::ui
