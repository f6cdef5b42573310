#pragma once

// The text of a profile (ini) file: sections in square brackets and
// key=value lines. This is the pure part of the profile functions, working on
// bytes in memory, so that reading, editing and fuzzing need no files.
//
// The rules are the classic ones: names match without regard to letter case;
// names and values are trimmed of blanks; one outer pair of matching quotes is
// removed from a value; ";" starts a comment only at the start of a line;
// lines before the first section cannot be reached; with duplicates the first
// section and, inside it, the first key win; CR LF, LF and a lone CR all end
// lines. A UTF-8 byte-order mark at the start is skipped and kept.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace sys {

enum class ProfileLineKind { Other, Section, Key };

// One line of the file, as byte offsets into the text it was split from.
struct ProfileLine {
  ProfileLineKind kind = ProfileLineKind::Other;
  std::size_t begin = 0;      // first byte of the line
  std::size_t end = 0;        // end of the line's content, before its line break
  std::size_t next = 0;       // first byte of the following line
  std::size_t nameBegin = 0;  // section or key name, trimmed
  std::size_t nameEnd = 0;
  std::size_t valueStart = 0;  // first byte after "=" and the blanks that follow it
  std::size_t valueBegin = 0;  // key value, trimmed, quotes still on
  std::size_t valueEnd = 0;
};

std::vector<ProfileLine> SplitProfileLines(std::string_view text);

// A parsed, read-only view of a profile file, decoded to UTF-8. Parsing once
// and looking keys up in the index keeps reading a whole definition cheap.
class ProfileDocument {
 public:
  ProfileDocument() = default;
  // The file's bytes, as UTF-8 when valid and as Windows-1252 otherwise.
  static ProfileDocument FromBytes(std::string_view bytes);

  // The key's value, trimmed and with one outer pair of quotes removed, or
  // nothing when the section or the key is missing. Not length-limited. The
  // value points into the document, so a temporary document cannot be asked.
  std::optional<std::string_view> Find(std::string_view section, std::string_view key) const&;
  std::optional<std::string_view> Find(std::string_view section,
                                       std::string_view key) const&& = delete;

 private:
  struct Span {
    std::size_t begin = 0;
    std::size_t end = 0;
  };
  struct Section {
    Span name;
    // Folded key name to the value of its first line: a definition with
    // thousands of puzzles is read in time proportional to its size.
    std::unordered_map<std::string, Span> values;
  };

  std::string_view View(Span span) const;

  std::string text_;
  std::vector<Section> sections_;
  // Folded section name to its index in sections_.
  std::unordered_map<std::string, std::size_t> sectionIndex_;
};

// Why a write was refused before touching any file.
bool IsSafeProfileSection(std::string_view section);
bool IsSafeProfileKey(std::string_view key);
bool IsSafeProfileValue(std::string_view value);

}  // namespace sys
