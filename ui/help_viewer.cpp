// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/help_viewer.h"

#ifdef QUIVALO_HAVE_HELP
#include "ui/help/qt_help_viewer.h"
#endif

namespace quivalo::ui {

#ifdef QUIVALO_HAVE_HELP

std::unique_ptr<HelpViewer> makeHelpViewer(QWidget* owner) {
  return std::make_unique<QtHelpViewer>(owner);
}

#else

namespace {

// Stands in while no viewer is built in: the requests go nowhere, as they do
// when the platform has no viewer or the help file is missing.
class NoHelpViewer final : public HelpViewer {
 public:
  void help(HelpRequest /*request*/) override {}
};

}  // namespace

std::unique_ptr<HelpViewer> makeHelpViewer(QWidget* /*owner*/) {
  return std::make_unique<NoHelpViewer>();
}

#endif

}  // namespace quivalo::ui
