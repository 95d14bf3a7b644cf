// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as it opens: size and place, every widget of the column,
// every board cell, fonts, menus with their marks and German shortcut texts,
// and the colours a screen grab shows at every cell.
#include <QAction>
#include <QApplication>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QtTest>
#include <map>
#include <set>

#include "ui/translation.h"
#include "window_support.h"

using quivalo::Colour;

namespace {

// The track fields' top-left corners, in field order.
constexpr std::array<std::array<int, 2>, 40> kFieldCorners{{
    {136, 328}, {136, 296}, {136, 264}, {136, 232}, {136, 200}, {104, 200}, {72, 200},  {40, 200},
    {8, 200},   {8, 168},   {8, 136},   {40, 136},  {72, 136},  {104, 136}, {136, 136}, {136, 104},
    {136, 72},  {136, 40},  {136, 8},   {168, 8},   {200, 8},   {200, 40},  {200, 72},  {200, 104},
    {200, 136}, {232, 136}, {264, 136}, {296, 136}, {328, 136}, {328, 168}, {328, 200}, {296, 200},
    {264, 200}, {232, 200}, {200, 200}, {200, 232}, {200, 264}, {200, 296}, {200, 328}, {168, 328},
}};

// House slots 1..4 and goal slots 1..4 per colour, in the order Blau, Rot, Gelb, Green.
constexpr std::array<std::array<std::array<int, 2>, 4>, 4> kHouseCorners{{
    {{{8, 296}, {40, 296}, {8, 328}, {40, 328}}},
    {{{8, 8}, {40, 8}, {8, 40}, {40, 40}}},
    {{{296, 8}, {328, 8}, {296, 40}, {328, 40}}},
    {{{296, 296}, {328, 296}, {296, 328}, {328, 328}}},
}};
constexpr std::array<std::array<std::array<int, 2>, 4>, 4> kGoalCorners{{
    {{{168, 296}, {168, 264}, {168, 232}, {168, 200}}},
    {{{40, 168}, {72, 168}, {104, 168}, {136, 168}}},
    {{{168, 40}, {168, 72}, {168, 104}, {168, 136}}},
    {{{296, 168}, {264, 168}, {232, 168}, {200, 168}}},
}};

const std::array<QString, 4> kWord{QStringLiteral("Blau"), QStringLiteral("Rot"),
                                   QStringLiteral("Gelb"), QStringLiteral("Green")};
const std::array<QColor, 4> kTone{QColor(0, 0, 255), QColor(255, 0, 0), QColor(255, 255, 0),
                                  QColor(0, 255, 0)};
const QColor kGrey(192, 192, 192);

// Every cell by name with its top-left corner.
std::map<QString, QPoint> expectedCells() {
  std::map<QString, QPoint> cells;
  for (int f = 1; f <= 40; ++f) {
    const auto& p = kFieldCorners[static_cast<std::size_t>(f - 1)];
    cells[QStringLiteral("Feld%1").arg(f)] = {p[0], p[1]};
  }
  for (std::size_t c = 0; c < 4; ++c) {
    for (std::size_t k = 0; k < 4; ++k) {
      cells[QStringLiteral("Haus%1%2").arg(kWord[c]).arg(k + 1)] = {kHouseCorners[c][k][0],
                                                                    kHouseCorners[c][k][1]};
      cells[QStringLiteral("Ziel%1%2").arg(kWord[c]).arg(k + 1)] = {kGoalCorners[c][k][0],
                                                                    kGoalCorners[c][k][1]};
    }
  }
  return cells;
}

}  // namespace

class LayoutTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() { QVERIFY(quivalo::ui::installGermanTranslation(*qApp)); }

  void windowItself() {
    TMain w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.objectName(), QStringLiteral("Main"));
    QCOMPARE(QString::fromLatin1(w.metaObject()->className()), QStringLiteral("TMain"));
    QCOMPARE(w.windowTitle(), QStringLiteral("Quivalo !!!"));
    QCOMPARE(w.pos(), QPoint(245, 43));
    QCOMPARE(w.client()->size(), QSize(508, 361));
    QCOMPARE(w.client()->y(), w.menuBar()->height());
    QVERIFY(!w.windowIcon().isNull());
    QCOMPARE(w.client()->font().pixelSize(), 11);
    QCOMPARE(w.client()->font().family(), QStringLiteral("MS Sans Serif"));
    // The client area is the system's window colour, not the face colour.
    QCOMPARE(w.client()->backgroundRole(), QPalette::Base);
  }

  void columnGeometry_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("Bevel1") << "Bevel1"
                            << "Client" << QRect(368, 8, 9, 348);
    QTest::newRow("FarbLabel") << "FarbLabel"
                               << "Client" << QRect(384, 64, 113, 31);
    QTest::newRow("Label1") << "Label1"
                            << "Client" << QRect(384, 96, 113, 19);
    QTest::newRow("Wuerfel") << "Wuerfel"
                             << "Client" << QRect(384, 136, 113, 25);
    QTest::newRow("Dice") << "Dice"
                          << "Client" << QRect(408, 176, 65, 65);
    QTest::newRow("KannNichtBtn") << "KannNichtBtn"
                                  << "Client" << QRect(384, 248, 113, 25);
    QTest::newRow("Bemerkung") << "Bemerkung"
                               << "Client" << QRect(384, 344, 113, 13);
    QTest::newRow("Zahl1") << "Zahl1"
                           << "Dice" << QRect(8, 8, 50, 50);
    for (int n = 2; n <= 6; ++n) {
      const QString name = QStringLiteral("Zahl%1").arg(n);
      QTest::newRow(name.toLatin1().constData()) << name << "Dice" << QRect(7, 7, 50, 50);
    }
  }

  void columnGeometry() {
    QFETCH(QString, name);
    QFETCH(QString, parent);
    QFETCH(QRect, geometry);
    TMain w;
    auto* widget = w.findChild<QWidget*>(name);
    QVERIFY2(widget != nullptr, qPrintable(name));
    QCOMPARE(widget->parentWidget()->objectName(), parent);
    QCOMPARE(widget->geometry(), geometry);
  }

  void columnContents() {
    TMain w;
    auto* farb = w.findChild<QLabel*>(QStringLiteral("FarbLabel"));
    auto* label1 = w.findChild<QLabel*>(QStringLiteral("Label1"));
    auto* bemerkung = w.findChild<QLabel*>(QStringLiteral("Bemerkung"));
    auto* wuerfel = w.findChild<QPushButton*>(QStringLiteral("Wuerfel"));
    auto* kannNicht = w.findChild<QPushButton*>(QStringLiteral("KannNichtBtn"));

    QCOMPARE(farb->text(), QStringLiteral("Blau"));
    QCOMPARE(farb->font().family(), QStringLiteral("Times New Roman"));
    QCOMPARE(farb->font().pixelSize(), 27);
    QVERIFY(farb->font().bold());
    QCOMPARE(farb->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);

    QCOMPARE(label1->text(), QStringLiteral("ist an der Reihe!"));
    QCOMPARE(label1->font().family(), QStringLiteral("Times New Roman"));
    QCOMPARE(label1->font().pixelSize(), 16);
    QVERIFY(!label1->font().bold());
    QCOMPARE(label1->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);

    QCOMPARE(bemerkung->text(), QString());
    QCOMPARE(bemerkung->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    QVERIFY(!bemerkung->wordWrap());
    QCOMPARE(bemerkung->font().pixelSize(), 11);

    QCOMPARE(wuerfel->text(), QStringLiteral("&Würfeln"));
    QVERIFY(wuerfel->isEnabled());
    QVERIFY(wuerfel->icon().isNull());
    QCOMPARE(kannNicht->text(), QStringLiteral("&Kann nicht"));
    QVERIFY(!kannNicht->isEnabled());
    QVERIFY(kannNicht->icon().isNull());

    for (int n = 1; n <= 6; ++n) {
      auto* face = w.findChild<QLabel*>(QStringLiteral("Zahl%1").arg(n));
      QVERIFY(!face->isVisibleTo(&w));
      QCOMPARE(face->pixmap().size(), QSize(50, 50));
    }
    QCOMPARE(window_test::mirrorMismatch(w), QString());
  }

  // Tab goes from the dice button to the give-up button.
  void tabOrder() {
    TMain w;
    w.game().state().KannNichtBtnEnabled = true;
    w.mirror();
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    auto* wuerfel = w.findChild<QPushButton*>(QStringLiteral("Wuerfel"));
    auto* kannNicht = w.findChild<QPushButton*>(QStringLiteral("KannNichtBtn"));
    QCOMPARE(QApplication::focusWidget(), wuerfel);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), kannNicht);
  }

  void everyCell() {
    TMain w;
    const auto cells = expectedCells();
    QCOMPARE(cells.size(), std::size_t{72});
    const auto widgets = w.client()->findChildren<quivalo::ui::CellWidget*>();
    QCOMPARE(widgets.size(), qsizetype{72});
    for (const auto& [name, corner] : cells) {
      auto* cell = w.client()->findChild<quivalo::ui::CellWidget*>(name);
      QVERIFY2(cell != nullptr, qPrintable(name));
      QCOMPARE(cell->geometry(), QRect(corner, QSize(28, 28)));
      QCOMPARE(cell->parentWidget(), w.client());
    }
  }

  void imageRects() {
    TMain w;
    QCOMPARE(w.imageRect(QStringLiteral("Feld1")), QRect(138, 330, 24, 24));
    QCOMPARE(w.imageRect(QStringLiteral("SteinGreen40")), QRect(170, 330, 24, 24));
    QCOMPARE(w.imageRect(QStringLiteral("SteinRot10")), QRect(10, 170, 24, 24));
    QCOMPARE(w.imageRect(QStringLiteral("HausRotLeer2")), QRect(42, 10, 24, 24));
    QCOMPARE(w.imageRect(QStringLiteral("HausGreenVoll3")), QRect(298, 330, 24, 24));
    QCOMPARE(w.imageRect(QStringLiteral("ZielGelbVoll3")), QRect(170, 106, 24, 24));
    QCOMPARE(w.imageRect(QStringLiteral("ZielBlauLeer4")), QRect(170, 202, 24, 24));
    QVERIFY(w.imageRect(QStringLiteral("Zahl1")).isNull());
    QVERIFY(w.imageRect(QStringLiteral("SteinBlau41")).isNull());
    QVERIFY(w.imageRect(QStringLiteral("Wuerfel")).isNull());
    // All 264 board images have a place.
    for (int i = 0; i < quivalo::kBoardImageCount; ++i) {
      const QString name = QString::fromStdString(quivalo::imageName(quivalo::Image(i)));
      QVERIFY2(!w.imageRect(name).isNull(), qPrintable(name));
    }
  }

  // Grid places outside the cross and the centre hold no cell.
  void emptyPlaces() {
    TMain w;
    std::set<std::pair<int, int>> used;
    for (const auto& [name, corner] : expectedCells()) {
      used.insert({corner.x(), corner.y()});
    }
    int empty = 0;
    for (int c = 0; c < 11; ++c) {
      for (int r = 0; r < 11; ++r) {
        const int x = 8 + 32 * c;
        const int y = 8 + 32 * r;
        if (used.count({x, y}) != 0) {
          continue;
        }
        ++empty;
        QCOMPARE(w.client()->childAt(window_test::cellCentre(x, y)), nullptr);
      }
    }
    QCOMPARE(empty, 121 - 72);
  }

  void resizingMovesNothing() {
    TMain w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    std::map<QString, QRect> before;
    for (QWidget* child : w.client()->findChildren<QWidget*>()) {
      before[child->objectName()] = child->geometry();
    }
    QVERIFY(before.size() > 80);
    w.resize(900, 700);
    QTRY_COMPARE(w.size(), QSize(900, 700));
    for (QWidget* child : w.client()->findChildren<QWidget*>()) {
      QCOMPARE(child->geometry(), before[child->objectName()]);
    }
  }

  void menus() {
    TMain w;
    QMenuBar* bar = w.menuBar();
    QCOMPARE(bar->objectName(), QStringLiteral("MainMenu1"));
    struct Item {
      const char* name;
      QString caption;
    };
    const std::vector<std::pair<Item, std::vector<Item>>> expected{
        {{"Spiel1", QStringLiteral("&Spiel")},
         {{"Neu1", QStringLiteral("&Neu")},
          {"N1", QString()},
          {"Beenden1", QStringLiteral("&Beenden")}}},
        {{"Optionen1", QStringLiteral("&Optionen")},
         {{"SpielerMenu1", QStringLiteral("&1 Blau - Mensch")},
          {"SpielerMenu2", QStringLiteral("&2 Rot - Computer")},
          {"SpielerMenu3", QStringLiteral("&3 Gelb - Computer")},
          {"SpielerMenu4", QStringLiteral("&4 Grün - Computer")},
          {"N3", QString()},
          {"leicht1", QStringLiteral("leicht")},
          {"schwer1", QStringLiteral("schwer")}}},
        {{"Hilfe1", QStringLiteral("&Hilfe")},
         {{"Inhalt1", QStringLiteral("&Inhalt")},
          {"Suchen1", QStringLiteral("&Suchen...")},
          {"Hilfebenutzen1", QStringLiteral("&Hilfe benutzen")},
          {"N2", QString()},
          {"Info1", QStringLiteral("In&fo...")}}},
    };
    const QList<QAction*> top = bar->actions();
    QCOMPARE(top.size(), qsizetype(expected.size()));
    for (std::size_t m = 0; m < expected.size(); ++m) {
      QMenu* menu = top[static_cast<qsizetype>(m)]->menu();
      QVERIFY(menu != nullptr);
      QCOMPARE(menu->objectName(), QString::fromLatin1(expected[m].first.name));
      QCOMPARE(menu->title(), expected[m].first.caption);
      const QList<QAction*> items = menu->actions();
      QCOMPARE(items.size(), qsizetype(expected[m].second.size()));
      for (qsizetype i = 0; i < items.size(); ++i) {
        const Item& want = expected[m].second[static_cast<std::size_t>(i)];
        QAction* a = items[i];
        QCOMPARE(a->objectName(), QString::fromLatin1(want.name));
        QCOMPARE(a->isSeparator(), want.caption.isEmpty());
        if (!a->isSeparator()) {
          QCOMPARE(a->text(), want.caption);
        }
      }
    }

    auto action = [&w](const char* name) {
      return w.findChild<QAction*>(QString::fromLatin1(name));
    };
    QCOMPARE(action("Neu1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
    QCOMPARE(action("Neu1")->shortcut().toString(QKeySequence::NativeText),
             QStringLiteral("Strg+N"));
    QCOMPARE(action("Beenden1")->shortcut(), QKeySequence(Qt::ALT | Qt::Key_F4));
    QCOMPARE(action("Beenden1")->shortcut().toString(QKeySequence::NativeText),
             QStringLiteral("Alt+F4"));
    for (const char* name : {"Inhalt1", "Suchen1", "Hilfebenutzen1", "Info1", "SpielerMenu1"}) {
      QVERIFY2(action(name)->shortcut().isEmpty(), name);
    }

    // Marks at start: Blau a person, the others the computer, strength "schwer".
    QVERIFY(action("SpielerMenu1")->isChecked());
    QVERIFY(!action("SpielerMenu2")->isChecked());
    QVERIFY(!action("SpielerMenu3")->isChecked());
    QVERIFY(!action("SpielerMenu4")->isChecked());
    QVERIFY(!action("leicht1")->isChecked());
    QVERIFY(action("schwer1")->isChecked());
    for (const char* name :
         {"SpielerMenu1", "SpielerMenu2", "SpielerMenu3", "SpielerMenu4", "leicht1", "schwer1"}) {
      QVERIFY2(action(name)->isCheckable(), name);
      QVERIFY2(action(name)->actionGroup() == nullptr, name);
    }
  }

  // The open menu paints "Strg+N": it looks exactly as it does when the
  // shortcut text is written into the caption by hand, and not as with "Ctrl+N".
  void menuShowsGermanShortcut() {
    TMain w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto* spiel = w.findChild<QMenu*>(QStringLiteral("Spiel1"));
    QAction* neu = w.findChild<QAction*>(QStringLiteral("Neu1"));
    spiel->popup(w.mapToGlobal(QPoint(0, 0)));
    QVERIFY(QTest::qWaitForWindowExposed(spiel));
    const QImage painted = spiel->grab().toImage();
    neu->setShortcut(QKeySequence());
    neu->setText(QStringLiteral("&Neu\tStrg+N"));
    const QImage german = spiel->grab().toImage();
    neu->setText(QStringLiteral("&Neu\tCtrl+N"));
    const QImage english = spiel->grab().toImage();
    spiel->close();
    QCOMPARE(painted, german);
    QVERIFY(painted != english);
  }

  // What a screen grab shows at the centre of each cell at start.
  void startColours() {
    TMain w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QImage image = w.client()->grab().toImage();
    const QColor background = w.client()->palette().color(QPalette::Base);
    auto at = [&image](QPoint p) { return QColor(image.pixel(p)); };

    for (const auto& corner : kFieldCorners) {
      const QPoint centre = window_test::cellCentre(corner[0], corner[1]);
      QCOMPARE(at(centre), kGrey);
      // The ring of the empty field: black pixels on the circle's left edge.
      QCOMPARE(at({corner[0] + 2, corner[1] + 14}), QColor(Qt::black));
    }
    for (std::size_t c = 0; c < 4; ++c) {
      for (std::size_t k = 0; k < 4; ++k) {
        const auto& h = kHouseCorners[c][k];
        QCOMPARE(at(window_test::cellCentre(h[0], h[1])), kTone[c]);
        QCOMPARE(at({h[0] + 3, h[1] + 3}), kTone[c]);
        const auto& g = kGoalCorners[c][k];
        // Empty goal slot: grey inside the ring, the colour in the corners.
        QCOMPARE(at(window_test::cellCentre(g[0], g[1])), kGrey);
        QCOMPARE(at({g[0] + 3, g[1] + 3}), kTone[c]);
      }
    }
    // The centre of the board and the places outside the cross are background.
    QCOMPARE(at(window_test::cellCentre(168, 168)), background);
    QCOMPARE(at({168, 168}), background);
    QCOMPARE(at(window_test::cellCentre(72, 72)), background);
    QCOMPARE(at(window_test::cellCentre(264, 264)), background);
    QCOMPARE(at(window_test::cellCentre(8, 72)), background);
    // The cells' rim is the face colour, with a light top edge and a dark bottom edge.
    const QPalette& pal = w.client()->palette();
    QCOMPARE(at({137, 330}), pal.color(QPalette::Button));
    QVERIFY(at({140, 328}) != at({140, 355}));
  }
};

QTEST_MAIN(LayoutTest)
#include "layout_test.moc"
