// The message dialog as the player meets it: its layout for the program's
// notices and the other kinds, the keys that answer it, and texts that
// would not fit on the screen.

#include "SkinFormTest.h"
#include "platform/win/VirtualKeys.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinMessage.h"
#include "skin/form/SkinForm.h"
#include "support/GoldenImage.h"

namespace controltest {
namespace {

using ::testing::ElementsAre;
using win::VK_ESCAPE;
using win::VK_RETURN;
using win::VK_TAB;

class SkinMessages : public SkinFormTest {
 protected:
  SkinMessages() {
    app->SetTitle("Tilebrook(tm) - Puzzle Browser 1.0.0.0");
    message = new TbsSkinMessage(form);
    message->SetSkinData(skin);
    message->SetCtrlSkinData(skin);
  }

  // The dialog on the screen, for checks inside a script step.
  static TbsMessageForm* Shown() { return dynamic_cast<TbsMessageForm*>(Screen->ActiveForm()); }

  // Shows a dialog; `check` runs while it is open, then `keys` answer it.
  TModalResult Show(const std::string& text, TMsgDlgType kind, TMsgDlgButtons buttons,
                    const std::function<void(TbsMessageForm&)>& check,
                    std::initializer_list<unsigned> keys = {VK_RETURN}) {
    script.Then([&] {
      TbsMessageForm* dialog = Shown();
      ASSERT_NE(dialog, nullptr);
      check(*dialog);
    });
    for (unsigned key : keys)
      script.Key(key);
    return message->ShowMessageDialog(text, kind, buttons);
  }

  static std::vector<std::string> ButtonNames(TbsMessageForm& dialog) {
    std::vector<std::string> names;
    for (int i = 0; i < dialog.ControlCount(); ++i)
      if (auto* b = dynamic_cast<TbsSkinButton*>(dialog.Controls(i)))
        names.push_back(b->Name());
    return names;
  }

