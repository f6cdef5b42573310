#pragma once

// A headless desktop with a form carrying a skinned frame and the product
// skin, for tests of the frame as the player meets it.

#include <memory>
#include <string>

#include "skin/data/SkinData.h"
#include "skin/data/StoredSkin.h"
#include "skin/form/SkinForm.h"
#include "ui/UiTest.h"

namespace frametest {

inline std::string ProductSkinFile() {
  return std::string(TILEBROOK_SOURCE_DIR) + "/assets/skin/skin.ini";
}

class FrameTest : public uitest::UiTest {
 protected:
  // A shown form with the product skin and the browser's border icons,
  // sized to the given client area.
  TForm* MakeSkinnedForm(int clientWidth = 760, int clientHeight = 570) {
    form = MakeForm(300, 200);
    form->SetCaption("Tilebrook(tm) - Puzzle Browser");
    skin = new TbsSkinData(form);
    TbsStoredSkin stored(nullptr);
    stored.LoadFromSkinFile(ProductSkinFile());
    skin->ApplyStoredSkin(&stored);
    frame = new TbsSkinForm(form);
    frame->SetBorderIcons(TbsBorderIcons{TbsBorderIcon::biSystemMenu, TbsBorderIcon::biMinimize,
                                         TbsBorderIcon::biRollUp});
    frame->SetSkinData(skin);
    form->SetClientSize(clientWidth, clientHeight);
    app->ProcessMessages();
    return form;
  }

  // The window as the screen shows it.
  gfx::Bitmap Shot() {
    app->ProcessMessages();
    win::GdiFlush();
    return script.WindowShot(form->Handle());
  }

  // The screen position of a window point.
  gfx::Point ScreenOf(int x, int y) const { return {form->Left() + x, form->Top() + y}; }

  TForm* form = nullptr;
  TbsSkinData* skin = nullptr;
  TbsSkinForm* frame = nullptr;
};

}  // namespace frametest
