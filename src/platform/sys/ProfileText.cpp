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

std::string_view LineBreakOf(std::string_view text) {
  std::size_t pos = text.find_first_of("\r\n");
  if (pos == std::string_view::npos)
    return "\n";
  if (text[pos] == '\n')
    return "\n";
  return (pos + 1 < text.size() && text[pos + 1] == '\n') ? "\r\n" : "\r";
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
      current->keys.push_back({{line.nameBegin, line.nameEnd}, {line.valueBegin, line.valueEnd}});
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
  for (const Entry& e : sections_[it->second].keys)
    if (EqualsIgnoreCase(View(e.name), key))
      return Unquote(View(e.value));
  return std::nullopt;
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

namespace {

// The edit on the file's bytes as they stand, in UTF-8 or in Windows-1252;
// the structure characters are ASCII in both encodings, so offsets found on
// the raw bytes are valid either way. Nothing when a name or the value has
// no Windows-1252 form.
std::optional<std::string> EditBytes(std::string_view bytes, bool utf8, std::string_view section,
                                     std::string_view key, std::string_view value) {
  bool encodable = true;
  auto encode = [utf8, &encodable](std::string_view text) {
    if (utf8)
      return std::string(text);
    std::optional<std::string> single = Utf8ToWindows1252(text);
    encodable = encodable && single.has_value();
    return single.value_or(std::string());
  };
  auto decodedName = [&](const ProfileLine& line) {
    std::string_view raw = bytes.substr(line.nameBegin, line.nameEnd - line.nameBegin);
    return utf8 ? std::string(raw) : Windows1252ToUtf8(raw);
  };

  std::string_view lineBreak = LineBreakOf(bytes);
  std::vector<ProfileLine> lines = SplitProfileLines(bytes);
  std::size_t sectionLine = lines.size();
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].kind == ProfileLineKind::Section &&
        EqualsIgnoreCase(decodedName(lines[i]), section)) {
      sectionLine = i;
      break;
    }
  }

  std::string keyLine = encode(key) + "=" + encode(value);
  std::string out;
  out.reserve(bytes.size() + keyLine.size() + section.size() + 8);

  if (sectionLine == lines.size()) {
    out.append(bytes);
    if (!out.empty() && out.back() != '\n' && out.back() != '\r')
      out.append(lineBreak);
    out.append("[").append(encode(section)).append("]").append(lineBreak);
    out.append(keyLine).append(lineBreak);
    return encodable ? std::optional(out) : std::nullopt;
  }

  std::size_t insertAfter = sectionLine;
  for (std::size_t i = sectionLine + 1; i < lines.size(); ++i) {
    const ProfileLine& line = lines[i];
    if (line.kind == ProfileLineKind::Section)
      break;
    if (line.kind != ProfileLineKind::Key)
      continue;
    if (EqualsIgnoreCase(decodedName(line), key)) {
      out.append(bytes.substr(0, line.valueStart));
      out.append(encode(value));
      out.append(bytes.substr(line.end));
      return encodable ? std::optional(out) : std::nullopt;
    }
    insertAfter = i;
  }

  const ProfileLine& anchor = lines[insertAfter];
  out.append(bytes.substr(0, anchor.next));
  if (anchor.next == anchor.end) {
    // The anchor is the file's last line and has no line break of its own.
    out.append(lineBreak).append(keyLine);
  } else {
    out.append(keyLine).append(lineBreak);
  }
  out.append(bytes.substr(anchor.next));
  return encodable ? std::optional(out) : std::nullopt;
}

bool IsAscii(std::string_view text) {
  for (char c : text)
    if (static_cast<unsigned char>(c) >= 0x80)
      return false;
  return true;
}

}  // namespace

std::optional<std::string> EditProfile(std::string_view bytes, std::string_view section,
                                       std::string_view key, std::string_view value) {
  if (!IsSafeProfileSection(section) || !IsSafeProfileKey(key) || !IsSafeProfileValue(value))
    return std::nullopt;
  if (IsValidUtf8(bytes))
    return EditBytes(bytes, true, section, key, value);
  // A Windows-1252 file stays Windows-1252 where it can: the new text must
  // have a Windows-1252 form, and the result must not read as UTF-8, which it
  // would once the edit removed the last bytes that are not UTF-8; every
  // other value would then change its meaning. Otherwise the file is
  // rewritten in UTF-8, which reads the same.
  std::optional<std::string> out = EditBytes(bytes, false, section, key, value);
  if (out && (!IsValidUtf8(*out) || IsAscii(*out)))
    return out;
  return EditBytes(DecodeFileText(bytes), true, section, key, value);
}

}  // namespace sys
