// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's own texts in German, so that shortcuts read "Strg+N" and the message
// box button reads "OK" whatever the machine's locale.
#pragma once

class QCoreApplication;

namespace quivalo::ui {

// Loads Qt's German translation into `app`; false if it is not installed.
bool installGermanTranslation(QCoreApplication& app);

}  // namespace quivalo::ui
