// SPDX-License-Identifier: GPL-3.0-or-later
// The window at play, on real timers: clicks reach the topmost shown image,
// the timers keep their convention, the remark goes after a second, the
// computer rolls a quarter second after a roll ends, the winner is
// congratulated once, the computer plays on behind the modal about box, and
// the program ends at once by menu, Alt+F4 or closing.
#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include "ui/info_box.h"
#include "ui/qt_platform.h"
#include "ui/translation.h"
#include "window_support.h"

using namespace Qt::StringLiterals;
using quivalo::Colour;
using quivalo::State;
using window_test::mirrorMismatch;

namespace {

QString nameOf(quivalo::Image i) { return QString::fromStdString(quivalo::imageName(i)); }

void showActive(TMain& w) {
  w.show();
  w.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&w));
}

// Runs the event loop until it ends; its result, or -1 if a watchdog ended it.
int runLoop() {
  bool watchdog = false;
  QTimer::singleShot(5000, qApp, [&watchdog] {
    watchdog = true;
    QCoreApplication::exit(-1);
  });
  const int rc = QApplication::exec();
  return watchdog ? -1 : rc;
}

}  // namespace

class PlayTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() { QVERIFY(quivalo::ui::installGermanTranslation(*qApp)); }

  // A piece drawn over its (also shown) start field, and a full house slot
  // over its (also shown) empty picture, take a left click, in every colour.
  void clickReachesTheTopmostImage() {
    TMain w;
    showActive(w);
    for (Colour c : quivalo::kColours) {
      for (const bool piece : {true, false}) {
        w.game().Neu1Click();
        State& s = w.game().state();
        const int start = quivalo::info(c).start;
        quivalo::testing::giveTurn(s, c, piece ? 1 : 6);
        if (piece) {
          quivalo::testing::takeFromHouse(s, c, 1);
          s.setShown(quivalo::Stein(c, start), true);
          s.cell(start) = quivalo::info(c).code;
        } else {
          s.setShown(quivalo::HausLeer(c, 2), true);
        }
        w.mirror();
        const QRect image =
            w.imageRect(nameOf(piece ? quivalo::Stein(c, start) : quivalo::HausVoll(c, 2)));
        window_test::clickClient(w, image.center(), Qt::RightButton);
        QVERIFY(s.Augen != 0);
        window_test::clickClient(w, image.center());
        QCOMPARE(s.Augen, std::uint8_t{0});
        QCOMPARE(s.isShown(quivalo::Stein(c, start)), !piece);
        QCOMPARE(mirrorMismatch(w), QString());
      }
    }
  }

  // The same interval leaves a running period alone, a new one starts a
  // fresh period, 0 stops, and a stopped timer starts with an interval: none
  // of which a bare QTimer does. Long periods, so that a slow machine cannot
  // let one run out between the readings.
  void timersKeepTheConvention() {
    QObject owner;
    quivalo::ui::QtTimers timers(&owner);
    for (int i = 0; i < quivalo::kTimerCount; ++i) {
      QCOMPARE(timers[quivalo::TimerId(i)].timer()->timerType(), Qt::PreciseTimer);
      QVERIFY(!timers[quivalo::TimerId(i)].timer()->isActive());
    }
    QTimer* t = timers[quivalo::TimerId::GelbTimer].timer();
    timers.setInterval(quivalo::TimerId::GelbTimer, 4000);
    QTest::qWait(300);
    const int before = t->remainingTime();
    QVERIFY2(before <= 3700, qPrintable(QString::number(before)));
    timers.setInterval(quivalo::TimerId::GelbTimer, 4000);
    QVERIFY(t->isActive() && t->remainingTime() <= before);
    timers.setInterval(quivalo::TimerId::GelbTimer, 5000);
    QVERIFY(t->remainingTime() > 4500);
    timers.setInterval(quivalo::TimerId::GelbTimer, 0);
    QVERIFY(!t->isActive());
    QSignalSpy fired(t, &QTimer::timeout);
    timers.setInterval(quivalo::TimerId::GelbTimer, 50);
    QTRY_VERIFY(fired.count() >= 2);
  }

  void clockIsTimeOfDayUtc() {
    quivalo::ui::SystemClock clock;
    const int before = QDateTime::currentDateTimeUtc().time().msecsSinceStartOfDay();
    const auto ms = static_cast<int>(clock.msSinceMidnightUtc());
    const int after = QDateTime::currentDateTimeUtc().time().msecsSinceStartOfDay();
    QVERIFY(after < before || (ms >= before && ms <= after));  // unless midnight passed
  }

  // A knock-out shows a remark, which goes a second later.
  void remarkGoesAfterASecond() {
    TMain w;
    showActive(w);
    State& s = w.game().state();
    window_test::rolled(s, Colour::Blau, 3);
    quivalo::testing::bringOut(s, Colour::Blau, 5);
    quivalo::testing::bringOut(s, Colour::Rot, 8);
    w.mirror();
    window_test::clickImage(w, "SteinBlau5");
    QElapsedTimer elapsed;
    elapsed.start();
    auto* bemerkung = w.findChild<QLabel*>(u"Bemerkung"_s);
    QVERIFY(!bemerkung->text().isEmpty());
    QTRY_COMPARE_WITH_TIMEOUT(bemerkung->text(), QString(), 2000);
    QVERIFY2(elapsed.elapsed() >= 950, qPrintable(QString::number(elapsed.elapsed())));
  }

  // Blau gives up its last roll; the roll ends and Rot, played by the
  // computer, rolls 250 ms later.
  void computerRollsAQuarterSecondAfterTheRollEnds() {
    TMain w;
    showActive(w);
    State& s = w.game().state();
    w.findChild<QPushButton*>(u"Wuerfel"_s)->click();
    s.Versuche = 0;
    const std::uint64_t rollsBefore = w.game().stats().rolls;
    QElapsedTimer clock;
    clock.start();
    qint64 rollEnded = -1;
    qint64 computerRolled = -1;
    connect(w.timer(quivalo::TimerId::Timer1).timer(), &QTimer::timeout, this, [&] {
      if (computerRolled < 0) {
        rollEnded = clock.elapsed();
      }
    });
    connect(w.timer(quivalo::TimerId::RotTimer).timer(), &QTimer::timeout, this, [&] {
      if (computerRolled < 0 && w.game().stats().rolls == rollsBefore + 1) {
        computerRolled = clock.elapsed();
      }
    });
    w.findChild<QPushButton*>(u"KannNichtBtn"_s)->click();
    QTRY_VERIFY(computerRolled >= 0);
    QCOMPARE(w.findChild<QLabel*>(u"FarbLabel"_s)->text(), u"Rot"_s);
    const qint64 delay = computerRolled - rollEnded;
    QVERIFY2(delay >= 245 && delay < 400, qPrintable(QString::number(delay)));
  }

  // A full goal lane is congratulated once, over the final position; then the
  // dice button stays disabled and the winner check stops.
  void winnerMessageOnce() {
    TMain w;
    showActive(w);
    State& s = w.game().state();
    for (int k = 1; k <= 4; ++k) {
      quivalo::testing::takeFromHouse(s, Colour::Blau, k);
      quivalo::testing::placeInGoal(s, Colour::Blau, k);
    }
    // Not mirrored here: the window must do so itself before the message opens.
    QStringList texts;
    QString mismatch = u"not checked"_s;
    QTimer watcher;
    connect(&watcher, &QTimer::timeout, this, [&] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        texts << box->text();
        mismatch = mirrorMismatch(w);
        box->button(QMessageBox::Ok)->click();
      }
    });
    watcher.start(20);
    QTRY_COMPARE_WITH_TIMEOUT(texts.size(), qsizetype{1}, 2000);
    QCOMPARE(texts.first(), u"Herzlichen Glückwunsch Herr Blau, Sie haben gewonnen."_s);
    QCOMPARE(mismatch, QString());
    QTest::qWait(800);
    QCOMPARE(texts.size(), qsizetype{1});
    QVERIFY(!w.findChild<QPushButton*>(u"Wuerfel"_s)->isEnabled());
    QVERIFY(!w.findChild<QTimer*>(u"Timer3"_s)->isActive());
  }

  // With every colour played by the computer, the game goes on while the
  // modal about box is open, until a key closes it.
  void computerPlaysBehindTheAboutBox_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("Enter") << int(Qt::Key_Return) << int(Qt::NoModifier);
    QTest::newRow("Alt+O") << int(Qt::Key_O) << int(Qt::AltModifier);
    QTest::newRow("Escape") << int(Qt::Key_Escape) << int(Qt::NoModifier);
  }

  void computerPlaysBehindTheAboutBox() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    TMain w;
    TInfo info(&w);
    w.setInfoBox(&info);
    showActive(w);
    w.findChild<QAction*>(u"SpielerMenu1"_s)->trigger();
    w.findChild<QAction*>(u"Neu1"_s)->trigger();
    const std::uint64_t rollsBefore = w.game().stats().rolls;
    std::uint64_t rollsWhileOpen = 0;
    bool modalWithFocusOnOk = false;
    QString mismatch = u"not checked"_s;
    QTimer::singleShot(1500, this, [&] {
      modalWithFocusOnOk = QApplication::activeModalWidget() == &info &&
                           QApplication::focusWidget() == info.okButton();
      rollsWhileOpen = w.game().stats().rolls;
      mismatch = mirrorMismatch(w);
      QTest::keyClick(&info, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    });
    QTimer::singleShot(5000, &info, &QDialog::reject);  // a watchdog
    QElapsedTimer elapsed;
    elapsed.start();
    w.findChild<QAction*>(u"Info1"_s)->trigger();  // returns when the box closes
    QVERIFY(elapsed.elapsed() < 3000);
    QVERIFY(modalWithFocusOnOk);
    QVERIFY2(rollsWhileOpen >= rollsBefore + 3, qPrintable(QString::number(rollsWhileOpen)));
    QCOMPARE(mismatch, QString());
  }

  // The marks are the state's: "leicht" chosen twice stays ticked, although a
  // checkable action would untick itself on the second choice.
  void menuMarksFollowTheState() {
    TMain w;
    auto* leicht = w.findChild<QAction*>(u"leicht1"_s);
    leicht->trigger();
    leicht->trigger();
    QVERIFY(leicht->isChecked() && !w.findChild<QAction*>(u"schwer1"_s)->isChecked());
    w.findChild<QAction*>(u"SpielerMenu2"_s)->trigger();
    QCOMPARE(w.findChild<QAction*>(u"SpielerMenu2"_s)->text(), u"&2 Rot - Mensch"_s);
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
    showActive(w);
    w.findChild<QAction*>(u"SpielerMenu1"_s)->trigger();
    w.findChild<QAction*>(u"Neu1"_s)->trigger();
    QTimer::singleShot(600, &w, [&w, way] {
      if (way == 0) {
        w.findChild<QAction*>(u"Beenden1"_s)->trigger();
      } else if (way == 1) {
        QTest::keyClick(&w, Qt::Key_F4, Qt::AltModifier);
      } else {
        w.close();
      }
    });
    QElapsedTimer elapsed;
    elapsed.start();
    QCOMPARE(runLoop(), 0);
    QVERIFY(elapsed.elapsed() < 2000);
    QVERIFY(w.game().stats().rolls > 0);
  }
};

QTEST_MAIN(PlayTest)
#include "play_test.moc"
