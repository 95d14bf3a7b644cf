// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/help/help_file.h"

#include <algorithm>
#include <cstdint>
#include <map>

namespace quivalo {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD
constexpr std::string_view kKeywordPrefix = "Stichwörter:";
constexpr std::string_view kUntitled = "Ohne Titel";

// Length of the valid UTF-8 sequence at the start of `s` and its code point,
// or 0 if the bytes there are not valid UTF-8 (overlong forms, surrogates and
// values above U+10FFFF included).
std::size_t decodeUtf8(std::string_view s, char32_t& cp) {
  const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(s[i]); };
  const std::uint8_t b0 = byte(0);
  std::size_t len = 0;
  char32_t min = 0;
  if (b0 < 0x80) {
    cp = b0;
    return 1;
  } else if (b0 >= 0xC2 && b0 <= 0xDF) {
    len = 2, cp = b0 & 0x1F, min = 0x80;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    len = 3, cp = b0 & 0x0F, min = 0x800;
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    len = 4, cp = b0 & 0x07, min = 0x10000;
  } else {
    return 0;
  }
  if (s.size() < len) return 0;
  for (std::size_t i = 1; i < len; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (byte(i) & 0x3F);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return len;
}

// Valid UTF-8 with LF line ends only: invalid bytes become U+FFFD, CR LF and
// a lone CR become LF, a tab becomes a blank, other control characters and
// byte order marks are dropped.
std::string sanitize(std::string_view in, std::size_t& invalidBytes) {
  std::string out;
  out.reserve(in.size());
  std::size_t i = 0;
  while (i < in.size()) {
    char32_t cp = 0;
    const std::size_t len = decodeUtf8(in.substr(i), cp);
    if (len == 0) {
      out += kReplacement;
      ++invalidBytes;
      ++i;
      continue;
    }
    if (cp == '\r') {
      out += '\n';
      if (i + 1 < in.size() && in[i + 1] == '\n') ++i;
    } else if (cp == '\t') {
      out += ' ';
    } else if (cp == '\n' || !(cp < 0x20 || (cp >= 0x7F && cp <= 0x9F) || cp == 0xFEFF)) {
      out.append(in.substr(i, len));
    }
    i += len;
  }
  return out;
}

std::string_view trim(std::string_view s) {
  const auto first = s.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const auto last = s.find_last_not_of(' ');
  return s.substr(first, last - first + 1);
}

// At most `max` bytes of valid UTF-8 text, cut before a whole character.
std::string cut(std::string_view s, std::size_t max) {
  if (s.size() <= max) return std::string(s);
  std::size_t n = max;
  while (n > 0 && (static_cast<std::uint8_t>(s[n]) & 0xC0) == 0x80) --n;
  return std::string(s.substr(0, n));
}

// Splits a block's text into plain, bold and link runs.
std::vector<HelpSpan> parseInline(std::string_view text) {
  std::vector<HelpSpan> spans;
  std::string current;
  bool bold = false;
  const auto flush = [&] {
    if (!current.empty()) {
      spans.push_back({bold ? HelpSpan::Kind::Bold : HelpSpan::Kind::Text, std::move(current), {}});
      current.clear();
    }
  };
  std::size_t i = 0;
  while (i < text.size()) {
    if (text.substr(i, 2) == "**") {
      flush();
      bold = !bold;
      i += 2;
    } else if (text.substr(i, 2) == "[[") {
      // Only a short window is searched for the end, so that a text full of
      // unclosed "[[" still takes linear time.
      const std::string_view window = text.substr(i + 2, kMaxHelpTitleBytes + 2);
      const auto end = window.find("]]");
      const std::string_view inner = end == std::string_view::npos ? "" : window.substr(0, end);
      const auto bar = inner.find('|');
      const std::string_view target = trim(inner.substr(0, bar));
      const std::string_view shown =
          bar == std::string_view::npos ? target : trim(inner.substr(bar + 1));
      if (target.empty() || shown.empty()) {
        current += "[[";
        i += 2;
      } else {
        flush();
        spans.push_back({HelpSpan::Kind::Link, std::string(shown), std::string(target)});
        i += 2 + end + 2;
      }
    } else {
      current += text[i];
      ++i;
    }
  }
  flush();
  return spans;
}

// Length of a leading "12. " (one to three digits, a dot, a blank), or 0.
std::size_t numberLength(std::string_view text) {
  std::size_t digits = 0;
  while (digits < text.size() && digits < 4 && text[digits] >= '0' && text[digits] <= '9') ++digits;
  if (digits == 0 || digits > 3 || text.substr(digits, 2) != ". ") return 0;
  return digits + 2;
}

class Parser {
 public:
  explicit Parser(HelpDocument& doc) : doc_(doc) {}

