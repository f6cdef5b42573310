#include "platform/sys/ProfileEdit.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using sys::ProfileEntry;

namespace {

// Setting entries one at a time, the way every edit is defined.
std::optional<std::string> OneByOne(std::string text, const std::vector<ProfileEntry>& entries) {
  for (const ProfileEntry& entry : entries) {
    std::optional<std::string> edited =
        sys::EditProfile(text, entry.section, entry.key, entry.value);
    if (!edited)
      return std::nullopt;
    text = std::move(*edited);
  }
  return text;
}

template <std::size_t N>
std::string Pick(std::mt19937& random, const char* const (&choices)[N]) {
  return choices[std::uniform_int_distribution<std::size_t>(0, N - 1)(random)];
}

// Files made of the pieces that decide a profile's structure: brackets,
// equals signs, comments, blanks, every line break, names that match only
// without case or only after folding, bytes of Windows-1252 and a
// byte-order mark, and Windows-1252 files that read as UTF-8 once a value
// is replaced.
std::string RandomFile(std::mt19937& random) {
  static const char* const kPieces[] = {"[",        "]",
                                        "=",        ";",
                                        " ",        "\t",
                                        "\r",       "\n",
                                        "\r\n",     "a",
                                        "A",        "b",
                                        "k",        "K",
                                        "\u212A",   "1",
                                        "[a]\n",    "[A]\r\n",
                                        "[b]",      "k=1\n",
                                        "K = 2\r",  "a=",
                                        "\xc3\xa9", "\xe9",
                                        "\"",       "[a]\nk=\xe9\n\xc3\xa9=1\n"};
  std::string text = random() % 8 == 0 ? "\xEF\xBB\xBF" : "";
  const int pieces = static_cast<int>(random() % 24);
  for (int i = 0; i < pieces; ++i)
    text += Pick(random, kPieces);
  return text;
}

std::vector<ProfileEntry> RandomEntries(std::mt19937& random) {
  static const char* const kSections[] = {"a",        "A",        "b",  " a ", "",
                                          "\xc3\xa9", "\xc3\x89", "[x", "c"};
  static const char* const kKeys[] = {"k", "K", "a", "\xc3\xa9", "a b", "=", "n"};
  static const char* const kValues[] = {"", "1", " x", "\t\xc3\xa9", "v=w", "\"q\"", "2", "3"};
  std::vector<ProfileEntry> entries(random() % 7);
  for (ProfileEntry& entry : entries)
    entry = {Pick(random, kSections), Pick(random, kKeys), Pick(random, kValues)};
  return entries;
}

}  // namespace

TEST(ProfileEdit, ManyEntriesAtOnceLeaveTheBytesOfOneEditAfterTheOther) {
  std::mt19937 random(20261207);
  int differences = 0;
  for (int round = 0; round < 30000; ++round) {
    const std::string file = RandomFile(random);
    const std::vector<ProfileEntry> entries = RandomEntries(random);
    const std::optional<std::string> expected = OneByOne(file, entries);
    const std::optional<std::string> batch = sys::EditProfile(file, entries);
    if (batch != expected && ++differences <= 5) {
      std::string names;
      for (const ProfileEntry& entry : entries)
        names += "[" + entry.section + "]" + entry.key + "=" + entry.value + " | ";
      ADD_FAILURE() << "file: " << testing::PrintToString(file) << "\nentries: " << names
                    << "\nexpected: " << testing::PrintToString(expected)
                    << "\nbatch:    " << testing::PrintToString(batch);
    }
  }
  EXPECT_EQ(differences, 0);
}

TEST(ProfileEdit, ThousandsOfNewAndChangedKeysKeepTheirOrder) {
  std::string file = "; severities\r\n[Severity]\r\npuzzle_2=1\r\n\r\n[User]\r\nlast=1";
  std::vector<ProfileEntry> entries;
  for (int n = 1; n <= 3000; ++n)
    entries.push_back({"severity", "puzzle_" + std::to_string(n), std::to_string(n % 5 + 1)});
  entries.push_back({"user", "LAST", "7"});
  entries.push_back({"New", "x", "y"});
  const std::optional<std::string> edited = sys::EditProfile(file, entries);
  ASSERT_TRUE(edited);
  std::string expected = "; severities\r\n[Severity]\r\npuzzle_2=3\r\npuzzle_1=2\r\n";
  for (int n = 3; n <= 3000; ++n)
    expected += "puzzle_" + std::to_string(n) + "=" + std::to_string(n % 5 + 1) + "\r\n";
  expected += "\r\n[User]\r\nlast=7\r\n[New]\r\nx=y\r\n";
  EXPECT_EQ(*edited, expected);
}
