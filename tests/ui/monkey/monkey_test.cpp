// SPDX-License-Identifier: GPL-3.0-or-later
// A monkey at the real window: random mouse clicks over the whole client
// area, the menu commands, Alt+W, Alt+K and Ctrl+N, with the real timers
// running and the four colours switched between person and computer at
// random. Before every action, and when the run ends, the rules' consistency
// check must hold and the widgets must show the rules' state. The about box
// and the winner's message are closed as a person would close them.
//
// QUIVALO_MONKEY_SECONDS sets the length of the run (default 20), and
// QUIVALO_MONKEY_SEED the seed of the monkey's choices (default: a fixed one).
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTimer>
#include <QtTest>
#include <string>
#include <vector>

#include "game/invariants.h"
#include "ui/board_pixels.h"
#include "ui/cell_widget.h"
#include "ui/info_box.h"
#include "ui/main_window.h"

using quivalo::Colour;
using quivalo::State;
using quivalo::TimerId;

namespace {

int envNumber(const char* name, int fallback) {
  bool ok = false;
  const int v = qEnvironmentVariableIntValue(name, &ok);
  return ok && v > 0 ? v : fallback;
}

QString fromStd(const std::string& s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

// Every difference between what the window shows and the rules' state,
// and every violation of the rules' consistency check.
QStringList problems(TMain& w, const TInfo& info) {
  QStringList out;
  const State& s = w.game().state();
  for (const std::string& v : quivalo::checkInvariants(s)) {
    out << fromStd(v);
  }
  for (const quivalo::BoardCell& cell : quivalo::boardCells()) {
    const QString name = quivalo::ui::CellWidget::nameOf(cell);
    auto* widget = w.client()->findChild<quivalo::ui::CellWidget*>(name);
    if (widget == nullptr) {
      out << QStringLiteral("no cell widget ") + name;
    } else if (widget->topImage() != quivalo::topmostShown(s, cell)) {
      out << QStringLiteral("cell ") + name + QStringLiteral(" shows another image");
    }
  }
  for (int n = 1; n <= 6; ++n) {
    auto* face = w.client()->findChild<QLabel*>(QStringLiteral("Zahl%1").arg(n));
    if (face == nullptr || face->isVisibleTo(w.client()) != s.isShown(quivalo::Zahl(n))) {
      out << QStringLiteral("die face %1").arg(n);
    }
  }
  auto* wuerfel = w.findChild<QPushButton*>(QStringLiteral("Wuerfel"));
  auto* kannNicht = w.findChild<QPushButton*>(QStringLiteral("KannNichtBtn"));
  if (wuerfel->isEnabled() != s.WuerfelEnabled) {
    out << QStringLiteral("Wuerfel enabled state");
  }
  if (kannNicht->isEnabled() != s.KannNichtBtnEnabled) {
    out << QStringLiteral("KannNichtBtn enabled state");
  }
  if (w.findChild<QLabel*>(QStringLiteral("FarbLabel"))->text() != fromStd(s.FarbLabel)) {
    out << QStringLiteral("FarbLabel caption");
  }
  if (w.findChild<QLabel*>(QStringLiteral("Bemerkung"))->text() != fromStd(s.Bemerkung)) {
    out << QStringLiteral("Bemerkung caption");
  }
  for (int i = 0; i < 4; ++i) {
    auto* a = w.findChild<QAction*>(QStringLiteral("SpielerMenu%1").arg(i + 1));
    const quivalo::MenuItem& m = s.SpielerMenu[static_cast<std::size_t>(i)];
    if (a == nullptr || a->isChecked() != m.Checked || a->text() != fromStd(m.Caption)) {
      out << QStringLiteral("player item %1").arg(i + 1);
    }
  }
  if (w.findChild<QAction*>(QStringLiteral("leicht1"))->isChecked() != s.leicht1.Checked ||
      w.findChild<QAction*>(QStringLiteral("schwer1"))->isChecked() != s.schwer1.Checked) {
    out << QStringLiteral("strength marks");
  }
  // The Qt timers run exactly as the rules set them.
  for (int t = 0; t < quivalo::kTimerCount; ++t) {
    const auto id = TimerId(t);
    const quivalo::ui::ConventionTimer& timer = w.timer(id);
    if (timer.interval() != s.intervalOf(id) ||
        timer.timer()->isActive() != (s.intervalOf(id) != 0) ||
        (timer.timer()->isActive() && timer.timer()->interval() != int(s.intervalOf(id)))) {
      out << QStringLiteral("timer ") + fromStd(std::string(quivalo::timerName(id)));
    }
  }
  if (info.isVisible() && QApplication::activeModalWidget() == nullptr) {
    out << QStringLiteral("the about box is shown without being modal");
  }
  return out;
}

// The congratulation for colour c.
QString congratulation(Colour c) {
  return QStringLiteral("Herzlichen Glückwunsch Herr ") +
         fromStd(std::string(quivalo::info(c).display)) + QStringLiteral(", Sie haben gewonnen.");
}

// A position one step from the end: each colour has three pieces in goal
// slots 2 to 4 and its fourth on its last track field, so whichever colour
// rolls a 1 first wins. Set after a new game, as the rules record positions.
void nearlyWon(State& s) {
  for (Colour c : quivalo::kColours) {
    const quivalo::ColourInfo& ci = quivalo::info(c);
    for (int k = 1; k <= 4; ++k) {
      s.setShown(quivalo::HausVoll(c, k), false);
      s.setShown(quivalo::HausLeer(c, k), true);
    }
    for (int k = 2; k <= 4; ++k) {
      s.setShown(quivalo::ZielVoll(c, k), true);
      s.setShown(quivalo::ZielLeer(c, k), false);
      s.cell(ci.goalCell1 + k - 1) = ci.code;
    }
    s.setShown(quivalo::Stein(c, ci.last), true);
    s.setShown(quivalo::Feld(ci.last), false);
    s.cell(ci.last) = ci.code;
  }
}

}  // namespace

class MonkeyTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void monkey();
  void altWJustBeforeTheWinRollsNothingBehindTheMessage();
  void altWAndAMouseClickRollOnce();
};

