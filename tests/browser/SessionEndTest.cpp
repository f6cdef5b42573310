// The session ending under the program (a termination signal, the display
// gone): the window closes as the player would close it and saves the same
// data, also from inside a notice, and nothing is written when the end comes
// before anything was read. A failure nothing else handles ends it the same
// way.

#include <signal.h>

#include <filesystem>
#include <new>

#include "browser/BrowserTest.h"
#include "platform/sys/SessionEnd.h"
#include "ui/ExtCtrls.h"

namespace browsertest {
namespace {

class SessionEndTest : public BrowserTest {
 protected:
  SessionEndTest() {
    sys::CatchSessionEndSignals();
    AddPackage({.Directory = "a", .Name = "A", .Puzzles = 8});
    AddPackage({.Directory = "b", .Name = "B", .Puzzles = 2});
    WriteSettings("[Browser]\nPackage=1\n");
  }
  ~SessionEndTest() override { sys::ResetSessionEnd(); }
};

class SessionEndBySignal : public SessionEndTest, public ::testing::WithParamInterface<int> {};

TEST_P(SessionEndBySignal, SavesWhatAClosingWouldSave) {
  WriteSettings("[Browser]\nFirstTime=0\n");
  ClickOn([this] { return browser->Images[2]; });
  Then([] { ::raise(GetParam()); });
  Run();
  EXPECT_EQ(SettingsText(), "[Browser]\nFirstTime=0\nPackage=0\n");
  EXPECT_EQ(DefinitionText("a"),
            "[Package]\nname=A\nfile=puzzle\npreview=puzzle\npuzzles=8\n[User]\nlast_puzzle=3\n");
}

INSTANTIATE_TEST_SUITE_P(Signals, SessionEndBySignal, ::testing::Values(SIGTERM, SIGINT, SIGHUP));

TEST_F(SessionEndTest, AnOpenNoticeEndsAndLaterNoticesAreNotShown) {
  // The first run's introduction is open when the end comes; the package
  // that has gone cannot be saved, which nobody can be asked about now.
  Then([this] {
    EXPECT_NE(OpenNoticeText(), "(no notice)");
    std::filesystem::remove_all(dir / "b");
    sys::RequestSessionEnd();
  });
  Run();
  EXPECT_EQ(SettingsText(), "[Browser]\nPackage=1\nFirstTime=0\n");
  EXPECT_TRUE(notices.empty());
}

// Memory running out in the middle of play (or any other failure nothing
// handles) ends the program the same orderly way, with status 1.
TEST_F(SessionEndTest, AFailureNothingHandlesEndsTheProgramAndSaves) {
  WriteSettings("[Browser]\nFirstTime=0\n");
  ClickOn([this] { return browser->Images[2]; });
  Then([] { throw std::bad_alloc(); });
  expectedStatus = 1;
  Run();
  EXPECT_EQ(SettingsText(), "[Browser]\nFirstTime=0\nPackage=0\n");
  EXPECT_EQ(DefinitionText("a"),
            "[Package]\nname=A\nfile=puzzle\npreview=puzzle\npuzzles=8\n[User]\nlast_puzzle=3\n");
}

TEST_F(SessionEndTest, AnEndBeforeTheSettingsAreReadWritesNothing) {
  const int status = RunTilebrook({}, [](TBrowser&) { sys::RequestSessionEnd(); });
  EXPECT_EQ(status, 0);
  EXPECT_EQ(SettingsText(), "[Browser]\nPackage=1\n");
  EXPECT_EQ(DefinitionText("a"), "[Package]\nname=A\nfile=puzzle\npreview=puzzle\npuzzles=8\n");
}

}  // namespace
}  // namespace browsertest
