// SPDX-License-Identifier: GPL-3.0-or-later
// The window at play, on real timers: the timers keep their convention, the
// computer rolls a quarter second after a roll ends and plays on behind the
// modal about box, and the program ends at once by menu, Alt+F4 or closing.
// Besides, the window names the desktop entry installed for it.
#include <QtTest>
#include <QtWidgets>

#include "ui/info_box.h"
#include "ui/qt_platform.h"
#include "ui/translation.h"
#include "window_support.h"

using namespace Qt::StringLiterals;
using namespace quivalo;
using namespace quivalo::testing;
using window_test::named;

class PlayTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  // The window sets the application id: the file name of the desktop entry
  // installed for it.
  void initTestCase() {
    QVERIFY(ui::installGermanTranslation(*qApp));
    const QFileInfo entry(QStringLiteral(QUIVALO_DESKTOP_ENTRY));
    TMain w;
    QVERIFY(entry.exists() &&
            QGuiApplication::desktopFileName() + u".desktop"_s == entry.fileName());
  }

  // The same interval leaves a running period alone, a new one starts a fresh
  // period, 0 stops, and a stopped timer starts with an interval: none of
  // which a bare QTimer does. Long periods, so that a slow machine cannot let
  // one run out between the readings.
  void timersKeepTheConvention() {
    QObject owner;
    ui::QtTimers timers(&owner);
    QTimer* t = timers[TimerId::GelbTimer].timer();
    timers.setInterval(TimerId::GelbTimer, 4000);
    QTest::qWait(300);
    const int before = t->remainingTime();
    timers.setInterval(TimerId::GelbTimer, 4000);
    QVERIFY2(before <= 3700 && t->remainingTime() <= before && t->timerType() == Qt::PreciseTimer,
             qPrintable(QString::number(before)));
    timers.setInterval(TimerId::GelbTimer, 5000);
    QVERIFY(t->remainingTime() > 4500);
    timers.setInterval(TimerId::GelbTimer, 0);
    QVERIFY(!t->isActive());
    QSignalSpy fired(t, &QTimer::timeout);
    timers.setInterval(TimerId::GelbTimer, 50);
    QTRY_VERIFY(fired.count() >= 2);
  }

  // Blau gives up its last roll; the roll ends, and Rot, played by the
  // computer, rolls 250 ms later.
  void computerRollsAQuarterSecondAfterTheRollEnds() {
    TMain w;
    QVERIFY(window_test::showActive(w));
    named<QPushButton>(w, "Wuerfel")->click();
    w.game().state().Versuche = 0;
    const std::uint64_t rolls = w.game().stats().rolls;
    QElapsedTimer clock;
    clock.start();
    qint64 rollEnded = -1;
    qint64 computerRolled = -1;
    connect(w.timer(TimerId::Timer1).timer(), &QTimer::timeout, this,
            [&] { rollEnded = computerRolled < 0 ? clock.elapsed() : rollEnded; });
    connect(w.timer(TimerId::RotTimer).timer(), &QTimer::timeout, this, [&] {
      const bool first = computerRolled < 0 && w.game().stats().rolls == rolls + 1;
      computerRolled = first ? clock.elapsed() : computerRolled;
    });
    named<QPushButton>(w, "KannNichtBtn")->click();
    QTRY_VERIFY(computerRolled >= 0);
    const qint64 delay = computerRolled - rollEnded;
    QVERIFY2(delay >= 245 && delay < 450, qPrintable(QString::number(delay)));
  }

  // With every colour played by the computer, the game goes on behind the
  // modal about box, with the focus on its OK button, until Alt+O closes it.
  void computerPlaysBehindTheAboutBox() {
    TMain w;
    TInfo info(&w);
    w.setInfoBox(&info);
    QVERIFY(window_test::showActive(w));
    named<QAction>(w, "SpielerMenu1")->trigger();
    named<QAction>(w, "Neu1")->trigger();
    const std::uint64_t rollsBefore = w.game().stats().rolls;
    QString seen = u"the box did not open"_s;
    QTimer::singleShot(1500, this, [&] {
      const bool modal = QApplication::activeModalWidget() == &info &&
                         QApplication::focusWidget() == info.okButton();
      seen = modal && w.game().stats().rolls >= rollsBefore + 3 ? windowMismatch(w)
                                                                : u"no modal box or no play"_s;
      QTest::keyClick(&info, Qt::Key_O, Qt::AltModifier);
    });
    QTimer::singleShot(3000, &info, [&] {
      seen = u"Alt+O did not close the box"_s;
      info.reject();
    });
    named<QAction>(w, "Info1")->trigger();  // returns when the box closes
    QCOMPARE(seen, QString());
  }

  // "&Beenden" (while the computer plays every colour), Alt+F4 and closing the
  // window end the event loop at once, without a question.
  void quits_data() {
    QTest::addColumn<int>("way");
    QTest::newRow("Beenden") << 0;
    QTest::newRow("Alt+F4") << 1;
    QTest::newRow("close") << 2;
  }

  void quits() {
    QFETCH(int, way);
    TMain w;
    QVERIFY(window_test::showActive(w));
    named<QAction>(w, "SpielerMenu1")->trigger();
    named<QAction>(w, "Neu1")->trigger();
    QTimer::singleShot(600, &w, [&w, way] {
      if (way == 0) named<QAction>(w, "Beenden1")->trigger();
      if (way == 1) QTest::keyClick(&w, Qt::Key_F4, Qt::AltModifier);
      if (way == 2) w.close();
    });
    QTimer::singleShot(3000, &w, [] { QCoreApplication::exit(-1); });  // a watchdog
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(w.game().stats().rolls > 0);
  }
};

QTEST_MAIN(PlayTest)
#include "play_test.moc"
