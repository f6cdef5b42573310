// The skin generator's building blocks: the atlas packs looks without
// overlap and crops to what it used; section copies keep key order and
// refuse what they cannot do; cut-corner plates have crisp diagonal corners.

#include <gtest/gtest.h>

#include "ControlAtlas.h"
#include "SkinLook.h"
#include "SkinText.h"

namespace {

using gfx::Rect;

TEST(Atlas, PacksShelvesWithoutOverlapAndCropsToTheUsedHeight) {
  skingen::Atlas atlas(50);
  std::vector<Rect> placed;
  for (int i = 0; i < 7; ++i)
    placed.push_back(atlas.Place(20, 10 + i, "look"));
  EXPECT_EQ(placed[0], (Rect{0, 0, 20, 10}));
  for (std::size_t i = 0; i < placed.size(); ++i) {
    EXPECT_LE(placed[i].right, 50);
    for (std::size_t j = i + 1; j < placed.size(); ++j)
      EXPECT_TRUE(placed[i].Intersect(placed[j]).IsEmpty()) << i << " " << j;
  }
  const art::AssetFile file = atlas.Finish("atlas.bmp");
  EXPECT_EQ(file.picture->Width(), 50);
  EXPECT_EQ(file.picture->Height(), placed.back().bottom);
  EXPECT_EQ(file.annotations.size(), placed.size());
}

TEST(SkinText, CopiesASectionWithItsKeysInOrderAndValuesReplaced) {
  skingen::SkinText text;
  text.Section("panel");
  text.Int("pictureindex", 3);
  text.Text("alignment", "tacenter");
  text.Rect("skinrect", {1, 2, 3, 4});
  ASSERT_TRUE(text.CopySection("panel", "groupbox", {{"alignment", "taleftjustify"}}));
  EXPECT_EQ(text.ToString(),
            "[panel]\r\npictureindex=3\r\nalignment=tacenter\r\nskinrect=1,2,3,4\r\n\r\n"
            "[groupbox]\r\npictureindex=3\r\nalignment=taleftjustify\r\nskinrect=1,2,3,4\r\n");
  EXPECT_FALSE(text.CopySection("missing", "x", {}));
  EXPECT_FALSE(text.CopySection("panel", "y", {{"nosuchkey", "1"}}));
  EXPECT_EQ(text.ToString().find("[x]"), std::string::npos);
  EXPECT_EQ(text.ToString().find("[y]"), std::string::npos);
}

TEST(SkinLook, CutPlatesHaveDiagonalCornersAndOutlines) {
  gfx::Bitmap b(8, 6, gfx::clWhite);
  art::Painter p(b);
  skingen::CutPlate(p, b.Bounds(), 2, gfx::clBlack, gfx::clBlack, gfx::clRed, gfx::clBlue);
  // Two pixels of each corner lie outside the shape, cut on the diagonal.
  EXPECT_EQ(b.GetPixel(0, 0), gfx::clBlue);
  EXPECT_EQ(b.GetPixel(1, 0), gfx::clBlue);
  EXPECT_EQ(b.GetPixel(0, 1), gfx::clBlue);
  EXPECT_EQ(b.GetPixel(7, 5), gfx::clBlue);
  // The diagonal and the straight edges are outline; the inside is filled.
  EXPECT_EQ(b.GetPixel(1, 1), gfx::clRed);
  EXPECT_EQ(b.GetPixel(2, 0), gfx::clRed);
  EXPECT_EQ(b.GetPixel(0, 2), gfx::clRed);
  EXPECT_EQ(b.GetPixel(3, 3), gfx::clBlack);
}

}  // namespace
