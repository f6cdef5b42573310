#pragma once

// A headless desktop with a shown form and the product skin in a container
// of the form, for tests of the skinned controls as a player meets them.

#include <memory>
#include <string>

#include "platform/gfx/DeviceContext.h"
#include "skin/data/SkinData.h"
#include "skin/data/StoredSkin.h"
#include "ui/UiTest.h"

namespace controltest {

class SkinFormTest : public uitest::UiTest {
 protected:
  SkinFormTest() {
    form = MakeForm(600, 400);
    skin = new TbsSkinData(form);
    TbsStoredSkin stored(nullptr);
    stored.LoadFromSkinFile(std::string(TILEBROOK_SOURCE_DIR) + "/assets/skin/skin.ini");
    skin->ApplyStoredSkin(&stored);
  }

  // Runs the script and paints what it changed.
  void Run() {
    RunScript();
    app->ProcessMessages();
  }

  // The picture of a control as the screen shows it.
  gfx::Bitmap ShotOf(TControl* control) {
    app->ProcessMessages();
    win::GdiFlush();
    const gfx::Bitmap shot = script.WindowShot(form->Handle());
    const TPoint p = control->ClientToScreen({0, 0});
    const TRect w = win::GetWindowRect(form->Handle());
    gfx::Bitmap out(control->Width(), control->Height());
    gfx::DeviceContext dc(out);
    dc.BitBlt(0, 0, out.Width(), out.Height(), shot, p.x - w.left, p.y - w.top);
    return out;
  }

  TForm* form = nullptr;
  TbsSkinData* skin = nullptr;
};

}  // namespace controltest
