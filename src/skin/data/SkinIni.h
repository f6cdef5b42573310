#pragma once

// The skin text in ini form, held in memory. Skins are read by section and
// key; records write themselves back by erasing their section and writing
// every key again, so the same object serves the loader and the skin tool.
//
// Reading rules: every line is trimmed; empty lines and lines beginning with
// ";" are ignored; "[name]" opens a section (name trimmed); lines before the
// first section are ignored; in a section "key=value" splits at the first
// "=" and both sides are trimmed; a line without "=" is kept but never found.
// Names match without regard to ASCII case. When a name occurs more than once
// the last section and, inside it, the last key are the ones found.

#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class TbsSkinIni {
 public:
  TbsSkinIni() = default;
  explicit TbsSkinIni(std::string_view text) { SetText(text); }
  TbsSkinIni(const TbsSkinIni&) = delete;
  TbsSkinIni& operator=(const TbsSkinIni&) = delete;

  // Replaces the whole content. CR LF, LF and a lone CR all end a line.
  void SetText(std::string_view text);
  void SetStrings(const std::vector<std::string>& lines);

  // The content as lines, one section after the other with an empty line
  // between sections; reading the result again gives the same look-ups.
  std::vector<std::string> GetStrings() const;
  // The lines joined by CR LF, each line followed by one.
  std::string GetText() const;

  bool SectionExists(std::string_view section) const;
  bool ValueExists(std::string_view section, std::string_view key) const;
  // The names of the sections in text order, hidden ones included.
  std::vector<std::string> SectionNames() const;

  // The value of a key as it stands in the text, or nothing when the key is
  // missing. The view stays valid until the content changes; readers parse
  // it in place instead of copying every value into a string first.
  std::optional<std::string_view> FindValue(std::string_view section, std::string_view key) const;
  // A missing key yields the default; a present key with an empty value
  // yields the empty text.
  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view def) const;
  // Decimal, or hexadecimal after "$", "0x" or "0X", with an optional sign;
  // anything else yields the default.
  int ReadInteger(std::string_view section, std::string_view key, int def) const;
  // The numbers k below limit for which the found section holds a key
  // spelled as the decimal number k, ascending and each once. List readers
  // walk these instead of every number up to a count, which a skin text may
  // set to billions.
  std::vector<int> IndexKeys(std::string_view section, int limit) const;

  // Writes into the last section of that name (appended when missing),
  // replacing the value of the last key of that name or appending the key.
  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  void WriteInteger(std::string_view section, std::string_view key, int value);
  // Removes every section of that name, hidden ones included.
  void EraseSection(std::string_view section);

 private:
  struct Line {
    std::string_view key;    // empty for a line without "="
    std::string_view value;  // the whole trimmed line when it is not a key
    bool isKey = false;
  };
  // Sorted by a hash of the name taken without regard to case, then by
  // position, so that the last of equal names is found by one binary search
  // over integers and a short scan among equal hashes.
  struct IndexEntry {
    uint64_t hash;
    std::string_view name;
    uint32_t position;
  };
  struct Section {
    std::string_view name;
    std::vector<Line> lines;
    std::vector<IndexEntry> keys;  // position = line number
  };

  static const IndexEntry* FindLast(const std::vector<IndexEntry>& index, std::string_view name);
  // Orders by hash and, among equal hashes, by position.
  static void SortIndex(std::vector<IndexEntry>& index);
  static uint64_t HashName(std::string_view name);
  const Section* FindSection(std::string_view section) const;
  const Line* FindKey(std::string_view section, std::string_view key) const;
  // A copy of text that lives as long as this object.
  std::string_view Keep(std::string_view text);
  void RebuildSectionIndex();

  // Names and values are views into text_ (the lines as read, trimmed, back
  // to back) or into kept_ (what was written since); neither moves while
  // this object lives. The object is neither copied nor moved, so the views
  // and the cached section cannot outlive what they point into.
  std::unique_ptr<char[]> text_;
  std::deque<std::string> kept_;
  std::vector<Section> sections_;
  std::vector<IndexEntry> sectionIndex_;  // position = section number
  // The section FindSection found last; cleared whenever sections change.
  mutable const Section* lastSection_ = nullptr;
};

// Splits a text into lines at CR LF, LF or a lone CR. A last line without a
// line break counts; nothing after the last break is no line.
std::vector<std::string> SplitSkinLines(std::string_view text);

// Converts a whole text to an integer by the rules of ReadInteger; false
// when it does not convert.
bool TryParseSkinInteger(std::string_view text, int& value);
