#include "platform/sys/ProfileEdit.h"

#include <deque>
#include <unordered_map>

#include "platform/sys/Encoding.h"
#include "platform/sys/ProfileText.h"

namespace sys {
namespace {

std::string_view LineBreakOf(std::string_view text) {
  std::size_t pos = text.find_first_of("\r\n");
  if (pos == std::string_view::npos)
    return "\n";
  if (text[pos] == '\n')
    return "\n";
  return (pos + 1 < text.size() && text[pos + 1] == '\n') ? "\r\n" : "\r";
}

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

std::size_t LeadingBlanks(std::string_view text) {
  std::size_t n = 0;
  while (n < text.size() && (text[n] == ' ' || text[n] == '\t'))
    ++n;
  return n;
}

// The file as lines that edits change, follow or append to, split and indexed
// once. Each edit does what the single edit does on the text it would see:
// the first section of the name and, inside it, the first key of the name
// are found; a new key follows the section's last key and the keys added
// after it; a new section goes after everything else.
class ProfileEditor {
 public:
  ProfileEditor(std::string_view bytes, bool utf8) : bytes_(bytes), utf8_(utf8) {
    lineBreak_ = LineBreakOf(bytes);
    const std::vector<ProfileLine> lines = SplitProfileLines(bytes);
    prefix_ = bytes.substr(0, lines.empty() ? bytes.size() : lines.front().begin);
    after_.resize(lines.size());
    Section* current = nullptr;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const ProfileLine& line = lines[i];
      lines_.push_back({bytes.substr(line.begin, line.end - line.begin),
                        bytes.substr(line.end, line.next - line.end),
                        line.valueStart - line.begin});
      if (line.kind == ProfileLineKind::Section) {
        // Only the first section of a name is ever written to.
        current = nullptr;
        auto [it, added] = sections_.try_emplace(FoldedName(line), nullptr);
        if (added) {
          current = it->second = &fileSections_.emplace_back();
          current->newKeys = &after_[i];
        }
      } else if (line.kind == ProfileLineKind::Key && current != nullptr) {
        current->keys.try_emplace(FoldedName(line), i);
        current->newKeys = &after_[i];
      }
    }
  }

  // Names and value in UTF-8; a Windows-1252 file is only given ASCII, which
  // is the same bytes in both encodings.
  void Set(std::string_view section, std::string_view key, std::string_view value) {
    auto found = sections_.find(FoldCase(section));
    Section* target = found != sections_.end() ? found->second : AddSection(section);
    std::string foldedKey = FoldCase(key);
    auto existing = target->keys.find(foldedKey);
    if (existing != target->keys.end()) {
      Line& line = lines_[existing->second];
      std::string& text = storage_.emplace_back(line.content.substr(0, line.valueStart));
      text += value;
      line.content = text;
      line.valueStart += LeadingBlanks(value);
      return;
    }
    const std::size_t valueStart = key.size() + 1 + LeadingBlanks(value);
    const std::size_t added = AddLine(std::string(key) + "=" + std::string(value), valueStart);
    target->newKeys->push_back(added);
    target->keys.try_emplace(std::move(foldedKey), added);
  }

  std::string Text() const {
    std::string out(prefix_);
    for (std::size_t i = 0; i < after_.size(); ++i) {
      // Only the file's last line can lack a line break. It gets one once
      // anything follows it; keys added after it then end the file without
      // one, as it did.
      const Line& line = lines_[i];
      const bool open = line.lineBreak.empty();
      Append(out, line,
             open && (!after_[i].empty() || !newSections_.empty()) ? lineBreak_ : line.lineBreak);
      std::size_t next = i + 1;
      for (std::size_t n = 0; n < after_[i].size(); ++n) {
        std::string_view lineBreak = lineBreak_;
        if (open && newSections_.empty() && n + 1 == after_[i].size())
          lineBreak = {};
        // In a file whose lines end in a lone CR, a key added before an
        // empty line ending in LF takes that LF into its own line break.
        if (lineBreak_ == "\r" && next < after_.size() && lines_[next].content.empty() &&
            lines_[next].lineBreak == "\n") {
          lineBreak = "\r\n";
          ++next;
        }
        Append(out, lines_[after_[i][n]], lineBreak);
      }
      i = next - 1;
    }
    if (!newSections_.empty() && after_.empty() && !prefix_.empty())
      out += lineBreak_;
    for (const NewSection& section : newSections_) {
      Append(out, lines_[section.header], lineBreak_);
      for (std::size_t key : section.keys)
        Append(out, lines_[key], lineBreak_);
    }
    return out;
  }

