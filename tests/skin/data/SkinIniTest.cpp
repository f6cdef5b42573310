#include "skin/data/SkinIni.h"

#include <gtest/gtest.h>

namespace {

TEST(SkinIni, LinesAreTrimmedAndCommentsAndLeadingLinesIgnored) {
  TbsSkinIni ini(
      "orphan=1\r\n"
      "  [ Forminfo ]  \r\n"
      "; borderwidth=9\n"
      "   borderwidth =  4  \r"
      "no equals sign here\n"
      "\n"
      "empty=\n");
  EXPECT_FALSE(ini.ValueExists("forminfo", "orphan"));
  EXPECT_EQ(ini.ReadString("FORMINFO", "BorderWidth", "x"), "4");
  EXPECT_EQ(ini.ReadString("forminfo", "no equals sign here", "absent"), "absent");
  // Present but empty is not the same as absent.
  EXPECT_EQ(ini.ReadString("forminfo", "empty", "absent"), "");
  EXPECT_EQ(ini.ReadString("forminfo", ";borderwidth", "absent"), "absent");
}

TEST(SkinIni, LastSectionHidesEarlierAndLastKeyWins) {
  TbsSkinIni ini(
      "[a]\nx=1\ny=2\n"
      "[b]\nx=3\nx=4\n"
      "[A]\nx=5\n");
  EXPECT_EQ(ini.ReadInteger("a", "x", 0), 5);
  // The hidden section's other keys are not found either.
  EXPECT_EQ(ini.ReadInteger("a", "y", -1), -1);
  EXPECT_EQ(ini.ReadInteger("b", "x", 0), 4);
  EXPECT_EQ(ini.SectionNames(), (std::vector<std::string>{"a", "b", "A"}));
}

TEST(SkinIni, FindValueTellsAbsentFromEmpty) {
  TbsSkinIni ini("[s]\nEmpty=\nk=1\nK=2\n");
  EXPECT_EQ(ini.FindValue("S", "empty"), std::optional<std::string_view>(""));
  EXPECT_EQ(ini.FindValue("s", "k"), std::optional<std::string_view>("2"));
  EXPECT_EQ(ini.FindValue("s", "missing"), std::nullopt);
  EXPECT_EQ(ini.FindValue("t", "k"), std::nullopt);
}

TEST(SkinIni, CaseFoldingFindsLongNamesAndKeepsLookAlikesApart) {
  // "@" and "`", "[" and "{" differ only where case does for letters.
  TbsSkinIni ini(
      "[Section@Name]\nUnEnabledFontColor=1\nkey[1]=2\nkey{1}=3\n"
      "[section`name]\nunenabledfontcolor=4\n");
  EXPECT_EQ(ini.ReadInteger("SECTION@NAME", "unenabledFONTCOLOR", 0), 1);
  EXPECT_EQ(ini.ReadInteger("section@name", "KEY[1]", 0), 2);
  EXPECT_EQ(ini.ReadInteger("section@name", "key{1}", 0), 3);
  EXPECT_EQ(ini.ReadInteger("Section`Name", "UnEnabledFontColor", 0), 4);
  EXPECT_FALSE(ini.ValueExists("section@name", "key{1]"));
}

TEST(SkinIni, ValueSplitsAtFirstEqualsSign) {
  TbsSkinIni ini("[s]\nk = a=b \n");
  EXPECT_EQ(ini.ReadString("s", "k", ""), "a=b");
}

TEST(SkinIni, IntegersAcceptDecimalAndBothHexPrefixes) {
  TbsSkinIni ini(
      "[s]\ndec=-42\ndollar=$FF\nzx=0x10\nZX=0X1f\ncolour=$00FFFFFF\n"
      "word=12a\nempty=\nhuge=99999999999\nsign=-\nallbits=$FFFFFFFF\n");
  EXPECT_EQ(ini.ReadInteger("s", "dec", 0), -42);
  EXPECT_EQ(ini.ReadInteger("s", "dollar", 0), 255);
  EXPECT_EQ(ini.ReadInteger("s", "zx", 0), 31);  // the later key of the same name
  EXPECT_EQ(ini.ReadInteger("s", "colour", 0), 0xFFFFFF);
  EXPECT_EQ(ini.ReadInteger("s", "allbits", 0), -1);
  EXPECT_EQ(ini.ReadInteger("s", "word", 7), 7);
  EXPECT_EQ(ini.ReadInteger("s", "empty", 7), 7);
  EXPECT_EQ(ini.ReadInteger("s", "huge", 7), 7);
  EXPECT_EQ(ini.ReadInteger("s", "sign", 7), 7);
  EXPECT_EQ(ini.ReadInteger("s", "missing", 7), 7);
}

TEST(SkinIni, WritesReplaceInPlaceAndSurviveAReread) {
  TbsSkinIni ini("[s]\nKey=1\nother=2\n[s]\nkey=3\n");
  ini.WriteString("s", "KEY", "9");
  ini.WriteInteger("s", "added", -5);
  ini.WriteString("new", "k", "v");
  TbsSkinIni reread(ini.GetText());
  EXPECT_EQ(reread.ReadInteger("s", "key", 0), 9);
  EXPECT_EQ(reread.ReadInteger("s", "added", 0), -5);
  EXPECT_EQ(reread.ReadString("new", "k", ""), "v");
  // The spelling of an existing key's name is kept.
  EXPECT_NE(ini.GetText().find("key=9\r\n"), std::string::npos);
}

TEST(SkinIni, EraseSectionRemovesHiddenSectionsToo) {
  TbsSkinIni ini("[s]\na=1\n[t]\nb=2\n[S]\nc=3\n");
  EXPECT_EQ(ini.ReadInteger("s", "c", 0), 3);  // found before the erase
  ini.EraseSection("s");
  EXPECT_EQ(ini.ReadInteger("s", "c", 0), 0);
  EXPECT_FALSE(ini.SectionExists("s"));
  EXPECT_EQ(ini.ReadInteger("t", "b", 0), 2);
  ini.WriteString("s", "d", "4");
  EXPECT_EQ(ini.GetStrings(), (std::vector<std::string>{"[t]", "b=2", "", "[s]", "d=4"}));
}

TEST(SkinIni, IndexKeysAreThePlainNumbersBelowTheLimitInOrder) {
  TbsSkinIni ini(
      "[list]\ncount=99\n7=b\n0=a\n012=c\n8x=d\n7=again\n2147483646=far\n"
      "2147483647=last\n99999999999=beyond\n");
  EXPECT_EQ(ini.IndexKeys("list", 1000), (std::vector<int>{0, 7}));
  EXPECT_EQ(ini.IndexKeys("list", 2147483647), (std::vector<int>{0, 7, 2147483646}));
  EXPECT_EQ(ini.IndexKeys("list", 7), (std::vector<int>{0}));
  EXPECT_TRUE(ini.IndexKeys("none", 10).empty());
}

}  // namespace
