#include "platform/sys/ProfileFile.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/sys/ProfileText.h"
#include "platform/sys/TestFiles.h"

using sys::ProfileDocument;

namespace {

std::string Find(const std::string& text, std::string_view section, std::string_view key) {
  ProfileDocument doc = ProfileDocument::FromBytes(text);
  auto value = doc.Find(section, key);
  return value ? std::string(*value) : std::string("<missing>");
}

}  // namespace

TEST(ProfileRead, NamesMatchWithoutCaseAndAreTrimmed) {
  std::string text = "  [ Package ]  trailing words\n  NaMe   =   Brook Pack  \t\n";
  EXPECT_EQ(Find(text, "package", "name"), "Brook Pack");
  EXPECT_EQ(Find(text, "PACKAGE", "NAME"), "Brook Pack");
  EXPECT_EQ(Find(text, "Package", "nam"), "<missing>");
  EXPECT_EQ(Find(text, "Packages", "name"), "<missing>");
}

TEST(ProfileRead, NonAsciiNamesMatchWithoutCase) {
  EXPECT_EQ(Find("[Größe]\nÄrger=1\n", "GRÖSSE", "ärger"), "<missing>");
  EXPECT_EQ(Find("[Größe]\nÄrger=1\n", "GRÖßE", "ärger"), "1");
}

TEST(ProfileRead, OneOuterPairOfMatchingQuotesIsRemoved) {
  std::string text =
      "[s]\na=\"quoted\"\nb='single'\nc=\"mixed'\nd=\"\"twice\"\"\ne=\"\n f = ' padded ' \n";
  EXPECT_EQ(Find(text, "s", "a"), "quoted");
  EXPECT_EQ(Find(text, "s", "b"), "single");
  EXPECT_EQ(Find(text, "s", "c"), "\"mixed'");
  EXPECT_EQ(Find(text, "s", "d"), "\"twice\"");
  EXPECT_EQ(Find(text, "s", "e"), "\"");
  EXPECT_EQ(Find(text, "s", "f"), " padded ");
}

TEST(ProfileRead, CommentsOnlyAtLineStartAndLinesWithoutEqualsAreNotKeys) {
  std::string text = "[s]\n  ; x=1\n#y=2\nz=a;b # c\nplain line\nw==v\n";
  EXPECT_EQ(Find(text, "s", "; x"), "<missing>");
  EXPECT_EQ(Find(text, "s", "x"), "<missing>");
  EXPECT_EQ(Find(text, "s", "#y"), "2");
  EXPECT_EQ(Find(text, "s", "z"), "a;b # c");
  EXPECT_EQ(Find(text, "s", "plain line"), "<missing>");
  EXPECT_EQ(Find(text, "s", "w"), "=v");
}

TEST(ProfileRead, FirstDuplicateWinsAndLinesBeforeTheFirstSectionAreUnreachable) {
  std::string text = "lost=1\n[a]\nk=first\nk=second\n[b]\nk=b\n[A]\nk=third\nonly=here\n";
  EXPECT_EQ(Find(text, "", "lost"), "<missing>");
  EXPECT_EQ(Find(text, "a", "k"), "first");
  EXPECT_EQ(Find(text, "a", "only"), "<missing>");
  EXPECT_EQ(Find(text, "b", "k"), "b");
}

TEST(ProfileRead, EveryKeyOfALargeSectionIsFoundByItsFirstLine) {
  // Keys differing only in case, in folding beyond ASCII (the Kelvin sign
  // folds to "k") and in blanks around the name are the same key.
  std::string text = "[Severity]\n";
  for (int n = 1; n <= 5000; ++n)
    text += "Puzzle_" + std::to_string(n) + " = " + std::to_string(n % 5 + 1) + "\n";
  text += "puzzle_7=9\n\u212Aey=kelvin\nkey=plain\n";
  ProfileDocument doc = ProfileDocument::FromBytes(text);
  int wrong = 0;
  for (int n = 1; n <= 5000; ++n) {
    auto value = doc.Find("severity", "PUZZLE_" + std::to_string(n));
    wrong += !value || *value != std::to_string(n % 5 + 1);
  }
  EXPECT_EQ(wrong, 0);
  EXPECT_FALSE(doc.Find("severity", "puzzle_5001"));
  EXPECT_FALSE(doc.Find("severity", "puzzle_"));
  EXPECT_EQ(doc.Find("severity", "KEY").value_or("<missing>"), "kelvin");
}

