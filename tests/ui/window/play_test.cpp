// SPDX-License-Identifier: GPL-3.0-or-later
// The window at play: clicks reach the topmost shown image of a cell, the
// access keys and shortcuts work, menu marks follow the state, the winner's
// message comes once, computer colours play on behind the about box, and the
// widgets show the state after every event.
#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <QtTest>
#include <vector>

#include "game/turn_cycle.h"
#include "ui/help/help_window.h"
#include "ui/info_box.h"
#include "ui/translation.h"
#include "window_support.h"

using quivalo::Colour;
using quivalo::Image;
using quivalo::State;
using window_test::cellCentre;
using window_test::clickClient;
using window_test::giveTurn;
using window_test::mirrorMismatch;

namespace {

QPoint centreOf(TMain& w, const QString& image) { return w.imageRect(image).center(); }

QString nameOf(Image i) { return QString::fromStdString(quivalo::imageName(i)); }

// The part of the state a click could change.
struct Board {
  std::array<quivalo::Cell, 57> spielfeld;
  std::array<bool, quivalo::kImageCount> shown;
  std::uint8_t augen;
  std::uint8_t versuche;
  bool operator==(const Board&) const = default;
};
Board boardOf(const State& s) { return {s.Spielfeld, s.shown, s.Augen, s.Versuche}; }

class FakeHelp final : public quivalo::HelpViewer {
 public:
  void help(quivalo::HelpRequest request) override { requests.push_back(request); }
  std::vector<quivalo::HelpRequest> requests;
};

void showActive(TMain& w) {
  w.show();
  w.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&w));
}

}  // namespace

class PlayTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() { QVERIFY(quivalo::ui::installGermanTranslation(*qApp)); }

  // A piece drawn over its (also shown) field receives the click, on every
  // field and for every colour.
  void pieceOverFieldGetsTheClick() {
    TMain w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    for (Colour c : quivalo::kColours) {
      for (int n = 1; n <= 40; ++n) {
        w.game().Neu1Click();
        State& s = w.game().state();
        giveTurn(s, c);
        window_test::takeFromHouse(s, c);
        s.setShown(quivalo::Stein(c, n), true);
        s.cell(n) = quivalo::info(c).code;
        s.Augen = 1;
        s.ErsterSchritt = 1;
        w.mirror();
        const QString piece = nameOf(quivalo::Stein(c, n));
        QCOMPARE(w.cellOf(piece)->topImage(), std::optional<Image>(quivalo::Stein(c, n)));

        clickClient(w, centreOf(w, piece));
        QVERIFY2(!s.isShown(quivalo::Stein(c, n)), qPrintable(piece));
        QCOMPARE(s.Augen, std::uint8_t{0});
        QCOMPARE(mirrorMismatch(w), QString());
      }
    }
  }

  // A full house slot over its (also shown) empty picture looks full and
  // takes the click, in every house and slot.
  void fullSlotOverEmptySlotGetsTheClick() {
    TMain w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    for (Colour c : quivalo::kColours) {
      for (int k = 1; k <= 4; ++k) {
        w.game().Neu1Click();
        State& s = w.game().state();
        giveTurn(s, c);
        s.setShown(quivalo::HausLeer(c, k), true);
        s.Augen = 6;
        w.mirror();
        const QString slot = nameOf(quivalo::HausVoll(c, k));
        QCOMPARE(w.cellOf(slot)->topImage(), std::optional<Image>(quivalo::HausVoll(c, k)));

        clickClient(w, centreOf(w, slot));
        const int start = quivalo::info(c).start;
        QVERIFY2(s.isShown(quivalo::Stein(c, start)), qPrintable(slot));
        QVERIFY(!s.isShown(quivalo::HausVoll(c, k)));
        QCOMPARE(s.Augen, std::uint8_t{0});
        QCOMPARE(mirrorMismatch(w), QString());
      }
    }
  }

  void clicksThatChangeNothing() {
    TMain w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    State& s = w.game().state();
    // Blau to move with a piece on field 5 and a piece in goal slot 4.
    window_test::takeFromHouse(s, Colour::Blau);
    window_test::takeFromHouse(s, Colour::Blau);
    s.setShown(quivalo::Feld(5), false);
    s.setShown(quivalo::Stein(Colour::Blau, 5), true);
    s.cell(5) = quivalo::Cell::Blau;
    s.setShown(quivalo::ZielLeer(Colour::Blau, 4), false);
    s.setShown(quivalo::ZielVoll(Colour::Blau, 4), true);
    s.cell(44) = quivalo::Cell::Blau;
    s.Augen = 1;
    s.ErsterSchritt = 1;
    w.mirror();
    const Board before = boardOf(s);

    // An empty track field, an empty house slot, an empty goal slot.
    clickClient(w, centreOf(w, QStringLiteral("Feld7")));
    clickClient(w, centreOf(w, QStringLiteral("HausBlauLeer1")));
    clickClient(w, centreOf(w, QStringLiteral("ZielRotLeer2")));
    // A piece in goal slot 4 has no click action.
    clickClient(w, centreOf(w, QStringLiteral("ZielBlauVoll4")));
    // The board's centre and a place outside the cross.
    clickClient(w, cellCentre(168, 168));
    clickClient(w, cellCentre(72, 72));
    // The rim of the cell around the piece, and a right click on the piece.
    const QRect piece = w.imageRect(QStringLiteral("SteinBlau5"));
    clickClient(w, piece.topLeft() - QPoint(1, 1));
    clickClient(w, piece.bottomRight() + QPoint(1, 1));
    clickClient(w, piece.center(), Qt::RightButton);
    QVERIFY(boardOf(s) == before);

    // The same piece does move with a left click on its image.
    clickClient(w, piece.topLeft());
    QVERIFY(s.isShown(quivalo::Stein(Colour::Blau, 6)));
    QCOMPARE(mirrorMismatch(w), QString());
  }

  // A press on one cell and a release on another is no click.
  void dragIsNoClick() {
    TMain w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    State& s = w.game().state();
    s.Augen = 6;
    const Board before = boardOf(s);
    auto* cell = w.cellOf(QStringLiteral("HausBlauVoll1"));
    QTest::mousePress(cell, Qt::LeftButton, Qt::NoModifier, QPoint(14, 14));
    QTest::mouseRelease(cell, Qt::LeftButton, Qt::NoModifier, QPoint(40, 14));
    QVERIFY(boardOf(s) == before);
  }

  // A knock-out shows a remark in the remark line, which empties a second later.
  void remarkShowsAndGoes() {
    TMain w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    State& s = w.game().state();
    window_test::takeFromHouse(s, Colour::Blau);
    s.setShown(quivalo::Feld(5), false);
    s.setShown(quivalo::Stein(Colour::Blau, 5), true);
    s.cell(5) = quivalo::Cell::Blau;
    window_test::takeFromHouse(s, Colour::Rot);
    s.setShown(quivalo::Feld(8), false);
    s.setShown(quivalo::Stein(Colour::Rot, 8), true);
    s.cell(8) = quivalo::Cell::Rot;
    s.Augen = 3;
    s.ErsterSchritt = 1;
    w.mirror();

    clickClient(w, centreOf(w, QStringLiteral("SteinBlau5")));
    QVERIFY(s.isShown(quivalo::Stein(Colour::Blau, 8)));
    QVERIFY(!s.isShown(quivalo::Stein(Colour::Rot, 8)));
    auto* bemerkung = w.findChild<QLabel*>(QStringLiteral("Bemerkung"));
    QStringList remarks;
    for (std::string_view r : quivalo::kRemarks) {
      remarks << QString::fromUtf8(r.data(), static_cast<qsizetype>(r.size()));
    }
    QVERIFY2(remarks.contains(bemerkung->text()), qPrintable(bemerkung->text()));
    QTRY_COMPARE_WITH_TIMEOUT(bemerkung->text(), QString(), 2000);
  }

  // Alt+W rolls; the face shown is the number rolled; Alt+K gives the roll up.
  void accessKeysRollAndGiveUp() {
    TMain w;
    showActive(w);
    auto* wuerfel = w.findChild<QPushButton*>(QStringLiteral("Wuerfel"));
    auto* kannNicht = w.findChild<QPushButton*>(QStringLiteral("KannNichtBtn"));
    const State& s = w.game().state();
    QCOMPARE(s.Augen, std::uint8_t{0});

    QTest::keyClick(&w, Qt::Key_W, Qt::AltModifier);
    QTRY_VERIFY(s.Augen != 0);
    QVERIFY(!wuerfel->isEnabled());
    QVERIFY(kannNicht->isEnabled());
    for (int n = 1; n <= 6; ++n) {
      auto* face = w.findChild<QLabel*>(QStringLiteral("Zahl%1").arg(n));
      QCOMPARE(face->isVisible(), n == s.Augen);
    }
    QCOMPARE(mirrorMismatch(w), QString());

    QTest::keyClick(&w, Qt::Key_K, Qt::AltModifier);
    QTRY_COMPARE(s.Augen, std::uint8_t{0});
    // The next tick of Timer1 ends the roll.
    QTRY_VERIFY(wuerfel->isEnabled());
    QVERIFY(!kannNicht->isEnabled());
    for (int n = 1; n <= 6; ++n) {
      QVERIFY(!w.findChild<QLabel*>(QStringLiteral("Zahl%1").arg(n))->isVisible());
    }
    QCOMPARE(mirrorMismatch(w), QString());
  }

  void ctrlNStartsANewGame() {
    TMain w;
    showActive(w);
    State& s = w.game().state();
    window_test::takeFromHouse(s, Colour::Blau);
    s.setShown(quivalo::Feld(5), false);
    s.setShown(quivalo::Stein(Colour::Blau, 5), true);
    s.cell(5) = quivalo::Cell::Blau;
    w.mirror();
    w.findChild<QPushButton*>(QStringLiteral("Wuerfel"))->click();
    QVERIFY(s.Augen != 0);
    auto* timer3 = w.findChild<QTimer*>(QStringLiteral("Timer3"));
    QCOMPARE(timer3->interval(), 200);

    QTest::keyClick(&w, Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(s.Augen, std::uint8_t{0});
    QCOMPARE(s.Versuche, std::uint8_t{3});
    QCOMPARE(s.BlauDran, std::uint8_t{1});
    QVERIFY(!s.isShown(quivalo::Stein(Colour::Blau, 5)));
    QVERIFY(s.isShown(quivalo::Feld(5)));
    QCOMPARE(s.cell(5), quivalo::Cell::Leer);
    QCOMPARE(timer3->interval(), 500);
    QVERIFY(timer3->isActive());
    QCOMPARE(w.cellOf(QStringLiteral("Feld5"))->topImage(), std::optional<Image>(quivalo::Feld(5)));
    QCOMPARE(mirrorMismatch(w), QString());
  }

  // The marks are the state's: "leicht" chosen twice stays ticked, although a
  // checkable action would untick itself on the second choice.
  void menuMarksFollowTheState() {
    TMain w;
    auto action = [&w](const char* name) {
      return w.findChild<QAction*>(QString::fromLatin1(name));
    };
    action("SpielerMenu2")->trigger();
    QVERIFY(action("SpielerMenu2")->isChecked());
    QCOMPARE(action("SpielerMenu2")->text(), QStringLiteral("&2 Rot - Mensch"));
    QVERIFY(w.game().state().SpielerMenu[1].Checked);
    action("SpielerMenu2")->trigger();
    QVERIFY(!action("SpielerMenu2")->isChecked());
    QCOMPARE(action("SpielerMenu2")->text(), QStringLiteral("&2 Rot - Computer"));

    action("SpielerMenu1")->trigger();
    QVERIFY(!action("SpielerMenu1")->isChecked());
    QCOMPARE(action("SpielerMenu1")->text(), QStringLiteral("&1 Blau - Computer"));
    action("SpielerMenu4")->trigger();
    QCOMPARE(action("SpielerMenu4")->text(), QStringLiteral("&4 Grün - Mensch"));

    action("leicht1")->trigger();
    QVERIFY(action("leicht1")->isChecked());
    QVERIFY(!action("schwer1")->isChecked());
    action("leicht1")->trigger();
    QVERIFY(action("leicht1")->isChecked());
    QVERIFY(!action("schwer1")->isChecked());
    QVERIFY(!w.game().state().schwer1.Checked);
    action("schwer1")->trigger();
    QVERIFY(action("schwer1")->isChecked());
    QVERIFY(!action("leicht1")->isChecked());
    action("schwer1")->trigger();
    QVERIFY(action("schwer1")->isChecked());
  }

  void helpMenuReachesTheViewer() {
    FakeHelp help;
    TMain w(nullptr, &help);
    w.findChild<QAction*>(QStringLiteral("Inhalt1"))->trigger();
    w.findChild<QAction*>(QStringLiteral("Suchen1"))->trigger();
    w.findChild<QAction*>(QStringLiteral("Hilfebenutzen1"))->trigger();
    const std::vector<quivalo::HelpRequest> expected{quivalo::HelpRequest::Contents,
                                                     quivalo::HelpRequest::Search,
                                                     quivalo::HelpRequest::HelpOnHelp};
    QVERIFY(help.requests == expected);
  }

  // Without a viewer of its own the window uses the program's help window,
  // which opens beside the game and leaves it untouched.
  void helpMenuOpensTheHelpWindow() {
    TMain w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const State before = w.game().state();
    w.findChild<QAction*>(QStringLiteral("Inhalt1"))->trigger();
    quivalo::HelpWindow* help = nullptr;
    QTRY_VERIFY((help = w.findChild<quivalo::HelpWindow*>()) != nullptr && help->isVisible());
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    QCOMPARE(w.game().state().Augen, before.Augen);
    QCOMPARE(w.game().state().Werfer, before.Werfer);
    help->close();
  }

  // A full goal lane is congratulated once; the board shows the final
  // position behind the message; afterwards the dice button stays disabled.
  void winnerMessageOnce() {
    TMain w;
    showActive(w);
    State& s = w.game().state();
    for (int k = 1; k <= 4; ++k) {
      s.setShown(quivalo::HausVoll(Colour::Blau, k), false);
      s.setShown(quivalo::HausLeer(Colour::Blau, k), true);
      s.setShown(quivalo::ZielLeer(Colour::Blau, k), false);
      s.setShown(quivalo::ZielVoll(Colour::Blau, k), true);
      s.cell(40 + k) = quivalo::Cell::Blau;
    }
    // Not mirrored here, and no other timer runs that would mirror it: the
    // window must do so itself before the message opens.
    w.timer(quivalo::TimerId::Timer2).setInterval(0);
    w.timer(quivalo::TimerId::Timer4).setInterval(0);

    QStringList texts;
    bool finalPositionShown = false;
    bool okIsTheOnlyButton = false;
    QTimer watcher;
    connect(&watcher, &QTimer::timeout, this, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr || !box->isVisible()) {
        return;
      }
      texts << box->text();
      finalPositionShown = w.cellOf(QStringLiteral("ZielBlauVoll4"))->topImage() ==
                               std::optional<Image>(quivalo::ZielVoll(Colour::Blau, 4)) &&
                           mirrorMismatch(w).isEmpty();
      okIsTheOnlyButton = box->windowTitle() == QStringLiteral("Information") &&
                          box->icon() == QMessageBox::Information && box->buttons().size() == 1 &&
                          box->button(QMessageBox::Ok) != nullptr &&
                          box->defaultButton() == box->button(QMessageBox::Ok) &&
                          box->escapeButton() == box->button(QMessageBox::Ok) &&
                          box->button(QMessageBox::Ok)->text() == QStringLiteral("OK");
      box->button(QMessageBox::Ok)->click();
    });
    watcher.start(20);

    QTRY_COMPARE_WITH_TIMEOUT(texts.size(), qsizetype{1}, 2000);
    QCOMPARE(texts.first(),
             QStringLiteral("Herzlichen Glückwunsch Herr Blau, Sie haben gewonnen."));
    QVERIFY(finalPositionShown);
    QVERIFY(okIsTheOnlyButton);
    auto* wuerfel = w.findChild<QPushButton*>(QStringLiteral("Wuerfel"));
    QTRY_VERIFY(!wuerfel->isEnabled());
    QTest::qWait(800);
    QCOMPARE(texts.size(), qsizetype{1});
    QVERIFY(!wuerfel->isEnabled());
    QVERIFY(!w.findChild<QTimer*>(QStringLiteral("Timer3"))->isActive());
    QCOMPARE(mirrorMismatch(w), QString());
  }

  // Enter and Escape close the message. It stands in the middle of the
  // screen, and the remark timer keeps running behind it: the remark line
  // empties while the message is open.
  void winnerMessageKeys_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("Escape") << int(Qt::Key_Escape);
  }

  void winnerMessageKeys() {
    QFETCH(int, key);
    TMain w;
    showActive(w);
    State& s = w.game().state();
    for (int k = 1; k <= 4; ++k) {
      s.setShown(quivalo::ZielVoll(Colour::Gelb, k), true);
    }
    w.game().Kommentar();
    w.mirror();
    auto* bemerkung = w.findChild<QLabel*>(QStringLiteral("Bemerkung"));
    QVERIFY(!bemerkung->text().isEmpty());

    bool closed = false;
    QPoint offCentre(-1000, -1000);
    QTimer watcher;
    connect(&watcher, &QTimer::timeout, this, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr || !box->isVisible() || closed || !bemerkung->text().isEmpty()) {
        return;
      }
      closed = true;
      offCentre = box->frameGeometry().center() - box->screen()->availableGeometry().center();
      QTest::keyClick(box, Qt::Key(key));
    });
    watcher.start(20);
    QTRY_VERIFY_WITH_TIMEOUT(closed, 3000);
    QVERIFY2(offCentre.manhattanLength() <= 2,
             qPrintable(QStringLiteral("%1,%2").arg(offCentre.x()).arg(offCentre.y())));
    QTRY_VERIFY(!w.findChild<QPushButton*>(QStringLiteral("Wuerfel"))->isEnabled());
    QTRY_COMPARE(QApplication::activeModalWidget(), nullptr);
  }

  // With every colour played by the computer, the game goes on while the
  // about box is open, and the board keeps showing it.
  void computerPlaysBehindAboutBox() {
    TMain w;
    TInfo info(&w);
    w.setInfoBox(&info);
    showActive(w);
    w.findChild<QAction*>(QStringLiteral("SpielerMenu1"))->trigger();
    QTest::keyClick(&w, Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(w.findChild<QTimer*>(QStringLiteral("BlauTimer"))->interval(), 250);

    const std::uint64_t rollsBefore = w.game().stats().rolls;
    std::uint64_t rollsWhileOpen = 0;
    QString modal;
    QString mismatch = QStringLiteral("not checked");
    QTimer::singleShot(1500, this, [&] {
      QWidget* m = QApplication::activeModalWidget();
      modal = m != nullptr ? m->objectName() : QString();
      rollsWhileOpen = w.game().stats().rolls;
      mismatch = mirrorMismatch(w);
      info.okButton()->click();
    });
    w.findChild<QAction*>(QStringLiteral("Info1"))->trigger();  // returns when closed

    QCOMPARE(modal, QStringLiteral("Info"));
    QVERIFY2(rollsWhileOpen >= rollsBefore + 3, qPrintable(QString::number(rollsWhileOpen)));
    QCOMPARE(mismatch, QString());
    QVERIFY(!info.isVisible());
  }

  // The eight timers, named and at their creation intervals.
  void timersAtStart() {
    TMain w;
    struct Expect {
      const char* name;
      int interval;
    };
    for (const Expect& e : {Expect{"Timer1", 0}, Expect{"Timer2", 200}, Expect{"Timer3", 200},
                            Expect{"Timer4", 1000}, Expect{"BlauTimer", 0}, Expect{"RotTimer", 0},
                            Expect{"GelbTimer", 0}, Expect{"GreenTimer", 0}}) {
      auto* t = w.findChild<QTimer*>(QString::fromLatin1(e.name));
      QVERIFY2(t != nullptr, e.name);
      QCOMPARE(t->timerType(), Qt::PreciseTimer);
      QCOMPARE(t->isActive(), e.interval != 0);
      if (e.interval != 0) {
        QCOMPARE(t->interval(), e.interval);
      }
    }
    // Timer4 fires once after a second and stops.
    auto* timer4 = w.findChild<QTimer*>(QStringLiteral("Timer4"));
    QTRY_VERIFY_WITH_TIMEOUT(!timer4->isActive(), 2000);
  }
};

QTEST_MAIN(PlayTest)
#include "play_test.moc"
