// SPDX-License-Identifier: GPL-3.0-or-later
// The game's help viewer: serves the rules' three help requests with one
// help window, made at the first request and reused afterwards.
#pragma once

#include <QPointer>

#include "ui/help/help_window.h"

namespace quivalo {

class QtHelpViewer final : public HelpViewer {
 public:
  // The window is shown above `owner` (which may be null) and looks for the
  // help file in `folders`.
  explicit QtHelpViewer(QWidget* owner = nullptr, QStringList folders = defaultHelpFolders())
      : owner_(owner), folders_(std::move(folders)) {}
  ~QtHelpViewer() override { delete window_.data(); }
  Q_DISABLE_COPY_MOVE(QtHelpViewer)

  void help(HelpRequest request) override {
    if (!window_) window_ = new HelpWindow(folders_, owner_.data());
    window_->request(request);
  }

 private:
  QPointer<QWidget> owner_;
  QStringList folders_;
  QPointer<HelpWindow> window_;
};

}  // namespace quivalo