TEST(ProfileRead, EveryLineBreakStyleEndsALine) {
  std::string text = "[s]\r\na=1\rb=2\nc=3\r\n\r[t]\rd=4";
  EXPECT_EQ(Find(text, "s", "a"), "1");
  EXPECT_EQ(Find(text, "s", "b"), "2");
  EXPECT_EQ(Find(text, "s", "c"), "3");
  EXPECT_EQ(Find(text, "t", "d"), "4");
}

TEST(ProfileRead, FilesAreUtf8WhenValidAndWindows1252Otherwise) {
  EXPECT_EQ(Find("[s]\nname=Gr\xC3\xB6\xC3\x9F"
                 "e\n",
                 "s", "name"),
            "Größe");
  EXPECT_EQ(Find("[s]\nname=Gr\xF6\xDF"
                 "e \x80 \x81\n",
                 "s", "name"),
            "Größe € \xC2\x81");
  EXPECT_EQ(Find("\xEF\xBB\xBF[s]\nname=bom\n", "s", "name"), "bom");
}

TEST(ProfileFile, MissingFileSectionOrKeyGivesTheDefaultAndStringsAreCut) {
  TempDirectory dir;
  std::string path = dir / "a.ini";
  EXPECT_EQ(sys::GetPrivateProfileString("s", "k", "def", path), "def");
  WriteTextFile(
      path, "[s]\nlong=" + std::string(3000, 'x') + "\nwide=" + std::string(2046, 'x') + "äöü\n");
  EXPECT_EQ(sys::GetPrivateProfileString("t", "k", "def", path), "def");
  EXPECT_EQ(sys::GetPrivateProfileString("s", "k", "def", path), "def");
  EXPECT_EQ(sys::GetPrivateProfileString("s", "long", "", path), std::string(2047, 'x'));
  // The limit counts characters, and never splits one.
  EXPECT_EQ(sys::GetPrivateProfileString("s", "wide", "", path), std::string(2046, 'x') + "ä");
  EXPECT_EQ(sys::GetPrivateProfileString("s", "wide", "", path, 3), "xxx");
}

TEST(ProfileFile, IntegersAreWholeDecimalOrHexadecimal) {
  EXPECT_EQ(sys::ParseProfileInteger("42"), 42);
  EXPECT_EQ(sys::ParseProfileInteger("-7"), -7);
  EXPECT_EQ(sys::ParseProfileInteger("+7"), 7);
  EXPECT_EQ(sys::ParseProfileInteger("0x0A"), 10);
  EXPECT_EQ(sys::ParseProfileInteger("0XfF"), 255);
  EXPECT_EQ(sys::ParseProfileInteger("2147483647"), 2147483647);
  EXPECT_EQ(sys::ParseProfileInteger("-2147483648"), -2147483647 - 1);
  for (const char* bad : {"", "ten", "42A", "4 2", "0x", "0xG", "--1", "+-1", "0x-1", "2147483648",
                          "99999999999999999999", "1.5"})
    EXPECT_EQ(sys::ParseProfileInteger(bad), std::nullopt) << bad;

  TempDirectory dir;
  WriteTextFile(dir / "a.ini", "[Package]\npuzzles = 0x10 \nbad=12abc\n");
  EXPECT_EQ(sys::GetPrivateProfileInteger("package", "PUZZLES", -1, dir / "a.ini"), 16);
  EXPECT_EQ(sys::GetPrivateProfileInteger("package", "bad", -1, dir / "a.ini"), -1);
  EXPECT_EQ(sys::GetPrivateProfileInteger("package", "none", 5, dir / "a.ini"), 5);
}
