// SPDX-License-Identifier: GPL-3.0-or-later
// The picture generator writes exactly the pictures committed in
// assets/pictures: the same files, pixel for pixel and with the same palette.
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class AssetsTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void generatorWritesTheCommittedPictures() {
    QTemporaryDir fresh;
    QVERIFY(fresh.isValid());
    QCOMPARE(QProcess::execute(QStringLiteral(QUIVALO_MAKE_ASSETS), {fresh.path()}), 0);
    const QDir made(fresh.path());
    const QDir committed(QStringLiteral(QUIVALO_PICTURES_DIR));
    const QStringList files = made.entryList(QDir::Files, QDir::Name);
    QVERIFY(!files.isEmpty());
    QCOMPARE(files, committed.entryList({QStringLiteral("*.png")}, QDir::Files, QDir::Name));
    for (const QString& file : files) {
      const QImage a(made.filePath(file));
      const QImage b(committed.filePath(file));
      QVERIFY2(
          !a.isNull() && a.colorCount() == b.colorCount() &&
              a.convertToFormat(QImage::Format_ARGB32) == b.convertToFormat(QImage::Format_ARGB32),
          qPrintable(file + QStringLiteral(" differs from the generator's output")));
    }
  }
};

QTEST_GUILESS_MAIN(AssetsTest)
#include "assets_test.moc"
