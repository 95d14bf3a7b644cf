// SPDX-License-Identifier: GPL-3.0-or-later
// A monkey at the real window: the events of the soak's vocabulary as a
// person makes them (mouse clicks through the window system, Alt+W, Alt+K,
// Ctrl+N and the menu commands), with the real timers running
// and the colours switched between person and computer at random. Before
// every action and at the end the consistency check must hold and the widgets
// must show the state; the winner's message is closed as a person would close
// it, and nothing may roll behind the message.
//
// QUIVALO_MONKEY_SECONDS sets the length of the run (default 20) and
// QUIVALO_MONKEY_SEED the seed of the monkey's choices.
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

#include "support/driver.h"
#include "support/position.h"
#include "support/window_check.h"
#include "ui/board_pixels.h"

using namespace quivalo;
using namespace quivalo::testing;

namespace {

QPoint centreOf(TMain& w, const char* name) { return named(w, name)->geometry().center(); }
void trigger(TMain& w, std::string_view item) {
  named<QAction>(w, std::string(item).c_str())->trigger();
}

}  // namespace

class MonkeyTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void monkey();
  void altWJustBeforeTheWinRollsNothingBehindTheMessage();
  void altWAndAMouseClickRollOnce();
};

void MonkeyTest::monkey() {
  const int seconds = qEnvironmentVariableIntValue("QUIVALO_MONKEY_SECONDS") > 0
                          ? qEnvironmentVariableIntValue("QUIVALO_MONKEY_SECONDS")
                          : 20;
  const auto seed = static_cast<std::uint64_t>(qEnvironmentVariableIntValue("QUIVALO_MONKEY_SEED"));
  Rng rng(seed == 0 ? 20240601 : seed);
  TMain w;
  QVERIFY(showActive(w));
  const State& s = w.game().state();
  auto rolls = [&w] { return w.game().stats().rolls; };
  QStringList failures;
  int actions = 0, winnerBoxes = 0, nearWins = 0, winnerBoxesAtSetUp = 0;
  const quint64 rollsAtStart = rolls();
  auto check = [&](const char* when) {
    QString bad = windowMismatch(w);
    for (const std::string& v : checkInvariants(s)) bad += QString::fromStdString("; " + v);
    if (!bad.isEmpty() && failures.size() < 20) {
      failures
          << QStringLiteral("%1 (action %2): %3").arg(QLatin1String(when)).arg(actions).arg(bad);
    }
  };

  // Closes the winner's message 0 to 400 ms after it appears; timers go on
  // firing behind it meanwhile.
  QTimer closer;
  QWidget* modal = nullptr;
  QElapsedTimer modalSince;
  qint64 modalDelay = 0;
  quint64 rollsAtBox = 0;
  bool stopping = false;
  QObject::connect(&closer, &QTimer::timeout, [&] {
    QWidget* m = QApplication::activeModalWidget();
    auto* box = qobject_cast<QMessageBox*>(m);
    if (m != modal) {
      modal = m;
      modalSince.start();
      modalDelay = qint64(rng.below(400));
      rollsAtBox = rolls();
      winnerBoxes += box != nullptr ? 1 : 0;
      if (m != nullptr && (box == nullptr || !namesAWinner(s, box->text().toStdString()))) {
        failures << QStringLiteral("a modal window other than a winner's message");
      }
      check("modal window open");
    } else if (m != nullptr && (stopping || modalSince.elapsed() >= modalDelay)) {
      if (rolls() != rollsAtBox) {
        failures << QStringLiteral("a roll was made behind the winner's message");
      }
      box != nullptr ? box->button(QMessageBox::Ok)->click() : void(m->close());
    }
  });
  closer.start(10);

  // One action of the vocabulary per tick, after checking the window:
  // out of 10,000, clicks anywhere, on cells and on the mover's own pieces,
  // the two buttons by mouse and key, the menu commands.
  QTimer monkey;
  QElapsedTimer sinceNearWin;
  // Whether the board was fresh the moment "Neu" ran: connected after the
  // window's own handler. Ctrl+N is a key event, and while it is delivered
  // timers that were armed before may fire and play on in the new game.
  const auto fresh = [&s] {
    return s.Werfer == 1 && s.Versuche == 3 && s.isShown(HausVoll(Colour::Gelb, 4));
  };
  bool freshAtNeu = false;
  bool neuRan = false;
  QObject::connect(named<QAction>(w, "Neu1"), &QAction::triggered, [&] {
    neuRan = true;
    freshAtNeu = fresh();
  });
  sinceNearWin.start();
  QObject::connect(&monkey, &QTimer::timeout, [&] {
    check("before an action");
    ++actions;
    const std::uint64_t r = rng.below(10'000);
    const bool blocked = QApplication::activeModalWidget() != nullptr;
    const auto& cells = boardCells();
    if (r < 3'000) {  // ClickImage: wherever it lands
      clickAt(w, QPoint(int(rng.below(TMain::kClientWidth)), int(rng.below(TMain::kClientHeight))));
    } else if (r < 4'500) {  // ClickCell
      clickAt(w, ui::cellRect(cells[rng.below(cells.size())]).center());
    } else if (r < 6'000) {  // Move: a cell showing a piece of the colour to move
      std::vector<QPoint> own;
      for (const BoardCell& cell : cells) {
        const auto top = topmostShown(s, cell);
        if (top && Game::clickable(*top) && partsOf(*top).colour == colourOfPlayer(s.Werfer)) {
          own.push_back(ui::cellRect(cell).center());
        }
      }
      clickAt(w, own.empty() ? centreOf(w, "Wuerfel") : own[rng.below(own.size())]);
    } else if (r < 7'200) {  // Roll and KannNicht, by mouse or by access key
      const bool roll = r < 6'600;
      if (r % 2 == 0 || blocked) {
        clickAt(w, centreOf(w, roll ? "Wuerfel" : "KannNichtBtn"));
      } else {
        QTest::keyClick(w.windowHandle(), roll ? Qt::Key_W : Qt::Key_K, Qt::AltModifier);
      }
    } else if (blocked) {
      return;                // keys and menus belong to the modal window now
    } else if (r < 7'310) {  // Menu: the player items, strength and help
      trigger(w, kMenu[r < 7'280 ? 1 + rng.below(4) : 5 + rng.below(5)]);
      w.activateWindow();  // the help window may have taken the focus
    } else if (sinceNearWin.elapsed() > 2'500 &&
               (nearWins == 0 || winnerBoxes > winnerBoxesAtSetUp ||
                sinceNearWin.elapsed() > 6'000)) {
      // A new game one roll of 1 from its end, so that winners come often:
      // the next once this one has a winner, or after six seconds. Through
      // Ctrl+N or the menu, it must be a fresh game at once.
      winnerBoxesAtSetUp = winnerBoxes;
      sinceNearWin.restart();
      freshAtNeu = neuRan = false;
      if (++nearWins % 2 == 1 && QApplication::activeWindow() == &w &&
          QGuiApplication::focusWindow() == w.windowHandle()) {
        QTest::keyClick(w.windowHandle(), Qt::Key_N, Qt::ControlModifier);
      }
      if (!neuRan) {
        // The menu, or the menu after a key that the window system did not
        // hand to the window (Strg+N itself is checked by the window test).
        trigger(w, "Neu1");
      }
      if (!freshAtNeu) {
        failures << QStringLiteral("\"Neu\" did not start a new game");
      }
      if (!fresh()) {
        trigger(w, "Neu1");  // a timer played on meanwhile: start afresh for the set-up
      }
      setUp(w.game().state(), "Bz2 Bz3 Bz4 B40 Rz2 Rz3 Rz4 R10 Gz2 Gz3 Gz4 G20 Nz2 Nz3 Nz4 N30");
      w.mirror();
    }
  });
  monkey.start(3);
  QTest::qWait(seconds * 1000);
  stopping = true;
  monkey.stop();
  QTRY_VERIFY_WITH_TIMEOUT(QApplication::activeModalWidget() == nullptr, 5000);
  closer.stop();
  check("at the end");
  qInfo("monkey: %d actions, %llu rolls, %d winner messages", actions,
        static_cast<unsigned long long>(rolls() - rollsAtStart), winnerBoxes);
  QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QLatin1Char('\n'))));
  QVERIFY(actions >= 30 * seconds);  // enough happened, also at valgrind's pace
  QVERIFY(rolls() - rollsAtStart >= quint64(seconds));
  QVERIFY(winnerBoxes > 0);
}

// Alt+W makes the dice button click itself 100 ms later. Pressed in the last
// 100 ms before the win check finds a full goal lane, that click must not
// roll behind the winner's message, and after the message the game must
// stand still ("Kann nicht" and the end of a roll must not bring the dice
// button back).
void MonkeyTest::altWJustBeforeTheWinRollsNothingBehindTheMessage() {
  TMain w;
  QVERIFY(showActive(w));
  w.game().Neu1Click();
  setUp(w.game().state(), "Bz1 Bz2 Bz3 Bz4");
  w.mirror();
  QTimer* winCheck = w.timer(TimerId::Timer3);
  QTRY_VERIFY(winCheck->remainingTime() >= 0 && winCheck->remainingTime() < 60);

  const quint64 rolls = w.game().stats().rolls;
  quint64 rollsBehindMessage = 0;
  int messages = 0;
  QTimer closer;
  QObject::connect(&closer, &QTimer::timeout, [&] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      ++messages;
      QTest::qWait(300);  // a person reads the message
      rollsBehindMessage = w.game().stats().rolls - rolls;
      box->button(QMessageBox::Ok)->click();
    }
  });
  closer.start(5);
  QTest::keyClick(w.windowHandle(), Qt::Key_W, Qt::AltModifier);
  QTRY_COMPARE(messages, 1);
  QTRY_VERIFY(QApplication::activeModalWidget() == nullptr);
  closer.stop();
  QCOMPARE(rollsBehindMessage, quint64{0});
  clickAt(w, centreOf(w, "KannNichtBtn"));  // if a roll got through anyway
  QTest::qWait(300);
  QVERIFY(!w.game().state().WuerfelEnabled);
}

// Alt+W clicks the dice button 100 ms later; a mouse click on it meanwhile
// must not make that a second roll on a button that the first roll disabled.
void MonkeyTest::altWAndAMouseClickRollOnce() {
  TMain w;
  QVERIFY(showActive(w));
  const quint64 rolls = w.game().stats().rolls;
  QTest::keyClick(w.windowHandle(), Qt::Key_W, Qt::AltModifier);
  clickAt(w, centreOf(w, "Wuerfel"));
  QCOMPARE(w.game().stats().rolls, rolls + 1);
  QTest::qWait(300);
  QCOMPARE(w.game().stats().rolls, rolls + 1);
}

QTEST_MAIN(MonkeyTest)
#include "monkey_test.moc"
