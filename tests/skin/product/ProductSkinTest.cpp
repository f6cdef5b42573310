#include "skin/product/ProductSkin.h"

#include <gtest/gtest.h>

#include "SkinCheck.h"
#include "SkinJson.h"
#include "SkinSource.h"
#include "skin/data/SkinData.h"

namespace {

const std::string kProductSkin = TILEBROOK_SOURCE_DIR "/assets/skin/skin.ini";

TEST(ProductSkin, EmbeddedStreamLoadsLikeTheSkinDirectory) {
  TbsStoredSkin stored(nullptr);
  ReadProductSkin(stored);
  EXPECT_EQ(stored.FileName(), "skin.ini");
  EXPECT_EQ(stored.Picture.Width(), 205);
  EXPECT_EQ(stored.Picture.Height(), 167);
  EXPECT_TRUE(stored.InactivePicture.IsEmpty());
  EXPECT_FALSE(stored.MaskPicture.IsEmpty());
  EXPECT_EQ(stored.ActivePictures.size(), 9u);

  TbsSkinData embedded(nullptr);
  embedded.ApplyStoredSkin(&stored);
  ASSERT_FALSE(embedded.Empty);
  LoadedSkin direct = LoadSkinSource(kProductSkin);
  EXPECT_EQ(DumpSkinJson(embedded), DumpSkinJson(*direct.data));

  // The pictures are the same pixels, not only the same sizes.
  ASSERT_EQ(embedded.ActivePictures.size(), direct.data->ActivePictures.size());
  for (size_t i = 0; i < embedded.ActivePictures.size(); ++i)
    for (int y = 0; y < embedded.ActivePictures[i].Height(); ++y)
      for (int x = 0; x < embedded.ActivePictures[i].Width(); ++x)
        ASSERT_EQ(embedded.ActivePictures[i].GetPixel(x, y),
                  direct.data->ActivePictures[i].GetPixel(x, y));
}

TEST(ProductSkin, CheckFindsNothingToFix) {
  LoadedSkin skin = LoadSkinSource(kProductSkin);
  std::vector<std::string> lines;
  for (const SkinFinding& f : CheckSkin(*skin.data, skin.text))
    lines.push_back(FormatFinding(f));
  EXPECT_EQ(lines, std::vector<std::string>{});
}

}  // namespace
