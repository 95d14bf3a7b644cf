// SPDX-License-Identifier: GPL-3.0-or-later
// Starts the game: application, German texts, help file, main window (whose
// creation sets up the game with Blau to move), the hidden about box, then
// the event loop until a quit request or the main window closes.
#include <QApplication>

#include "ui/info_box.h"
#include "ui/main_window.h"
#include "ui/translation.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  quivalo::ui::installGermanTranslation(app);

  quivalo::ui::TMain main;
  quivalo::ui::TInfo info(&main);
  main.setInfoBox(&info);
  QApplication::setWindowIcon(main.windowIcon());

  main.show();
  return QApplication::exec();
}
