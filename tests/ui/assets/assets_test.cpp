// SPDX-License-Identifier: GPL-3.0-or-later
// Every picture, loaded from the resources, checked pixel for pixel against
// the rules it is drawn by. The rules are stated here afresh, in a different
// form from the generator's (the ring as a listed table and a flood fill, the
// pips as connected shapes), so a slip in either one shows up.
#include <QColor>
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <array>
#include <map>
#include <set>
#include <vector>

#include "assets/assets.h"

using namespace Qt::StringLiterals;

namespace {

constexpr QRgb kGrey = 0xffc0c0c0;
constexpr QRgb kBlack = 0xff000000;
constexpr QRgb kBlue = 0xff0000ff;
constexpr QRgb kRed = 0xffff0000;
constexpr QRgb kYellow = 0xffffff00;
constexpr QRgb kGreen = 0xff00ff00;

struct BoardPicture {
  const char* file;
  QRgb inside;
  QRgb corners;
};

const std::vector<BoardPicture>& boardPictures() {
  static const std::vector<BoardPicture> list{
      {"stein_blau", kBlue, kGrey},   {"stein_rot", kRed, kGrey},
      {"stein_gelb", kYellow, kGrey}, {"stein_green", kGreen, kGrey},
      {"feld", kGrey, kGrey},         {"leer_blau", kGrey, kBlue},
      {"leer_rot", kGrey, kRed},      {"leer_gelb", kGrey, kYellow},
      {"leer_green", kGrey, kGreen},  {"voll_blau", kBlue, kBlue},
      {"voll_rot", kRed, kRed},       {"voll_gelb", kYellow, kYellow},
      {"voll_green", kGreen, kGreen},
  };
  return list;
}

QStringList allFiles() {
  QStringList files;
  for (const BoardPicture& p : boardPictures()) files << QString::fromLatin1(p.file) + u".png"_s;
  for (int n = 1; n <= 6; ++n) files << u"zahl%1.png"_s.arg(n);
  files << u"icon.png"_s;
  // Each also at twice the size, for dense screens.
  for (const QString& file : QStringList(files))
    files << QString(file).replace(u".png"_s, u"@2x.png"_s);
  return files;
}

QImage loadResource(const QString& file) {
  return QImage(u":/pictures/"_s + file).convertToFormat(QImage::Format_ARGB32);
}

// The outline's black pixels, row by row, as listed for the pictures; rows 16
// to 24 repeat rows 8 down to 0.
std::set<std::pair<int, int>> outlinePixels() {
  std::map<int, std::vector<int>> rows{
      {0, {9, 10, 11, 12, 13, 14, 15}},
      {1, {7, 8, 16, 17}},
      {2, {5, 6, 18, 19}},
      {3, {4, 20}},
      {4, {3, 21}},
      {5, {2, 22}},
      {6, {2, 22}},
      {7, {1, 23}},
      {8, {1, 23}},
  };
  for (int r = 9; r <= 15; ++r) rows[r] = {0, 24};
  for (int r = 16; r <= 24; ++r) rows[r] = rows[24 - r];
  std::set<std::pair<int, int>> black;
  for (const auto& [y, xs] : rows) {
    for (int x : xs) black.insert({x, y});
  }
  return black;
}

// The pixels reached from the four corners without crossing `wall`.
std::set<std::pair<int, int>> fillFromCorners(int size, const std::set<std::pair<int, int>>& wall) {
  std::set<std::pair<int, int>> seen;
  std::vector<std::pair<int, int>> todo{{0, 0}, {size - 1, 0}, {0, size - 1}, {size - 1, size - 1}};
  while (!todo.empty()) {
    const auto p = todo.back();
    todo.pop_back();
    const auto [x, y] = p;
    if (x < 0 || y < 0 || x >= size || y >= size || wall.count(p) || seen.count(p)) continue;
    seen.insert(p);
    todo.insert(todo.end(), {{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}});
  }
  return seen;
}

QSet<QRgb> coloursOf(const QImage& image) {
  QSet<QRgb> colours;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) colours.insert(image.pixel(x, y));
  }
  return colours;
}

// A connected set of black pixels (8-neighbours) and its bounding box.
struct Blob {
  std::set<std::pair<int, int>> pixels;
  int left = 1000, top = 1000, right = -1, bottom = -1;
};

std::vector<Blob> blackBlobs(const QImage& image) {
  std::vector<Blob> blobs;
  std::set<std::pair<int, int>> seen;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixel(x, y) != kBlack || seen.count({x, y})) continue;
      Blob b;
      std::vector<std::pair<int, int>> todo{{x, y}};
      while (!todo.empty()) {
        const auto p = todo.back();
        todo.pop_back();
        const auto [px, py] = p;
        if (px < 0 || py < 0 || px >= image.width() || py >= image.height()) continue;
        if (seen.count(p) || image.pixel(px, py) != kBlack) continue;
        seen.insert(p);
        b.pixels.insert(p);
        b.left = std::min(b.left, px);
        b.right = std::max(b.right, px);
        b.top = std::min(b.top, py);
        b.bottom = std::max(b.bottom, py);
        for (int dy = -1; dy <= 1; ++dy) {
          for (int dx = -1; dx <= 1; ++dx) todo.push_back({px + dx, py + dy});
        }
      }
      blobs.push_back(b);
    }
  }
  return blobs;
}

