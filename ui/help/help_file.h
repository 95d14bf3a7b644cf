// SPDX-License-Identifier: GPL-3.0-or-later
// Reads the game's help file into topics. No Qt here: the reader is a pure
// function of the bytes it is given, so it can be tested and fuzzed alone.
//
// The help file format (UTF-8 text, LF or CR LF line ends):
//
//   # Title of a topic          a line starting with "# " opens a new topic
//   Stichwörter: Würfel, Sechs  keywords of the topic, separated by commas
//                               (or semicolons); may appear more than once
//   ## Subheading               a subheading inside the topic
//   Plain lines                 consecutive lines form one paragraph;
//   continue the paragraph.     a blank line ends it
//   - A list item               a line starting with "- " is a list item,
//   1. A numbered item          one starting with a number and ". " a
//     indented lines continue   numbered one; indented lines continue it
//
// Inside text, **bold** marks bold words, [[Title]] links to the topic with
// that title and [[Title|words]] shows the words as the link. Lines before the first topic are a
// preamble for whoever edits the file and are not shown.
//
// Any input is accepted. Invalid UTF-8 is replaced by U+FFFD, control
// characters are dropped (a tab counts as a blank), only the first
// kMaxInputBytes are read, and the numbers of topics, keywords and blocks are
// capped, so the result stays small whatever the bytes are.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quivalo {

inline constexpr std::size_t kMaxHelpInputBytes = std::size_t{1} << 20;  // 1 MiB
inline constexpr std::size_t kMaxHelpTopics = 256;
inline constexpr std::size_t kMaxHelpKeywordsPerTopic = 32;
inline constexpr std::size_t kMaxHelpBlocks = 8192;     // in the whole document
inline constexpr std::size_t kMaxHelpTitleBytes = 200;  // titles, keywords, link targets

// A run of text within a block.
struct HelpSpan {
  enum class Kind { Text, Bold, Link };
  Kind kind = Kind::Text;
  std::string text;    // what is shown
  std::string target;  // for a link: the title of the topic it leads to
  bool operator==(const HelpSpan&) const = default;
};

struct HelpBlock {
  enum class Kind { Paragraph, ListItem, NumberedItem, Subheading };
  Kind kind = Kind::Paragraph;
  std::vector<HelpSpan> spans;
  bool operator==(const HelpBlock&) const = default;
};

struct HelpTopic {
  std::string title;
  std::vector<std::string> keywords;  // in file order, without repeats
  std::vector<HelpBlock> blocks;
  bool operator==(const HelpTopic&) const = default;
};

struct HelpDocument {
  std::vector<HelpTopic> topics;  // in file order
  bool truncated = false;         // input or a limit cut something off
  std::size_t invalidBytes = 0;   // bytes replaced because they were not UTF-8
  bool operator==(const HelpDocument&) const = default;
};

// Parses a help file's bytes.
HelpDocument parseHelp(std::string_view bytes);

// The index of the first topic with exactly this title.
std::optional<std::size_t> findHelpTopic(const HelpDocument& doc, std::string_view title);

// A block's text without its markup.
std::string plainText(const HelpBlock& block);

// One keyword and the topics that carry it.
struct HelpKeyword {
  std::string keyword;
  std::vector<std::size_t> topics;  // indices into HelpDocument::topics
};

// Every keyword of the document once, in order of first appearance.
std::vector<HelpKeyword> helpKeywords(const HelpDocument& doc);

}  // namespace quivalo
