#include "platform/sys/ProfileText.h"

#include "platform/sys/Encoding.h"

namespace sys {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

std::size_t SkipBlanks(std::string_view text, std::size_t pos, std::size_t end) {
  while (pos < end && IsBlank(text[pos]))
    ++pos;
  return pos;
}

std::size_t TrimBlanksBack(std::string_view text, std::size_t begin, std::size_t end) {
  while (end > begin && IsBlank(text[end - 1]))
    --end;
  return end;
}

void ClassifyLine(std::string_view text, ProfileLine& line) {
  std::size_t start = SkipBlanks(text, line.begin, line.end);
  std::size_t end = TrimBlanksBack(text, start, line.end);
  if (start == end || text[start] == ';')
    return;
  if (text[start] == '[') {
    std::size_t close = text.find(']', start + 1);
    if (close == std::string_view::npos || close > end)
      close = end;
    line.kind = ProfileLineKind::Section;
    line.nameBegin = SkipBlanks(text, start + 1, close);
    line.nameEnd = TrimBlanksBack(text, line.nameBegin, close);
    return;
  }
  std::size_t equals = text.find('=', start);
  if (equals == std::string_view::npos || equals >= end)
    return;
  line.kind = ProfileLineKind::Key;
  line.nameBegin = start;
  line.nameEnd = TrimBlanksBack(text, start, equals);
  line.valueStart = SkipBlanks(text, equals + 1, line.end);
  line.valueBegin = line.valueStart;
  line.valueEnd = TrimBlanksBack(text, line.valueBegin, line.end);
}

std::string_view Unquote(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front())
    return value.substr(1, value.size() - 2);
  return value;
}

bool HasLineBreakOrNul(std::string_view text) {
  return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

}  // namespace

std::vector<ProfileLine> SplitProfileLines(std::string_view text) {
  std::vector<ProfileLine> lines;
  std::size_t pos = text.starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0;
  while (pos < text.size()) {
    ProfileLine line;
    line.begin = pos;
    std::size_t brk = text.find_first_of("\r\n", pos);
    if (brk == std::string_view::npos) {
      line.end = line.next = text.size();
    } else {
      line.end = brk;
      line.next = brk + 1;
      if (text[brk] == '\r' && line.next < text.size() && text[line.next] == '\n')
        ++line.next;
    }
    ClassifyLine(text, line);
    lines.push_back(line);
    pos = line.next;
  }
  return lines;
}

ProfileDocument ProfileDocument::FromBytes(std::string_view bytes) {
  ProfileDocument doc;
  doc.text_ = DecodeFileText(bytes);
  std::string_view text = doc.text_;
  // Only the first of several sections with the same name is ever searched,
  // so later ones are not indexed at all.
  Section* current = nullptr;
  for (const ProfileLine& line : SplitProfileLines(text)) {
    if (line.kind == ProfileLineKind::Section) {
      std::string_view name = text.substr(line.nameBegin, line.nameEnd - line.nameBegin);
      current = nullptr;
      auto [it, added] = doc.sectionIndex_.try_emplace(FoldCase(name), doc.sections_.size());
      if (added) {
        doc.sections_.push_back({{line.nameBegin, line.nameEnd}, {}});
        current = &doc.sections_.back();
      }
    } else if (line.kind == ProfileLineKind::Key && current != nullptr) {
      std::string_view name = text.substr(line.nameBegin, line.nameEnd - line.nameBegin);
      current->values.try_emplace(FoldCase(name), Span{line.valueBegin, line.valueEnd});
    }
  }
  return doc;
}

std::string_view ProfileDocument::View(Span span) const {
  return std::string_view(text_).substr(span.begin, span.end - span.begin);
}

std::optional<std::string_view> ProfileDocument::Find(std::string_view section,
                                                      std::string_view key) const& {
  auto it = sectionIndex_.find(FoldCase(section));
  if (it == sectionIndex_.end())
    return std::nullopt;
  const auto& values = sections_[it->second].values;
  auto value = values.find(FoldCase(key));
  if (value == values.end())
    return std::nullopt;
  return Unquote(View(value->second));
}

bool IsSafeProfileSection(std::string_view section) {
  return IsValidUtf8(section) && !HasLineBreakOrNul(section) &&
         section.find(']') == std::string_view::npos;
}

bool IsSafeProfileKey(std::string_view key) {
  // A key must read back as the same key: not empty, no "=", and not starting
  // like a section or a comment line, and no blanks that trimming would drop.
  if (key.empty() || !IsValidUtf8(key) || HasLineBreakOrNul(key) ||
      key.find('=') != std::string_view::npos)
    return false;
  return key.front() != '[' && key.front() != ';' && !IsBlank(key.front()) && !IsBlank(key.back());
}

bool IsSafeProfileValue(std::string_view value) {
  return IsValidUtf8(value) && !HasLineBreakOrNul(value);
}

}  // namespace sys
