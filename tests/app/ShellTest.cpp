// The application shell units: command-line switches and the small global
// routines.

#include <gtest/gtest.h>

#include "app/CommandLine.h"
#include "app/Global.h"
#include "catalogue/NoticeRecorder.h"

namespace {

const char* const kHelp =
    "? | /? | -? | -help | /help | -h | /h\r    Show commandline help.\r"
    "    Kommandozeilenhilfe anzeigen.\r\r/ignore | -ignore | /i | -i\r"
    "    Ignore puzzle package directory errors.\r    Ignoriere Puzzle-Paket-Verzeichnis-Fehler.";

class CommandLineTest : public ::testing::Test {
 protected:
  ~CommandLineTest() override { IgnoreErrors = false; }
  NoticeRecorder recorder_;
};

}  // namespace

TEST_F(CommandLineTest, IgnoreSwitchesInAnyCaseSetTheFlag) {
  for (const char* param : {"/Ignore", "-I", "-ignore", "/i", "-IGNORE"}) {
    IgnoreErrors = false;
    EXPECT_FALSE(EvaluateCommandLine({param})) << param;
    EXPECT_TRUE(IgnoreErrors) << param;
  }
  EXPECT_TRUE(recorder_.notices.empty());
}

TEST_F(CommandLineTest, UnknownParametersAreIgnoredSilently) {
  EXPECT_FALSE(EvaluateCommandLine({}));
  EXPECT_FALSE(EvaluateCommandLine({"ignore", "/ignored", "i", "--ignore", "/", "help", "foo"}));
  EXPECT_FALSE(IgnoreErrors);
  EXPECT_TRUE(recorder_.notices.empty());
}

TEST_F(CommandLineTest, HelpSwitchesShowTheHelpOnce) {
  for (const char* param : {"?", "/?", "-?", "/HeLp", "-help", "/h", "-H"}) {
    recorder_.notices.clear();
    EXPECT_TRUE(EvaluateCommandLine({param})) << param;
    EXPECT_EQ(recorder_.notices, std::vector<std::string>{kHelp}) << param;
  }
}

TEST_F(CommandLineTest, EvaluationStopsAtTheHelpSwitch) {
  recorder_.notices.clear();
  EXPECT_TRUE(EvaluateCommandLine({"/i", "/h", "/?", "foo"}));
  EXPECT_TRUE(IgnoreErrors);
  EXPECT_EQ(recorder_.notices.size(), 1u);
  IgnoreErrors = false;
  EXPECT_TRUE(EvaluateCommandLine({"-h", "/i"}));
  EXPECT_FALSE(IgnoreErrors);
}

TEST_F(CommandLineTest, TheProgramsOwnParametersSkipItsName) {
  const char* argv[] = {"/usr/bin/tilebrook", "-i"};
  SetCommandLine(2, argv);
  EXPECT_FALSE(EvaluateCommandLine());
  EXPECT_TRUE(IgnoreErrors);
  const char* help[] = {"/?"};
  SetCommandLine(1, help);  // the program's name alone is no switch
  EXPECT_FALSE(EvaluateCommandLine());
}

TEST(ReplaceAll, InsertedTextIsNeverScannedAgain) {
  EXPECT_EQ(ReplaceAll("A&B&&C", "&", "&&"), "A&&B&&&&C");
  EXPECT_EQ(ReplaceAll("aaa", "aa", "a"), "aa");
  EXPECT_EQ(ReplaceAll("abcabc", "ABC", "x"), "abcabc");
  EXPECT_EQ(ReplaceAll("abcabc", "bc", ""), "aa");
  EXPECT_EQ(ReplaceAll("", "&", "&&"), "");
  EXPECT_EQ(ReplaceAll("no change", "", "x"), "no change");
}

TEST(FileVersionText, IsTheProjectVersionInFourParts) {
  EXPECT_EQ(FileVersionText(), "1.0.0.31");
}