// Drops the offscreen platform's notes on what it cannot do (raising the
// help window, size hints); everything else goes to Qt Test's handler.
QtMessageHandler previousHandler = nullptr;
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtWarningMsg && (text.contains(QStringLiteral("does not support raise()")) ||
                               text.contains(QStringLiteral("propagateSizeHints")))) {
    return;
  }
  previousHandler(type, context, text);
}

void MonkeyTest::monkey() {
  previousHandler = qInstallMessageHandler(quietHandler);
  const int seconds = envNumber("QUIVALO_MONKEY_SECONDS", 20);
  const auto seed = static_cast<quint32>(envNumber("QUIVALO_MONKEY_SEED", 20240601));
  qInfo("monkey: %d s, seed %u", seconds, seed);
  QRandomGenerator rng(seed);

  TMain w;
  TInfo info(&w);
  w.setInfoBox(&info);
  w.show();
  w.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&w));

  auto* wuerfel = w.findChild<QPushButton*>(QStringLiteral("Wuerfel"));
  auto* kannNicht = w.findChild<QPushButton*>(QStringLiteral("KannNichtBtn"));
  const QList<QAction*> menuActions = [&w] {
    QList<QAction*> all;
    for (const char* name :
         {"Neu1", "SpielerMenu1", "SpielerMenu2", "SpielerMenu3", "SpielerMenu4", "leicht1",
          "schwer1", "Inhalt1", "Suchen1", "Hilfebenutzen1", "Info1"}) {
      all << w.findChild<QAction*>(QString::fromLatin1(name));
    }
    return all;
  }();
  for (QAction* a : menuActions) {
    QVERIFY(a != nullptr);
  }
  QAction* neu = menuActions[0];
  QAction* infoAction = menuActions.back();

  QStringList failures;
  int actions = 0;
  int clicks = 0;
  int keys = 0;
  int menus = 0;
  int checks = 0;
  int winnerBoxes = 0;
  int aboutBoxes = 0;
  int nearWins = 0;
  quint64 rollsAtStart = w.game().stats().rolls;
  bool stopping = false;
  QEventLoop loop;

  auto check = [&](const char* when) {
    ++checks;
    const QStringList bad = problems(w, info);
    if (!bad.isEmpty() && failures.size() < 20) {
      failures << QStringLiteral("%1 (action %2): %3")
                      .arg(QString::fromLatin1(when))
                      .arg(actions)
                      .arg(bad.join(QStringLiteral("; ")));
    }
  };

  // Closes the about box and the winner's message a little while after they
  // appear; timers go on firing behind them meanwhile.
  QTimer closer;
  QWidget* pendingModal = nullptr;
  quint64 rollsAtBox = 0;
  QElapsedTimer modalSince;
  int modalDelay = 0;
  QObject::connect(&closer, &QTimer::timeout, [&] {
    QWidget* m = QApplication::activeModalWidget();
    if (m == nullptr) {
      pendingModal = nullptr;
      return;
    }
    if (m != pendingModal) {
      pendingModal = m;
      modalSince.start();
      modalDelay = int(rng.bounded(400));
      if (auto* box = qobject_cast<QMessageBox*>(m)) {
        ++winnerBoxes;
        rollsAtBox = w.game().stats().rolls;
        const State& s = w.game().state();
        bool named = false;
        for (Colour c : quivalo::kColours) {
          if (box->text() == congratulation(c)) {
            named = true;
            for (int k = 1; k <= 4; ++k) {
              if (!s.isShown(quivalo::ZielVoll(c, k))) {
                failures << QStringLiteral("congratulated colour without a full goal lane");
              }
            }
          }
        }
        if (!named || box->windowTitle() != QStringLiteral("Information")) {
          failures << QStringLiteral("unexpected message box: ") + box->text();
        }
      } else if (m == &info) {
        ++aboutBoxes;
      } else {
        failures << QStringLiteral("unexpected modal window ") + m->objectName();
      }
      check("modal window open");
      return;
    }
    if (modalSince.elapsed() < modalDelay && !stopping) {
      return;
    }
    if (auto* box = qobject_cast<QMessageBox*>(m)) {
      // The win stopped every game timer, and the box keeps the window's
      // buttons out of reach: nobody can have rolled behind it.
      if (w.game().stats().rolls != rollsAtBox) {
        failures << QStringLiteral("a roll was made behind the winner's message");
      }
      box->button(QMessageBox::Ok)->click();
    } else if (m == &info) {
      info.okButton()->click();
    } else {
      m->close();
    }
  });
  closer.start(10);

  // The monkey: one random action per tick, after checking the window.
  QTimer monkey;
  QElapsedTimer sinceNearWin;
  sinceNearWin.start();
  int winnerBoxesAtSetUp = 0;
  QObject::connect(&monkey, &QTimer::timeout, [&] {
    if (stopping) {
      return;
    }
    check("before an action");
    ++actions;
    const bool modal = QApplication::activeModalWidget() != nullptr;
    // Out of 10,000: 60 % clicks, 3 % each Alt+W and Alt+K, rare new games,
    // a player item one tick in 130, now and then strength, help and the
    // about box; the rest of the ticks the monkey only watches.
    const quint32 r = rng.bounded(10'000);
    const QRect client = w.client()->rect();
    if (r < 6'000) {
      // Anywhere in the client area, or on a button, or on a board cell.
      QPoint p(int(rng.bounded(client.width())), int(rng.bounded(client.height())));
      const quint32 where = rng.bounded(10);
      if (where < 2) {
        p = (where == 0 ? wuerfel : kannNicht)->geometry().center();
      } else if (where < 5) {
        const auto& cells = quivalo::boardCells();
        const quivalo::BoardCell& cell = cells[rng.bounded(quint32(cells.size()))];
        p = quivalo::ui::cellRect(cell).center();
      } else if (where < 8) {
        // A cell that shows a piece of the colour to move, as a person aims.
        std::vector<QPoint> own;
        const State& s = w.game().state();
        for (const quivalo::BoardCell& cell : quivalo::boardCells()) {
          const auto top = quivalo::topmostShown(s, cell);
          if (top && quivalo::Moves::clickable(*top) &&
              quivalo::partsOf(*top).colour == quivalo::colourOfPlayer(s.Werfer)) {
            own.push_back(quivalo::ui::cellRect(cell).center());
          }
        }
        if (!own.empty()) {
          p = own[rng.bounded(quint32(own.size()))];
        }
      }
      // Through the window system, as a real click comes: a modal box blocks it.
      ++clicks;
      QTest::mouseClick(w.windowHandle(), Qt::LeftButton, Qt::NoModifier, w.client()->mapTo(&w, p));
    } else if (modal) {
      return;  // keys and menus belong to the modal window now
    } else if (r < 6'300) {
      ++keys;
      QTest::keyClick(w.windowHandle(), Qt::Key_W, Qt::AltModifier);
    } else if (r < 6'600) {
      ++keys;
      QTest::keyClick(w.windowHandle(), Qt::Key_K, Qt::AltModifier);
    } else if (r < 6'601) {
      // Rare at random (the near-won games below use it too): a game
      // abandoned at any moment.
      ++keys;
      QTest::keyClick(w.windowHandle(), Qt::Key_N, Qt::ControlModifier);
    } else if (r < 6'710) {
      ++menus;
      QAction* a = r < 6'680   ? menuActions[1 + int(rng.bounded(4))]   // player items
                   : r < 6'695 ? menuActions[5 + int(rng.bounded(2))]   // leicht, schwer
                               : menuActions[7 + int(rng.bounded(3))];  // help
      a->trigger();
      w.activateWindow();  // the help window may have taken the focus
    } else if (r < 6'714) {
      ++menus;
      infoAction->trigger();  // returns once the closer has closed the box
    } else if (sinceNearWin.elapsed() > 2'500 &&
               (nearWins == 0 || winnerBoxes > winnerBoxesAtSetUp ||
                sinceNearWin.elapsed() > 6'000)) {
      // Now and then a new game set up one roll of 1 from its end, so that
      // winners and the winner's message come often within a short run: the
      // next one once this one has a winner, or after six seconds.
      winnerBoxesAtSetUp = winnerBoxes;
      sinceNearWin.restart();
      ++nearWins;
      // The new game through Ctrl+N while the window has the focus, else
      // through the menu; either way it must be a fresh game at once.
      if (QGuiApplication::focusWindow() == w.windowHandle() && nearWins % 2 == 1) {
        ++keys;
        QTest::keyClick(w.windowHandle(), Qt::Key_N, Qt::ControlModifier);
      } else {
        neu->trigger();
      }
      const State& fresh = w.game().state();
      if (fresh.Werfer != 1 || fresh.Versuche != 3 ||
          !fresh.isShown(quivalo::HausVoll(Colour::Gelb, 4))) {
        failures << QStringLiteral("Ctrl+N or \"Neu\" did not start a new game");
      }
      nearlyWon(w.game().state());
      w.mirror();
    }
  });
  monkey.start(3);
  // One about box at a fixed moment, opened from the event loop: the monkey
  // goes on clicking at the blocked window while it is open.
  QTimer::singleShot(1'000, infoAction, &QAction::trigger);

  QTimer::singleShot(seconds * 1000, &loop, [&] {
    stopping = true;
    loop.quit();
  });
  loop.exec();
  monkey.stop();
  // Let an open modal window close and the last events settle.
  QTRY_VERIFY_WITH_TIMEOUT(QApplication::activeModalWidget() == nullptr, 5000);
  closer.stop();
  check("at the end");
  const quint64 rolls = w.game().stats().rolls - rollsAtStart;
  qInfo(
      "monkey: %d actions (%d clicks, %d keys, %d menu commands), %d checks, %llu rolls, "
      "%d winner messages, %d about boxes, %d near-won games",
      actions, clicks, keys, menus, checks, static_cast<unsigned long long>(rolls), winnerBoxes,
      aboutBoxes, nearWins);
  QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QLatin1Char('\n'))));
  // Enough happened, also at the pace of valgrind's slower run.
  QVERIFY(actions >= 30 * seconds);
  QVERIFY(rolls >= quint64(seconds));
  QVERIFY(winnerBoxes > 0);
}

