// SPDX-License-Identifier: GPL-3.0-or-later
// The game's help viewer: serves the rules' three help requests with one
// help window, made at the first request and reused afterwards.
#pragma once

#include <QPointer>
#include <QStringList>

#include "game/platform.h"
#include "ui/help/help_window.h"

class QWidget;

namespace quivalo {

class QtHelpViewer final : public HelpViewer {
 public:
  // The window is shown above `owner` (which may be null) and looks for the
  // help file in `folders`.
  explicit QtHelpViewer(QWidget* owner = nullptr, QStringList folders = defaultHelpFolders());
  ~QtHelpViewer() override;
  QtHelpViewer(const QtHelpViewer&) = delete;
  QtHelpViewer& operator=(const QtHelpViewer&) = delete;

  // Contents: topic list and first page; Search: keyword search with an
  // empty field; HelpOnHelp: the window's own page on how to use it.
  void help(HelpRequest request) override;

  // The help window, or null before the first request.
  HelpWindow* window() const { return window_; }

 private:
  QPointer<QWidget> owner_;
  QStringList folders_;
  QPointer<HelpWindow> window_;
};

}  // namespace quivalo
