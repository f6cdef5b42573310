#include "skin/data/SkinIni.h"

#include <cstdint>
#include <limits>

namespace {

std::string Fold(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z')
      c = static_cast<char>(c - 'A' + 'a');
  return out;
}

bool IsBlank(char c) {
  return static_cast<unsigned char>(c) <= ' ';
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front()))
    s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back()))
    s.remove_suffix(1);
  return s;
}

int DigitValue(char c) {
  if (c >= '0' && c <= '9')
    return c - '0';
  if (c >= 'a' && c <= 'f')
    return c - 'a' + 10;
  if (c >= 'A' && c <= 'F')
    return c - 'A' + 10;
  return 99;
}

}  // namespace

bool TryParseSkinInteger(std::string_view text, int& value) {
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  int base = 10;
  if (!text.empty() && text.front() == '$') {
    base = 16;
    text.remove_prefix(1);
  } else if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    base = 16;
    text.remove_prefix(2);
  }
  if (text.empty())
    return false;
  // Hexadecimal numbers may use all 32 bits (colours and masks are written
  // that way); decimal ones must fit a signed 32-bit integer.
  const uint64_t limit = base == 16 ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
  uint64_t acc = 0;
  for (char c : text) {
    int d = DigitValue(c);
    if (d >= base)
      return false;
    acc = acc * base + d;
    if (acc > limit)
      return false;
  }
  uint32_t bits = static_cast<uint32_t>(acc);
  if (negative)
    bits = 0u - bits;
  value = static_cast<int32_t>(bits);
  return true;
}

std::vector<std::string> SplitSkinLines(std::string_view text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' || text[i] == '\n') {
      lines.emplace_back(text.substr(start, i - start));
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
        ++i;
      start = i + 1;
    }
  }
  if (start < text.size())
    lines.emplace_back(text.substr(start));
  return lines;
}

void TbsSkinIni::SetText(std::string_view text) {
  SetStrings(SplitSkinLines(text));
}

void TbsSkinIni::SetStrings(const std::vector<std::string>& lines) {
  sections_.clear();
  sectionIndex_.clear();
  Section* current = nullptr;
  for (const std::string& rawLine : lines) {
    std::string_view line = Trim(rawLine);
    if (line.empty() || line.front() == ';')
      continue;
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
      current = &sections_.emplace_back();
      current->name = std::string(Trim(line.substr(1, line.size() - 2)));
      continue;
    }
    if (current == nullptr)
      continue;
    Line entry;
    entry.raw = std::string(line);
    if (size_t eq = line.find('='); eq != std::string_view::npos) {
      entry.key = std::string(Trim(line.substr(0, eq)));
      entry.value = std::string(Trim(line.substr(eq + 1)));
      entry.isKey = true;
    }
    AddLine(*current, std::move(entry));
  }
  RebuildSectionIndex();
}

void TbsSkinIni::AddLine(Section& section, Line line) {
  if (line.isKey)
    section.keyIndex[Fold(line.key)] = section.lines.size();
  section.lines.push_back(std::move(line));
}

void TbsSkinIni::RebuildSectionIndex() {
  sectionIndex_.clear();
  for (size_t i = 0; i < sections_.size(); ++i)
    sectionIndex_[Fold(sections_[i].name)] = i;
}

std::vector<std::string> TbsSkinIni::GetStrings() const {
  std::vector<std::string> out;
  for (size_t i = 0; i < sections_.size(); ++i) {
    if (i > 0)
      out.emplace_back();
    out.push_back("[" + sections_[i].name + "]");
    for (const Line& line : sections_[i].lines)
      out.push_back(line.isKey ? line.key + "=" + line.value : line.raw);
  }
  return out;
}

std::string TbsSkinIni::GetText() const {
  std::string text;
  for (const std::string& line : GetStrings()) {
    text += line;
    text += "\r\n";
  }
  return text;
}

const TbsSkinIni::Section* TbsSkinIni::FindSection(std::string_view section) const {
  auto it = sectionIndex_.find(Fold(section));
  return it == sectionIndex_.end() ? nullptr : &sections_[it->second];
}

const TbsSkinIni::Line* TbsSkinIni::FindKey(std::string_view section, std::string_view key) const {
  const Section* s = FindSection(section);
  if (s == nullptr)
    return nullptr;
  auto it = s->keyIndex.find(Fold(key));
  return it == s->keyIndex.end() ? nullptr : &s->lines[it->second];
}

bool TbsSkinIni::SectionExists(std::string_view section) const {
  return FindSection(section) != nullptr;
}

bool TbsSkinIni::ValueExists(std::string_view section, std::string_view key) const {
  return FindKey(section, key) != nullptr;
}

std::vector<std::string> TbsSkinIni::SectionNames() const {
  std::vector<std::string> names;
  for (const Section& s : sections_)
    names.push_back(s.name);
  return names;
}

std::string TbsSkinIni::ReadString(std::string_view section, std::string_view key,
                                   std::string_view def) const {
  const Line* line = FindKey(section, key);
  return line == nullptr ? std::string(def) : line->value;
}

int TbsSkinIni::ReadInteger(std::string_view section, std::string_view key, int def) const {
  const Line* line = FindKey(section, key);
  int value = 0;
  if (line == nullptr || !TryParseSkinInteger(line->value, value))
    return def;
  return value;
}

int TbsSkinIni::LargestIndexKey(std::string_view section) const {
  const Section* s = FindSection(section);
  if (s == nullptr)
    return -1;
  int largest = -1;
  for (const auto& [key, index] : s->keyIndex) {
    // Only the plain spelling "0", "1", ... is an index key; "01" is not.
    if (key.empty() || key.size() > 9 || (key.size() > 1 && key[0] == '0'))
      continue;
    int k = 0;
    bool digits = true;
    for (char c : key) {
      if (c < '0' || c > '9') {
        digits = false;
        break;
      }
      k = k * 10 + (c - '0');
    }
    if (digits && k > largest)
      largest = k;
  }
  return largest;
}

void TbsSkinIni::WriteString(std::string_view section, std::string_view key,
                             std::string_view value) {
  auto it = sectionIndex_.find(Fold(section));
  if (it == sectionIndex_.end()) {
    sections_.emplace_back().name = std::string(section);
    sectionIndex_[Fold(section)] = sections_.size() - 1;
    it = sectionIndex_.find(Fold(section));
  }
  Section& s = sections_[it->second];
  if (auto k = s.keyIndex.find(Fold(key)); k != s.keyIndex.end()) {
    s.lines[k->second].value = std::string(value);
    return;
  }
  Line line;
  line.key = std::string(key);
  line.value = std::string(value);
  line.isKey = true;
  AddLine(s, std::move(line));
}

void TbsSkinIni::WriteInteger(std::string_view section, std::string_view key, int value) {
  WriteString(section, key, std::to_string(value));
}

void TbsSkinIni::EraseSection(std::string_view section) {
  const std::string folded = Fold(section);
  std::erase_if(sections_, [&](const Section& s) { return Fold(s.name) == folded; });
  RebuildSectionIndex();
}
