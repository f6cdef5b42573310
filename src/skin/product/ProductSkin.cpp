#include "skin/product/ProductSkin.h"

#include "skin/data/StoredSkinStream.h"

void ReadProductSkin(TbsStoredSkin& skin) {
  ReadStoredSkinStream(ProductSkinStream(), skin);
}
