// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the help-file reader: any bytes must give a document
// within the reader's limits, of valid UTF-8 without control characters, the
// same every time, and small in proportion to the input. Anything else aborts.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "ui/help/help_file.h"

namespace {

using namespace quivalo;

[[noreturn]] void fail(const char* what) {
  std::fprintf(stderr, "help reader: %s\n", what);
  std::abort();
}

// True for valid UTF-8 that holds no control character (no line end either).
bool cleanText(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size()) {
    const auto b = static_cast<std::uint8_t>(s[i]);
    std::size_t len = 0;
    char32_t cp = 0;
    if (b < 0x80) {
      len = 1;
      cp = b;
    } else if (b >= 0xC2 && b <= 0xDF) {
      len = 2;
      cp = b & 0x1Fu;
    } else if (b >= 0xE0 && b <= 0xEF) {
      len = 3;
      cp = b & 0x0Fu;
    } else if (b >= 0xF0 && b <= 0xF4) {
      len = 4;
      cp = b & 0x07u;
    } else {
      return false;
    }
    if (i + len > s.size()) {
      return false;
    }
    for (std::size_t k = 1; k < len; ++k) {
      const auto c = static_cast<std::uint8_t>(s[i + k]);
      if ((c & 0xC0) != 0x80) {
        return false;
      }
      cp = (cp << 6) | (c & 0x3Fu);
    }
    static constexpr char32_t kMin[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < kMin[len] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
      return false;
    }
    if (cp < 0x20 || (cp >= 0x7F && cp <= 0x9F) || cp == 0xFEFF) {
      return false;
    }
    i += len;
  }
  return true;
}

void checkShortText(std::string_view s, const char* what) {
  if (s.empty() || s.size() > kMaxHelpTitleBytes || !cleanText(s)) {
    fail(what);
  }
}

void checkDocument(std::string_view bytes, bool twice) {
  const std::size_t size = bytes.size();
  const HelpDocument doc = parseHelp(bytes);

  if (doc.topics.size() > kMaxHelpTopics) {
    fail("too many topics");
  }
  if (doc.invalidBytes > size) {
    fail("more invalid bytes than bytes");
  }
  if (size > kMaxHelpInputBytes && !doc.truncated) {
    fail("an over-long input is not marked as cut");
  }
  std::size_t blocks = 0;
  std::size_t outputBytes = 0;
  for (std::size_t t = 0; t < doc.topics.size(); ++t) {
    const HelpTopic& topic = doc.topics[t];
    checkShortText(topic.title, "a title is empty, too long or not clean text");
    outputBytes += topic.title.size();
    if (topic.keywords.size() > kMaxHelpKeywordsPerTopic) {
      fail("too many keywords in a topic");
    }
    for (std::size_t k = 0; k < topic.keywords.size(); ++k) {
      checkShortText(topic.keywords[k], "a keyword is empty, too long or not clean text");
      outputBytes += topic.keywords[k].size();
      for (std::size_t j = 0; j < k; ++j) {
        if (topic.keywords[j] == topic.keywords[k]) {
          fail("a keyword repeats within its topic");
        }
      }
    }
    const auto found = findHelpTopic(doc, topic.title);
    if (!found || *found > t || doc.topics[*found].title != topic.title) {
      fail("a topic is not found by its title");
    }
    blocks += topic.blocks.size();
    for (const HelpBlock& block : topic.blocks) {
      if (block.spans.empty()) {
        fail("an empty block");
      }
      std::size_t length = 0;
      for (const HelpSpan& span : block.spans) {
        if (span.text.empty() || !cleanText(span.text)) {
          fail("a span is empty or not clean text");
        }
        if (span.kind == HelpSpan::Kind::Link) {
          checkShortText(span.target, "a link target is empty, too long or not clean text");
        } else if (!span.target.empty()) {
          fail("a span that is no link has a target");
        }
        length += span.text.size();
        outputBytes += span.text.size() + span.target.size();
      }
      if (plainText(block).size() != length) {
        fail("a block's plain text is not its spans' text");
      }
    }
  }
  if (blocks > kMaxHelpBlocks) {
    fail("too many blocks");
  }
  // Each input byte gives at most a replacement character (three bytes) and
  // a link's text may repeat as its target; untitled topics get a name.
  if (outputBytes > 6 * size + 16 * kMaxHelpTopics) {
    fail("the document is out of proportion to its input");
  }

  for (const HelpKeyword& entry : helpKeywords(doc)) {
    if (entry.topics.empty()) {
      fail("a keyword of the index has no topic");
    }
    for (std::size_t i = 0; i < entry.topics.size(); ++i) {
      const std::size_t t = entry.topics[i];
      if (t >= doc.topics.size() || (i > 0 && t <= entry.topics[i - 1])) {
        fail("a keyword's topics are out of range or out of order");
      }
      const auto& words = doc.topics[t].keywords;
      bool carries = false;
      for (const std::string& w : words) {
        carries = carries || w == entry.keyword;
      }
      if (!carries) {
        fail("the index names a topic that does not carry the keyword");
      }
    }
  }

  if (twice && !(parseHelp(bytes) == doc)) {
    fail("the same bytes read twice give different documents");
  }
}

}  // namespace

// An input that starts with FF FE stands for its rest repeated past the
// reader's input limit, so that the cut at 1 MiB is fuzzed too.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  if (size > 3 && data[0] == 0xFF && data[1] == 0xFE) {
    const std::string_view unit = bytes.substr(3);
    std::string big;
    big.reserve(kMaxHelpInputBytes + 4096 + unit.size());
    while (big.size() <= kMaxHelpInputBytes + std::size_t{data[2]} * 16) {
      big += unit;
    }
    checkDocument(big, false);
  } else {
    checkDocument(bytes, true);
  }
  return 0;
}
