// SPDX-License-Identifier: GPL-3.0-or-later
// "&Beenden", Alt+F4 and closing the window end the event loop at once,
// without a question, also while a computer colour is playing.
#include <QAction>
#include <QApplication>
#include <QTimer>
#include <QtTest>

#include "ui/main_window.h"

namespace {

// Runs the event loop until it ends; returns its result, or -1 if it had to be
// ended by the watchdog.
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

class QuitTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void beendenEndsTheLoop() {
    TMain w;
    w.show();
    // The computer plays every colour: the game is busy when the quit comes.
    for (const char* name : {"SpielerMenu1"}) {
      w.findChild<QAction*>(QString::fromLatin1(name))->trigger();
    }
    w.findChild<QAction*>(QStringLiteral("Neu1"))->trigger();
    QTimer::singleShot(600, &w,
                       [&w] { w.findChild<QAction*>(QStringLiteral("Beenden1"))->trigger(); });
    QElapsedTimer elapsed;
    elapsed.start();
    QCOMPARE(runLoop(), 0);
    QVERIFY(elapsed.elapsed() < 2000);
    QVERIFY(w.game().stats().rolls > 0);
  }

  void altF4EndsTheLoop() {
    TMain w;
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QTimer::singleShot(100, &w, [&w] { QTest::keyClick(&w, Qt::Key_F4, Qt::AltModifier); });
    QCOMPARE(runLoop(), 0);
  }

  void closingTheWindowEndsTheLoop() {
    TMain w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QTimer::singleShot(100, &w, &QWidget::close);
    QCOMPARE(runLoop(), 0);
  }
};

QTEST_MAIN(QuitTest)
#include "quit_test.moc"
