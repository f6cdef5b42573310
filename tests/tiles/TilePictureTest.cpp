#include "tiles/TilePicture.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <set>

#include "platform/gfx/ImageCodecs.h"
#include "platform/sys/TestFiles.h"
#include "tiles/SmoothScale.h"
#include "tiles/TileLooks.h"

namespace {

void WriteJpeg(const std::string& path, const gfx::Bitmap& picture) {
  const gfx::EncodedImage jpeg = gfx::EncodeJpeg(picture, 95);
  WriteTextFile(path, std::string(jpeg.bytes.begin(), jpeg.bytes.end()));
}

int Red(const gfx::Bitmap& b, int x, int y) {
  return gfx::GetRValue(b.GetPixel(x, y));
}

class TilePictureTest : public ::testing::Test {
 protected:
  TPuzzleName Name() const { return *ParsePuzzleName(dir / "pack/photo-2-Guru.exe"); }
  TempDirectory dir;
};

TEST_F(TilePictureTest, PrefersTheLargePictureOverThePreview) {
  WriteJpeg(dir / "pack/photo-2.jpg", gfx::Bitmap(150, 150, gfx::RGB(0, 0, 255)));
  TBoardPicture preview = LoadBoardPicture(Name(), 300);
  ASSERT_TRUE(preview.Ok()) << preview.Reason;
  EXPECT_EQ(preview.File, dir / "pack/photo-2.jpg");
  EXPECT_EQ(preview.Bitmap.GetSize(), (gfx::Size{300, 300}));
  EXPECT_GT(gfx::GetBValue(preview.Bitmap.GetPixel(150, 150)), 240);

  WriteJpeg(dir / "pack/photo-2-picture.jpg", gfx::Bitmap(700, 700, gfx::RGB(255, 0, 0)));
  TBoardPicture large = LoadBoardPicture(Name(), 300);
  ASSERT_TRUE(large.Ok());
  EXPECT_EQ(large.File, dir / "pack/photo-2-picture.jpg");
  EXPECT_GT(Red(large.Bitmap, 150, 150), 240);
}

TEST_F(TilePictureTest, ThePreviewIsTheOneTheBrowserShows) {
  // A package whose previews have a base name of their own.
  WriteJpeg(dir / "pack/photo-2.jpg", gfx::Bitmap(150, 150, gfx::RGB(0, 0, 255)));
  WriteJpeg(dir / "pack/shot-2.jpg", gfx::Bitmap(150, 150, gfx::RGB(255, 0, 0)));
  WriteTextFile(dir / "pack/PuzzlePackage.ini", "[package]\nFILE=photo\nPreview = shot\n");
  TBoardPicture picture = LoadBoardPicture(Name(), 100);
  ASSERT_TRUE(picture.Ok()) << picture.Reason;
  EXPECT_EQ(picture.File, dir / "pack/shot-2.jpg");
  EXPECT_GT(Red(picture.Bitmap, 50, 50), 240);
  // Without a preview key the browser looks for "nopreview", and so does
  // the puzzle.
  WriteTextFile(dir / "pack/PuzzlePackage.ini", "[Package]\nfile=photo\n");
  EXPECT_EQ(LoadBoardPicture(Name(), 100).File, dir / "pack/nopreview-2.jpg");
}

TEST_F(TilePictureTest, AWidePictureGivesItsMiddleSquare) {
  gfx::Bitmap wide(400, 200, gfx::RGB(0, 0, 0));
  for (int y = 0; y < 200; ++y)
    for (int x = 100; x < 300; ++x)
      wide.SetPixel(x, y, gfx::RGB(255, 255, 255));
  WriteJpeg(dir / "pack/photo-2-picture.jpg", wide);
  TBoardPicture picture = LoadBoardPicture(Name(), 100);
  ASSERT_TRUE(picture.Ok());
  EXPECT_GT(Red(picture.Bitmap, 2, 50), 220);
  EXPECT_GT(Red(picture.Bitmap, 97, 50), 220);
}

TEST_F(TilePictureTest, MissingAndDamagedPicturesAreNamedInTheNotice) {
  TBoardPicture missing = LoadBoardPicture(Name(), 100);
  EXPECT_EQ(missing.Failure, TPictureFailure::Missing);
  EXPECT_EQ(missing.File, dir / "pack/photo-2.jpg");
  EXPECT_NE(PictureNotice(missing).find("missing:\r\r" + dir / "pack/photo-2.jpg"),
            std::string::npos);

  WriteTextFile(dir / "pack/photo-2-picture.jpg", "\xFF\xD8\xFF\xE0 cut short");
  TBoardPicture damaged = LoadBoardPicture(Name(), 100);
  EXPECT_EQ(damaged.Failure, TPictureFailure::Unreadable);
  EXPECT_EQ(damaged.File, dir / "pack/photo-2-picture.jpg");
  const std::string notice = PictureNotice(damaged);
  EXPECT_NE(notice.find("cannot be read:\r\r" + damaged.File), std::string::npos);
  EXPECT_NE(notice.find("\r\rDas Bild dieses Puzzles"), std::string::npos);

  // A pipe in the picture's place, with no writer, does not hang the game.
  std::filesystem::remove(dir / "pack/photo-2-picture.jpg");
  ASSERT_EQ(::mkfifo((dir / "pack/photo-2-picture.jpg").c_str(), 0644), 0);
  TBoardPicture pipe = LoadBoardPicture(Name(), 100);
  EXPECT_EQ(pipe.Failure, TPictureFailure::Unreadable);
  EXPECT_EQ(pipe.Reason, "not a regular file");
}

TEST_F(TilePictureTest, PlainSkyTilesOfARealPictureLookAlike) {
  // A drawing with a plain sky over a coloured ground, through JPEG and
  // smooth enlarging: the sky tiles of a Maniac board come out pixel for
  // pixel the same, so the board takes any of them in any sky slot, while
  // the ground tiles stay apart.
  gfx::Bitmap drawing(400, 400, gfx::RGB(120, 170, 230));
  for (int y = 200; y < 400; ++y)
    for (int x = 0; x < 400; ++x)
      drawing.SetPixel(x, y, gfx::RGB(x / 2, 100 + y / 4, (x + y) & 255));
  WriteJpeg(dir / "pack/photo-2-picture.jpg", drawing);
  TBoardPicture picture = LoadBoardPicture(Name(), 480);
  ASSERT_TRUE(picture.Ok()) << picture.Reason;
  const std::vector<TTileLook> looks = TileLooks(picture.Bitmap, BoardShapeFor(5));
  ASSERT_EQ(looks.size(), 64u);
  for (int tile = 1; tile < 16; ++tile)  // the two top rows, well inside the sky
    EXPECT_EQ(looks[tile], looks[0]) << tile;
  std::set<int> ground;
  for (int tile = 48; tile < 64; ++tile)
    ground.insert(looks[tile][0]);
  EXPECT_EQ(ground.size(), 16u);
}

TEST(SmoothScale, EnlargesWithoutBlocksAndReducesByAveraging) {
  // Black and white halves, enlarged eight times: the edge becomes a ramp
  // instead of a step.
  gfx::Bitmap halves(4, 1, gfx::RGB(0, 0, 0));
  halves.SetPixel(2, 0, gfx::RGB(255, 255, 255));
  halves.SetPixel(3, 0, gfx::RGB(255, 255, 255));
  gfx::Bitmap big = tiles::ScaleSmooth(halves, halves.Bounds(), 32, 8);
  ASSERT_EQ(big.GetSize(), (gfx::Size{32, 8}));
  EXPECT_EQ(Red(big, 0, 0), 0);
  EXPECT_EQ(Red(big, 31, 7), 255);
  int steps = 0;
  for (int x = 1; x < 32; ++x) {
    EXPECT_GE(Red(big, x, 3), Red(big, x - 1, 3));
    EXPECT_LE(Red(big, x, 3) - Red(big, x - 1, 3), 40) << x;
    steps += Red(big, x, 3) != Red(big, x - 1, 3) ? 1 : 0;
  }
  EXPECT_GE(steps, 6);

  // A fine checker reduced to a quarter is an even grey, not a moire.
  gfx::Bitmap checker(64, 64);
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x)
      checker.SetPixel(x, y, (x + y) % 2 ? gfx::RGB(255, 255, 255) : gfx::RGB(0, 0, 0));
  gfx::Bitmap small = tiles::ScaleSmooth(checker, checker.Bounds(), 16, 16);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x)
      ASSERT_NEAR(Red(small, x, y), 128, 12) << x << "," << y;

  EXPECT_TRUE(tiles::ScaleSmooth(checker, {0, 0, 0, 0}, 10, 10).IsEmpty());
  EXPECT_TRUE(tiles::ScaleSmooth(checker, checker.Bounds(), 0, 10).IsEmpty());
}

}  // namespace
