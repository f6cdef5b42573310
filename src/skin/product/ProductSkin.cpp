#include "skin/product/ProductSkin.h"

#include "platform/sys/ResidentMemory.h"
#include "skin/data/SkinData.h"
#include "skin/data/StoredSkinStream.h"

void ReadProductSkin(TbsStoredSkin& skin) {
  ReadStoredSkinStream(ProductSkinStream(), skin);
  // The stored skin now holds the text and pictures; the embedded bytes are
  // not read again while the program runs.
  sys::ReleaseConstantPages(ProductSkinStream());
}

void ApplyProductSkin(TbsSkinData& skin) {
  TbsStoredSkin stored(nullptr);
  ReadProductSkin(stored);
  skin.ApplyStoredSkin(&stored);
}
