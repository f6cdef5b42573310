#pragma once

// Locale-aware, case-insensitive comparison of names, for sorting what the
// player sees (package names) the way the player's language orders them.

#include <memory>
#include <string>
#include <string_view>

namespace sys {

// Negative, zero or positive as a sorts before, equal to or after b in the
// user's locale, ignoring letter case (accents still count).
int CompareTextIgnoreCase(std::string_view a, std::string_view b);

// True when text begins with prefix, compared character by character in the
// same way: whole characters (a letter with its accents, however encoded),
// letter case ignored, accents counted. "Ä" begins "Äpfel" but not "Apfel".
bool StartsWithTextIgnoreCase(std::string_view text, std::string_view prefix);

// The same test for one prefix against many texts, such as every item of a
// list, without preparing the prefix again for each.
class TextPrefixMatcher {
 public:
  explicit TextPrefixMatcher(std::string_view prefix);
  ~TextPrefixMatcher();
  TextPrefixMatcher(const TextPrefixMatcher&) = delete;
  TextPrefixMatcher& operator=(const TextPrefixMatcher&) = delete;

  bool Matches(std::string_view text);

 private:
  class Steps;
  std::string prefix_;
  int characters_ = 0;  // in the prefix
  std::unique_ptr<Steps> steps_;
};

// The collation locale the environment asks for (LC_ALL, LC_COLLATE, LANG, the
// first set wins), without encoding and modifier; empty for the neutral root
// order, which also stands in for "C" and "POSIX".
std::string CollationLocaleFromEnvironment();

}  // namespace sys
