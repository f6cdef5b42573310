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
