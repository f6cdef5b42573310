// The window's design pictures: committed as generated, sized as the
// window's design holds them, the stars countable and on the colour of the
// list rows they are shown in, the preview table calm and light.

#include <gtest/gtest.h>

#include <cmath>

#include "DesignGen.h"
#include "SkinGen.h"
#include "skin/data/SkinIni.h"
#include "skin/data/SkinValues.h"

namespace {

const std::string kDesignDir = std::string(TILEBROOK_SOURCE_DIR) + "/assets/design";

TEST(DesignPictures, CommittedFilesAreWhatTheGeneratorDraws) {
  const auto files = designgen::GenerateDesign();
  ASSERT_EQ(files.size(), 6u);
  for (const art::AssetFile& file : files)
    EXPECT_EQ(art::CompareWithCommitted(file, kDesignDir), "");
}

// The columns holding star red, grouped into runs: one run per star.
int CountStars(const gfx::Bitmap& strip) {
  int stars = 0;
  bool inStar = false;
  for (int x = 0; x < strip.Width(); ++x) {
    bool red = false;
    for (int y = 0; y < strip.Height(); ++y) {
      const auto c = strip.GetPixel(x, y);
      red = red || (gfx::GetRValue(c) > 150 && gfx::GetGValue(c) < 90);
    }
    stars += red && !inStar;
    inStar = red;
  }
  return stars;
}

TEST(DesignPictures, StarStripsHoldOneToFiveStarsFromTheLeft) {
  for (int n = 1; n <= 5; ++n) {
    const gfx::Bitmap strip = designgen::DrawStars(n);
    EXPECT_EQ(strip.GetSize(), (gfx::Size{80, 17}));
    EXPECT_EQ(CountStars(strip), n);
    // Left-aligned: nothing red right of the n-th star's cell.
    for (int x = 16 * n; x < 80; ++x)
      EXPECT_EQ(strip.GetPixel(x, 8), strip.GetPixel(79, 0)) << n << " " << x;
  }
}

TEST(DesignPictures, StarsSitOnTheColourOfTheSkinsListRows) {
  // The image list is not masked, so its background shows in the combo box
  // and its list: it must be their field colour.
  const auto skin = skingen::GenerateSkin();
  const TbsSkinIni text(skin.front().text);
  const gfx::Bitmap* controls = nullptr;
  for (const auto& f : skin)
    if (f.name == text.ReadString("PICTURES", "3", ""))
      controls = &*f.picture;
  ASSERT_NE(controls, nullptr);
  const gfx::Rect comboItem = ReadRectValue(text, "combobox", "itemrect");
  const gfx::Rect listItem = ReadRectValue(text, "listbox", "itemrect");
  const gfx::ColorRef background = designgen::DrawStars(1).GetPixel(79, 0);
  EXPECT_EQ(controls->GetPixel(comboItem.left + 5, comboItem.top + 8), background);
  EXPECT_EQ(controls->GetPixel(listItem.left + 5, listItem.top + 8), background);
}

double Luminance(gfx::ColorRef c) {
  return 0.3 * gfx::GetRValue(c) + 0.59 * gfx::GetGValue(c) + 0.11 * gfx::GetBValue(c);
}

TEST(DesignPictures, PreviewTableIsCalmAndTheNamePanelDark) {
  const gfx::Bitmap background = designgen::DrawBackground();
  ASSERT_EQ(background.GetSize(), (gfx::Size{760, 570}));
  // The bevels round the previews, client 204,149 to 716,485 (the picture
  // sits one pixel left of the client area).
  double lowest = 255, highest = 0;
  for (int y = 149; y < 485; ++y)
    for (int x = 205; x < 717; ++x) {
      lowest = std::min(lowest, Luminance(background.GetPixel(x, y)));
      highest = std::max(highest, Luminance(background.GetPixel(x, y)));
    }
  EXPECT_GT(lowest, 225);
  EXPECT_LT(highest - lowest, 12);
  // The buttons on the left panel need a dark ground for their cream faces
  // to stand out.
  for (int y = 494; y < 545; ++y)
    for (int x = 16; x < 192; ++x)
      ASSERT_LT(Luminance(background.GetPixel(x, y)), 110) << x << "," << y;
}

}  // namespace
