#include "skin/product/ProductSkin.h"

#include "skin/data/SkinData.h"
#include "skin/data/StoredSkinStream.h"

void ReadProductSkin(TbsStoredSkin& skin) {
  ReadStoredSkinStream(ProductSkinStream(), skin);
}

void ApplyProductSkin(TbsSkinData& skin) {
  TbsStoredSkin stored(nullptr);
  ReadProductSkin(stored);
  skin.ApplyStoredSkin(&stored);
}