  TbsSkinMessage* message = nullptr;
};

TEST_F(SkinMessages, TheProgramsNoticeWithTheProductSkin) {
  const TModalResult result = Show("Short.", mtCustom, {mbOK}, [](TbsMessageForm& d) {
    EXPECT_EQ(d.Caption(), "Tilebrook(tm) - Puzzle Browser 1.0.0.0");
    EXPECT_TRUE(d.SkinForm()->SkinLoaded());
    EXPECT_EQ(win::GetWindowLong(d.Handle(), win::GWL_STYLE) & win::WS_CAPTION, 0);
    EXPECT_TRUE(d.Image()->Picture().Bitmap().Empty());
    TbsSkinButton* ok = d.Button(mbOK);
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->Caption(), "OK");
    EXPECT_EQ(ok->Width(), 60);
    EXPECT_EQ(ok->Height(), 20);
    EXPECT_EQ(ok->Top() + ok->Height(), d.ClientHeight() - 10);
    EXPECT_EQ(ok->Left(), (d.ClientWidth() - 60) / 2);
    EXPECT_EQ(d.ClientHeight(), 20 + d.Message()->Height() + 50);
    EXPECT_EQ(d.Message()->Left(), 50);
    EXPECT_EQ(d.Message()->Top(), 15);
    // A short text still gives the frame's minimum width.
    EXPECT_EQ(d.Width(), 205);
    EXPECT_TRUE(ok->Default());
    EXPECT_TRUE(ok->Cancel());
  });
  EXPECT_EQ(result, mrOk);
  // Escape answers it too, with the same result.
  EXPECT_EQ(Show("Short.", mtCustom, {mbOK}, [](TbsMessageForm&) {}, {VK_ESCAPE}), mrOk);
  // Nothing of the dialog is left once it is answered.
  EXPECT_EQ(Screen->FormCount(), 1);
}

TEST_F(SkinMessages, ALongLineWidensTheDialogAndTheRowStaysCentred) {
  const std::string line(80, 'W');
  Show(line, mtInformation, {mbOK, mbCancel}, [](TbsMessageForm& d) {
    const int textRight = d.Message()->Left() + d.Message()->Width();
    EXPECT_GT(textRight, 205);
    EXPECT_EQ(d.ClientWidth(), textRight + 40);
    const int rowWidth = 2 * 60 + 10;
    EXPECT_EQ(d.Button(mbOK)->Left(), (d.ClientWidth() - rowWidth) / 2);
    EXPECT_EQ(d.Button(mbCancel)->Left(), d.Button(mbOK)->Left() + 70);
    EXPECT_EQ(d.Caption(), "Information");
  });
}

TEST_F(SkinMessages, YesNoCancelInOrderWithTheirRoles) {
  int rowWidth = 0;
  const TModalResult result =
      Show("Save?", mtWarning, {mbCancel, mbYes, mbNo}, [&](TbsMessageForm& d) {
        EXPECT_THAT(ButtonNames(d), ElementsAre("Yes", "No", "Cancel"));
        rowWidth = d.Button(mbCancel)->Left() + 60 - d.Button(mbYes)->Left();
        EXPECT_TRUE(d.Button(mbYes)->Default());
        EXPECT_TRUE(d.Button(mbCancel)->Cancel());
        EXPECT_FALSE(d.Button(mbNo)->Cancel());
        EXPECT_EQ(d.Button(mbNo)->Caption(), "&No");
        EXPECT_EQ(d.Caption(), "Warning");
      });
  EXPECT_EQ(rowWidth, 200);
  EXPECT_EQ(result, mrYes);
  EXPECT_EQ(Show("Save?", mtWarning, {mbYes, mbNo, mbCancel}, [](TbsMessageForm&) {}, {VK_ESCAPE}),
            mrCancel);
  // Tab walks the buttons in their order; Enter then answers with the
  // focused one.
  EXPECT_EQ(Show("Save?", mtConfirmation, {mbYes, mbNo, mbCancel}, [](TbsMessageForm&) {},
                 {VK_TAB, VK_TAB, VK_RETURN}),
            mrNo);
}

TEST_F(SkinMessages, AbortRetryIgnoreHasNoCancelButton) {
  bool stillOpen = false;
  script.Then([&] {
    TbsMessageForm* d = Shown();
    ASSERT_NE(d, nullptr);
    EXPECT_THAT(ButtonNames(*d), ElementsAre("Abort", "Retry", "Ignore"));
    EXPECT_TRUE(d->Button(mbRetry)->Default());
  });
  script.Key(VK_ESCAPE).Then([&] { stillOpen = Shown() != nullptr; }).Key(VK_RETURN);
  EXPECT_EQ(message->ShowMessageDialog("Failed.", mtError, {mbAbort, mbRetry, mbIgnore}), mrRetry);
  EXPECT_TRUE(stillOpen);
  // The accelerator of a caption answers too.
  script.Key('I', 'i');
  EXPECT_EQ(message->ShowMessageDialog("Failed.", mtError, {mbAbort, mbRetry, mbIgnore}), mrIgnore);
}

TEST_F(SkinMessages, EveryKindButCustomHasItsOwnIcon) {
  std::vector<std::vector<gfx::ColorRef>> pictures;
  for (TMsgDlgType kind : {mtWarning, mtError, mtInformation, mtConfirmation}) {
    Show("Text", kind, {mbOK}, [&](TbsMessageForm& d) {
      const gfx::Bitmap& icon = d.Image()->Picture().Bitmap().Pixels();
      ASSERT_EQ(icon.Width(), 32);
      ASSERT_EQ(icon.Height(), 32);
      EXPECT_TRUE(d.Image()->Transparent());
      std::vector<gfx::ColorRef> pixels;
      for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
          pixels.push_back(icon.GetPixel(x, y));
      pictures.push_back(pixels);
    });
  }
  // Four different pictures, not one picture four times.
  ASSERT_EQ(pictures.size(), 4u);
  std::sort(pictures.begin(), pictures.end());
  EXPECT_EQ(std::unique(pictures.begin(), pictures.end()), pictures.end());
}

TEST_F(SkinMessages, TheIconBesideTheTextNeverHigherThanTenPixels) {
  TFont small;
  small.SetName("Arial");
  small.SetHeight(12);
  message->SetDefaultFont(small);
  message->UseSkinFont = false;
  Show("One line", mtInformation, {mbOK}, [](TbsMessageForm& d) {
    EXPECT_LE(d.Message()->Height(), 14);
    EXPECT_EQ(d.Image()->Top(), 10);
    EXPECT_EQ(d.Image()->Left(), 5);
    EXPECT_EQ(d.Image()->Width(), 32);
  });
  Show("1\r2\r3\r4\r5\r6", mtInformation, {mbOK},
       [](TbsMessageForm& d) { EXPECT_EQ(d.Image()->Top(), 15 + d.Message()->Height() / 2 - 16); });
}

// The dialog as the screen shows it, frame included. Regenerate with
// TILEBROOK_UPDATE_GOLDEN=1 after a deliberate change of the look.
TEST_F(SkinMessages, GoldenPicturesOfANoticeAndAWarning) {
  const auto golden = [this](const std::string& name) {
    return [this, name](TbsMessageForm& d) {
      win::GdiFlush();
      EXPECT_TRUE(testsupport::MatchesGolden(script.WindowShot(d.Handle()),
                                             "tests/skin/controls/golden/" + name));
    };
  };
  Show(
      "The package \"Brookside\" cannot be read.\r\rDas Paket \"Brookside\" kann nicht "
      "gelesen werden.",
      mtCustom, {mbOK}, golden("notice.png"));
  Show("Do you want to save the changes\rbefore you close?", mtWarning, {mbYes, mbNo, mbCancel},
       golden("warning.png"));
}

// Showing a notice activates it before its first paint; the frame is
// painted once, by that paint, and later activation changes repaint it at
// once.
TEST_F(SkinMessages, AShownNoticePaintsItsFrameOnce) {
  std::unique_ptr<TbsMessageForm> dialog(
      BuildMessageForm("Short.", mtCustom, {mbOK}, message->Style()));
  int framePaints = 0;
  const TWndMethod inner = dialog->WindowProc;
  dialog->WindowProc = [&](TMessage& m) {
    framePaints += m.Msg == win::WM_NCPAINT;
    inner(m);
  };
  dialog->Show();
  EXPECT_TRUE(dialog->SkinForm()->WindowIsActive());
  app->ProcessMessages();
  EXPECT_EQ(framePaints, 1);
  win::GdiFlush();
  const gfx::Bitmap shown = script.WindowShot(dialog->Handle());
  win::SetActiveWindow(form->Handle());
  EXPECT_EQ(framePaints, 2);
  win::SetActiveWindow(dialog->Handle());
  EXPECT_EQ(framePaints, 3);
  app->ProcessMessages();
  win::GdiFlush();
  EXPECT_TRUE(script.WindowShot(dialog->Handle()).SameAs(shown));
}

TEST_F(SkinMessages, WithoutControlSkinTheButtonsArePlain) {
  message->SetCtrlSkinData(nullptr);
  Show("Plain.", mtCustom, {mbOK}, [](TbsMessageForm& d) {
    EXPECT_EQ(d.Button(mbOK)->Height(), 25);
    EXPECT_EQ(d.Button(mbOK)->SkinIndex(), -1);
    EXPECT_EQ(d.ClientHeight(), 25 + d.Message()->Height() + 50);
  });
}

TEST_F(SkinMessages, HugeTextsStayOnTheWorkAreaWithUsableButtons) {
  std::string lines;
  for (int i = 0; i < 10000; ++i)
    lines += "Line " + std::to_string(i) + "\r";
  const std::string wide(100000, 'x');
  for (const std::string& text : {lines, wide, lines + wide}) {
    TPoint okCentre;
    script.Then([&] {
      TbsMessageForm* d = Shown();
      ASSERT_NE(d, nullptr);
      const TRect area = Screen->WorkAreaRect();
      const TRect bounds = win::GetWindowRect(d->Handle());
      EXPECT_TRUE(area.Contains(bounds.TopLeft()));
      EXPECT_LE(bounds.right, area.right);
      EXPECT_LE(bounds.bottom, area.bottom);
      TbsSkinButton* ok = d->Button(mbOK);
      EXPECT_LE(ok->Top() + ok->Height(), d->ClientHeight());
      okCentre = ok->ClientToScreen({30, 10});
      script.Click(okCentre.x, okCentre.y);
    });
    EXPECT_EQ(message->ShowMessageDialog(text, mtCustom, {mbOK}), mrOk);
  }
}

TEST_F(SkinMessages, MalformedTextIsShownNotRefused) {
  const std::string broken = "ab\xff\xfe\xc3(cd\xe2\x82";
  EXPECT_EQ(
      Show(broken, mtCustom, {mbOK}, [](TbsMessageForm& d) { EXPECT_GT(d.Message()->Width(), 0); }),
      mrOk);
}

TEST_F(SkinMessages, WithoutButtonsOnlyClosingEndsIt) {
  script.Then([&] { win::PostMessage(Shown()->Handle(), win::WM_CLOSE); });
  EXPECT_EQ(message->ShowMessageDialog("Wait.", mtInformation, {}), mrCancel);
}

}  // namespace
}  // namespace controltest
