// The whole window as the player sees it, on the demo installation, kept as
// reference pictures: the first page, a later page with the selection on
// another slot, the severity list open, a notice over the window, and the
// system menu open. TILEBROOK_UPDATE_GOLDEN=1 rewrites them.

#include <filesystem>

#include "browser/BrowserTest.h"
#include "platform/gfx/DeviceContext.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/Win.h"
#include "skin/controls/SkinComboBox.h"
#include "skin/form/SkinForm.h"
#include "support/GoldenImage.h"
#include "ui/Application.h"
#include "ui/ExtCtrls.h"

namespace browsertest {
namespace {

class GoldenTest : public BrowserTest {
 protected:
  GoldenTest() {
    std::filesystem::copy(testsupport::SourcePath("assets/demo"), dir.Path(),
                          std::filesystem::copy_options::recursive |
                              std::filesystem::copy_options::overwrite_existing);
  }

  // The screen from the window's top edge down, as wide as the window: the
  // window with whatever lies over it or drops out of it.
  void Shoot(const std::string& Name) {
    Then([this, Name] {
      Application->ProcessMessages();
      win::GdiFlush();
      const gfx::Bitmap screen = script.Screenshot();
      const TRect w = win::GetWindowRect(browser->Handle());
      gfx::Bitmap shot(w.Width(), screen.Height() - w.top);
      gfx::DeviceContext dc(shot);
      dc.BitBlt(0, 0, shot.Width(), shot.Height(), screen, w.left, w.top);
      EXPECT_TRUE(testsupport::MatchesGolden(shot, "tests/browser/golden/" + Name + ".png"));
    });
  }
};

// The first package is Ährenfeld Quilts, fourteen puzzles: the later page
// shows puzzle 11 selected in the same slot as puzzle 5 on the first.
TEST_F(GoldenTest, FirstPageAndALaterPage) {
  Shoot("first_page");
  ClickOn([this] { return browser->Images[4]; });
  NextPage();
  Shoot("later_page");
  CloseWindow();
  Run();
}

TEST_F(GoldenTest, SeverityListOpen) {
  ClickOn([this] { return browser->Images[1]; });
  ClickOn([this] { return browser->cbxSeverity; });
  Shoot("severity_list");
  Key(win::VK_ESCAPE);
  CloseWindow();
  Run();
}

TEST_F(GoldenTest, NoticeOverTheWindow) {
  PreviousPage();
  Shoot("notice");
  Dismiss();
  CloseWindow();
  Run();
  EXPECT_EQ(notices, std::vector<std::string>{FirstPage});
}

TEST_F(GoldenTest, SystemMenuOpen) {
  Then([this] {
    const gfx::Rect r = TbsSkinForm::FrameOf(browser)->FindObject("systemmenubutton")->ObjectRect;
    script.InjectMouseMove(
        {browser->Left() + (r.left + r.right) / 2, browser->Top() + (r.top + r.bottom) / 2});
  });
  script.Wait(60).Press();
  Shoot("system_menu");
  Key(win::VK_ESCAPE);
  script.Release();
  CloseWindow();
  Run();
}

}  // namespace
}  // namespace browsertest