  // Returns false once the topic limit stops the reading.
  bool line(std::string_view raw) {
    const std::string_view text = trim(raw);
    if (raw.substr(0, 2) == "# ") {
      flush();
      if (doc_.topics.size() >= kMaxHelpTopics) {
        doc_.truncated = true;
        return false;
      }
      HelpTopic topic;
      topic.title = cut(trim(raw.substr(2)), kMaxHelpTitleBytes);
      if (topic.title.empty()) topic.title = kUntitled;
      doc_.topics.push_back(std::move(topic));
      return true;
    }
    if (doc_.topics.empty()) return true;  // the preamble
    if (text.empty()) {
      flush();
    } else if (raw.substr(0, 3) == "## ") {
      flush();
      start(HelpBlock::Kind::Subheading, trim(raw.substr(3)));
      flush();
    } else if (raw.substr(0, kKeywordPrefix.size()) == kKeywordPrefix) {
      flush();
      keywords(raw.substr(kKeywordPrefix.size()));
    } else if (text.substr(0, 2) == "- " || text == "-") {
      flush();
      start(HelpBlock::Kind::ListItem, trim(text.substr(1)));
    } else if (const std::size_t number = numberLength(text); number > 0) {
      flush();
      start(HelpBlock::Kind::NumberedItem, trim(text.substr(number)));
    } else if (pendingKind_ == HelpBlock::Kind::Paragraph && !pending_.empty()) {
      pending_ += ' ';
      pending_ += text;
    } else if (pendingKind_ != HelpBlock::Kind::Paragraph && !pending_.empty() && raw[0] == ' ') {
      pending_ += ' ';
      pending_ += text;
    } else {
      flush();
      start(HelpBlock::Kind::Paragraph, text);
    }
    return true;
  }

  void flush() {
    if (pending_.empty() || doc_.topics.empty()) {
      pending_.clear();
      return;
    }
    if (blockCount_ >= kMaxHelpBlocks) {
      doc_.truncated = true;
    } else {
      HelpBlock block{pendingKind_, parseInline(pending_)};
      if (!block.spans.empty()) {
        doc_.topics.back().blocks.push_back(std::move(block));
        ++blockCount_;
      }
    }
    pending_.clear();
  }

 private:
  void start(HelpBlock::Kind kind, std::string_view text) {
    pendingKind_ = kind;
    pending_ = text;
  }

  void keywords(std::string_view list) {
    std::vector<std::string>& words = doc_.topics.back().keywords;
    while (!list.empty()) {
      const auto sep = list.find_first_of(",;");
      const std::string word = cut(trim(list.substr(0, sep)), kMaxHelpTitleBytes);
      list = sep == std::string_view::npos ? std::string_view{} : list.substr(sep + 1);
      if (word.empty() || std::find(words.begin(), words.end(), word) != words.end()) continue;
      if (words.size() >= kMaxHelpKeywordsPerTopic) {
        doc_.truncated = true;
        return;
      }
      words.push_back(word);
    }
  }

  HelpDocument& doc_;
  std::string pending_;
  HelpBlock::Kind pendingKind_ = HelpBlock::Kind::Paragraph;
  std::size_t blockCount_ = 0;
};

}  // namespace

HelpDocument parseHelp(std::string_view bytes) {
  HelpDocument doc;
  if (bytes.size() > kMaxHelpInputBytes) {
    doc.truncated = true;
    bytes = bytes.substr(0, kMaxHelpInputBytes);
    // Keep whole lines only, if there is a line end at all.
    const auto lastLineEnd = bytes.find_last_of('\n');
    if (lastLineEnd != std::string_view::npos) bytes = bytes.substr(0, lastLineEnd + 1);
  }
  const std::string text = sanitize(bytes, doc.invalidBytes);
  Parser parser(doc);
  std::string_view rest = text;
  while (!rest.empty()) {
    const auto end = rest.find('\n');
    const std::string_view line = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
    if (!parser.line(line)) break;
  }
  parser.flush();
  return doc;
}

std::optional<std::size_t> findHelpTopic(const HelpDocument& doc, std::string_view title) {
  for (std::size_t i = 0; i < doc.topics.size(); ++i) {
    if (doc.topics[i].title == title) return i;
  }
  return std::nullopt;
}

std::string plainText(const HelpBlock& block) {
  std::string text;
  for (const HelpSpan& span : block.spans) text += span.text;
  return text;
}

std::vector<HelpKeyword> helpKeywords(const HelpDocument& doc) {
  std::vector<HelpKeyword> index;
  std::map<std::string_view, std::size_t> position;  // keyword -> entry in `index`
  for (std::size_t t = 0; t < doc.topics.size(); ++t) {
    for (const std::string& word : doc.topics[t].keywords) {
      const auto [it, added] = position.try_emplace(word, index.size());
      if (added) {
        index.push_back({word, {t}});
      } else {
        index[it->second].topics.push_back(t);
      }
    }
  }
  return index;
}

}  // namespace quivalo