// The pip's shape relative to its box.
std::set<std::pair<int, int>> shapeOf(const Blob& b) {
  std::set<std::pair<int, int>> s;
  for (const auto& [x, y] : b.pixels) s.insert({x - b.left, y - b.top});
  return s;
}

}  // namespace

class AssetsTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() { quivalo::initAssets(); }

  void everyPictureIsInTheResources() {
    QStringList inResources = QDir(u":/pictures"_s).entryList(QDir::Files);
    QStringList expected = allFiles();
    inResources.sort();
    expected.sort();
    QCOMPARE(inResources, expected);
  }

  void boardPicture_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QRgb>("inside");
    QTest::addColumn<QRgb>("corners");
    for (const BoardPicture& p : boardPictures()) {
      QTest::newRow(p.file) << QString::fromLatin1(p.file) + u".png"_s << p.inside << p.corners;
    }
  }

  void boardPicture() {
    QFETCH(QString, file);
    QFETCH(QRgb, inside);
    QFETCH(QRgb, corners);
    const QImage raw(u":/pictures/"_s + file);
    QCOMPARE(raw.size(), QSize(25, 25));
    QVERIFY(raw.colorCount() <= 16);
    const QImage image = raw.convertToFormat(QImage::Format_ARGB32);

    const auto ring = outlinePixels();
    QCOMPARE(ring.size(), std::size_t{68});
    const auto outside = fillFromCorners(25, ring);
    QVERIFY(!outside.count({12, 12}));  // the ring is closed
    int insideCount = 0;
    for (int y = 0; y < 25; ++y) {
      for (int x = 0; x < 25; ++x) {
        const QRgb want = ring.count({x, y}) ? kBlack : outside.count({x, y}) ? corners : inside;
        if (!ring.count({x, y}) && !outside.count({x, y})) ++insideCount;
        if (image.pixel(x, y) != want) {
          QFAIL(qPrintable(u"%1: pixel (%2, %3) is %4, expected %5"_s.arg(file).arg(x).arg(y).arg(
              QColor(image.pixel(x, y)).name(), QColor(want).name())));
        }
      }
    }
    QVERIFY(insideCount > 300);  // a disc of radius 11 or so, not a sliver
  }

  void dieFace_data() {
    QTest::addColumn<int>("pips");
    // Places as (column, row), 0 = left/top, 1 = middle, 2 = right/bottom.
    QTest::addColumn<QList<QPoint>>("places");
    QTest::newRow("1") << 1 << QList<QPoint>{{1, 1}};
    QTest::newRow("2") << 2 << QList<QPoint>{{2, 0}, {0, 2}};
    QTest::newRow("3") << 3 << QList<QPoint>{{2, 0}, {1, 1}, {0, 2}};
    QTest::newRow("4") << 4 << QList<QPoint>{{0, 0}, {2, 0}, {0, 2}, {2, 2}};
    QTest::newRow("5") << 5 << QList<QPoint>{{0, 0}, {2, 0}, {1, 1}, {0, 2}, {2, 2}};
    QTest::newRow("6") << 6 << QList<QPoint>{{0, 0}, {0, 1}, {0, 2}, {2, 0}, {2, 1}, {2, 2}};
  }

  void dieFace() {
    QFETCH(int, pips);
    QFETCH(QList<QPoint>, places);
    const QImage raw(u":/pictures/zahl%1.png"_s.arg(pips));
    QCOMPARE(raw.size(), QSize(50, 50));
    QVERIFY(raw.colorCount() <= 16);
    const QImage image = raw.convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(coloursOf(image), (QSet<QRgb>{kGrey, kBlack}));

    const std::vector<Blob> blobs = blackBlobs(image);
    QCOMPARE(int(blobs.size()), pips);
    const std::array<int, 3> starts{3, 19, 35};
    QSet<QPoint> found;
    for (const Blob& b : blobs) {
      // Each pip fills a 12 x 12 box exactly at one of the nine places.
      QCOMPARE(b.right - b.left + 1, 12);
      QCOMPARE(b.bottom - b.top + 1, 12);
      const auto column = std::find(starts.begin(), starts.end(), b.left) - starts.begin();
      const auto row = std::find(starts.begin(), starts.end(), b.top) - starts.begin();
      QVERIFY2(column < 3 && row < 3, "pip off the 3 x 3 places");
      found.insert(QPoint(int(column), int(row)));

      // A disc: symmetric left-right, top-bottom and across the diagonal,
      // every row one unbroken run, and the area of a circle 12 across.
      const auto shape = shapeOf(b);
      for (const auto& [x, y] : shape) {
        QVERIFY(shape.count({11 - x, y}));
        QVERIFY(shape.count({x, 11 - y}));
        QVERIFY(shape.count({y, x}));
      }
      for (int y = 0; y < 12; ++y) {
        int first = -1, last = -1, count = 0;
        for (int x = 0; x < 12; ++x) {
          if (!shape.count({x, y})) continue;
          if (first < 0) first = x;
          last = x;
          ++count;
        }
        QCOMPARE(count, last - first + 1);
      }
      QVERIFY(shape.size() >= 102 && shape.size() <= 124);  // pi * 36 = 113
      QVERIFY(!shape.count({0, 0}));                        // round corners
    }
    QCOMPARE(found, QSet<QPoint>(places.begin(), places.end()));
    // All pips of a face have the same shape.
    for (const Blob& b : blobs) QCOMPARE(shapeOf(b), shapeOf(blobs.front()));
  }

  void pipsAreAlikeOnAllFaces() {
    const auto one = shapeOf(blackBlobs(loadResource(u"zahl1.png"_s)).front());
    for (int n = 2; n <= 6; ++n) {
      for (const Blob& b : blackBlobs(loadResource(u"zahl%1.png"_s.arg(n)))) {
        QCOMPARE(shapeOf(b), one);
      }
    }
  }

  void icon() {
    const QImage raw(u":/pictures/icon.png"_s);
    QCOMPARE(raw.size(), QSize(32, 32));
    QVERIFY(raw.colorCount() <= 16);
    QVERIFY(raw.hasAlphaChannel());
    const QImage image = raw.convertToFormat(QImage::Format_ARGB32);
    QVERIFY(coloursOf(image).size() <= 16);

    // A transparent ground: the corners are clear, and every pixel is either
    // fully clear or fully opaque.
    for (const QPoint p : {QPoint(0, 0), QPoint(31, 0), QPoint(0, 31), QPoint(31, 31)}) {
      QCOMPARE(qAlpha(image.pixel(p)), 0);
    }
    int opaque = 0;
    for (int y = 0; y < 32; ++y) {
      for (int x = 0; x < 32; ++x) {
        const int a = qAlpha(image.pixel(x, y));
        QVERIFY(a == 0 || a == 255);
        opaque += a == 255;
      }
    }
    QVERIFY(opaque > 32 * 32 * 4 / 10);
    QVERIFY(opaque < 32 * 32 * 9 / 10);

    // Which colours each quarter shows.
    const auto quarter = [&](int qx, int qy) {
      return coloursOf(image.copy(qx * 16, qy * 16, 16, 16));
    };
    const QSet<QRgb> board = quarter(0, 0);
    for (QRgb c : {kGrey, kBlue, kRed, kYellow, kGreen}) QVERIFY(board.contains(c));
    const QSet<QRgb> lying = quarter(1, 0);
    QVERIFY(lying.contains(kGreen));
    QVERIFY(!lying.contains(kYellow) && !lying.contains(kBlue) && !lying.contains(kRed));
    const QSet<QRgb> die = quarter(0, 1);
    QVERIFY(die.contains(kGrey) && die.contains(kBlack));
    QVERIFY(!die.contains(kYellow) && !die.contains(kGreen));
    const QSet<QRgb> standing = quarter(1, 1);
    QVERIFY(standing.contains(kYellow));
    QVERIFY(!standing.contains(kGreen) && !standing.contains(kBlue));
  }

  void generatorWritesTheCommittedPictures() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QProcess generator;
    generator.start(QString::fromUtf8(QUIVALO_MAKE_ASSETS), {dir.path()});
    QVERIFY(generator.waitForFinished(60000));
    QCOMPARE(generator.exitStatus(), QProcess::NormalExit);
    QCOMPARE(generator.exitCode(), 0);

    QStringList written = QDir(dir.path()).entryList(QDir::Files);
    QStringList expected = allFiles();
    written.sort();
    expected.sort();
    QCOMPARE(written, expected);
    for (const QString& file : expected) {
      const QImage fresh(QDir(dir.path()).filePath(file));
      const QImage committed(u":/pictures/"_s + file);
      QVERIFY2(!fresh.isNull() && !committed.isNull(), qPrintable(file));
      QCOMPARE(fresh.colorCount(), committed.colorCount());
      QVERIFY2(fresh.convertToFormat(QImage::Format_ARGB32) ==
                   committed.convertToFormat(QImage::Format_ARGB32),
               qPrintable(file + u" differs from the generator's output"_s));
    }
  }
};

QTEST_GUILESS_MAIN(AssetsTest)
#include "assets_test.moc"
