#include "skin/data/SkinIni.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>

namespace {

char LowerAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size())
    return false;
  // Names are mostly written as they are asked for, which a plain
  // comparison settles at once.
  if (a == b)
    return true;
  for (size_t i = 0; i < a.size(); ++i)
    if (LowerAscii(a[i]) != LowerAscii(b[i]))
      return false;
  return true;
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

bool IsSectionHeader(std::string_view trimmed) {
  return trimmed.size() >= 2 && trimmed.front() == '[' && trimmed.back() == ']';
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
  // Most texts end their lines with LF or CR LF; a text of lone CRs only
  // grows the list as it goes.
  lines.reserve(static_cast<size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
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
  kept_.clear();
  size_t total = 0;
  for (const std::string& line : lines)
    total += line.size();
  text_ = std::make_unique<char[]>(total + 1);
  char* end = text_.get();
  // Every section's lists are sized before they are filled, so that each
  // is allocated once instead of doubling its way up.
  std::vector<uint32_t> sizes;
  // Editors that save UTF-8 may put a byte order mark before the first
  // section; it is no part of the text.
  auto lineText = [&](const std::string& line) {
    std::string_view text = line;
    if (&line == &lines.front() && text.starts_with("\xEF\xBB\xBF"))
      text.remove_prefix(3);
    return text;
  };
  for (const std::string& rawLine : lines) {
    if (IsSectionHeader(Trim(lineText(rawLine))))
      sizes.push_back(0);
    else if (!sizes.empty())
      ++sizes.back();
  }
  sections_.reserve(sizes.size());

  Section* current = nullptr;
  for (const std::string& rawLine : lines) {
    std::string_view trimmed = Trim(lineText(rawLine));
    if (trimmed.empty() || trimmed.front() == ';')
      continue;
    std::copy(trimmed.begin(), trimmed.end(), end);
    std::string_view line(end, trimmed.size());
    end += trimmed.size();
    if (IsSectionHeader(line)) {
      const uint32_t size = sizes[sections_.size()];
      current = &sections_.emplace_back();
      current->name = Trim(line.substr(1, line.size() - 2));
      current->lines.reserve(size);
      current->keys.reserve(size);
      continue;
    }
    if (current == nullptr)
      continue;
    Line entry;
    if (size_t eq = line.find('='); eq == std::string_view::npos) {
      entry.value = line;
    } else {
      entry.key = Trim(line.substr(0, eq));
      entry.value = Trim(line.substr(eq + 1));
      entry.isKey = true;
      current->keys.push_back(
          {HashName(entry.key), entry.key, static_cast<uint32_t>(current->lines.size())});
    }
    current->lines.push_back(entry);
  }
  for (Section& section : sections_)
    SortIndex(section.keys);
  RebuildSectionIndex();
}

uint64_t TbsSkinIni::HashName(std::string_view name) {
  // Names are hashed eight bytes at a time. Setting bit 5 of every byte
  // folds upper case into lower case, so names that match without regard
  // to case hash alike; the few other names it folds together are told
  // apart by the comparison that follows every hash match.
  constexpr uint64_t kFold = 0x2020202020202020ull;
  auto mix = [](uint64_t h) {
    h *= 0xFF51AFD7ED558CCDull;
    return h ^ (h >> 32);
  };
  uint64_t h = mix(name.size() + 1);
  size_t i = 0;
  for (; i + 8 <= name.size(); i += 8) {
    uint64_t word;
    std::memcpy(&word, name.data() + i, sizeof word);
    h = mix(h ^ (word | kFold));
  }
  if (i < name.size()) {
    uint64_t word = 0;
    for (size_t k = 0; i + k < name.size(); ++k)
      word |= uint64_t{static_cast<unsigned char>(name[i + k])} << (8 * k);
    h = mix(h ^ (word | kFold));
  }
  return h;
}

void TbsSkinIni::SortIndex(std::vector<IndexEntry>& index) {
  // Positions are unique, so this is the stable order by hash without the
  // merge buffer a stable sort allocates.
  std::sort(index.begin(), index.end(), [](const IndexEntry& a, const IndexEntry& b) {
    return a.hash != b.hash ? a.hash < b.hash : a.position < b.position;
  });
}

const TbsSkinIni::IndexEntry* TbsSkinIni::FindLast(const std::vector<IndexEntry>& index,
                                                   std::string_view name) {
  const uint64_t hash = HashName(name);
  auto after = std::upper_bound(index.begin(), index.end(), hash,
                                [](uint64_t h, const IndexEntry& e) { return h < e.hash; });
  for (auto it = after; it != index.begin() && (it - 1)->hash == hash; --it)
    if (SameName((it - 1)->name, name))
      return &*(it - 1);
  return nullptr;
}

void TbsSkinIni::RebuildSectionIndex() {
  lastSection_ = nullptr;
  sectionIndex_.clear();
  sectionIndex_.reserve(sections_.size());
  for (size_t i = 0; i < sections_.size(); ++i)
    sectionIndex_.push_back(
        {HashName(sections_[i].name), sections_[i].name, static_cast<uint32_t>(i)});
  SortIndex(sectionIndex_);
}

std::string_view TbsSkinIni::Keep(std::string_view text) {
  return kept_.emplace_back(text);
}

std::vector<std::string> TbsSkinIni::GetStrings() const {
  std::vector<std::string> out;
  for (size_t i = 0; i < sections_.size(); ++i) {
    if (i > 0)
      out.emplace_back();
    out.push_back("[" + std::string(sections_[i].name) + "]");
    for (const Line& line : sections_[i].lines)
      out.push_back(line.isKey ? std::string(line.key) + "=" + std::string(line.value)
                               : std::string(line.value));
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
  // A record reads all its keys from one section in a row, so the last
  // section found is usually the one asked for again.
  if (lastSection_ != nullptr && SameName(lastSection_->name, section))
    return lastSection_;
  const IndexEntry* found = FindLast(sectionIndex_, section);
  if (found == nullptr)
    return nullptr;
  lastSection_ = &sections_[found->position];
  return lastSection_;
}

const TbsSkinIni::Line* TbsSkinIni::FindKey(std::string_view section, std::string_view key) const {
  const Section* s = FindSection(section);
  if (s == nullptr)
    return nullptr;
  const IndexEntry* found = FindLast(s->keys, key);
  return found == nullptr ? nullptr : &s->lines[found->position];
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
    names.emplace_back(s.name);
  return names;
}

std::optional<std::string_view> TbsSkinIni::FindValue(std::string_view section,
                                                      std::string_view key) const {
  const Line* line = FindKey(section, key);
  if (line == nullptr)
    return std::nullopt;
  return line->value;
}

std::string TbsSkinIni::ReadString(std::string_view section, std::string_view key,
                                   std::string_view def) const {
  return std::string(FindValue(section, key).value_or(def));
}

int TbsSkinIni::ReadInteger(std::string_view section, std::string_view key, int def) const {
  const std::optional<std::string_view> text = FindValue(section, key);
  int value = 0;
  if (!text || !TryParseSkinInteger(*text, value))
    return def;
  return value;
}

std::vector<int> TbsSkinIni::IndexKeys(std::string_view section, int limit) const {
  std::vector<int> keys;
  const Section* s = FindSection(section);
  if (s == nullptr)
    return keys;
  for (const IndexEntry& entry : s->keys) {
    std::string_view key = entry.name;
    // Only the plain spelling "0", "1", ... is an index key; "01" is not.
    if (key.empty() || key.size() > 10 || (key.size() > 1 && key[0] == '0'))
      continue;
    int64_t k = 0;
    bool digits = true;
    for (char c : key) {
      if (c < '0' || c > '9') {
        digits = false;
        break;
      }
      k = k * 10 + (c - '0');
    }
    if (digits && k < limit)
      keys.push_back(static_cast<int>(k));
  }
  std::sort(keys.begin(), keys.end());
  keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
  return keys;
}

void TbsSkinIni::WriteString(std::string_view section, std::string_view key,
                             std::string_view value) {
  const IndexEntry* found = FindLast(sectionIndex_, section);
  if (found == nullptr) {
    sections_.emplace_back().name = Keep(section);
    RebuildSectionIndex();
    found = FindLast(sectionIndex_, section);
  }
  Section& s = sections_[found->position];
  if (const IndexEntry* k = FindLast(s.keys, key)) {
    s.lines[k->position].value = Keep(value);
    return;
  }
  Line line{.key = Keep(key), .value = Keep(value), .isKey = true};
  IndexEntry entry{HashName(line.key), line.key, static_cast<uint32_t>(s.lines.size())};
  s.lines.push_back(line);
  // The new line is the last of its name, so it goes after its equals.
  auto after =
      std::upper_bound(s.keys.begin(), s.keys.end(), entry,
                       [](const IndexEntry& a, const IndexEntry& b) { return a.hash < b.hash; });
  s.keys.insert(after, entry);
}

void TbsSkinIni::WriteInteger(std::string_view section, std::string_view key, int value) {
  WriteString(section, key, std::to_string(value));
}

void TbsSkinIni::EraseSection(std::string_view section) {
  std::erase_if(sections_, [&](const Section& s) { return SameName(s.name, section); });
  RebuildSectionIndex();
}
