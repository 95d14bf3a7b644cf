// SPDX-License-Identifier: GPL-3.0-or-later
// Reads the game's help file: UTF-8 Markdown, one topic per level-1 heading.
//
//   # Title of a topic
//   Stichwörter: Würfel, Sechs      keywords for the search (optional)
//   Markdown text; [words](<Other title>) links to another topic.
//
// Lines before the first heading are notes for whoever edits the file.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace quivalo {

// The largest help file read. The shipped one is under 20 KB; the limit keeps
// a damaged file from tying the window up (a single 64 KB word takes Qt about
// a second to lay out, and the time grows with its square).
inline constexpr qsizetype kMaxHelpFileBytes = 64 * 1024;

struct HelpTopic {
  QString title;
  QStringList keywords;
  QString markdown;  // the heading and the text, without the keyword line
  bool operator==(const HelpTopic&) const = default;
};

struct HelpFile {
  QString path;  // empty when the file was not found
  QList<HelpTopic> topics;
  QString problem;  // why the file cannot be shown, in German; empty if it can
};

// Looks for the help file in `folders`, in order, and reads the first found.
HelpFile readHelpFile(const QStringList& folders);

// Where the help file is looked for: next to the program, then in the
// installed data folder.
QStringList defaultHelpFolders();

}  // namespace quivalo