// Alt+W makes the dice button click itself 100 ms later. Pressed in the last
// 100 ms before the win check finds a full goal lane, that click must not
// roll behind the winner's message, and after the message the game must
// stand still ("Kann nicht" and the end of a roll must not bring the dice
// button back).
void MonkeyTest::altWJustBeforeTheWinRollsNothingBehindTheMessage() {
  TMain w;
  w.show();
  w.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&w));

  // Blau, a person, has all four pieces in its goal lane; the win check
  // (every 500 ms after "Neu") has not looked yet.
  w.game().Neu1Click();
  State& s = w.game().state();
  for (int k = 1; k <= 4; ++k) {
    s.setShown(quivalo::HausVoll(Colour::Blau, k), false);
    s.setShown(quivalo::HausLeer(Colour::Blau, k), true);
    s.setShown(quivalo::ZielVoll(Colour::Blau, k), true);
    s.setShown(quivalo::ZielLeer(Colour::Blau, k), false);
    s.cell(40 + k) = quivalo::Cell::Blau;
  }
  w.mirror();
  QTimer* winCheck = w.timer(TimerId::Timer3).timer();
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

  // Whatever happened behind the message, the game must stand still now.
  auto* kannNicht = w.findChild<QPushButton*>(QStringLiteral("KannNichtBtn"));
  if (kannNicht->isEnabled()) {
    QTest::mouseClick(w.windowHandle(), Qt::LeftButton, Qt::NoModifier,
                      w.client()->mapTo(&w, kannNicht->geometry().center()));
  }
  QTest::qWait(300);
  QVERIFY(!w.game().state().WuerfelEnabled);
}

// Alt+W clicks the dice button 100 ms later; a mouse click on it meanwhile
// must not make that a second roll on a button that the first roll disabled.
void MonkeyTest::altWAndAMouseClickRollOnce() {
  TMain w;
  w.show();
  w.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&w));
  auto* wuerfel = w.findChild<QPushButton*>(QStringLiteral("Wuerfel"));
  const quint64 rolls = w.game().stats().rolls;

  QTest::keyClick(w.windowHandle(), Qt::Key_W, Qt::AltModifier);
  QTest::mouseClick(w.windowHandle(), Qt::LeftButton, Qt::NoModifier,
                    w.client()->mapTo(&w, wuerfel->geometry().center()));
  QCOMPARE(w.game().stats().rolls, rolls + 1);
  QVERIFY(!wuerfel->isEnabled());
  QTest::qWait(300);
  QCOMPARE(w.game().stats().rolls, rolls + 1);
}

QTEST_MAIN(MonkeyTest)
#include "monkey_test.moc"
