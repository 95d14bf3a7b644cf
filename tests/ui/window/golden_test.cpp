// SPDX-License-Identifier: GPL-3.0-or-later
// Golden screenshots: the window at start and in a few set-up positions, the
// six die faces, the open menus and the about box, rendered offscreen and
// compared pixel for pixel with the PNG files in golden/. On a difference the
// test writes NAME.actual.png and NAME.diff.png (differing pixels red over a
// dimmed copy of the render) into its working folder and names both.
// After a wanted change of the look, write new goldens with
//   QUIVALO_UPDATE_GOLDEN=1 ctest --preset debug -R window_golden
// and look at them before committing.
// Besides, what a picture cannot show: the names the program's parts go by,
// the window's place and caption, tab order, access keys, and that
// enlarging the window moves nothing.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QPainter>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "ui/info_box.h"
#include "ui/translation.h"
#include "window_support.h"

using namespace Qt::StringLiterals;
using quivalo::Colour;
using quivalo::testing::bringOut;
using quivalo::testing::placeInGoal;

namespace {

// Compares a render with golden/NAME.png; an empty string if they agree.
QString compareWithGolden(const QImage& render, const QString& name) {
  const QImage actual = render.convertToFormat(QImage::Format_RGB32);
  const QString golden = QStringLiteral(QUIVALO_GOLDEN_DIR) + u'/' + name + u".png"_s;
  if (qEnvironmentVariableIntValue("QUIVALO_UPDATE_GOLDEN") == 1) {
    return actual.save(golden) ? QString() : u"cannot write "_s + golden;
  }
  const QImage expected = QImage(golden).convertToFormat(QImage::Format_RGB32);
  if (actual == expected) {
    return {};
  }
  QImage diff(actual.size().expandedTo(expected.size()), QImage::Format_RGB32);
  int differing = 0;
  for (int y = 0; y < diff.height(); ++y) {
    for (int x = 0; x < diff.width(); ++x) {
      const bool same =
          actual.valid(x, y) && expected.valid(x, y) && actual.pixel(x, y) == expected.pixel(x, y);
      const int dim = actual.valid(x, y) ? 128 + qGray(actual.pixel(x, y)) / 2 : 0;
      diff.setPixel(x, y, same ? qRgb(dim, dim, dim) : qRgb(255, 0, 0));
      differing += same ? 0 : 1;
    }
  }
  const QString actualFile = QDir::current().absoluteFilePath(name + u".actual.png"_s);
  const QString diffFile = QDir::current().absoluteFilePath(name + u".diff.png"_s);
  actual.save(actualFile);
  diff.save(diffFile);
  return u"%1 pixels differ from %2; the render is %3, the differences in red: %4"_s.arg(differing)
      .arg(golden, actualFile, diffFile);
}

// Renders of several widgets side by side, on white.
QImage sideBySide(const QList<QImage>& images) {
  int width = 0;
  int height = 0;
  for (const QImage& i : images) {
    width += i.width();
    height = std::max(height, i.height());
  }
  QImage strip(width, height, QImage::Format_RGB32);
  strip.fill(Qt::white);
  QPainter painter(&strip);
  int x = 0;
  for (const QImage& i : images) {
    painter.drawImage(x, 0, i);
    x += i.width();
  }
  return strip;
}

// Each scene sets up a shown window and renders at once, before a timer can
// change what it shows.
using Scene = std::function<QImage(TMain&)>;

const std::map<QString, Scene>& scenes() {
  static const std::map<QString, Scene> table{
      {u"start"_s, [](TMain& w) { return w.grab().toImage(); }},
      // Blau's 3 from field 5 knocks Rot off field 8. The remark is drawn by
      // the clock, so a fixed one stands in for it.
      {u"knockout"_s,
       [](TMain& w) {
         quivalo::State& s = w.game().state();
         window_test::rolled(s, Colour::Blau, 3);
         bringOut(s, Colour::Blau, 5);
         bringOut(s, Colour::Rot, 8);
         bringOut(s, Colour::Gelb, 28);
         w.mirror();
         window_test::clickImage(w, "SteinBlau5");
         if (s.Bemerkung.empty()) {
           return QImage();
         }
         s.Bemerkung = "Ab nach Hause!";
         w.mirror();
         return w.grab().toImage();
       }},
      // Blau's goal lane full, the others on their way.
      {u"winner"_s,
       [](TMain& w) {
         quivalo::State& s = w.game().state();
         for (int k = 1; k <= 4; ++k) {
           quivalo::testing::takeFromHouse(s, Colour::Blau, k);
           placeInGoal(s, Colour::Blau, k);
         }
         bringOut(s, Colour::Rot, 17);
         bringOut(s, Colour::Gelb, 40, 2);
         placeInGoal(s, Colour::Gelb, 2);
         quivalo::testing::takeFromHouse(s, Colour::Gelb, 1);
         bringOut(s, Colour::Green, 1, 4);
         w.mirror();
         return w.grab().toImage();
       }},
      {u"dice"_s,
       [](TMain& w) {
         QList<QImage> faces;
         for (int n = 1; n <= 6; ++n) {
           w.game().state().setShown(quivalo::Zahl(n), true);
           w.mirror();
           faces << w.findChild<QWidget*>(u"Dice"_s)->grab().toImage();
           w.game().state().setShown(quivalo::Zahl(n), false);
         }
         return sideBySide(faces);
       }},
      {u"menus"_s,
       [](TMain& w) {
         QList<QImage> menus;
         for (const char* name : {"Spiel1", "Optionen1", "Hilfe1"}) {
           auto* menu = w.findChild<QMenu*>(QString::fromLatin1(name));
           menu->popup(w.mapToGlobal(QPoint(0, 0)));
           if (!QTest::qWaitForWindowExposed(menu)) {
             return QImage();
           }
           menus << menu->grab().toImage();
           menu->close();
         }
         return sideBySide(menus);
       }},
      {u"about"_s,
       [](TMain& w) {
         TInfo info(&w);
         info.show();
         return QTest::qWaitForWindowExposed(&info) ? info.grab().toImage() : QImage();
       }},
  };
  return table;
}

void showActive(TMain& w) {
  w.show();
  w.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&w));
}

}  // namespace

class GoldenTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() { QVERIFY(quivalo::ui::installGermanTranslation(*qApp)); }

  void looks_data() {
    QTest::addColumn<QString>("scene");
    for (const auto& [name, scene] : scenes()) {
      QTest::newRow(qPrintable(name)) << name;
    }
  }

  void looks() {
    QFETCH(QString, scene);
    TMain w;
    showActive(w);
    const QImage render = scenes().at(scene)(w);
    QVERIFY2(!render.isNull(), "the scene did not come about");
    const QString difference = compareWithGolden(render, scene);
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
  }

  void namesPlaceAndCaption() {
    TMain w;
    TInfo info;
    QCOMPARE(w.objectName(), u"Main"_s);
    QCOMPARE(info.objectName(), u"Info"_s);
    QCOMPARE(w.windowTitle(), u"Quivalo !!!"_s);
    QCOMPARE(w.pos(), QPoint(245, 43));
    const auto names = [](const char* list) { return QString::fromLatin1(list).split(u' '); };
    for (const QString& n :
         names("MainMenu1 Bevel1 FarbLabel Label1 Wuerfel Dice KannNichtBtn Bemerkung Zahl1 "
               "Zahl2 Zahl3 Zahl4 Zahl5 Zahl6 Spiel1 Optionen1 Hilfe1")) {
      QVERIFY2(w.findChild<QWidget*>(n) != nullptr, qPrintable(n));
    }
    for (const QString& n : names("Neu1 N1 Beenden1 SpielerMenu1 SpielerMenu2 SpielerMenu3 "
                                  "SpielerMenu4 N3 leicht1 schwer1 Inhalt1 Suchen1 "
                                  "Hilfebenutzen1 N2 Info1")) {
      QVERIFY2(w.findChild<QAction*>(n) != nullptr, qPrintable(n));
    }
    for (const QString& n : names("Timer1 Timer2 Timer3 Timer4 BlauTimer RotTimer GelbTimer "
                                  "GreenTimer")) {
      QVERIFY2(w.findChild<QTimer*>(n) != nullptr, qPrintable(n));
    }
    for (const QString& n : names("Panel1 ProgramIcon ProductName Version Copyright OKButton")) {
      QVERIFY2(info.findChild<QWidget*>(n) != nullptr, qPrintable(n));
    }
    for (int i = 0; i < quivalo::kBoardImageCount; ++i) {
      const QString name = QString::fromStdString(quivalo::imageName(quivalo::Image(i)));
      QVERIFY2(w.imageRect(name).isValid(), qPrintable(name));
    }
  }

  // Alt+W rolls, Tab goes on to "Kann nicht", Alt+K gives the roll up.
  void tabOrderAndAccessKeys() {
    TMain w;
    showActive(w);
    const quivalo::State& s = w.game().state();
    QCOMPARE(QApplication::focusWidget(), w.findChild<QWidget*>(u"Wuerfel"_s));
    QTest::keyClick(&w, Qt::Key_W, Qt::AltModifier);
    QTRY_VERIFY(s.Augen != 0);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), w.findChild<QWidget*>(u"KannNichtBtn"_s));
    QTest::keyClick(&w, Qt::Key_K, Qt::AltModifier);
    QTRY_COMPARE(s.Augen, std::uint8_t{0});
    QCOMPARE(window_test::mirrorMismatch(w), QString());
  }

  void enlargingMovesNothing() {
    TMain w;
    showActive(w);
    const QRect area = w.client()->rect();
    const QImage before = w.client()->grab(area).toImage();
    w.resize(900, 700);
    QTRY_COMPARE(w.size(), QSize(900, 700));
    QCOMPARE(w.client()->grab(area).toImage(), before);
  }
};

QTEST_MAIN(GoldenTest)
#include "golden_test.moc"
