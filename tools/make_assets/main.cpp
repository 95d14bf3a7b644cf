// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the game's pictures as PNG files into the folder given on the command
// line (assets/pictures in the source tree is where the game takes them from).
#include <QCoreApplication>
#include <QDir>
#include <QStringList>
#include <cstdio>

#include "pictures.h"

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  const QStringList args = QCoreApplication::arguments();
  if (args.size() != 2) {
    std::fprintf(stderr, "usage: quivalo-make-assets OUTPUT-FOLDER\n");
    return 2;
  }
  const QDir folder(args.at(1));
  if (!folder.exists() && !QDir().mkpath(folder.path())) {
    std::fprintf(stderr, "cannot create %s\n", qPrintable(folder.path()));
    return 1;
  }
  for (const quivalo::assets::NamedPicture& p : quivalo::assets::allPictures()) {
    const QString path = folder.filePath(p.fileName);
    if (!p.image.save(path, "PNG")) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
      return 1;
    }
  }
  return 0;
}
