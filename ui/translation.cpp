// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace quivalo::ui {

bool installGermanTranslation(QCoreApplication& app) {
  // The locale is named explicitly: the machine's own may be C.UTF-8.
  auto* translator = new QTranslator(&app);
  if (!translator->load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete translator;
    return false;
  }
  return QCoreApplication::installTranslator(translator);
}

}  // namespace quivalo::ui
