// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/help/qt_help_viewer.h"

#include <QWidget>

namespace quivalo {

QtHelpViewer::QtHelpViewer(QWidget* owner, QStringList folders)
    : owner_(owner), folders_(std::move(folders)) {}

QtHelpViewer::~QtHelpViewer() { delete window_.data(); }

void QtHelpViewer::help(HelpRequest request) {
  if (!window_) window_ = new HelpWindow(folders_, owner_.data());
  switch (request) {
    case HelpRequest::Contents:
      window_->showContents();
      break;
    case HelpRequest::Search:
      window_->showSearch();
      break;
    case HelpRequest::HelpOnHelp:
      window_->showHelpOnHelp();
      break;
  }
  window_->show();
  window_->raise();
  window_->activateWindow();
}

}  // namespace quivalo
