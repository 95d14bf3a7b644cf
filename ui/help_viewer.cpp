// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/help_viewer.h"

#include "ui/help/qt_help_viewer.h"

namespace quivalo::ui {

std::unique_ptr<HelpViewer> makeHelpViewer(QWidget* owner) {
  return std::make_unique<QtHelpViewer>(owner);
}

}  // namespace quivalo::ui
