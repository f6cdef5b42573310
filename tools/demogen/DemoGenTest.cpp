// The demo previews: committed as generated, one per puzzle of each demo
// package, and different enough from each other to tell apart at a glance.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "DemoGen.h"

namespace {

const std::string kDemoDir = std::string(TILEBROOK_SOURCE_DIR) + "/assets/demo";

TEST(DemoPreviews, CommittedFilesAreWhatTheGeneratorDraws) {
  for (const art::AssetFile& file : demogen::GenerateDemoPreviews()) {
    EXPECT_EQ(file.picture->GetSize(), (gfx::Size{150, 150})) << file.name;
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

TEST(DemoPreviews, EveryPuzzleOfTheDemoPackagesHasOne) {
  for (const demogen::DemoPackage& package : demogen::DemoPackages())
    EXPECT_EQ(PuzzleCount(package.directory), package.count) << package.directory;
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
  const auto files = demogen::GenerateDemoPreviews();
  for (std::size_t i = 0; i < files.size(); ++i)
    for (std::size_t j = i + 1; j < files.size(); ++j)
      EXPECT_GT(MeanDifference(*files[i].picture, *files[j].picture), 20)
          << files[i].name << " and " << files[j].name;
}

}  // namespace
