// SPDX-License-Identifier: GPL-3.0-or-later
// The timer wrapper keeps the rules' convention, which a bare QTimer breaks:
// the same interval leaves a running period alone, 0 stops, a new value
// starts a fresh period, and a stopped timer starts when given an interval.
#include <QSignalSpy>
#include <QtTest>

#include "ui/qt_platform.h"

using quivalo::ui::ConventionTimer;

class TimerTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void namedAndPrecise() {
    QObject owner;
    ConventionTimer t(&owner, QStringLiteral("Timer2"));
    QCOMPARE(t.timer()->parent(), &owner);
    QCOMPARE(owner.findChild<QTimer*>(QStringLiteral("Timer2")), t.timer());
    QCOMPARE(t.timer()->timerType(), Qt::PreciseTimer);
    QVERIFY(!t.timer()->isActive());
    QCOMPARE(t.interval(), 0u);
  }

  // Long periods, so that a slow machine cannot let a period run out
  // between the readings.
  void sameIntervalLeavesThePeriodRunning() {
    QObject owner;
    ConventionTimer t(&owner, QStringLiteral("T"));
    t.setInterval(4000);
    QVERIFY(t.timer()->isActive());
    QTest::qWait(300);
    const int before = t.timer()->remainingTime();
    QVERIFY2(before <= 3700, qPrintable(QString::number(before)));
    t.setInterval(4000);
    QVERIFY(t.timer()->isActive());
    // A restart would put the remaining time back near 4000 ms.
    QVERIFY(t.timer()->remainingTime() <= before);
  }

  void newIntervalStartsAFreshPeriod() {
    QObject owner;
    ConventionTimer t(&owner, QStringLiteral("T"));
    t.setInterval(4000);
    QTest::qWait(300);
    QVERIFY(t.timer()->remainingTime() <= 3700);
    t.setInterval(5000);
    QVERIFY(t.timer()->isActive());
    QCOMPARE(t.timer()->interval(), 5000);
    QVERIFY(t.timer()->remainingTime() > 4500);
  }

  void zeroStops() {
    QObject owner;
    ConventionTimer t(&owner, QStringLiteral("T"));
    QSignalSpy fired(t.timer(), &QTimer::timeout);
    t.setInterval(30);
    QTRY_VERIFY(fired.count() >= 1);
    t.setInterval(0);
    QVERIFY(!t.timer()->isActive());
    const auto count = fired.count();
    QTest::qWait(100);
    // A bare QTimer with interval 0 would fire on every pass of the loop.
    QCOMPARE(fired.count(), count);
  }

  void stoppedTimerStartsWithANewInterval() {
    QObject owner;
    ConventionTimer t(&owner, QStringLiteral("T"));
    QSignalSpy fired(t.timer(), &QTimer::timeout);
    t.setInterval(50);
    t.setInterval(0);
    t.setInterval(50);
    QVERIFY(t.timer()->isActive());
    QTRY_VERIFY(fired.count() >= 2);
  }

  // The timers behind the seam, one per timer name.
  void allEightTimers() {
    QObject owner;
    quivalo::ui::QtTimers timers(&owner);
    for (int i = 0; i < quivalo::kTimerCount; ++i) {
      const auto id = quivalo::TimerId(i);
      const QString name = QString::fromLatin1(quivalo::timerName(id).data());
      QCOMPARE(timers[id].timer()->objectName(), name);
      QVERIFY(!timers[id].timer()->isActive());
    }
    timers.setInterval(quivalo::TimerId::GelbTimer, 250);
    QVERIFY(owner.findChild<QTimer*>(QStringLiteral("GelbTimer"))->isActive());
    QCOMPARE(owner.findChild<QTimer*>(QStringLiteral("GelbTimer"))->interval(), 250);
    QVERIFY(!owner.findChild<QTimer*>(QStringLiteral("RotTimer"))->isActive());
  }

  void clockIsTimeOfDayUtc() {
    quivalo::ui::SystemClock clock;
    const int before = QDateTime::currentDateTimeUtc().time().msecsSinceStartOfDay();
    const auto ms = static_cast<int>(clock.msSinceMidnightUtc());
    const int after = QDateTime::currentDateTimeUtc().time().msecsSinceStartOfDay();
    QVERIFY(ms < 86'400'000);
    // Unless midnight passed in between, the clock lies between the two readings.
    if (after >= before) {
      QVERIFY(ms >= before && ms <= after);
    }
  }
};

QTEST_GUILESS_MAIN(TimerTest)
#include "timer_test.moc"
