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

ConventionTimer::ConventionTimer(QObject* parent, const QString& name)
    : timer_(new QTimer(parent)) {
  timer_->setObjectName(name);
  timer_->setTimerType(Qt::PreciseTimer);
}

void ConventionTimer::setInterval(std::uint32_t ms) {
  if (ms == interval_) {
    return;
  }
  interval_ = ms;
  if (ms == 0) {
    timer_->stop();
  } else {
    timer_->start(static_cast<int>(ms));
  }
}

QtTimers::QtTimers(QObject* parent) {
  for (int i = 0; i < kTimerCount; ++i) {
    const std::string_view name = timerName(TimerId(i));
    timers_[at(TimerId(i))] = std::make_unique<ConventionTimer>(
        parent, QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
  }
}

void QtTimers::setInterval(TimerId timer, std::uint32_t ms) { (*this)[timer].setInterval(ms); }

ConventionTimer& QtTimers::operator[](TimerId timer) { return *timers_[at(timer)]; }

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
  box.exec();
}

}  // namespace quivalo::ui
