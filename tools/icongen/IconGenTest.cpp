// The dialog's icons: committed as generated, and each one a shape on the
// key colour with its corners left out.

#include <gtest/gtest.h>

#include "IconGen.h"

namespace {

const std::string kIconDir = std::string(TILEBROOK_SOURCE_DIR) + "/assets/icons";

TEST(MessageIcons, CommittedFilesAreWhatTheGeneratorDraws) {
  const auto files = icongen::GenerateIcons();
  ASSERT_EQ(files.size(), 4u);
  for (const art::AssetFile& file : files) {
    EXPECT_EQ(art::CompareWithCommitted(file, kIconDir), "") << file.name;
    const gfx::Bitmap& icon = *file.picture;
    EXPECT_EQ(icon.Width(), 32);
    EXPECT_EQ(icon.Height(), 32);
    // The dialog takes the bottom-left pixel as the transparent colour.
    EXPECT_EQ(icon.GetPixel(0, 31), icongen::kKeyColour) << file.name;
    EXPECT_EQ(icon.GetPixel(31, 31), icongen::kKeyColour) << file.name;
    EXPECT_NE(icon.GetPixel(16, 16), icongen::kKeyColour) << file.name;
  }
}

}  // namespace