 private:
  struct Line {
    std::string_view content;
    std::string_view lineBreak;
    std::size_t valueStart = 0;
  };
  struct Section {
    // Folded key name to its line.
    std::unordered_map<std::string, std::size_t> keys;
    // Where keys new to the section go, in order.
    std::vector<std::size_t>* newKeys = nullptr;
  };
  struct NewSection {
    std::size_t header = 0;
    std::vector<std::size_t> keys;
    Section section;
  };

  std::string FoldedName(const ProfileLine& line) const {
    std::string_view raw = bytes_.substr(line.nameBegin, line.nameEnd - line.nameBegin);
    return FoldCase(utf8_ ? std::string(raw) : Windows1252ToUtf8(raw));
  }

  // A section appended at the end. Later edits find it by the name its
  // header reads as, which differs from the name given when that has blanks
  // at its ends; then they append another.
  Section* AddSection(std::string_view section) {
    const std::string header = "[" + std::string(section) + "]";
    NewSection& added = newSections_.emplace_back();
    added.header = AddLine(header, 0);
    added.section.newKeys = &added.keys;
    const ProfileLine line = SplitProfileLines(header).front();
    sections_.try_emplace(FoldCase(header.substr(line.nameBegin, line.nameEnd - line.nameBegin)),
                          &added.section);
    return &added.section;
  }

  std::size_t AddLine(std::string text, std::size_t valueStart) {
    const std::string& stored = storage_.emplace_back(std::move(text));
    lines_.push_back({stored, {}, valueStart});
    return lines_.size() - 1;
  }

  static void Append(std::string& out, const Line& line, std::string_view lineBreak) {
    out.append(line.content).append(lineBreak);
  }

  std::string_view bytes_;
  bool utf8_;
  std::string_view lineBreak_;
  std::string_view prefix_;
  // The file's lines first, then the lines added, by index.
  std::deque<Line> lines_;
  // For each of the file's lines, the keys added right after it.
  std::vector<std::vector<std::size_t>> after_;
  std::deque<Section> fileSections_;
  std::deque<NewSection> newSections_;
  // Folded section name to the first section of that name.
  std::unordered_map<std::string, Section*> sections_;
  std::deque<std::string> storage_;
};

bool IsAsciiEntry(const ProfileEntry& entry) {
  return IsAscii(entry.section) && IsAscii(entry.key) && IsAscii(entry.value);
}

std::string EditAll(std::string_view bytes, bool utf8, const std::vector<ProfileEntry>& entries) {
  ProfileEditor editor(bytes, utf8);
  for (const ProfileEntry& entry : entries)
    editor.Set(entry.section, entry.key, entry.value);
  return editor.Text();
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

std::optional<std::string> EditProfile(std::string_view bytes,
                                       const std::vector<ProfileEntry>& entries) {
  for (const ProfileEntry& entry : entries)
    if (!IsSafeProfileSection(entry.section) || !IsSafeProfileKey(entry.key) ||
        !IsSafeProfileValue(entry.value))
      return std::nullopt;
  if (IsValidUtf8(bytes))
    return EditAll(bytes, true, entries);
  // A Windows-1252 file edited with ASCII alone only loses bytes that are not
  // ASCII, as values are replaced: one edit after the other, it turns into
  // UTF-8 exactly when the end result reads as UTF-8 with letters that are
  // not ASCII left, and is then the whole file decoded and edited. Other
  // edits of such a file are rare (the program writes numbers and ASCII
  // names) and go one at a time.
  bool ascii = true;
  for (const ProfileEntry& entry : entries)
    ascii = ascii && IsAsciiEntry(entry);
  // A byte-order mark of such a file is three letters once decoded.
  if (ascii && !bytes.starts_with("\xEF\xBB\xBF")) {
    std::string out = EditAll(bytes, false, entries);
    if (!IsValidUtf8(out) || IsAscii(out))
      return out;
    return EditAll(DecodeFileText(bytes), true, entries);
  }
  std::string text(bytes);
  for (const ProfileEntry& entry : entries) {
    std::optional<std::string> edited = EditProfile(text, entry.section, entry.key, entry.value);
    if (!edited)
      return std::nullopt;
    text = std::move(*edited);
  }
  return text;
}

}  // namespace sys
