// Encodings and collation.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/sys/Collation.h"
#include "platform/sys/Encoding.h"

TEST(Encoding, MalformedUtf8IsDetected) {
  EXPECT_TRUE(sys::IsValidUtf8("plain ascii"));
  EXPECT_TRUE(
      sys::IsValidUtf8("Gr\xC3\xB6\xC3\x9F"
                       "e \xF0\x9F\xA7\xA9"));
  for (const char* bad : {"\xC3", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\x80", "a\xFF"})
    EXPECT_FALSE(sys::IsValidUtf8(bad)) << bad;
}

TEST(Encoding, Windows1252MapsEveryByteAndBack) {
  std::string all;
  for (int b = 1; b < 256; ++b)
    all += static_cast<char>(b);
  std::string utf8 = sys::Windows1252ToUtf8(all);
  EXPECT_TRUE(sys::IsValidUtf8(utf8));
  EXPECT_EQ(sys::Utf8ToWindows1252(utf8), all);
  EXPECT_EQ(sys::Windows1252ToUtf8("\x80\x9F\xE4"), "€Ÿä");
  EXPECT_EQ(sys::Utf8ToWindows1252("\xE2\x88\x9E"), std::nullopt);
}

TEST(Encoding, CaseFoldingCoversMoreThanAscii) {
  EXPECT_TRUE(sys::EqualsIgnoreCase("Package", "pACKAGE"));
  EXPECT_TRUE(sys::EqualsIgnoreCase("ÄRGER", "ärger"));
  EXPECT_FALSE(sys::EqualsIgnoreCase("Package", "Packages"));
  EXPECT_FALSE(sys::EqualsIgnoreCase("a", "ä"));
  EXPECT_EQ(sys::FoldCase("ÄbC"), sys::FoldCase("äBc"));
}

TEST(Collation, PackageNamesSortByLanguageIgnoringCase) {
  std::vector<std::string> names = {"beta", "Gamma", "Alpha", "Épée", "epee", "Zebra", "apple"};
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    return sys::CompareTextIgnoreCase(a, b) < 0;
  });
  EXPECT_EQ(names,
            (std::vector<std::string>{"Alpha", "apple", "beta", "epee", "Épée", "Gamma", "Zebra"}));
  EXPECT_EQ(sys::CompareTextIgnoreCase("BROOK", "brook"), 0);
  EXPECT_LT(sys::CompareTextIgnoreCase("brook", "brooks"), 0);
  EXPECT_GT(sys::CompareTextIgnoreCase("b", "A"), 0);
}

TEST(Collation, PrefixesAreWholeCharactersIgnoringCase) {
  EXPECT_TRUE(sys::StartsWithTextIgnoreCase("eclair", "E"));
  EXPECT_TRUE(sys::StartsWithTextIgnoreCase("Brook", ""));
  EXPECT_FALSE(sys::StartsWithTextIgnoreCase("Br", "bro"));
  // A letter followed by a combining accent is one character, not the
  // letter alone; written either way it is the same character.
  EXPECT_FALSE(sys::StartsWithTextIgnoreCase("e\u0301clair", "e"));
  EXPECT_TRUE(sys::StartsWithTextIgnoreCase("e\u0301clair", "\u00C9"));
  EXPECT_TRUE(sys::StartsWithTextIgnoreCase("\u00E9clair", "E\u0301C"));
  EXPECT_TRUE(sys::StartsWithTextIgnoreCase("\u0141\u00F3d\u017A", "\u0142\u00D3"));
  // Damaged text is compared, never read past.
  EXPECT_FALSE(sys::StartsWithTextIgnoreCase("\xC3", "a"));
  sys::TextPrefixMatcher matcher("\u00E4");
  EXPECT_TRUE(matcher.Matches("\u00C4pfel"));
  EXPECT_FALSE(matcher.Matches("Apfel"));
  EXPECT_TRUE(matcher.Matches("a\u0308rger"));
}

TEST(Collation, LocaleComesFromTheEnvironmentWithCAsRoot) {
  const char* saved[3] = {std::getenv("LC_ALL"), std::getenv("LC_COLLATE"), std::getenv("LANG")};
  std::string keep[3];
  for (int i = 0; i < 3; ++i)
    keep[i] = saved[i] ? saved[i] : "";
  auto set = [](const char* all, const char* collate, const char* lang) {
    ::setenv("LC_ALL", all, 1);
    ::setenv("LC_COLLATE", collate, 1);
    ::setenv("LANG", lang, 1);
  };
  set("", "", "de_DE.UTF-8");
  EXPECT_EQ(sys::CollationLocaleFromEnvironment(), "de_DE");
  set("", "sv_SE.ISO-8859-1@euro", "de_DE.UTF-8");
  EXPECT_EQ(sys::CollationLocaleFromEnvironment(), "sv_SE");
  set("C", "sv_SE", "de_DE");
  EXPECT_EQ(sys::CollationLocaleFromEnvironment(), "");
  set("", "", "POSIX");
  EXPECT_EQ(sys::CollationLocaleFromEnvironment(), "");
  const char* names[3] = {"LC_ALL", "LC_COLLATE", "LANG"};
  for (int i = 0; i < 3; ++i) {
    if (saved[i])
      ::setenv(names[i], keep[i].c_str(), 1);
    else
      ::unsetenv(names[i]);
  }
}
