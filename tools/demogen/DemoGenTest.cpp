// The demo previews: committed as generated, one per puzzle of each demo
// package, and different enough from each other to tell apart at a glance.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "DemoGen.h"

namespace {

const std::string kDemoDir = std::string(TILEBROOK_SOURCE_DIR) + "/assets/demo";

// Drawn once for every test: the large pictures take a while.
const std::vector<art::AssetFile>& DemoFiles() {
  static const std::vector<art::AssetFile> files = demogen::GenerateDemoPreviews();
  return files;
}

bool IsLargePicture(const art::AssetFile& file) {
  return file.name.ends_with("-picture.jpg");
}

TEST(DemoPreviews, CommittedFilesAreWhatTheGeneratorDraws) {
  for (const art::AssetFile& file : DemoFiles()) {
    const int size = IsLargePicture(file) ? 600 : 150;
    EXPECT_EQ(file.picture->GetSize(), (gfx::Size{size, size})) << file.name;
    EXPECT_EQ(art::CompareWithCommitted(file, kDemoDir), "");
  }
}

int PuzzleCount(const std::string& package) {
  std::ifstream in(kDemoDir + "/" + package + "/PuzzlePackage.ini");
  std::string line;
  while (std::getline(in, line))
    if (line.rfind("puzzles=", 0) == 0)
      return std::stoi(line.substr(8));
  return -1;
}

TEST(DemoPreviews, EveryPuzzleOfTheDemoPackagesHasAPreviewAndAPicture) {
  std::size_t puzzles = 0;
  for (const demogen::DemoPackage& package : demogen::DemoPackages()) {
    EXPECT_EQ(PuzzleCount(package.directory), package.count) << package.directory;
    puzzles += static_cast<std::size_t>(package.count);
  }
  EXPECT_EQ(DemoFiles().size(), 2 * puzzles);
}

double MeanDifference(const gfx::Bitmap& a, const gfx::Bitmap& b) {
  double total = 0;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x) {
      const auto p = a.GetPixel(x, y), q = b.GetPixel(x, y);
      total += std::abs(gfx::GetRValue(p) - gfx::GetRValue(q)) +
               std::abs(gfx::GetGValue(p) - gfx::GetGValue(q)) +
               std::abs(gfx::GetBValue(p) - gfx::GetBValue(q));
    }
  return total / (3.0 * a.Width() * a.Height());
}

TEST(DemoPreviews, NoTwoLookAlike) {
  std::vector<const art::AssetFile*> previews;
  for (const art::AssetFile& file : DemoFiles())
    if (!IsLargePicture(file))
      previews.push_back(&file);
  for (std::size_t i = 0; i < previews.size(); ++i)
    for (std::size_t j = i + 1; j < previews.size(); ++j)
      EXPECT_GT(MeanDifference(*previews[i]->picture, *previews[j]->picture), 20)
          << previews[i]->name << " and " << previews[j]->name;
}

TEST(DemoPreviews, EachLargePictureShowsItsPreviewsScene) {
  // Reduced to the preview's size, the picture is the preview within a
  // small difference (finer detail averages out).
  const auto& files = DemoFiles();
  for (std::size_t i = 0; i + 1 < files.size(); i += 2) {
    ASSERT_TRUE(IsLargePicture(files[i + 1])) << files[i + 1].name;
    gfx::Bitmap reduced(150, 150);
    const gfx::Bitmap& large = *files[i + 1].picture;
    for (int y = 0; y < 150; ++y)
      for (int x = 0; x < 150; ++x) {
        int r = 0, g = 0, b = 0;
        for (int dy = 0; dy < 4; ++dy)
          for (int dx = 0; dx < 4; ++dx) {
            const auto p = large.GetPixel(4 * x + dx, 4 * y + dy);
            r += gfx::GetRValue(p);
            g += gfx::GetGValue(p);
            b += gfx::GetBValue(p);
          }
        reduced.SetPixel(x, y, gfx::RGB(r / 16, g / 16, b / 16));
      }
    EXPECT_LT(MeanDifference(reduced, *files[i].picture), 6) << files[i].name;
  }
}

}  // namespace
