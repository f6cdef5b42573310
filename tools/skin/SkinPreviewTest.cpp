// Golden pictures of the skin preview, in the product skin and in the
// plain looks. Regenerate with TILEBROOK_UPDATE_GOLDEN=1 after a deliberate
// change of a look, and look at the pictures before committing them.

#include <gtest/gtest.h>

#include "DialogPreview.h"
#include "SkinPreview.h"
#include "platform/gfx/ImageCodecs.h"
#include "platform/win/Win.h"
#include "platform/win/headless/HeadlessDesktop.h"
#include "skin/data/StoredSkin.h"
#include "skin/product/ProductSkin.h"
#include "support/GoldenImage.h"
#include "ui/Application.h"

namespace {

gfx::Bitmap PreviewShot(bool plain) {
  win::HeadlessDesktop headless;
  TScreen screen;
  TApplication application;
  TbsStoredSkin stored(nullptr);
  ReadProductSkin(stored);
  TbsSkinData skin(nullptr);
  skin.ApplyStoredSkin(&stored);
  auto* form = new TSkinPreviewForm(&application, plain ? nullptr : &skin);
  application.AddForm(form);
  form->Show();
  SettleHeadless(headless, application);
  gfx::Bitmap shot = headless.Backend().WindowShot(form->Handle());
  delete form;
  return shot;
}

TEST(SkinPreview, ProductSkin) {
  EXPECT_TRUE(
      testsupport::MatchesGolden(PreviewShot(false), "tools/skin/golden/preview_product.png"));
}

TEST(SkinPreview, PlainLooks) {
  EXPECT_TRUE(testsupport::MatchesGolden(PreviewShot(true), "tools/skin/golden/preview_plain.png"));
}

// A notice of each kind, a hint and an open menu with its submenu, as the
// --dialogs picture shows them.
TEST(SkinPreview, NoticesHintAndMenu) {
  TbsStoredSkin stored(nullptr);
  ReadProductSkin(stored);
  TbsSkinData skin(nullptr);
  skin.ApplyStoredSkin(&stored);
  const std::string path = std::string(TILEBROOK_BINARY_DIR) + "/preview_dialogs.png";
  ASSERT_TRUE(SaveDialogsScreenshot(&skin, path));
  const gfx::DecodedImage shot = gfx::LoadImageFile(path);
  ASSERT_TRUE(shot.Ok()) << shot.error;
  EXPECT_TRUE(testsupport::MatchesGolden(shot.bitmap, "tools/skin/golden/preview_dialogs.png"));
  // An unwritable place is reported, not ignored.
  EXPECT_FALSE(SaveDialogsScreenshot(nullptr, "/nonexistent-directory/dialogs.png"));
}

}  // namespace
