// SPDX-License-Identifier: GPL-3.0-or-later
// The pages the help window shows, as HTML for its text browser: a topic of
// the help file, the window's own page on how to use it, and the notices
// shown when the help file is missing or unusable.
#pragma once

#include <QString>
#include <QStringList>
#include <cstddef>

#include "ui/help/help_file.h"

namespace quivalo {

// A topic with its title; links to other topics become "topic:<index>" URLs.
QString topicPage(const HelpDocument& doc, std::size_t index);

// The title and page of the built-in help on using the help window.
QString helpOnHelpTitle();
QString helpOnHelpPage();

// The notice that the help file was not found in any of `folders`.
QString missingFilePage(const QStringList& folders);
// The notice that the help file at `path` could not be read.
QString unreadableFilePage(const QString& path);
// The notice that the help file at `path` holds no topic.
QString emptyFilePage(const QString& path);

// The help file's name as Qt text.
QString helpFileName();

}  // namespace quivalo
