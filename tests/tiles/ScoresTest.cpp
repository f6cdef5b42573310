#include "tiles/Scores.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/sys/TestFiles.h"

namespace {

TEST(ScoresFile, LivesUnderTheStateDirectory) {
  EXPECT_EQ(ScoresFilePath("/var/st", "/home/ann"), "/var/st/tilebrook/scores.ini");
  EXPECT_EQ(ScoresFilePath("/var/st/", "/home/ann"), "/var/st/tilebrook/scores.ini");
  EXPECT_EQ(ScoresFilePath(nullptr, "/home/ann"), "/home/ann/.local/state/tilebrook/scores.ini");
  EXPECT_EQ(ScoresFilePath("", "/home/ann"), "/home/ann/.local/state/tilebrook/scores.ini");
  // A relative state directory would depend on where the browser runs.
  EXPECT_EQ(ScoresFilePath("state", "/home/ann"), "/home/ann/.local/state/tilebrook/scores.ini");
  EXPECT_EQ(ScoresFilePath(nullptr, nullptr), "");
}

TEST(ScoresFile, SectionNamesThePackageAndPuzzleSafely) {
  TempDirectory dir;
  WriteTextFile(dir / "brookside/x", "");
  EXPECT_EQ(ScoreSection(dir / "brookside", "landscape", 3), "brookside/landscape-3");
  EXPECT_EQ(ScoreSection(dir / "brookside/.", "a-b", 12), "brookside/a-b-12");
  EXPECT_EQ(ScoreSection(dir / "odd]pack", "x=y", 1), "odd_pack/x_y-1");
  EXPECT_EQ(ScoreSection(dir / " pack ", "p", 1), "_pack /p-1");
}

class ScoreBookTest : public ::testing::Test {
 protected:
  std::string Path() const { return dir / "state/tilebrook/scores.ini"; }
  TempDirectory dir;
};

TEST_F(ScoreBookTest, FirstBetterAndWorseResults) {
  TScoreBook book(Path());
  EXPECT_FALSE(book.Best("pack/p-1", "Guru").has_value());

  // The first result creates the directories and the file.
  TRecordOutcome first = book.Record("pack/p-1", "Guru", {90, 40});
  EXPECT_FALSE(first.Previous.has_value());
  EXPECT_TRUE(first.NewBest);
  EXPECT_TRUE(first.Saved);
  EXPECT_EQ(ReadTextFile(Path()), "[pack/p-1]\nGuru=90,40\n");

  // Faster wins; at the same time, fewer moves.
  TRecordOutcome better = book.Record("pack/p-1", "Guru", {90, 35});
  EXPECT_EQ(better.Previous->Moves, 40);
  EXPECT_TRUE(better.NewBest);
  TRecordOutcome worse = book.Record("pack/p-1", "Guru", {91, 10});
  EXPECT_FALSE(worse.NewBest);
  EXPECT_EQ(worse.Previous->Seconds, 90);
  EXPECT_EQ(worse.Previous->Moves, 35);

  // Other severities and puzzles keep their own records.
  EXPECT_TRUE(book.Record("pack/p-1", "Maniac", {300, 120}).NewBest);
  EXPECT_TRUE(book.Record("pack/p-2", "Guru", {200, 50}).NewBest);
  EXPECT_EQ(ReadTextFile(Path()),
            "[pack/p-1]\nGuru=90,35\nManiac=300,120\n[pack/p-2]\nGuru=200,50\n");
}

TEST_F(ScoreBookTest, DamagedRecordsAreReplacedAndOtherLinesKept) {
  WriteTextFile(Path(),
                "; my notes\n[pack/p-1]\nGuru=fast\nExpert=-3,4\nBeginner=5,0\nIntermediate=7,8\n");
  TScoreBook book(Path());
  for (const char* level : {"Guru", "Expert", "Beginner"})
    EXPECT_FALSE(book.Best("pack/p-1", level).has_value()) << level;
  EXPECT_EQ(book.Best("PACK/P-1", "intermediate")->Moves, 8);
  EXPECT_TRUE(book.Record("pack/p-1", "Guru", {60, 30}).NewBest);
  EXPECT_EQ(ReadTextFile(Path()),
            "; my notes\n[pack/p-1]\nGuru=60,30\nExpert=-3,4\nBeginner=5,0\nIntermediate=7,8\n");
}

TEST_F(ScoreBookTest, UnwritableStateDirectoryCostsOnlyTheRecord) {
  // A file where the state directory should be: nothing can be created
  // below it, whoever runs the test.
  WriteTextFile(dir / "state", "not a directory");
  TScoreBook book(Path());
  TRecordOutcome outcome = book.Record("pack/p-1", "Guru", {90, 40});
  EXPECT_TRUE(outcome.NewBest);
  EXPECT_FALSE(outcome.Saved);
  EXPECT_EQ(ReadTextFile(dir / "state"), "not a directory");

  TScoreBook nowhere("");
  TRecordOutcome lost = nowhere.Record("pack/p-1", "Guru", {90, 40});
  EXPECT_TRUE(lost.NewBest);
  EXPECT_FALSE(lost.Saved);
}

TEST_F(ScoreBookTest, GamesFinishingTogetherKeepEveryRecord) {
  // Two games write their results into the same file at the same time:
  // each one's records survive the other's writes.
  constexpr int kRecords = 40;
  pid_t games[2];
  for (int game = 0; game < 2; ++game) {
    games[game] = fork();
    ASSERT_GE(games[game], 0);
    if (games[game] == 0) {
      TScoreBook book(Path());
      bool saved = true;
      for (int i = 0; i < kRecords; ++i)
        saved &= book.Record("pack" + std::to_string(game) + "/p-" + std::to_string(i), "Guru",
                             {60 + i, 30})
                     .Saved;
      _exit(saved ? 0 : 1);
    }
  }
  for (pid_t game : games) {
    int status = 0;
    ASSERT_EQ(waitpid(game, &status, 0), game);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  TScoreBook book(Path());
  for (int game = 0; game < 2; ++game)
    for (int i = 0; i < kRecords; ++i) {
      const auto best =
          book.Best("pack" + std::to_string(game) + "/p-" + std::to_string(i), "Guru");
      ASSERT_TRUE(best.has_value()) << game << " " << i;
      EXPECT_EQ(best->Seconds, 60 + i);
    }
}

}  // namespace
