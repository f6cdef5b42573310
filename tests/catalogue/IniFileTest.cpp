#include "catalogue/IniFile.h"

#include <gtest/gtest.h>

#include "platform/sys/TestFiles.h"

TEST(IniFile, ReadsSeeTheAccessorsOwnWrites) {
  TempDirectory dir;
  TIniFile ini(dir / "settings.ini");
  EXPECT_EQ(ini.ReadInteger("Browser", "package", 7), 7);
  ini.WriteInteger("Browser", "package", 3);
  EXPECT_EQ(ini.ReadInteger("browser", "PACKAGE", 7), 3);
  ini.WriteBool("Browser", "firstrun", false);
  EXPECT_FALSE(ini.ReadBool("Browser", "firstrun", true));
  ini.WriteString("Browser", "name", "Brook & Stone");
  EXPECT_EQ(ini.ReadString("Browser", "name", ""), "Brook & Stone");
  EXPECT_EQ(ReadTextFile(dir / "settings.ini"),
            "[Browser]\npackage=3\nfirstrun=0\nname=Brook & Stone\n");
}

TEST(IniFile, BooleansAreIntegersAndBadNumbersTakeTheDefault) {
  TempDirectory dir;
  WriteTextFile(dir / "a.ini", "[s]\nyes=2\nno=0\nhex=0x1\nword=true\n");
  TIniFile ini(dir / "a.ini");
  EXPECT_TRUE(ini.ReadBool("s", "yes", false));
  EXPECT_FALSE(ini.ReadBool("s", "no", true));
  EXPECT_TRUE(ini.ReadBool("s", "hex", false));
  EXPECT_FALSE(ini.ReadBool("s", "word", false));
  EXPECT_TRUE(ini.ReadBool("s", "word", true));
}

TEST(IniFile, ARefusedWriteRaisesUnableToWrite) {
  TempDirectory dir;
  TIniFile gone(dir / "missing/a.ini");
  try {
    gone.WriteString("s", "k", "v");
    FAIL() << "no exception";
  } catch (const EIniFileException& e) {
    EXPECT_EQ(std::string(e.what()), "Unable to write to " + dir / "missing/a.ini");
  }
  TIniFile ini(dir / "a.ini");
  EXPECT_THROW(ini.WriteString("s", "k", "two\nlines"), EIniFileException);
  EXPECT_FALSE(std::filesystem::exists(dir / "a.ini"));
}
