// SPDX-License-Identifier: GPL-3.0-or-later
// The help viewer the window hands its three help requests to.
#pragma once

#include <memory>

#include "game/platform.h"

class QWidget;

namespace quivalo::ui {

// The program's help viewer for the help file, owned by `owner`'s window.
std::unique_ptr<HelpViewer> makeHelpViewer(QWidget* owner);

}  // namespace quivalo::ui
