// The generators' shared kit: written assets compare equal to their source
// and any real change is caught; noise is reproducible.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "AssetSet.h"
#include "Paint.h"

namespace {

namespace fs = std::filesystem;

class AssetFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("artkit-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  static gfx::Bitmap Gradient() {
    gfx::Bitmap b(40, 30);
    art::Painter(b).HGradient(b.Bounds(), gfx::RGB(20, 60, 90), gfx::RGB(240, 200, 120));
    return b;
  }
  std::vector<art::AssetFile> Files() {
    std::vector<art::AssetFile> files;
    files.push_back({.name = "a/text.ini", .text = "[X]\r\nk=v\r\n"});
    files.push_back({.name = "a/picture.bmp", .picture = Gradient()});
    files.push_back({.name = "b/photo.jpg", .picture = Gradient()});
    return files;
  }
  fs::path dir_;
};

TEST_F(AssetFiles, WrittenFilesCompareEqualAndLeaveNoTemporaryBehind) {
  const auto files = Files();
  ASSERT_EQ(art::WriteAssets(files, dir_.string()), "");
  for (const auto& f : files)
    EXPECT_EQ(art::CompareWithCommitted(f, dir_.string()), "") << f.name;
  for (const auto& entry : fs::recursive_directory_iterator(dir_))
    EXPECT_NE(entry.path().extension(), ".tmp");
}

TEST_F(AssetFiles, ChangesAndMissingFilesAreReported) {
  auto files = Files();
  ASSERT_EQ(art::WriteAssets(files, dir_.string()), "");
  files[0].text += "extra=1\r\n";
  EXPECT_NE(art::CompareWithCommitted(files[0], dir_.string()), "");
  files[1].picture->SetPixel(3, 3, gfx::RGB(1, 2, 3));
  EXPECT_NE(art::CompareWithCommitted(files[1], dir_.string()), "");
  // A JPEG is compared by its pixels: a picture drawn differently differs.
  art::Painter(*files[2].picture).Fill({0, 0, 20, 30}, gfx::clWhite);
  EXPECT_NE(art::CompareWithCommitted(files[2], dir_.string()), "");
  fs::remove(dir_ / "a/text.ini");
  EXPECT_NE(art::CompareWithCommitted(Files()[0], dir_.string()), "");
}

TEST_F(AssetFiles, AnUnwritableDirectoryIsReportedNotIgnored) {
  fs::create_directories(dir_);
  std::ofstream(dir_ / "a") << "a file where a directory is needed";
  EXPECT_NE(art::WriteAssets(Files(), dir_.string()), "");
}

TEST(Paint, MixReachesBothEndsAndRoundsToTheNearer) {
  const gfx::ColorRef a = gfx::RGB(10, 200, 0), b = gfx::RGB(20, 100, 255);
  EXPECT_EQ(art::Mix(a, b, 0), a);
  EXPECT_EQ(art::Mix(a, b, 256), b);
  EXPECT_EQ(art::Mix(a, b, 128), gfx::RGB(15, 150, 128));
  EXPECT_EQ(art::Shade(gfx::RGB(250, 3, 100), 10), gfx::RGB(255, 13, 110));
  EXPECT_EQ(art::Shade(gfx::RGB(250, 3, 100), -10), gfx::RGB(240, 0, 90));
}

TEST(Paint, FramesLeaveCornersOutAndStayInsideTheirRectangle) {
  gfx::Bitmap b(6, 5, gfx::clWhite);
  art::Painter p(b);
  p.RoundFrame({0, 0, 6, 5}, gfx::clBlack);
  EXPECT_EQ(b.GetPixel(0, 0), gfx::clWhite);
  EXPECT_EQ(b.GetPixel(5, 4), gfx::clWhite);
  EXPECT_EQ(b.GetPixel(1, 0), gfx::clBlack);
  EXPECT_EQ(b.GetPixel(0, 1), gfx::clBlack);
  EXPECT_EQ(b.GetPixel(2, 2), gfx::clWhite);
  // Drawing past the bitmap's edges is clipped, not a fault.
  p.Fill({-3, -3, 2, 2}, gfx::clBlack);
  p.HLine(4, 40, 4, gfx::clBlack);
  EXPECT_EQ(b.GetPixel(5, 4), gfx::clBlack);
}

TEST(Paint, GradientsRunFromTheFirstToTheLastColour) {
  gfx::Bitmap b(2, 5);
  art::Painter(b).VGradient(b.Bounds(), gfx::RGB(0, 0, 0), gfx::RGB(200, 100, 40));
  EXPECT_EQ(b.GetPixel(1, 0), gfx::RGB(0, 0, 0));
  EXPECT_EQ(b.GetPixel(1, 4), gfx::RGB(200, 100, 40));
  EXPECT_EQ(b.GetPixel(0, 2), gfx::RGB(100, 50, 20));
}

TEST(Paint, PolygonsFillByCoverage) {
  gfx::Bitmap b(10, 10, gfx::clWhite);
  art::Painter(b).Polygon({{2, 2}, {8, 2}, {8, 8}, {2, 8}}, gfx::clBlack);
  EXPECT_EQ(b.GetPixel(5, 5), gfx::clBlack);
  EXPECT_EQ(b.GetPixel(1, 5), gfx::clWhite);
  EXPECT_EQ(b.GetPixel(8, 5), gfx::clWhite);  // the right edge is exclusive
  gfx::Bitmap half(4, 4, gfx::clWhite);
  art::Painter(half).Polygon({{0, 0}, {4, 0}, {4, 1.5}, {0, 1.5}}, gfx::clBlack);
  EXPECT_EQ(half.GetPixel(1, 1), gfx::RGB(127, 127, 127));  // half covered
}

TEST(Noise, IsTheSameOnEveryRunAndStaysInRange) {
  const auto a = art::SmoothNoise(42, 100, 7);
  EXPECT_EQ(a, art::SmoothNoise(42, 100, 7));
  EXPECT_NE(a, art::SmoothNoise(43, 100, 7));
  for (double v : a) {
    EXPECT_GE(v, -1.0);
    EXPECT_LE(v, 1.0);
  }
}

}  // namespace
