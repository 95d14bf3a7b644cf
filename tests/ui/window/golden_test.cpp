// SPDX-License-Identifier: GPL-3.0-or-later
// Golden screenshots: the window at start, after a knock-out and with a full
// goal lane, the six die faces, the open menus and the about box, rendered
// offscreen and compared pixel for pixel with golden/NAME.png. On a
// difference the test writes NAME.actual.png and NAME.diff.png (differing
// pixels red over a dimmed copy of the render) into its working folder.
// After a wanted change of the look, write new goldens with
//   QUIVALO_UPDATE_GOLDEN=1 ctest --preset debug -R window_golden
// and look at them before committing them.
// Besides, what a picture cannot show, and what a screen reader is told.
#include <QtTest>
#include <QtWidgets>
#include <functional>

#include "ui/info_box.h"
#include "ui/translation.h"
#include "window_support.h"

using namespace Qt::StringLiterals;
using namespace quivalo;
using namespace quivalo::testing;
using window_test::named;
using enum quivalo::Colour;

namespace {

// Compares a render with golden/NAME.png; an empty string if they agree.
QString compareWithGolden(const QImage& render, const QString& name) {
  const QImage actual = render.convertToFormat(QImage::Format_RGB32);
  const QString golden = QStringLiteral(QUIVALO_GOLDEN_DIR "/") + name + u".png"_s;
  if (qEnvironmentVariableIntValue("QUIVALO_UPDATE_GOLDEN") == 1) {
    return actual.save(golden) ? QString() : u"cannot write "_s + golden;
  }
  const QImage expected = QImage(golden).convertToFormat(QImage::Format_RGB32);
  if (actual == expected) return {};
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
  return u"%1 pixels differ from %2; the render is %3, the differences in red %4"_s.arg(differing)
      .arg(golden, actualFile, diffFile);
}

// Renders of `count` parts (one widget between changes, or several) in a row;
// a missing part stays blank.
QImage inARow(int width, int height, int count, const std::function<QWidget*(int)>& part) {
  QImage row(width * count, height, QImage::Format_RGB32);
  row.fill(Qt::white);
  QPainter painter(&row);
  for (int i = 0; i < count; ++i) {
    if (QWidget* widget = part(i)) widget->render(&painter, QPoint(width * i, 0));
  }
  return row;
}

// Blau's goal lane full, the others on their way.
Position blauWon(State& s) {
  Position p(s);
  p.goal(Blau, 1).goal(Blau, 2).goal(Blau, 3).goal(Blau, 4).piece(Rot, 17).piece(Gelb, 40);
  p.goal(Gelb, 2).piece(Green, 1);
  return p;
}

// Each scene renders a shown window at once, before a timer can change it.
const std::map<QString, std::function<QImage(TMain&)>> scenes{
    {u"start"_s, [](TMain& w) { return w.grab().toImage(); }},
    // The remark is drawn by the clock, so a fixed one stands in for it.
    {u"knockout"_s,
     [](TMain& w) {
       // Blau's 3 from field 5 knocks Rot off field 8.
       Position(w.game().state()).turn(Blau, 3).piece(Blau, 5).piece(Rot, 8).piece(Gelb, 28);
       Position(w.game().state()).goal(Gelb, 2).piece(Green, 1);
       w.mirror();
       window_test::clickImage(w, u"SteinBlau5"_s);
       if (w.game().state().Bemerkung.empty()) return QImage();
       w.game().state().Bemerkung = "Ab nach Hause!";
       w.mirror();
       return w.grab().toImage();
     }},
    {u"winner"_s,
     [](TMain& w) {
       blauWon(w.game().state());
       w.mirror();
       return w.grab().toImage();
     }},
    {u"dice"_s,
     [](TMain& w) {
       return inARow(65, 65, 6, [&w](int i) {
         for (int n = 1; n <= 6; ++n) w.game().state().setShown(Zahl(n), n == i + 1);
         w.mirror();
         return named(w, "Dice");
       });
     }},
    {u"menus"_s,
     [](TMain& w) {
       return inARow(220, 180, 3, [&w](int i) {
         QMenu* menu = w.menuBar()->actions().at(i)->menu();
         menu->popup(w.pos());
         return QTest::qWaitForWindowExposed(menu) ? menu : nullptr;
       });
     }},
    {u"about"_s,
     [](TMain& w) {
       TInfo info(&w);
       info.show();
       return QTest::qWaitForWindowExposed(&info) ? info.grab().toImage() : QImage();
     }},
};

}  // namespace

class GoldenTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() { QVERIFY(ui::installGermanTranslation(*qApp)); }

  void looks_data() {
    QTest::addColumn<QString>("scene");
    for (const auto& scene : scenes) QTest::newRow(qPrintable(scene.first)) << scene.first;
  }

  void looks() {
    QFETCH(QString, scene);
    TMain w;
    QVERIFY(window_test::showActive(w));
    const QImage render = scenes.at(scene)(w);
    QVERIFY2(!render.isNull(), "the scene did not come about");
    const QString difference = compareWithGolden(render, scene);
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
  }

  // The names of the program's parts, the window's place and caption, that
  // enlarging the window moves nothing, tab order, and the access keys (Alt+W
  // rolls, Alt+K gives up).
  void whatAPictureCannotShow() {
    TMain w;
    QVERIFY(window_test::showActive(w));
    QCOMPARE(w.objectName() + TInfo().objectName(), u"MainInfo"_s);
    QCOMPARE(w.windowTitle(), u"Quivalo !!!"_s);
    QCOMPARE(w.pos(), QPoint(245, 43));
    for (const QString& name :
         u"MainMenu1 Bevel1 FarbLabel Label1 Wuerfel Dice KannNichtBtn Bemerkung Zahl1 Zahl2 Zahl3 "
         u"Zahl4 Zahl5 Zahl6 Spiel1 Neu1 N1 Beenden1 Optionen1 SpielerMenu1 SpielerMenu2 "
         u"SpielerMenu3 SpielerMenu4 N3 leicht1 schwer1 Hilfe1 Inhalt1 Suchen1 Hilfebenutzen1 N2 "
         u"Info1 Timer1 Timer2 Timer3 Timer4 BlauTimer RotTimer GelbTimer GreenTimer"_s.split(
             u' ')) {
      QVERIFY2(w.findChild<QObject*>(name) != nullptr, qPrintable(name));
    }
    const QRect area = w.client()->rect();
    const QImage before = w.client()->grab(area).toImage();
    w.resize(900, 700);
    QTRY_COMPARE(w.size(), QSize(900, 700));
    QCOMPARE(w.client()->grab(area).toImage(), before);
    QCOMPARE(QApplication::focusWidget(), named(w, "Wuerfel"));
    QTest::keyClick(&w, Qt::Key_W, Qt::AltModifier);
    QTRY_VERIFY(w.game().state().Augen != 0);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), named(w, "KannNichtBtn"));
    QTest::keyClick(&w, Qt::Key_K, Qt::AltModifier);
    QTRY_COMPARE(w.game().state().Augen, std::uint8_t{0});
  }

  // What a screen reader is told with a full goal lane and a 6 rolled; and
  // that a full house slot drawn over its (also shown) empty picture takes a
  // left click, but not a right one.
  void accessibleNamesAndTopmostClick() {
    TMain w;
    QVERIFY(window_test::showActive(w));
    blauWon(w.game().state()).piece(Rot, 12).turn(Gelb, 6);
    w.game().state().setShown(HausLeer(Gelb, 1), true);
    w.mirror();
    const auto name = [&w](const char* object) {
      return QAccessible::queryAccessibleInterface(named(w, object))->text(QAccessible::Name);
    };
    for (const auto& [object, text] :
         std::vector<std::pair<const char*, QString>>{{"Feld12", u"Feld 12: Rot"_s},
                                                      {"HausBlau3", u"Haus Blau, Platz 3: leer"_s},
                                                      {"HausGelb1", u"Haus Gelb, Platz 1: Gelb"_s},
                                                      {"ZielGelb2", u"Ziel Gelb, Platz 2: Gelb"_s},
                                                      {"Dice", u"Würfel: 6"_s},
                                                      {"FarbLabel", u"Am Zug: Gelb"_s}}) {
      QCOMPARE(name(object), text);
    }
    window_test::clickImage(w, u"HausGelbVoll1"_s, Qt::RightButton);
    QCOMPARE(name("HausGelb1"), u"Haus Gelb, Platz 1: Gelb"_s);
    window_test::clickImage(w, u"HausGelbVoll1"_s);
    QCOMPARE(name("HausGelb1") + u", "_s + name("Feld21"),
             u"Haus Gelb, Platz 1: leer, Feld 21: Gelb"_s);
  }
};

QTEST_MAIN(GoldenTest)
#include "golden_test.moc"
